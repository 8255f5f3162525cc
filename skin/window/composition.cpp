// Composition of a skinned window's picture: background, frame, caption
// title, caption buttons and status bar are drawn into the window's memory
// DC; clean copies of the caption and status strips let single buttons and
// items be redrawn later without recomposing.
#include "skin/controls/framework.h"
#include "skin/core/paint_routines.h"
#include "skin/core/skin_engine.h"
#include "skin/core/skin_state.h"
#include "skin/window/window_helpers.h"

namespace {

// Replaces a strip cache with a fresh copy of `source` (x, y, w, h) of the
// window picture. The previous cache DC and its bitmap are deleted.
void RebuildCache(HDC& cacheDc, HBITMAP& cacheBitmap, HGDIOBJ& oldBitmap, HDC source, std::int32_t x,
                  std::int32_t y, std::int32_t width, std::int32_t height) {
    if (cacheDc) {
        SelectObject(cacheDc, oldBitmap);
        if (cacheBitmap) DeleteObject(cacheBitmap);
        DeleteDC(cacheDc);
    }
    cacheDc = CreateCompatibleDC(nullptr);
    cacheBitmap = NewArgbBitmap(width, height);
    oldBitmap = cacheBitmap ? SelectObject(cacheDc, cacheBitmap) : nullptr;
    if (cacheBitmap) BitBlt(cacheDc, 0, 0, width, height, source, x, y, SRCCOPY);
}

bool HasWindowRegion(HWND window) {
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(window, probe);
    DeleteObject(probe);
    return kind != ERROR && kind != NULLREGION;
}

template <class List>
void InvalidateOwnControls(HWND window, List& list, BOOL erase) {
    for (const auto& record : list)
        if (record.hwnd && GetParent(record.hwnd) == window) InvalidateRect(record.hwnd, nullptr, erase);
}

// After the picture changed, the window's own skinned controls repaint over
// the new background (those inside containers follow their container).
void InvalidateSkinnedControls(SkinnedWindow& w) {
    for (const auto& list : w.ListControls) {
        if (!list.hwnd || GetParent(list.hwnd) != w.hwnd) continue;
        InvalidateRect(list.hwnd, nullptr, TRUE);
        InvalidateVisibleChildren(list.hwnd);
    }
    InvalidateOwnControls(w.hwnd, w.ComboBoxes, TRUE);
    InvalidateOwnControls(w.hwnd, w.Edits, TRUE);
    InvalidateOwnControls(w.hwnd, w.Buttons, FALSE);
    InvalidateOwnControls(w.hwnd, w.Trackbars, FALSE);
    InvalidateOwnControls(w.hwnd, w.ProgressBars, FALSE);
    InvalidateOwnControls(w.hwnd, w.UpDowns, FALSE);
}

}  // namespace

void SkinEngine::PaintWindow(std::int32_t position, std::optional<HDC> paintDc) {
    SkinnedWindow* w = SkinnedWindowAt(position);
    if (!w) return;
    HWND window = w->hwnd;

    // Rounded corners. The region only depends on the client size, and
    // setting it costs a round trip to the window system, so it is rebuilt
    // when the size changed (or the region was lost). The system owns a
    // region once it is set, so it is not deleted here.
    RECT client = ClientRectOf(window);
    if (client.right != w->regionWidth || client.bottom != w->regionHeight || !HasWindowRegion(window)) {
        SetWindowRgn(window, nullptr, TRUE);
        SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER);
        w = SkinnedWindowAt(position);  // the position change ran our own handlers
        if (!w) return;
        client = ClientRectOf(window);
        // A 6 x 6 corner ellipse: with 5 x 5 the region keeps the two pixels
        // next to each top corner that the picture's rounded clip leaves in
        // the magenta key colour, and they show on screen.
        SetWindowRgn(window, CreateRoundRectRgn(0, 0, client.right + 1, client.bottom + 1, 6, 6), TRUE);
        w->regionWidth = client.right;
        w->regionHeight = client.bottom;
    }
    const std::int32_t width = client.right, height = client.bottom;

    const bool firstPicture = w->windowBuffer == nullptr;
    if (firstPicture) w->windowBuffer = CreateCompatibleDC(nullptr);
    HBITMAP picture = NewArgbBitmap(width, height);
    if (picture) {
        HGDIOBJ replaced = SelectObject(w->windowBuffer, picture);
        if (firstPicture) SetPropA(window, "Ck_Ycjdx", replaced);
        else if (replaced) DeleteObject(replaced);
        SetPropA(window, "Ck_wtjbdx", picture);
    }

    Graphics graphics;
    graphics.CreateFromHDC(w->windowBuffer);
    PaintBackground(graphics, position);
    if (w->hasCaption) {
        PaintFrame(position, graphics);
        RebuildCache(w->captionCacheDc, w->captionCacheBitmap, w->captionCacheOldBitmap, w->windowBuffer, 0, 0,
                     width, w->captionHeight);
    }
    const RECT& bar = w->statusBarRect;  // x, y, width, height
    RebuildCache(w->stripCacheDc, w->stripCacheBitmap, w->stripCacheOldBitmap, w->windowBuffer, bar.left, bar.top,
                 bar.right, bar.bottom);
    if (w->hasCaption) {
        if (w->showTitle) RedrawCaptionText(position, &graphics, true, std::nullopt);
        for (std::int32_t p = 1; p <= w->CaptionButtons.Count(); ++p)
            PaintCaptionButton(position, p, &graphics, true, 0, std::nullopt);
    }
    if (w->statusBarHeight > 0) {
        for (std::int32_t k = 1; k <= w->StatusBarItems.Count(); ++k) PaintStatusBarItem(position, &graphics, true, k);
    }
    graphics.DeleteGraphics();

    if (paintDc) {
        HDC screen = ExcludeChildrenDc(window, nullptr, false);
        BitBlt(screen, 0, 0, width, height, w->windowBuffer, 0, 0, SRCCOPY);
        ReleaseDC(window, screen);
        w->backgroundDirty = 0;
        if (!FirstSizePending) InvalidateSkinnedControls(*w);
    } else {
        w->backgroundDirty = 0;
    }
}

void SkinEngine::PaintWindowFromBuffer(std::int32_t position, HDC dc) {
    SkinnedWindow* w = SkinnedWindowAt(position);
    if (!w || !w->windowBuffer || !dc) return;
    RECT bounds{};
    GetWindowRect(w->hwnd, &bounds);
    ExcludeChildrenDc(w->hwnd, dc, true);
    BitBlt(dc, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top, w->windowBuffer, 0, 0, SRCCOPY);
}

void SkinEngine::PaintFrame(std::int32_t position, Graphics& graphics) {
    SkinnedWindow* w = SkinnedWindowAt(position);
    if (!w) return;
    const RECT client = ClientRectOf(w->hwnd);
    const float width = static_cast<float>(client.right), height = static_cast<float>(client.bottom);
    auto outline = [&](float inset, float shrink, std::int32_t corner, std::uint32_t colour) {
        GraphicsPath path;
        path.CreatePath(0);
        RoundedRectPath(path, inset, inset, width - shrink, height - shrink, corner);
        Pen pen;
        pen.CreatePen1(colour, 1.0f, 0);
        graphics.DrawPath(pen, path);
        pen.DeletePen();
        path.DeletePath();
    };
    outline(0.0f, 1.0f, 7, 0xB4000000);
    outline(1.0f, 3.0f, 6, 0xB4FFFFFF);
}
