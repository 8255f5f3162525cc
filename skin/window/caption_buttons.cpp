// Caption buttons (layout, hover/press painting, hit-testing, custom buttons
// and glyph replacement) and turning a press into a drag or an edge resize.
#include <cmath>

#include "skin/core/paint_routines.h"
#include "skin/core/skin_engine.h"
#include "skin/core/skin_state.h"
#include "skin/window/window_helpers.h"

namespace {

// The glyph shown for a button: the restore glyph while maximised.
const ByteSet& GlyphOf(const SkinnedWindow& w, const CaptionButton& b) {
    return b.kind == kMaximizeButton && w.maximized ? b.altImage : b.image;
}

// The close button's shape: square on the left, rounded at the top right
// where it meets the window's corner.
void CloseButtonPath(GraphicsPath& path, float x, float y, float width, float height, float corner) {
    path.AddPathLine(x, y + height, x, y);
    path.AddPathLine(x, y, x + width - corner, y);
    path.AddPathArc(x + width - corner, y, corner, corner, 270.0f, 90.0f);
    path.AddPathLine(x + width, y + corner / 2.0f, x + width, y + height);
}

void RectanglePath(GraphicsPath& path, float x, float y, float width, float height) {
    path.AddPathLine(x, y, x + width, y);
    path.AddPathLine(x + width, y, x + width, y + height);
    path.AddPathLine(x + width, y + height, x, y + height);
    path.ClosePathFigure();
}

// Which edge or corner band a client point lies in (0 = none), in the order
// the bands are tested, with its cursor and size command.
struct ResizeZone {
    LPCSTR cursor = nullptr;
    WPARAM command = 0;
};
ResizeZone FindResizeZone(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                          std::int32_t border) {
    if (x <= border && y >= 11 && y < height - 10) return {IDC_SIZEWE, 0xF001};
    if (x >= width - border && y >= 11 && y < height - 10) return {IDC_SIZEWE, 0xF002};
    if (x >= 11 && x < width - 10 && y <= border) return {IDC_SIZENS, 0xF003};
    if (x >= 11 && x < width - 10 && y >= height - border) return {IDC_SIZENS, 0xF006};
    if (x <= 10 && y <= 10) return {IDC_SIZENWSE, 0xF004};
    if (x >= width - 10 && y <= 10) return {IDC_SIZENESW, 0xF005};
    if (x <= 10 && y >= height - 10) return {IDC_SIZENESW, 0xF007};
    if (x >= width - 10 && y >= height - 10) return {IDC_SIZENWSE, 0xF008};
    return {};
}

}  // namespace

void SkinEngine::RestoreCaptionArea(std::int32_t position, const RECT& rect) {
    const SkinnedWindow* w = SkinnedWindowAt(position);
    if (!w || !w->windowBuffer || !w->captionCacheDc) return;
    BitBlt(w->windowBuffer, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, w->captionCacheDc,
           rect.left, rect.top, SRCCOPY);
}

void SkinEngine::RestoreStatusArea(std::int32_t position, const RECT& rect) {
    const SkinnedWindow* w = SkinnedWindowAt(position);
    if (!w || !w->windowBuffer || !w->stripCacheDc) return;
    BitBlt(w->windowBuffer, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, w->stripCacheDc,
           rect.left - w->statusBarRect.left, rect.top - w->statusBarRect.top, SRCCOPY);
}

void SkinEngine::LayoutCaption(std::int32_t position) {
    SkinnedWindow* w = SkinnedWindowAt(position);
    if (!w) return;
    w->buttonStripLeft = ClientRectOf(w->hwnd).right - w->buttonStripWidth + 1;
    w->buttonStripHeight = 22;
    for (std::int32_t p = 1; p <= w->CaptionButtons.Count(); ++p) {
        CaptionButton& b = w->CaptionButtons[p];
        // Buttons sit 27 pixels apart whatever their own width; the close
        // button's hit area is wider than its glyph.
        b.x = static_cast<float>(w->buttonStripLeft + 2 + 27 * (p - 1));
        b.y = static_cast<float>(w->buttonStripTop + 1);
        b.w = b.kind == kCloseButton ? 40.0f : 26.0f;
        b.h = 18.0f;
    }
    for (std::int32_t p = 1; p <= w->CaptionButtons.Count(); ++p) {
        const CaptionButton& b = w->CaptionButtons[p];
        const RECT tool{static_cast<LONG>(b.x), static_cast<LONG>(b.y), static_cast<LONG>(b.x + b.w),
                        static_cast<LONG>(b.y + b.h)};
        w->tooltip.NewToolRect(p, tool);
        w->tooltip.UpdateTipText(p, b.tooltipText);
    }
}

std::int32_t SkinEngine::AddCaptionButton(HWND window, const ByteSet& image, const std::string& tooltipText,
                                          Handler handler) {
    const std::int32_t position = PositionFromProp(window);
    if (!position) return 0;
    SkinnedWindow& w = SkinRegistry[position];
    w.buttonStripWidth += 27;
    CaptionButton button;
    button.width = 26;
    button.height = 18;
    button.kind = kCustomButton;
    button.image = image;
    button.tooltipText = tooltipText;
    button.handler = handler;
    // Custom buttons go to the far left of the strip.
    OneBasedList<CaptionButton> reordered(OneBasedList<CaptionButton>::StartEmpty{});
    reordered.Append(std::move(button));
    for (const auto& existing : w.CaptionButtons) reordered.Append(existing);
    w.CaptionButtons = std::move(reordered);
    w.tooltip.AddTool(RECT{}, w.CaptionButtons[1].tooltipText, w.CaptionButtons.Count());
    LayoutCaption(position);
    return 1;
}

void SkinEngine::PaintCaptionButton(std::int32_t position, std::int32_t button, Graphics* graphics,
                                    bool graphicsGiven, std::int32_t pressed, OptInt alpha) {
    SkinnedWindow* w = SkinnedWindowAt(position);
    if (!w || !w->windowBuffer || !w->CaptionButtons.Contains(button)) return;
    const CaptionButton& b = w->CaptionButtons[button];
    const float W = static_cast<float>(b.width), H = static_cast<float>(b.height);
    const std::int32_t x = static_cast<std::int32_t>(b.x - 1.0f);
    const std::int32_t y = w->buttonStripTop + 1;
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);

    if (pressed) {
        Graphics local;
        local.CreateFromHDC(w->windowBuffer);
        RestoreCaptionArea(position, RECT{x, y, x + b.width, y + b.height});
        GraphicsPath path;
        path.CreatePath(0);
        if (b.kind == kCloseButton) CloseButtonPath(path, fx, fy, W, H, 5.0f);
        else RectanglePath(path, fx, fy, W, H);
        const bool close = b.kind == kCloseButton;
        FillGradientPath(local, {fx, fy}, {fx, fy + H}, close ? 0xFFFF0000 : 0x50000000,
                         close ? 0x1EFFFFFF : 0x05FFFFFF, path);
        path.DeletePath();
        DrawEncodedImage(local, GlyphOf(*w, b), fx, fy, W - 1.0f, H);
        local.DeleteGraphics();
        ShowBufferRect(*w, x, y, b.width, b.height);
        return;
    }

    Graphics local;
    Graphics& g = graphicsGiven && graphics ? *graphics : local;
    if (&g == &local) {
        local.CreateFromHDC(w->windowBuffer);
        local.SetSmoothingMode(4);
    }
    PaintCaptionButtonGlow(g, position, button, alpha.value_or(0));
    FillGradientRect(g, {fx, fy}, {fx, fy + H}, 0x32FFFFFF, 0x00000000, fx - 1.0f, fy, W + 1.0f, H - 1.0f);
    DrawEncodedImage(g, GlyphOf(*w, b), fx, fy, W, H);
    PaintCaptionSeparators(position, button, g);
    if (&g == &local) {
        local.DeleteGraphics();
        ShowBufferRect(*w, x, y, b.width, b.height);
    }
}

void SkinEngine::PaintCaptionButtonGlow(Graphics& graphics, std::int32_t position, std::int32_t button,
                                        std::int32_t alpha) {
    SkinnedWindow* w = SkinnedWindowAt(position);
    if (!w || !w->CaptionButtons.Contains(button)) return;
    const CaptionButton& b = w->CaptionButtons[button];
    const std::int32_t W = b.width, H = b.height;
    const std::int32_t x = static_cast<std::int32_t>(b.x - 1.0f);
    const std::int32_t y = static_cast<std::int32_t>(b.y);
    const float fx = static_cast<float>(x), fy = static_cast<float>(y), fh = static_cast<float>(H);
    const auto a = static_cast<std::uint32_t>(alpha & 0xFF);

    RestoreCaptionArea(position, RECT{x, y, x + W + 2, y + H + 1});
    GraphicsPath shape;
    shape.CreatePath(0);
    TopRoundedPath(shape, x, y, W, H, 1);
    FillGradientPath(graphics, {fx, fy}, {fx, fy + fh}, (a / 5) << 24, 0x00FFFFFF, shape);
    if (b.kind != kCloseButton) {
        FillGradientPath(graphics, {fx, fy}, {fx, fy + fh}, ColourToArgb(ThemeColour, alpha, true), 0x00FFFFFF,
                         shape);
    } else {
        GraphicsPath closeShape;
        closeShape.CreatePath(0);
        CloseButtonPath(closeShape, fx, fy, static_cast<float>(W), fh, 5.0f);
        FillGradientPath(graphics, {fx, fy}, {fx, fy + fh}, ColourToArgb(0x0000FF, alpha, true), 0x00FFFFFF,
                         closeShape);
        closeShape.DeletePath();
    }
    shape.DeletePath();

    GraphicsPath outline;
    outline.CreatePath(0);
    const std::int32_t outlineHeight = static_cast<std::int32_t>(std::floor(H * 0.8));
    if (b.kind != kCloseButton) TopRoundedPath(outline, x, y, W - 1, outlineHeight, 1);
    else CloseButtonPath(outline, fx, fy, static_cast<float>(W - 1), static_cast<float>(outlineHeight), 5.0f);
    LinearGradientBrush stroke;
    stroke.CreateLineBrush({fx, fy}, {fx, fy + fh}, static_cast<std::uint32_t>(std::floor(a * 0.8)) << 24 | 0xFFFFFF,
                           0x00FFFFFF);
    Pen pen;
    pen.CreatePen2(stroke, 1.0f, 0);
    graphics.DrawPath(pen, outline);
    pen.DeletePen();
    stroke.DeleteBrush();
    outline.DeletePath();
}

void SkinEngine::PaintCaptionSeparators(std::int32_t position, std::int32_t button, Graphics& graphics) {
    SkinnedWindow* w = SkinnedWindowAt(position);
    if (!w || !w->CaptionButtons.Contains(button)) return;
    const float top = static_cast<float>(w->buttonStripTop), h = static_cast<float>(w->buttonStripHeight);
    auto separator = [&](const CaptionButton& b, std::uint32_t alpha) {
        const float sx = static_cast<float>(static_cast<std::int32_t>(b.x - 2.0f));
        LinearGradientBrush fade;
        fade.CreateLineBrush({sx, top}, {sx, top + h - 3.0f}, alpha << 24, 0x00000000);
        Pen pen;
        pen.CreatePen2(fade, 1.0f, 0);
        graphics.DrawLine(pen, sx, top + 1.0f, sx, top + h - 4.0f);
        pen.DeletePen();
        fade.DeleteBrush();
    };
    separator(w->CaptionButtons[button], button == 1 ? 100 : 60);
    if (button < w->CaptionButtons.Count()) separator(w->CaptionButtons[button + 1], 60);
}

std::int32_t SkinEngine::HitTestCaptionButton(std::int32_t position, std::int32_t x, std::int32_t y) {
    const SkinnedWindow* w = SkinnedWindowAt(position);
    if (!w) return 0;
    if (x < w->buttonStripLeft || y < w->buttonStripTop || y > w->buttonStripTop + w->buttonStripHeight) return 0;
    constexpr double kTolerance = 1e-7;
    const double px = x, py = y;
    for (std::int32_t p = 1; p <= w->CaptionButtons.Count(); ++p) {
        const CaptionButton& b = w->CaptionButtons[p];
        if (px > b.x + kTolerance && px < b.x + b.w - kTolerance && py > b.y + kTolerance &&
            py < b.y + b.h - kTolerance)
            return p;
    }
    return 0;
}

std::int32_t SkinEngine::FindMaximizeButton(std::int32_t position) {
    const SkinnedWindow* w = SkinnedWindowAt(position);
    if (!w) return 0;
    for (std::int32_t p = 1; p <= w->CaptionButtons.Count(); ++p)
        if (w->CaptionButtons[p].kind == kMaximizeButton) return p;
    return 0;
}

LRESULT SkinEngine::CaptionMouseDown(std::int32_t position, LPARAM lParam, const RECT& client) {
    SkinnedWindow* w = SkinnedWindowAt(position);
    if (!w) return 0;
    const std::int32_t x = static_cast<std::int16_t>(LOWORD(lParam));
    const std::int32_t y = static_cast<std::int16_t>(HIWORD(lParam));
    if (x >= w->buttonStripLeft && x <= w->buttonStripLeft + w->buttonStripWidth && y > 2 &&
        y <= w->buttonStripHeight)
        return 1;  // the press belongs to a caption button
    if (!w->hasCaption) return 0;
    HWND window = w->hwnd;
    if (!w->resizable && y <= w->captionHeight) return SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
    const ResizeZone zone = FindResizeZone(x, y, client.right - client.left, client.bottom - client.top,
                                           resizeBorder);
    if (zone.command) {
        w->backgroundDirty = 1;
        SetCursor(LoadCursorA(nullptr, zone.cursor));
        return SendMessageA(window, WM_SYSCOMMAND, zone.command, 0);
    }
    if (y <= w->captionHeight) return SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
    return 0;
}

LRESULT SkinEngine::CaptionMouseMove(std::int32_t position, LPARAM lParam, const RECT& client) {
    const SkinnedWindow* w = SkinnedWindowAt(position);
    if (!w || !w->resizable) return 0;
    const std::int32_t x = static_cast<std::int16_t>(LOWORD(lParam));
    const std::int32_t y = static_cast<std::int16_t>(HIWORD(lParam));
    const ResizeZone zone = FindResizeZone(x, y, client.right - client.left, client.bottom - client.top,
                                           resizeBorder);
    if (zone.command) SetCursor(LoadCursorA(nullptr, zone.cursor));
    return 0;
}

Handler SkinEngine::SetHelpHandler(HWND window, Handler handler) {
    SkinnedWindow* w = SkinnedWindowAt(FindSkinnedWindow(window));
    if (!w) return nullptr;
    w->helpHandler = handler;
    return handler;
}

Handler SkinEngine::SetMenuHandler(HWND window, Handler handler) {
    SkinnedWindow* w = SkinnedWindowAt(FindSkinnedWindow(window));
    if (!w) return nullptr;
    w->menuHandler = handler;
    return handler;
}

RECT SkinEngine::GetCaptionButtonStrip(HWND window) {
    const SkinnedWindow* w = SkinnedWindowAt(FindSkinnedWindow(window));
    if (!w) return RECT{};
    return RECT{w->buttonStripLeft, w->buttonStripTop, w->buttonStripLeft + w->buttonStripWidth,
                w->buttonStripTop + w->buttonStripHeight};
}

std::int32_t SkinEngine::SetSystemButtonImages(HWND window, OptBytes minimize, OptBytes maximize, OptBytes restore,
                                               OptBytes close) {
    const std::int32_t position = PositionFromProp(window);
    if (!position) return 0;
    SkinnedWindow& w = SkinRegistry[position];
    const std::int32_t n = w.CaptionButtons.Count();
    if (n < 1) return 0;
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    auto setImage = [&](std::int32_t p, const OptBytes& image, bool alt) {
        CaptionButton* b = w.CaptionButtons.At(p);
        if (b && image) (alt ? b->altImage : b->image) = *image;
    };
    const bool hasMin = style & WS_MINIMIZEBOX, hasMax = style & WS_MAXIMIZEBOX;
    if (hasMin && hasMax) {
        setImage(n - 1, maximize, false);
        setImage(n - 1, restore, true);
        setImage(n - 2, minimize, false);
    } else if (hasMin) {
        setImage(n - 1, minimize, false);
    } else if (hasMax) {
        setImage(n - 1, maximize, false);
        setImage(n - 1, restore, true);
    }
    setImage(n, close, false);
    for (std::int32_t p = 1; p <= n; ++p) PaintCaptionButton(position, p, nullptr, false, 0, std::nullopt);
    return 1;
}
