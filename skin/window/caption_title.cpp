// The caption's icon and haloed title.
#include "skin/controls/framework.h"
#include "skin/core/skin_engine.h"
#include "skin/core/skin_state.h"
#include "skin/window/text_effects.h"
#include "skin/window/window_helpers.h"

void SkinEngine::RedrawCaptionText(std::int32_t position, Graphics* graphics, bool graphicsGiven, OptText text) {
    SkinnedWindow* w = SkinnedWindowAt(position);
    if (!w || !w->windowBuffer) return;
    const std::int32_t B = resizeBorder;
    const std::int32_t x0 = B + 6, y0 = B + 5;
    const std::int32_t tw = ClientRectOf(w->hwnd).right - w->buttonStripWidth - 10 - 2 * B;

    Graphics local;
    const bool own = !(graphicsGiven && graphics);
    Graphics& g = own ? local : *graphics;
    if (own) {
        local.CreateFromHDC(w->windowBuffer);
        RestoreCaptionArea(position, RECT{x0, y0, x0 + tw, y0 + 32});
    }
    if (AppIcon) DrawIconEx(w->windowBuffer, x0, y0 - 3, AppIcon, 17, 17, 0, nullptr, DI_NORMAL);
    const std::string title = text ? *text : WindowText(w->hwnd);
    DrawHaloText(g, title, RectRecord{static_cast<float>(x0 + 20), static_cast<float>(y0), static_cast<float>(tw), 32.0f},
                 w->titleColour, w->titleShadowColour, 1.0f, w->titleFontFace, w->titleFontStyle ? 1 : 0,
                 static_cast<float>(w->titleFontSize), 0, 0);
    if (own) {
        HDC dc = ExcludeChildrenDc(w->hwnd, nullptr, false);
        BitBlt(dc, B + 6, B + 3, tw, 32, w->windowBuffer, B + 6, B + 3, SRCCOPY);
        local.DeleteGraphics();
        ReleaseDC(w->hwnd, dc);
    }
}

std::int32_t SkinEngine::SetTitleOptions(HWND window, OptText face, OptInt size, OptColour colour,
                                         OptColour haloColour, OptInt style) {
    const std::int32_t position = PositionFromProp(window);
    if (!position) return 0;
    SkinnedWindow& w = SkinRegistry[position];
    if (face) w.titleFontFace = *face;
    if (size) w.titleFontSize = *size;
    if (colour) w.titleColour = *colour;
    if (haloColour) w.titleShadowColour = *haloColour;
    if (style) w.titleFontStyle = *style;
    RedrawCaptionText(position, nullptr, false, WindowText(window));
    return 1;
}
