#pragma once
// What every control family shares: finding a parent's children of a class
// and registering them in the family's list of the window record, the window
// procedure skeleton, hover tracking, the painting pipeline and the DC
// helpers the window and container pictures use as well.
//
// A family set-up calls RegisterChildren with its list and procedure; its
// procedure starts with FindControlRecord, calls TrackHover on
// WM_MOUSEMOVE/WM_MOUSELEAVE, paints through BeginControlPaint /
// EndControlPaint, and ends with PassOn.
#include <windows.h>

#include <cstdint>
#include <string>

#include "gdiplus/gdiplus_layer.h"
#include "skin/core/registry.h"
#include "skin/core/skin_state.h"

// Family codes kept in a window's hotFamily.
enum ControlFamily : std::int32_t {
    kFamilyButtons = 0,
    kFamilyEdits = 1,
    kFamilyTrackbars = 2,
    kFamilyComboBoxes = 3,
    kFamilyListControls = 4,
    kFamilyUpDowns = 8,
    kFamilyHeaders = 9,
};

struct ControlFont {
    std::string face;
    std::int32_t size = 0;   // em size in the font's own unit
    std::int32_t style = 0;  // GDI+ style bits: 1 bold, 2 italic, 4 underline, 8 strikeout
};

// Runs the eight family set-ups for one parent (the window itself or one of
// its containers), in their fixed order. Call once per parent.
void SkinChildControls(std::int32_t windowIndex, HWND parent);

ControlFont ReadControlFont(HWND control);
// The window's text, read through the ANSI (UTF-8) code page.
std::string WindowText(HWND window);
// Width in pixels of `text` in the given font, measured with GDI+.
std::int32_t MeasureTextWidth(const std::string& text, const std::string& face, std::int32_t size,
                              std::int32_t style);
// Snapshot of the control's client area under the white veil of
// ControlAlpha; release with ReleaseMemoryDc.
HDC VeiledClientBackground(HWND control);
// `dc` (or the window's own DC when none is given) with every visible child
// that is not WS_EX_TRANSPARENT clipped out. The caller releases the DC.
HDC ExcludeChildrenDc(HWND window, HDC dc, bool dcGiven);
RECT ChildRectInParent(HWND child);
void InvalidateVisibleChildren(HWND window);

// The family set-ups SkinChildControls runs, one unit each.
void SkinPushButtons(std::int32_t windowIndex, HWND parent);
void SkinCheckAndRadioButtons(std::int32_t windowIndex, HWND parent);
void SkinEditsAndComboBoxes(std::int32_t windowIndex, HWND parent);
void SkinTrackbars(std::int32_t windowIndex, HWND parent);
void SkinProgressBars(std::int32_t windowIndex, HWND parent);
void SkinListControls(std::int32_t windowIndex, HWND parent);
void SkinUpDowns(std::int32_t windowIndex, HWND parent);
void SkinHeaders(std::int32_t windowIndex, HWND parent);

// ---- helpers for the family units ----

// Registration steps shared by every family: enumerates the direct children
// of `parent` of `className`, keeps those `accept` approves, fills the
// list's empty first record or appends one, lets `fill` complete the record,
// subclasses the child with `procedure` and sets its three properties.
template <class Record, class Accept, class Fill>
void RegisterChildren(std::int32_t windowIndex, HWND parent, const char* className,
                      OneBasedList<Record> SkinnedWindow::*list, WNDPROC procedure, Accept accept, Fill fill) {
    if (!SkinControls) return;
    for (HWND child = FindWindowExA(parent, nullptr, className, nullptr); child;
         child = FindWindowExA(parent, child, className, nullptr)) {
        SkinnedWindow* window = SkinnedWindowAt(windowIndex);
        if (!window || !accept(child)) continue;
        OneBasedList<Record>& records = window->*list;
        const int position = records.Register([](const Record& r) { return r.hwnd == nullptr; });
        Record& record = records[position];
        record.hwnd = child;
        fill(record, child);
        record.previousProc = reinterpret_cast<WNDPROC>(
            SetWindowLongA(child, GWL_WNDPROC, reinterpret_cast<LONG>(procedure)));
        SetIntProp(child, "Hw_lbID", position);
        SetIntProp(child, "Hw_FuID", windowIndex);
        SetIntProp(child, "Hw_hProc", reinterpret_cast<std::intptr_t>(record.previousProc));
    }
}

// The control's window record and its record in `list`, or nulls when the
// properties do not name an existing record (then pass the message on).
template <class Record>
Record* FindControlRecord(HWND control, OneBasedList<Record> SkinnedWindow::*list, SkinnedWindow** window) {
    SkinnedWindow* w = SkinnedWindowAt(static_cast<int>(GetIntProp(control, "Hw_FuID")));
    if (window) *window = w;
    if (!w) return nullptr;
    Record* record = (w->*list).At(static_cast<int>(GetIntProp(control, "Hw_lbID")));
    return record && record->hwnd == control ? record : nullptr;
}

// Every message a family does not consume goes to the control's previous
// procedure.
LRESULT PassOn(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// Hover bookkeeping of a WM_MOUSEMOVE: asks for WM_MOUSELEAVE and returns
// true when the control must be repainted hot (it was not the hot one).
bool TrackHoverMove(SkinnedWindow& window, HWND control, ControlFamily family);
// Hover bookkeeping of a WM_MOUSELEAVE: nothing is hot any more.
void TrackHoverLeave(SkinnedWindow& window);

// Painting pipeline: a snapshot of `area` with a Graphics on it, then one
// BitBlt to the control. EndControlPaint copies, deletes the graphics,
// releases `target` (the control's DC from GetDC or GetWindowDC) and the
// snapshot. A BeginControlPaint that fails has released everything itself.
struct ControlCanvas {
    HDC snapshot = nullptr;
    Graphics graphics;
    std::int32_t width = 0, height = 0;
};
bool BeginControlPaint(HWND control, const RECT& area, ControlCanvas& canvas);
void EndControlPaint(HWND control, HDC target, ControlCanvas& canvas);
