#pragma once
// Small lookups shared by the window painters and operations.
#include <windows.h>

#include <cstdint>

#include "gdiplus/gdiplus_layer.h"
#include "skin/core/records.h"
#include "skin/core/registry.h"

// The registry position a window's "Hw_lbID" property names, or 0 when that
// is not a position of the registry.
inline std::int32_t PositionFromProp(HWND window) {
    const auto position = static_cast<std::int32_t>(GetIntProp(window, "Hw_lbID"));
    return SkinRegistry.Contains(position) ? position : 0;
}

inline RECT ClientRectOf(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return r;
}

// Copies a rectangle of the window picture to the screen.
inline void ShowBufferRect(const SkinnedWindow& w, std::int32_t x, std::int32_t y, std::int32_t width,
                           std::int32_t height) {
    HDC dc = GetDC(w.hwnd);
    BitBlt(dc, x, y, width, height, w.windowBuffer, x, y, SRCCOPY);
    ReleaseDC(w.hwnd, dc);
}

// A 32-bit top-down DIB section, zero-filled (fully transparent black).
inline HBITMAP NewArgbBitmap(std::int32_t width, std::int32_t height) {
    if (width < 1 || height < 1) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

// The window's memory DC for its picture, with a Graphics drawing on it.
inline bool GraphicsOnBuffer(Graphics& graphics, const SkinnedWindow& window) {
    return window.windowBuffer && graphics.CreateFromHDC(window.windowBuffer);
}

// Draws an encoded image (PNG/JPEG bytes) into a rectangle; nothing when the
// bytes do not decode. Decoded pixels are kept per distinct byte set (the
// caption glyphs are redrawn on every fade step), so each draw wraps them in
// a fresh GDI+ bitmap instead of decoding again.
void DrawEncodedImage(Graphics& graphics, const ByteSet& bytes, float x, float y, float width, float height);

// Creates a vertical or diagonal gradient brush and fills a path or a
// rectangle with it, deleting the brush right after.
inline void FillGradientRect(Graphics& graphics, PointRecord from, PointRecord to, std::uint32_t c1, std::uint32_t c2,
                             float x, float y, float width, float height) {
    LinearGradientBrush brush;
    brush.CreateLineBrush(from, to, c1, c2);
    graphics.FillRectangle(brush, x, y, width, height);
    brush.DeleteBrush();
}
inline void FillGradientPath(Graphics& graphics, PointRecord from, PointRecord to, std::uint32_t c1, std::uint32_t c2,
                             GraphicsPath& path) {
    LinearGradientBrush brush;
    brush.CreateLineBrush(from, to, c1, c2);
    graphics.FillPath(brush, path);
    brush.DeleteBrush();
}
