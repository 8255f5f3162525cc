#include "skin/window/text_effects.h"

#include "skin/core/paint_routines.h"
#include "skin/core/skin_font.h"

namespace {

void DrawText(Graphics& graphics, const std::string& text, Font& font, std::uint32_t argb, const RectRecord& rect,
              StringFormat& format) {
    SolidBrush brush;
    brush.CreateSolidFill(argb);
    graphics.DrawString(text, font, brush, rect, format);
    brush.DeleteBrush();
}

}  // namespace

void DrawHaloText(Graphics& graphics, const std::string& text, const RectRecord& layout, COLORREF colour,
                  COLORREF halo, float offset, const std::string& face, std::int32_t style, float size,
                  std::int32_t alignment, std::int32_t lineAlignment) {
    Font font;
    CreateSkinFont(font, face, size, style, 0);
    StringFormat format;
    format.CreateStringFormat(0, 0);
    format.SetStringFormatAlign(alignment);
    format.SetStringFormatLineAlign(lineAlignment);
    const std::uint32_t haloArgb = ColourToArgb(halo, 150, true);
    const float shifts[4][2] = {{offset, 0}, {-offset, 0}, {0, offset}, {0, -offset}};
    for (const auto& s : shifts) {
        DrawText(graphics, text, font, haloArgb,
                 RectRecord{layout.x + s[0], layout.y + s[1], layout.width, layout.height}, format);
    }
    DrawText(graphics, text, font, ColourToArgb(colour, 255, true), layout, format);
    format.DeleteStringFormat();
    font.DeleteFont();
}

void DrawGlowText(Graphics& graphics, const std::string& text, const RectRecord& layout, COLORREF colour,
                  COLORREF glow, float scale, const std::string& face, float size, std::int32_t style) {
    const std::int32_t W = static_cast<std::int32_t>(layout.width), H = static_cast<std::int32_t>(layout.height);
    const float s = scale, half = scale / 2.0f;
    if (W < 1 || H < 1 || s < 1.0f) return;
    Font font;
    CreateSkinFont(font, face, size, style, 0);
    StringFormat format;
    format.CreateStringFormat(0, 0);

    Bitmap sharp;
    sharp.CreateBlankBitmap(W, H, PixelFormat32bppARGB);
    Graphics onSharp;
    onSharp.GetImageGraphicsContext(sharp);
    onSharp.SetSmoothingMode(4);
    onSharp.SetCompositingQuality(3);
    onSharp.SetInterpolationMode(7);
    onSharp.SetPixelOffsetMode(3);
    DrawText(onSharp, text, font, ColourToArgb(glow, 255, true), RectRecord{half, half, W + half, H + half}, format);
    onSharp.DeleteGraphics();

    // Down and up again: the scaling blurs the glyphs into a glow.
    const std::int32_t sw = std::max(1, static_cast<std::int32_t>(W / s));
    const std::int32_t sh = std::max(1, static_cast<std::int32_t>(H / s));
    Bitmap small;
    small.CreateBlankBitmap(sw, sh, PixelFormat32bppARGB);
    Graphics onSmall;
    onSmall.GetImageGraphicsContext(small);
    onSmall.SetInterpolationMode(7);
    onSmall.DrawImageRect(sharp, 0.0f, 0.0f, static_cast<float>(sw), static_cast<float>(sh));
    onSmall.DeleteGraphics();
    sharp.DisposeImage();

    Bitmap blurred;
    blurred.CreateBlankBitmap(W, H, PixelFormat32bppARGB);
    Graphics onBlurred;
    onBlurred.GetImageGraphicsContext(blurred);
    onBlurred.SetInterpolationMode(7);
    onBlurred.DrawImageRect(small, 0.0f, 0.0f, static_cast<float>(W), static_cast<float>(H));
    small.DisposeImage();
    const std::uint32_t faint = ColourToArgb(glow, 60, true);
    const float shifts[4][2] = {{half - 1, 0.7f * s}, {half + 1, 0.7f * s}, {half, 0.7f * s - 1},
                                {half, 0.7f * s + 1}};
    for (const auto& p : shifts)
        DrawText(onBlurred, text, font, faint, RectRecord{p[0], p[1], static_cast<float>(W), static_cast<float>(H)},
                 format);
    onBlurred.DeleteGraphics();

    graphics.SetSmoothingMode(4);
    graphics.DrawImageRect(blurred, layout.x - half, layout.y - 0.6f * s, static_cast<float>(W),
                           static_cast<float>(H));
    blurred.DisposeImage();
    DrawText(graphics, text, font, ColourToArgb(colour, 255, true),
             RectRecord{layout.x, layout.y, static_cast<float>(W), static_cast<float>(H)}, format);
    format.DeleteStringFormat();
    font.DeleteFont();
}
