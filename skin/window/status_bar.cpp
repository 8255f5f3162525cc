// The optional status bar along a skinned window's bottom edge.
#include "skin/core/paint_routines.h"
#include "skin/core/skin_engine.h"
#include "skin/core/skin_font.h"
#include "skin/core/skin_state.h"
#include "skin/window/text_effects.h"
#include "skin/window/window_helpers.h"

namespace {

bool IsEmptyItem(const StatusBarItem& item) {
    return item.width == 0 && item.text.empty() && item.icon.empty();
}

}  // namespace

void SkinEngine::SetStatusBar(std::int32_t position, std::int32_t height, const OneBasedList<StatusBarItem>& items,
                              bool itemsGiven) {
    SkinnedWindow* w = SkinnedWindowAt(position);
    if (!w) return;
    const RECT client = ClientRectOf(w->hwnd);
    const std::int32_t B = resizeBorder, W = client.right, H = client.bottom;
    w->statusBarHeight = height;
    w->statusBarRect = RECT{B, H - B - height - 1, W - 2 * B, height};
    if (!itemsGiven) return;
    w->StatusBarItems.Clear();
    w->statusBarItemRects.Clear();
    std::int32_t x = B;
    for (const auto& item : items) {
        if (IsEmptyItem(item)) continue;  // a list's unused first element
        const std::int32_t width = item.width == -1 ? W - B - x : item.width;
        w->statusBarItemRects.Append(RECT{x, w->statusBarRect.top, width, height});
        w->StatusBarItems.Append(item);
        x += width;
    }
    if (w->StatusBarItems.Count() == 0) {  // lists keep their one empty element
        w->StatusBarItems.Append();
        w->statusBarItemRects.Append();
    }
}

void SkinEngine::LayoutStatusBar(std::int32_t position) {
    SkinnedWindow* w = SkinnedWindowAt(position);
    if (!w) return;
    const RECT client = ClientRectOf(w->hwnd);
    const std::int32_t B = resizeBorder, W = client.right, H = client.bottom;
    w->statusBarRect = RECT{B, H - w->statusBarHeight - B - 1, W - 2 * B, w->statusBarHeight};
    std::int32_t x = B, sum = 0;
    for (std::int32_t k = 1; k <= w->statusBarItemRects.Count(); ++k) {
        RECT& r = w->statusBarItemRects[k];
        const StatusBarItem* item = w->StatusBarItems.At(k);
        r.top = w->statusBarRect.top;
        r.left = x;
        if (item && item->width == -1) r.right = W - sum - 2 * B;
        x += r.right;
        sum += r.right;
    }
}

void SkinEngine::PaintStatusBarItem(std::int32_t position, Graphics* graphics, bool graphicsGiven, OptInt item) {
    SkinnedWindow* w = SkinnedWindowAt(position);
    const std::int32_t k = item.value_or(1);
    if (!w || !w->windowBuffer || !w->StatusBarItems.Contains(k) || !w->statusBarItemRects.Contains(k)) return;
    const StatusBarItem& entry = w->StatusBarItems[k];
    const RECT r = w->statusBarItemRects[k];
    const float x = static_cast<float>(r.left), y = static_cast<float>(r.top);
    const float wd = static_cast<float>(r.right), ht = static_cast<float>(r.bottom);

    Graphics local;
    const bool own = !(graphicsGiven && graphics);
    Graphics& g = own ? local : *graphics;
    if (own) {
        local.CreateFromHDC(w->windowBuffer);
        RestoreStatusArea(position, RECT{r.left, r.top, r.left + r.right, r.top + r.bottom});
    }
    FillGradientRect(g, {x, y}, {x, y + ht}, 0x3CFFFFFF, 0x0AFFFFFF, x, y, wd, ht);

    const COLORREF textColour = w->statusInverse ? (~BackgroundColour & 0xFFFFFF) : entry.colour;
    RectRecord textRect{x + 3.0f, y + (ht - 12.0f) / 2.0f, wd, ht};
    if (!entry.icon.empty()) {
        Image icon;
        if (icon.LoadImageFromBytes(entry.icon)) {
            const float iw = static_cast<float>(icon.GetImageWidth()), ih = static_cast<float>(icon.GetImageHeight());
            g.DrawImageRect(icon, x + 2.0f, y + (ht - ih) / 2.0f, iw, ih);
            textRect = RectRecord{x + iw + 3.0f, y + (ht - 12.0f) / 2.0f, wd - iw - 3.0f, ht};
        }
        icon.DisposeImage();
    }
    const float size = static_cast<float>(w->statusFontSize);
    if (w->statusGlow) {
        DrawGlowText(g, entry.text, textRect, w->statusGlowTextColour, w->statusGlowColour, 4.0f, w->statusFontFace,
                     size, 0);
    } else {
        Font font;
        CreateSkinFont(font, w->statusFontFace, size, 0, 2);
        StringFormat format;
        format.CreateStringFormat(0, 0);
        format.SetStringFormatAlign(0);
        SolidBrush brush;
        brush.CreateSolidFill(ColourToArgb(textColour, 255, true));
        g.DrawString(entry.text, font, brush, textRect, format);
        brush.DeleteBrush();
        format.DeleteStringFormat();
        font.DeleteFont();
    }
    if (own) {
        local.DeleteGraphics();
        ShowBufferRect(*w, r.left, r.top, r.right, r.bottom);  // r holds x, y, width, height
    }
}

std::int32_t SkinEngine::SetStatusBarItem(HWND window, std::int32_t item, const std::string& text, OptBytes icon,
                                          OptColour colour) {
    const std::int32_t position = FindSkinnedWindow(window);
    SkinnedWindow* w = SkinnedWindowAt(position);
    if (!w || !w->StatusBarItems.Contains(item)) return 0;
    StatusBarItem& entry = w->StatusBarItems[item];
    entry.text = text;
    if (icon) entry.icon = *icon;
    if (colour) entry.colour = *colour;
    PaintStatusBarItem(position, nullptr, false, item);
    return 1;
}

std::int32_t SkinEngine::SetStatusBarOptions(HWND window, OptInt inverse, OptInt glow, OptColour glowTextColour,
                                             OptColour glowColour, OptText face, OptInt size) {
    const std::int32_t position = PositionFromProp(window);
    if (!position) return 0;
    SkinnedWindow& w = SkinRegistry[position];
    w.statusInverse = inverse.value_or(1);
    w.statusGlow = glow.value_or(0);
    w.statusGlowTextColour = glowTextColour.value_or(0);
    w.statusGlowColour = glowColour.value_or(0xFFFFFF);
    if (face) w.statusFontFace = *face;
    if (size) w.statusFontSize = *size;
    return 1;
}
