#pragma once
// The button family: push buttons, check boxes, auto radio buttons and the
// picture buttons a program registers itself. All of them live in the
// window's Buttons list and share one window procedure; push buttons and
// picture buttons become owner-drawn and are painted from the parent's
// WM_DRAWITEM, check boxes and radio buttons stay real controls and are
// painted from their own WM_PAINT.
#include <windows.h>

#include <cstdint>

#include "skin/controls/framework.h"

// Owner-draw state bits, as in DRAWITEMSTRUCT.itemState, plus the hover bit
// the skin adds itself.
enum ButtonPaintState : std::int32_t {
    kButtonPressed = 0x01,   // ODS_SELECTED
    kButtonDisabled = 0x04,  // ODS_DISABLED
    kButtonFocus = 0x10,     // ODS_FOCUS
    kButtonHot = 0x40,       // pointer over the button
};

// Position of the control's record in the window's Buttons list; 0 if none.
std::int32_t FindButtonRecord(std::int32_t windowIndex, HWND control);

LRESULT CALLBACK ButtonWndProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// Repaints one registered button now, outside WM_PAINT, in `state` (plus the
// hover bit when `hot`).
void RedrawButton(HWND control, std::int32_t state, bool hot);

// Painters of the owner-drawn kinds: paint the control into `dc` (which the
// caller owns) within `rect`, the control's client rectangle.
void PaintPushButton(HWND control, HDC dc, std::int32_t state, const RECT& rect);
void PaintImageButton(HWND control, HDC dc, std::int32_t state, const RECT& rect);
void PaintToggleImageButton(HWND control, HDC dc, std::int32_t state, const RECT& rect);

// Painters of check boxes and radio buttons: the whole client area, into the
// control's own DC. The mark shows the control's current check state.
void PaintRadioButton(HWND control, std::int32_t state);
void PaintCheckBox(HWND control, std::int32_t state);

// The skinned window's answer to WM_DRAWITEM: picks the painter by the kind
// of the button's record. Check boxes and radio buttons are not drawn here.
void DrawItemDispatch(std::int32_t windowIndex, const DRAWITEMSTRUCT& item);

// The record of a registered button, found through its properties; null
// when the properties name no record of this control.
ButtonRecord* ButtonRecordOf(HWND control, SkinnedWindow** window = nullptr);

// Caption font of a button: the record's face, or a face this system has
// when that one is missing, at the record's size (12 when the size could not
// be read), in the GDI+ `unit`.
bool CreateButtonFont(Font& font, const ButtonRecord& record, std::int32_t unit);
// The control's "Kj_Ztys" text colour as opaque ARGB.
std::uint32_t ButtonTextArgb(HWND control);

// Font of a push button: the control's font, with "宋体" for a face that
// could not be read and 12 for a size that could not be read.
ControlFont PushButtonFont(const ControlFont& read);
