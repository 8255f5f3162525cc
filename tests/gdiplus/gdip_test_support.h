#pragma once
// Small fixtures for the GDI+ layer tests: an in-memory canvas and tolerant
// colour checks.

#include "gdiplus/gdiplus_layer.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace gdip_test {

constexpr Gdiplus::ARGB kWhite = 0xFFFFFFFF;
constexpr Gdiplus::ARGB kBlack = 0xFF000000;
constexpr Gdiplus::ARGB kRed = 0xFFFF0000;
constexpr Gdiplus::ARGB kBlue = 0xFF0000FF;

// A 32-bit ARGB bitmap with a graphics drawing into it, cleared to a colour.
struct Canvas {
    Bitmap bitmap;
    Graphics graphics;

    Canvas(int width, int height, Gdiplus::ARGB background = kWhite) {
        EXPECT_TRUE(bitmap.CreateBlankBitmap(width, height));
        EXPECT_TRUE(graphics.GetImageGraphicsContext(bitmap));
        EXPECT_TRUE(graphics.GraphicsClear(background));
    }
    ~Canvas() {
        // A graphics on a bitmap goes before the bitmap.
        graphics.DeleteGraphics();
    }
    Gdiplus::ARGB Pixel(int x, int y) { return bitmap.BitmapGetPixel(x, y); }
};

inline bool NearColour(Gdiplus::ARGB actual, Gdiplus::ARGB expected, int tolerance = 3) {
    for (int shift = 0; shift < 32; shift += 8) {
        const int a = static_cast<int>((actual >> shift) & 0xFF);
        const int e = static_cast<int>((expected >> shift) & 0xFF);
        if (std::abs(a - e) > tolerance) return false;
    }
    return true;
}

inline bool CloseColour(Gdiplus::ARGB actual, Gdiplus::ARGB expected) { return NearColour(actual, expected); }

// Dark enough to be ink of black text rather than the white background.
inline bool IsInk(Gdiplus::ARGB colour) {
    const int r = (colour >> 16) & 0xFF, g = (colour >> 8) & 0xFF, b = colour & 0xFF;
    return r + g + b < 3 * 160;
}

}  // namespace gdip_test

#define EXPECT_COLOUR(actual, expected) \
    EXPECT_PRED2(::gdip_test::CloseColour, (actual), (expected))
