// Colour conversion, the two path shapes, the image routines and the font
// fallback.
#include <gtest/gtest.h>

#include <algorithm>

#include "gdiplus/gdiplus_layer.h"
#include "skin/core/paint_routines.h"
#include "skin/core/skin_font.h"
#include "tests/skin/skin_test_support.h"

using namespace skin_test;

TEST(ColourRoutines, ColourToArgbSwapsRedAndBlueAndSetsAlpha) {
    struct Case {
        COLORREF colour;
        std::int32_t alpha;
        bool given;
        std::uint32_t argb;
    };
    const Case cases[] = {
        {0xDDCA22, 120, true, 0x7822CADD},
        {0x808080, 0, false, 0xFF808080},  // alpha not given: opaque
        {0xFFFFFF, 0, true, 0x00FFFFFF},   // alpha 0 given: clear
        {0x0000FF, 255, true, 0xFFFF0000}, // COLORREF red
        {0xFF0000, 7, true, 0x070000FF},   // COLORREF blue
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColourToArgb(c.colour, c.alpha, c.given), c.argb) << std::hex << c.colour;
}

TEST(ColourRoutines, ArgbToColourReturnsColourRefAndAlpha) {
    struct Case {
        std::uint32_t argb;
        COLORREF colour;
        std::int32_t alpha;
    };
    const Case cases[] = {{0x7822CADD, 0xDDCA22, 0x78}, {0xFF0000FF, 0xFF0000, 0xFF}, {0x00123456, 0x563412, 0}};
    for (const Case& c : cases) {
        std::int32_t alpha = -1;
        EXPECT_EQ(ArgbToColour(c.argb, &alpha), c.colour) << std::hex << c.argb;
        EXPECT_EQ(alpha, c.alpha);
        EXPECT_EQ(ColourToArgb(c.colour, c.alpha, true), c.argb);  // round trip
    }
}

namespace {

struct PathShape {
    std::vector<PointRecord> points;
    std::vector<std::uint8_t> types;
    RectRecord bounds;
};

template <class Build>
PathShape ShapeOf(Build build) {
    GraphicsPath path;
    path.CreatePath(0);
    build(path);
    PathShape shape;
    path.GetPathPoints(shape.points);
    path.GetPathTypes(shape.types);
    path.DeletePath();
    if (shape.points.empty()) return shape;
    float left = shape.points[0].x, top = shape.points[0].y, right = left, bottom = top;
    for (const PointRecord& p : shape.points) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    shape.bounds = RectRecord{left, top, right - left, bottom - top};
    return shape;
}

constexpr std::uint8_t kCloseSubpath = 0x80;

}  // namespace

TEST(PathRoutines, RoundedRectFillsItsBoundsAndIsClosed) {
    const PathShape s = ShapeOf([](GraphicsPath& p) { RoundedRectPath(p, 10, 20, 100, 50, 8); });
    ASSERT_FALSE(s.points.empty());
    EXPECT_NEAR(s.bounds.x, 10, 0.01);
    EXPECT_NEAR(s.bounds.y, 20, 0.01);
    EXPECT_NEAR(s.bounds.width, 100, 0.01);
    EXPECT_NEAR(s.bounds.height, 50, 0.01);
    EXPECT_TRUE(s.types.back() & kCloseSubpath);
    // Starts at the top of the top-right arc: x + w - r/2.
    EXPECT_NEAR(s.points.front().x, 106, 0.01);
    EXPECT_NEAR(s.points.front().y, 20, 0.01);
}

TEST(PathRoutines, RoundedRectCornerSizeIsClampedTo1Through100) {
    struct Case {
        std::int32_t corner;
        float startX;  // x + w - clamped / 2
    };
    const Case cases[] = {{0, 299.5f}, {-5, 299.5f}, {1, 299.5f}, {100, 250.0f}, {250, 250.0f}};
    for (const Case& c : cases) {
        const PathShape s = ShapeOf([&](GraphicsPath& p) { RoundedRectPath(p, 0, 0, 300, 300, c.corner); });
        ASSERT_FALSE(s.points.empty());
        EXPECT_NEAR(s.points.front().x, c.startX, 0.01) << "corner " << c.corner;
    }
}

TEST(PathRoutines, TopRoundedIsOpenFromBottomLeftToBottomRight) {
    const PathShape s = ShapeOf([](GraphicsPath& p) { TopRoundedPath(p, 5, 7, 26, 18, 4); });
    ASSERT_GE(s.points.size(), 4u);
    EXPECT_NEAR(s.points.front().x, 5, 0.01);
    EXPECT_NEAR(s.points.front().y, 25, 0.01);
    EXPECT_NEAR(s.points.back().x, 31, 0.01);
    EXPECT_NEAR(s.points.back().y, 25, 0.01);
    EXPECT_FALSE(s.types.back() & kCloseSubpath);
    EXPECT_NEAR(s.bounds.y, 7, 0.01);  // the top edge
    EXPECT_NEAR(s.bounds.width, 26, 0.01);
}

TEST(ImageRoutines, AverageOfAOneColourImageIsThatColour) {
    const ByteSet png = SolidPng(40, 30, 0xFF336699);
    EXPECT_EQ(ImageAverageColour(png, 2000), 0xFF996633u);
    EXPECT_EQ(ImageAverageColour(png, 50, 3, 2), 0xFF996633u);  // with margins
}

TEST(ImageRoutines, AverageWithAMarginSamplesOnlyThoseColumns) {
    // Left half red, right half blue: the rightmost 10 columns are all blue.
    const ByteSet png = TwoColourPng(100, 20, 0xFFFF0000, 0xFF0000FF);
    EXPECT_EQ(ImageAverageColour(png, 300, 10), 0xFFFF0000u);  // COLORREF blue
    const COLORREF whole = ImageAverageColour(png, 2000) & 0xFFFFFF;
    EXPECT_GT(GetRValue(whole), 60);
    EXPECT_GT(GetBValue(whole), 60);
}

TEST(ImageRoutines, UndecodableBytesGiveTheFaceColourAndNoBlend) {
    const ByteSet garbage = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(ImageAverageColour(garbage, 2000), GetSysColor(COLOR_BTNFACE) | 0xFF000000u);
    EXPECT_TRUE(ImageEdgeBlend(garbage, std::nullopt, 0xFF0000).empty());
    EXPECT_EQ(ImageAverageColour({}, 10, {}, {}, "Z:\\no\\such\\file.png"), GetSysColor(COLOR_BTNFACE) | 0xFF000000u);
}

namespace {

COLORREF PixelOfPng(const ByteSet& png, int x, int y) {
    Bitmap bitmap;
    bitmap.CreateBitmapFromBytes(png);
    const COLORREF c = ArgbToColour(bitmap.BitmapGetPixel(x, y));
    bitmap.DisposeImage();
    return c;
}

}  // namespace

TEST(ImageRoutines, EdgeBlendFadesTheRightAndBottomEdgesOverA30PercentBand) {
    const ByteSet red = SolidPng(100, 60, 0xFFFF0000);
    const COLORREF blue = 0xFF0000;
    const ByteSet blended = ImageEdgeBlend(red, std::nullopt, blue);
    ASSERT_FALSE(blended.empty());
    Bitmap check;
    ASSERT_TRUE(check.CreateBitmapFromBytes(blended));
    EXPECT_EQ(check.GetImageWidth(), 100u);
    EXPECT_EQ(check.GetImageHeight(), 60u);
    check.DisposeImage();
    EXPECT_TRUE(Near(PixelOfPng(blended, 20, 10), 0x0000FF, 8));  // untouched red
    EXPECT_TRUE(Near(PixelOfPng(blended, 65, 10), 0x0000FF, 8));  // left of the 30-pixel band
    EXPECT_TRUE(Near(PixelOfPng(blended, 99, 10), blue, 40));     // right edge: the colour
    EXPECT_TRUE(Near(PixelOfPng(blended, 99, 59), blue, 40));     // bottom-right corner
    const COLORREF inBand = PixelOfPng(blended, 95, 10);
    EXPECT_GT(GetBValue(inBand), GetRValue(inBand));              // mostly faded
    // A band of 10 leaves x = 85 untouched.
    EXPECT_TRUE(Near(PixelOfPng(ImageEdgeBlend(red, 10, blue), 85, 10), 0x0000FF, 8));
}

TEST(ImageRoutines, EdgeBlendVariant0FadesTheLeftEdge) {
    const ByteSet blended = ImageEdgeBlend(SolidPng(100, 60, 0xFFFF0000), std::nullopt, 0xFF0000, 0);
    ASSERT_FALSE(blended.empty());
    EXPECT_TRUE(Near(PixelOfPng(blended, 0, 10), 0xFF0000, 40));
    EXPECT_TRUE(Near(PixelOfPng(blended, 60, 10), 0x0000FF, 8));
}

TEST(SkinFont, AMissingFaceFallsBackToOneThatDrawsText) {
    const std::string resolved = ResolveFontFace("NoSuchFace-Skin-Test");
    EXPECT_NE(resolved, "NoSuchFace-Skin-Test");
    Font font;
    ASSERT_TRUE(CreateSkinFont(font, "NoSuchFace-Skin-Test", 14.0f, 1, 0));

    Bitmap canvas;
    canvas.CreateBlankBitmap(80, 24, PixelFormat32bppARGB);
    Graphics graphics;
    graphics.GetImageGraphicsContext(canvas);
    SolidBrush black;
    black.CreateSolidFill(0xFF000000);
    StringFormat format;
    format.CreateStringFormat(0, 0);
    EXPECT_TRUE(graphics.DrawString("Skin 关闭", font, black, RectRecord{0, 0, 80, 24}, format));
    black.DeleteBrush();
    format.DeleteStringFormat();
    graphics.DeleteGraphics();
    font.DeleteFont();
    int inked = 0;
    for (int x = 0; x < 80; ++x)
        for (int y = 0; y < 24; ++y) inked += (canvas.BitmapGetPixel(x, y) >> 24) > 128 ? 1 : 0;
    canvas.DisposeImage();
    EXPECT_GT(inked, 20) << "text drawn with the fallback face is visible";
}
