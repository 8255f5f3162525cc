#include "skin/controls/framework.h"

#include <cmath>

#include "skin/core/background_snapshot.h"
#include "skin/core/paint_routines.h"
#include "skin/core/skin_font.h"

void SkinChildControls(std::int32_t windowIndex, HWND parent) {
    SkinPushButtons(windowIndex, parent);
    SkinCheckAndRadioButtons(windowIndex, parent);
    SkinEditsAndComboBoxes(windowIndex, parent);
    SkinTrackbars(windowIndex, parent);
    SkinProgressBars(windowIndex, parent);
    SkinListControls(windowIndex, parent);
    SkinUpDowns(windowIndex, parent);
    SkinHeaders(windowIndex, parent);
}

ControlFont ReadControlFont(HWND control) {
    ControlFont result;
    HFONT hfont = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    HDC dc = GetDC(control);
    LOGFONTA logFont{};
    const bool haveLogFont = hfont && GetObjectA(hfont, sizeof logFont, &logFont) == sizeof logFont;
    Font font;
    bool made = haveLogFont ? font.CreateFontFromLogfontA(dc, &logFont) : font.CreateFontFromDC(dc);
    if (!made && haveLogFont) made = font.CreateFontFromDC(dc);
    if (made) {
        FontFamily family;
        font.GetFamily(family);
        result.face = family.GetFamilyName();
        result.size = static_cast<std::int32_t>(font.GetFontSize());
        result.style = font.GetFontStyle();
        family.DeleteFontFamily();
        font.DeleteFont();
    } else {
        // GDI+ takes only TrueType faces; keep the control's face and size so
        // the painters' own font creation can fall back from there.
        result.face = haveLogFont ? logFont.lfFaceName : "";
        result.size = haveLogFont ? std::abs(static_cast<std::int32_t>(logFont.lfHeight)) : 12;
        if (result.size == 0) result.size = 12;
        result.style = haveLogFont && logFont.lfWeight >= FW_BOLD ? 1 : 0;
    }
    if (result.face.empty()) result.face = ResolveFontFace("宋体");
    ReleaseDC(control, dc);
    return result;
}

std::int32_t MeasureTextWidth(const std::string& text, const std::string& face, std::int32_t size,
                              std::int32_t style) {
    HDC dc = CreateCompatibleDC(nullptr);
    Graphics graphics;
    graphics.CreateFromHDC(dc);
    Font font;
    CreateSkinFont(font, face, static_cast<float>(size), style, 0);
    StringFormat noFormat;
    RectRecord bounds{};
    graphics.MeasureString(text, font, RectRecord{}, noFormat, bounds);
    font.DeleteFont();
    graphics.DeleteGraphics();
    DeleteDC(dc);
    return static_cast<std::int32_t>(std::floor(bounds.width)) + 1;
}

HDC VeiledClientBackground(HWND control) {
    const RECT area = ClientRectInWindow(control);
    HDC dc = BackgroundSnapshot(control, area);
    if (!dc) return nullptr;
    Graphics graphics;
    graphics.CreateFromHDC(dc);
    SolidBrush veil;
    veil.CreateSolidFill(ColourToArgb(0xFFFFFF, ControlAlpha, true));
    graphics.FillRectangle(veil, 0.0f, 0.0f, static_cast<float>(area.right - area.left),
                           static_cast<float>(area.bottom - area.top));
    veil.DeleteBrush();
    graphics.DeleteGraphics();
    return dc;
}

RECT ChildRectInParent(HWND child) {
    if (FindSkinnedWindow(child)) return RECT{};
    RECT r{};
    GetWindowRect(child, &r);
    POINT origin{0, 0};
    ClientToScreen(GetParent(child), &origin);
    OffsetRect(&r, -origin.x, -origin.y);
    return r;
}

HDC ExcludeChildrenDc(HWND window, HDC dc, bool dcGiven) {
    if (!dcGiven) dc = GetDC(window);
    for (HWND child = FindWindowExA(window, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(window, child, nullptr, nullptr)) {
        if (!IsWindowVisible(child) || (GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT)) continue;
        const RECT r = ChildRectInParent(child);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
    return dc;
}

void InvalidateVisibleChildren(HWND window) {
    for (HWND child = FindWindowExA(window, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(window, child, nullptr, nullptr)) {
        if (IsWindowVisible(child)) InvalidateRect(child, nullptr, TRUE);
    }
}

LRESULT PassOn(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    auto previous = reinterpret_cast<WNDPROC>(GetPropA(control, "Hw_hProc"));
    if (!previous) return DefWindowProcA(control, message, wParam, lParam);
    return CallWindowProcA(previous, control, message, wParam, lParam);
}

bool TrackHoverMove(SkinnedWindow& window, HWND control, ControlFamily family) {
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, control, 0};
    TrackMouseEvent(&track);
    window.pointerIndex = static_cast<std::int32_t>(GetIntProp(control, "Hw_lbID"));
    const bool repaint = window.hotIndex != window.pointerIndex || window.hotFamily != family;
    window.hotIndex = window.pointerIndex;
    window.hotFamily = family;
    return repaint;
}

void TrackHoverLeave(SkinnedWindow& window) { window.hotIndex = 0; }

bool BeginControlPaint(HWND control, const RECT& area, ControlCanvas& canvas) {
    canvas.width = area.right - area.left;
    canvas.height = area.bottom - area.top;
    canvas.snapshot = BackgroundSnapshot(control, area);
    if (canvas.snapshot && canvas.graphics.CreateFromHDC(canvas.snapshot)) return true;
    // Nothing to paint on: give back what was obtained, so callers just return.
    EndControlPaint(control, nullptr, canvas);
    return false;
}

void EndControlPaint(HWND control, HDC target, ControlCanvas& canvas) {
    if (canvas.snapshot && target)
        BitBlt(target, 0, 0, canvas.width, canvas.height, canvas.snapshot, 0, 0, SRCCOPY);
    canvas.graphics.DeleteGraphics();
    if (target) ReleaseDC(control, target);
    if (canvas.snapshot) ReleaseMemoryDc(canvas.snapshot);
    canvas.snapshot = nullptr;
}

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}
