// The process-wide background and control settings, and painting a window's
// background from them.
#include <cmath>

#include "skin/controls/framework.h"
#include "skin/core/paint_routines.h"
#include "skin/core/skin_engine.h"
#include "skin/core/skin_state.h"
#include "skin/window/window_helpers.h"

namespace {

constexpr COLORREF kDefaultTheme = 0xDDCA22;

// Stored form of a background for a layout mode: modes 0 and 1 fade the
// image into the colour; the others keep it as it is.
ByteSet PrepareImage(const ByteSet& bytes, const std::string& fileName, std::int32_t mode, COLORREF colour) {
    if (mode == 0) return ImageEdgeBlend(bytes, std::nullopt, colour, std::nullopt, fileName);
    if (mode == 1) return ImageEdgeBlend(bytes, std::nullopt, colour, 0, fileName);
    if (fileName.empty()) return bytes;
    Image image;
    ByteSet png;
    // No encoder parameter takes effect: a count of 0 over one empty entry.
    EncoderParamsRecord params;
    params.parameters.resize(1);
    if (image.LoadImageFromFile(fileName)) png = image.SaveImageToBytes(kPngFormat, params);
    image.DisposeImage();
    return png;
}

// A strip W wide and as high as the image: the image side by side, every
// second copy mirrored, so the seams match.
void DrawMirroredStrip(Graphics& graphics, Image& image, std::int32_t clientWidth) {
    const std::int32_t w = static_cast<std::int32_t>(image.GetImageWidth());
    const std::int32_t h = static_cast<std::int32_t>(image.GetImageHeight());
    if (w < 1 || h < 1 || clientWidth < 1) return;
    Bitmap strip;
    if (!strip.CreateBlankBitmap(clientWidth, h, PixelFormat32bppARGB)) return;
    Graphics stripGraphics;
    stripGraphics.GetImageGraphicsContext(strip);
    for (std::int32_t k = 0;; ++k) {
        stripGraphics.DrawImageRect(image, static_cast<float>(k * w), 0.0f, static_cast<float>(w),
                                    static_cast<float>(h));
        if (clientWidth - k * w <= 0) break;
        image.ImageRotateFlip(4);  // RotateNoneFlipX
    }
    stripGraphics.DeleteGraphics();
    graphics.DrawImageRect(strip, 0.0f, 0.0f, static_cast<float>(clientWidth), static_cast<float>(h));
    strip.DisposeImage();
}

// The bottom layer of a window picture (magenta key, rounded colour fill,
// the background image laid out) changes only with the settings and the
// client size, while drawing it decodes and resamples the image every time.
// The last one drawn is kept as a GDI bitmap and copied while its key holds.
struct BackgroundLayer {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    ByteSet source;
    std::int32_t mode = 0;
    COLORREF colour = 0;
    std::int32_t width = 0, height = 0;
};
BackgroundLayer cachedLayer;

void DrawBackgroundLayer(Graphics& graphics, const ByteSet& source, std::int32_t mode, COLORREF colour,
                         std::int32_t clientWidth, std::int32_t clientHeight) {
    const float width = static_cast<float>(clientWidth), height = static_cast<float>(clientHeight);
    graphics.GraphicsClear(0xFFFF00FF);
    GraphicsPath outline;
    outline.CreatePath(0);
    RoundedRectPath(outline, 0.0f, 0.0f, width, height, 4);
    graphics.SetClipPath(outline, 0);
    SolidBrush fill;
    fill.CreateSolidFill(ColourToArgb(colour, 255, true));
    graphics.FillPath(fill, outline);
    fill.DeleteBrush();
    outline.DeletePath();
    if (source.empty() || mode < 0 || mode > 4) return;
    Image image;
    if (image.LoadImageFromBytes(source)) {
        const float iw = static_cast<float>(image.GetImageWidth());
        const float ih = static_cast<float>(image.GetImageHeight());
        switch (mode) {
        case 0: graphics.DrawImageRect(image, 0.0f, 0.0f, iw, ih); break;
        case 1: graphics.DrawImageRect(image, width - iw, 0.0f, iw, ih); break;
        case 2: graphics.DrawImageRect(image, (width - iw) / 2.0f, (height - ih) / 2.0f, iw, ih); break;
        case 3: graphics.DrawImageRect(image, 0.0f, 0.0f, width, height); break;
        default: DrawMirroredStrip(graphics, image, clientWidth); break;
        }
    }
    image.DisposeImage();
}

// The cached layer for this key, drawn anew when the key changed.
HDC BackgroundLayerFor(const ByteSet& source, std::int32_t mode, COLORREF colour, std::int32_t width,
                       std::int32_t height) {
    BackgroundLayer& c = cachedLayer;
    if (c.dc && c.mode == mode && c.colour == colour && c.width == width && c.height == height && c.source == source)
        return c.dc;
    ReleaseBackgroundLayer();
    HBITMAP bitmap = NewArgbBitmap(width, height);
    if (!bitmap) return nullptr;
    c.dc = CreateCompatibleDC(nullptr);
    c.bitmap = bitmap;
    c.previous = SelectObject(c.dc, bitmap);
    Graphics graphics;
    graphics.CreateFromHDC(c.dc);
    DrawBackgroundLayer(graphics, source, mode, colour, width, height);
    graphics.DeleteGraphics();
    c.source = source;
    c.mode = mode;
    c.colour = colour;
    c.width = width;
    c.height = height;
    return c.dc;
}

}  // namespace

void ReleaseBackgroundLayer() {
    BackgroundLayer& c = cachedLayer;
    if (c.dc) {
        SelectObject(c.dc, c.previous);
        DeleteDC(c.dc);
    }
    if (c.bitmap) DeleteObject(c.bitmap);
    c = BackgroundLayer{};
}

void SkinEngine::SetBackground(const std::string& fileName, const ByteSet& image, OptColour backgroundColour,
                               OptColour themeColour, OptInt mode) {
    const bool followBackground = themeColour && *themeColour == static_cast<COLORREF>(-1);
    if (!followBackground) ThemeColour = themeColour.value_or(kDefaultTheme);
    if (image.empty() && !backgroundColour && fileName.empty()) return;

    if (!fileName.empty() || !image.empty()) {
        const COLORREF average = ImageAverageColour(image, 2000, std::nullopt, std::nullopt, fileName);
        BackgroundColour = backgroundColour.value_or(average);
        if (followBackground) ThemeColour = BackgroundColour;
        BackgroundMode = mode.value_or(4);
        BackgroundImage = PrepareImage(image, fileName, BackgroundMode, BackgroundColour);
    } else {
        BackgroundImage = ByteSet{};
        BackgroundColour = *backgroundColour;
        if (followBackground) ThemeColour = BackgroundColour;
    }

    for (std::int32_t position = 1; position <= SkinRegistry.Count(); ++position) {
        SkinnedWindow& w = SkinRegistry[position];
        if (!IsWindowVisible(w.hwnd)) continue;
        PaintWindow(position, std::nullopt);
        InvalidateRect(w.hwnd, nullptr, FALSE);
        InvalidateVisibleChildren(w.hwnd);
        for (const auto& header : w.Headers)
            if (header.hwnd) InvalidateRect(header.hwnd, nullptr, FALSE);
    }
}

std::int32_t SkinEngine::SetControlOptions(std::int32_t skinControls, OptInt controlAlpha, OptInt trackbarFrame) {
    SkinControls = skinControls;
    ControlAlpha = controlAlpha.value_or(160);
    ControlsTranslucent = controlAlpha ? 1 : 0;
    TrackbarFrame = trackbarFrame.value_or(1);
    return TrackbarFrame;
}

std::int32_t SkinEngine::SetWindowBackground(HWND window, const ByteSet& image, OptInt mode) {
    const std::int32_t position = PositionFromProp(window);
    if (!position || image.empty()) return 0;
    SkinnedWindow& w = SkinRegistry[position];
    if (mode) w.ownMode = *mode;
    w.ownColour = ImageAverageColour(image, 2000);
    w.ownImage = PrepareImage(image, {}, w.ownMode, w.ownColour);
    w.backgroundDirty = 1;
    InvalidateRect(window, nullptr, FALSE);
    return 1;
}

void SkinEngine::PaintBackground(Graphics& graphics, std::int32_t position) {
    SkinnedWindow* w = SkinnedWindowAt(position);
    if (!w) return;
    const RECT client = ClientRectOf(w->hwnd);
    const float width = static_cast<float>(client.right), height = static_cast<float>(client.bottom);
    const bool own = !w->ownImage.empty();
    const ByteSet& source = own ? w->ownImage : BackgroundImage;
    const std::int32_t mode = own ? w->ownMode : BackgroundMode;
    const COLORREF colour = own ? w->ownColour : BackgroundColour;

    HDC layer = BackgroundLayerFor(source, mode, colour, client.right, client.bottom);
    if (HDC target = layer ? graphics.GetDC() : nullptr) {
        BitBlt(target, 0, 0, client.right, client.bottom, layer, 0, 0, SRCCOPY);
        graphics.ReleaseDC(target);
        // Later layers are clipped to the rounded client area as well.
        GraphicsPath outline;
        outline.CreatePath(0);
        RoundedRectPath(outline, 0.0f, 0.0f, width, height, 4);
        graphics.SetClipPath(outline, 0);
        outline.DeletePath();
    } else {
        DrawBackgroundLayer(graphics, source, mode, colour, client.right, client.bottom);
    }

    if (w->captionGloss) {
        const float ch = static_cast<float>(w->captionHeight);
        FillGradientRect(graphics, {0, 0}, {0, ch}, 0x96FFFFFF, 0x00FFFFFF, 0.0f, 0.0f, width, ch);
    }
}
