#include "skin/core/paint_routines.h"

#include <algorithm>
#include <cmath>

namespace {

// Loads an image from a file when a name is given, otherwise from bytes.
bool LoadSource(Bitmap& bitmap, const ByteSet& bytes, const std::string& fileName) {
    if (!fileName.empty()) return bitmap.CreateBitmapFromFile(fileName);
    if (bytes.empty()) return false;
    return bitmap.CreateBitmapFromBytes(bytes);
}

// Today's whole OLE day number (days since 30 December 1899), local time.
std::int64_t LocalDayNumber() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    FILETIME ft{};
    SystemTimeToFileTime(&now, &ft);
    const std::uint64_t ticks = (static_cast<std::uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    constexpr std::uint64_t kTicksPerDay = 864000000000ULL;
    constexpr std::int64_t kDaysFrom1601To1899 = 109205;  // 1601-01-01 .. 1899-12-30
    return static_cast<std::int64_t>(ticks / kTicksPerDay) - kDaysFrom1601To1899;
}

// One draw from [low, high] that depends only on `seed`. The seed is mixed
// first (a SplitMix64 step), so neighbouring seeds land far apart.
std::int32_t SeededDraw(std::int64_t seed, std::int32_t low, std::int32_t high) {
    std::uint64_t z = static_cast<std::uint64_t>(seed) + 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    const std::uint64_t span = static_cast<std::uint64_t>(high - low) + 1;
    return low + static_cast<std::int32_t>(z % span);
}

}  // namespace

std::uint32_t ColourToArgb(COLORREF colour, std::int32_t alpha, bool alphaGiven) {
    const std::uint32_t a = alphaGiven ? static_cast<std::uint32_t>(alpha & 0xFF) : 0xFFu;
    return (a << 24) | (static_cast<std::uint32_t>(GetRValue(colour)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(colour)) << 8) | GetBValue(colour);
}

COLORREF ArgbToColour(std::uint32_t argb, std::int32_t* alpha) {
    if (alpha) *alpha = static_cast<std::int32_t>(argb >> 24);
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

void RoundedRectPath(GraphicsPath& path, float x, float y, float width, float height, std::int32_t corner) {
    const float r = static_cast<float>(std::clamp(corner, 1, 100));
    path.AddPathArc(x + width - r, y, r, r, 270.0f, 90.0f);
    // The bottom-right arc is one pixel larger and one pixel further in, so
    // the stroked outline's right and bottom edges stay inside the bounds.
    path.AddPathArc(x + width - r - 1, y + height - r - 1, r + 1, r + 1, 0.0f, 90.0f);
    path.AddPathArc(x, y + height - r, r, r, 90.0f, 90.0f);
    path.AddPathArc(x, y, r, r, 180.0f, 90.0f);
    path.ClosePathFigure();
}

void TopRoundedPath(GraphicsPath& path, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                    std::int32_t corner) {
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);
    const float w = static_cast<float>(width), h = static_cast<float>(height), r = static_cast<float>(corner);
    path.AddPathLine(fx, fy + h, fx, fy + r);
    path.AddPathArc(fx, fy, r, r, 180.0f, 90.0f);
    path.AddPathLine(fx + r, fy, fx + w - r, fy);
    path.AddPathArc(fx + w - r, fy, r, r, 270.0f, 90.0f);
    path.AddPathLine(fx + w, fy + r, fx + w, fy + h);
}

void DrawGlowPath(Graphics& graphics, GraphicsPath& path, std::int32_t count, COLORREF colour, std::int32_t alpha) {
    Pen pen;
    pen.CreatePen1(ColourToArgb(colour, alpha, true), 1.0f, 0);
    for (std::int32_t i = 1; i <= count; ++i) {
        pen.SetPenWidth(static_cast<float>(i));
        graphics.DrawPath(pen, path);
    }
    pen.DeletePen();
}

COLORREF ImageAverageColour(const ByteSet& bytes, std::int32_t samples, std::optional<std::int32_t> rightMargin,
                            std::optional<std::int32_t> bottomMargin, const std::string& fileName) {
    Bitmap bitmap;
    if (!LoadSource(bitmap, bytes, fileName) || samples < 1) {
        bitmap.DisposeImage();
        return GetSysColor(COLOR_BTNFACE) | 0xFF000000u;
    }
    const std::int32_t width = static_cast<std::int32_t>(bitmap.GetImageWidth());
    const std::int32_t height = static_cast<std::int32_t>(bitmap.GetImageHeight());
    const std::int32_t mx = rightMargin.value_or(0), my = bottomMargin.value_or(0);
    const std::int32_t firstColumn = mx >= 1 ? std::max(0, width - mx) : 0;
    const std::int32_t firstRow = my >= 1 ? std::max(0, height - my) : 0;
    const std::int64_t day = LocalDayNumber();

    std::uint64_t red = 0, green = 0, blue = 0;
    for (std::int32_t i = 1; i <= samples; ++i) {
        const std::int32_t column = SeededDraw(day + 3LL * i, firstColumn, std::max(firstColumn, width - 1));
        const std::int32_t row = SeededDraw(day + i, firstRow, std::max(firstRow, height - 1));
        const COLORREF pixel = ArgbToColour(bitmap.BitmapGetPixel(column, row));
        red += GetRValue(pixel);
        green += GetGValue(pixel);
        blue += GetBValue(pixel);
    }
    bitmap.DisposeImage();
    const auto n = static_cast<std::uint64_t>(samples);
    return RGB(red / n, green / n, blue / n) | 0xFF000000u;
}

ByteSet ImageEdgeBlend(const ByteSet& bytes, std::optional<std::int32_t> band, COLORREF colour,
                       std::optional<std::int32_t> variant, const std::string& fileName) {
    Bitmap source;
    if (!LoadSource(source, bytes, fileName)) {
        source.DisposeImage();
        return {};
    }
    const std::int32_t width = static_cast<std::int32_t>(source.GetImageWidth());
    const std::int32_t height = static_cast<std::int32_t>(source.GetImageHeight());
    Bitmap blended;
    if (width < 1 || height < 1 || !blended.CreateBlankBitmap(width, height, PixelFormat32bppARGB)) {
        source.DisposeImage();
        return {};
    }
    Graphics graphics;
    graphics.GetImageGraphicsContext(blended);
    graphics.SetCompositingQuality(3);
    const float w = static_cast<float>(width), h = static_cast<float>(height);
    graphics.DrawImageRect(source, 0.0f, 0.0f, w, h);

    const float a = static_cast<float>(band ? *band : static_cast<std::int32_t>(std::floor(0.3 * width)));
    const std::uint32_t opaque = ColourToArgb(colour, 255, true);
    const std::uint32_t clear = ColourToArgb(colour, 0, true);
    constexpr std::uint32_t kClearWhite = 0x00FFFFFF;
    auto fill = [&](PointRecord from, PointRecord to, std::uint32_t c1, std::uint32_t c2, float x, float y, float fw,
                    float fh) {
        LinearGradientBrush brush;
        brush.CreateLineBrush(from, to, c1, c2);
        graphics.FillRectangle(brush, x, y, fw, fh);
        brush.DeleteBrush();
    };
    if (variant.value_or(1) != 0) {
        fill({w - a, 0}, {w, 0}, kClearWhite, opaque, w - a + 1, 0, a, h);
        fill({w - a, h - a}, {w, h}, clear, opaque, 0, h - a + 1, w, a);
    } else {
        fill({0, 0}, {a, 0}, opaque, kClearWhite, 0, 0, a, h);
        fill({0, h - a}, {a, h}, clear, opaque, 0, h - a + 1, w, a);
    }
    graphics.DeleteGraphics();
    ByteSet png = blended.SaveImageToBytes(kPngFormat);
    blended.DisposeImage();
    source.DisposeImage();
    return png;
}
