#include "skin/core/background_snapshot.h"

#include "gdiplus/gdiplus_layer.h"
#include "skin/core/paint_routines.h"
#include "skin/core/registry.h"
#include "skin/core/skin_state.h"

namespace {

RECT WindowRectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

RECT OffsetBy(RECT r, const RECT& origin) {
    OffsetRect(&r, -origin.left, -origin.top);
    return r;
}

HDC CopySource(HDC target, std::int32_t w, std::int32_t h, HDC source, std::int32_t x, std::int32_t y) {
    if (source) BitBlt(target, 0, 0, w, h, source, x, y, SRCCOPY);
    return target;
}

HDC WindowBufferOf(std::int32_t windowIndex) {
    const SkinnedWindow* w = SkinnedWindowAt(windowIndex);
    return w ? w->windowBuffer : nullptr;
}

// Lays a container's tint over the snapshot: a rounded shape below a group
// box's title line, the whole rectangle otherwise.
void FillTint(HDC dc, const ContainerRecord& container, const RECT& rect, bool shaped) {
    const std::int32_t w = rect.right - rect.left, h = rect.bottom - rect.top;
    Graphics graphics;
    graphics.CreateFromHDC(dc);
    SolidBrush brush;
    brush.CreateSolidFill(ColourToArgb(container.tintColour, container.tintAlpha, true));
    GraphicsPath path;
    path.CreatePath(0);
    if (shaped && container.isGroupBox) {
        RoundedRectPath(path, 0.0f, 5.0f, static_cast<float>(rect.right), static_cast<float>(rect.bottom - 6), 5);
    } else {
        path.AddPathLine(0, 0, static_cast<float>(w), 0);
        path.AddPathLine(static_cast<float>(w), 0, static_cast<float>(w), static_cast<float>(h));
        path.AddPathLine(static_cast<float>(w), static_cast<float>(h), 0, static_cast<float>(h));
        path.ClosePathFigure();
    }
    graphics.FillPath(brush, path);
    brush.DeleteBrush();
    graphics.DeleteGraphics();
    path.DeletePath();
}

const ContainerRecord* ContainerAt(std::int32_t windowIndex, std::int32_t position) {
    SkinnedWindow* w = SkinnedWindowAt(windowIndex);
    return w ? w->Containers.At(position) : nullptr;
}

}  // namespace

ControlLocation LocateControl(HWND control, bool useMarks) {
    ControlLocation where;
    if (useMarks && GetIntProp(control, "Wxk_Zpf") == 1) {
        where.marked = control;
        return where;
    }
    if (std::int32_t self = FindSkinnedWindow(control)) {
        where.onWindow = true;
        where.window = self;
        return where;
    }
    for (HWND h = GetParent(control); h; h = GetParent(h)) {
        if (useMarks && GetIntProp(h, "Wxk_Zpf") == 1) {
            where.marked = h;
            return where;
        }
        for (std::int32_t j = 1; j <= SkinRegistry.Count(); ++j) {
            if (SkinRegistry[j].hwnd == h) {
                where.onWindow = true;
                where.window = j;
                return where;
            }
            if (std::int32_t k = FindContainer(j, h)) {
                if (useMarks && GetPropA(h, "Mb_zpf")) {
                    where.marked = reinterpret_cast<HWND>(GetPropA(h, "Mb_zpf"));
                } else {
                    where.window = j;
                    where.container = k;
                }
                return where;
            }
        }
    }
    return where;
}

RECT RectInSkinnedWindow(HWND control) {
    if (FindSkinnedWindow(control)) return RECT{};
    const SkinnedWindow* w = SkinnedWindowAt(FindSkinnedAncestor(control));
    if (!w) return RECT{};
    return OffsetBy(WindowRectOf(control), WindowRectOf(w->hwnd));
}

RECT RectInWindow(HWND window, HWND control) { return OffsetBy(WindowRectOf(control), WindowRectOf(window)); }

RECT RectInRoot(HWND control) { return RectInWindow(GetAncestor(control, GA_ROOT), control); }

RECT ClientRectInWindow(HWND control) {
    const RECT outer = WindowRectOf(control);
    RECT client{};
    GetClientRect(control, &client);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    const std::int32_t ww = outer.right - outer.left, wh = outer.bottom - outer.top;
    const std::int32_t cw = client.right, ch = client.bottom;
    auto half = [](std::int32_t v) { return v >= 0 ? v / 2 : -((-v + 1) / 2); };  // floor
    const std::int32_t x = half(ww - cw - ((style & WS_VSCROLL) ? 17 : 0));
    const std::int32_t y = half(wh - ch - ((style & WS_HSCROLL) ? 17 : 0));
    return RECT{x, y, x + cw, y + ch};
}

std::int32_t FindTintedContainerAbove(std::int32_t windowIndex, HWND control, HWND stopWindow) {
    SkinnedWindow* w = SkinnedWindowAt(windowIndex);
    if (!w) return 0;
    for (HWND h = GetParent(control); h && h != stopWindow; h = GetParent(h)) {
        const std::int32_t k = FindContainer(windowIndex, h);
        if (k && w->Containers[k].enabled) return k;
    }
    return 0;
}

HDC BackgroundSnapshot(HWND control, const RECT& rect) {
    const std::int32_t w = rect.right - rect.left, h = rect.bottom - rect.top;
    Bitmap picture;
    picture.CreateBlankBitmap(w, h, PixelFormat32bppARGB);
    HBITMAP bitmap = picture.CreateHBITMAPFromBitmap(0);
    picture.DisposeImage();
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    AddMemoryDc(dc, bitmap, previous);

    const ControlLocation where = LocateControl(control, true);
    if (where.onWindow) {
        const RECT r = RectInSkinnedWindow(control);
        CopySource(dc, w, h, WindowBufferOf(where.window), r.left + rect.left, r.top + rect.top);
        if (std::int32_t k = FindContainer(where.window, control)) {
            const ContainerRecord* c = ContainerAt(where.window, k);
            if (c && c->tintColour != 0) FillTint(dc, *c, rect, true);
        }
        return dc;
    }
    if (where.marked) {
        HWND m = where.marked;
        if (m == control) {
            if (HWND owner = reinterpret_cast<HWND>(GetPropA(control, "Mb_zpf"))) {
                const RECT r = RectInWindow(owner, control);
                CopySource(dc, w, h, reinterpret_cast<HDC>(GetPropA(owner, "Wxk_Cj")), r.left + rect.left,
                           r.top + rect.top);
            } else {
                const RECT r = RectInRoot(control);
                CopySource(dc, w, h, WindowBufferOf(FindSkinnedAncestor(control)), r.left + rect.left,
                           r.top + rect.top);
            }
            return dc;
        }
        const RECT r = RectInWindow(m, control);
        CopySource(dc, w, h, reinterpret_cast<HDC>(GetPropA(m, "Wxk_Cj")), r.left + rect.left, r.top + rect.top);
        std::int32_t p = where.window ? where.window : FindSkinnedAncestor(control);
        if (!p) return dc;
        if (std::int32_t k = FindContainer(p, control)) {
            const ContainerRecord* c = ContainerAt(p, k);
            if (c && c->tintColour >= 1) FillTint(dc, *c, rect, true);
        } else if (std::int32_t k2 = FindTintedContainerAbove(p, control, m)) {
            const ContainerRecord* c = ContainerAt(p, k2);
            if (c && c->tintColour >= 1) FillTint(dc, *c, rect, false);
        }
        return dc;
    }
    std::int32_t p = where.window, k = where.container;
    if (!p) {
        p = FindSkinnedAncestor(control);
        if (std::int32_t own = FindContainer(p, control)) k = own;
    }
    if (!p) {
        ReleaseMemoryDc(dc);
        return nullptr;
    }
    const RECT r = RectInRoot(control);
    CopySource(dc, w, h, WindowBufferOf(p), r.left + rect.left, r.top + rect.top);
    const ContainerRecord* c = ContainerAt(p, k);
    if (k >= 1 && c && c->tintColour != 0) FillTint(dc, *c, rect, false);
    return dc;
}

HBITMAP CopyDcToBitmap(HDC dc, std::int32_t width, std::int32_t height) {
    HDC copyDc = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ previous = SelectObject(copyDc, bitmap);
    BitBlt(copyDc, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(copyDc, previous);
    DeleteDC(copyDc);
    ReleaseMemoryDc(dc);
    return bitmap;
}

HBITMAP ControlBackgroundBitmap(HWND control) {
    const RECT r = ClientRectInWindow(control);
    const std::int32_t w = r.right - r.left, h = r.bottom - r.top;
    HDC dc = BackgroundSnapshot(control, r);
    if (!dc) return nullptr;
    Graphics graphics;
    graphics.CreateFromHDC(dc);
    SolidBrush veil;
    veil.CreateSolidFill(ColourToArgb(0xFFFFFF, ControlAlpha, true));
    graphics.FillRectangle(veil, 0.0f, 0.0f, static_cast<float>(w), static_cast<float>(h));
    veil.DeleteBrush();
    graphics.DeleteGraphics();
    return CopyDcToBitmap(dc, w, h);
}

std::string ClassNameOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, 256);
    return name;
}

std::int32_t IsOwnerDrawListBox(HWND window) {
    if (ClassNameOf(window) != "ListBox") return 0;
    return (GetWindowLongA(window, GWL_STYLE) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) ? 1 : 0;
}

std::int32_t IsAutoRadioButton(HWND window) {
    return (GetWindowLongA(window, GWL_STYLE) & 0xF) == BS_AUTORADIOBUTTON ? 1 : 0;
}
