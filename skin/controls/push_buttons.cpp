// Push buttons become owner-drawn glassy buttons; this unit also holds the
// window procedure every entry of a window's Buttons list shares, and the
// routine that repaints any of them outside WM_PAINT (hover, leave).
#include <string>

#include "skin/controls/buttons.h"
#include "skin/core/paint_routines.h"
#include "skin/core/skin_font.h"

namespace {

constexpr LONG kOwnerDrawBits = 0x0B;  // BS_OWNERDRAW
constexpr std::int32_t kDefaultFontSize = 12;
constexpr const char* kDefaultFace = "宋体";

bool IsPushButtonStyle(LONG style) {
    return (style & kOwnerDrawBits) != kOwnerDrawBits && (style & 0x02) == 0 && (style & 0x09) != 0x09 &&
           (style & 0x04) == 0;
}


bool PaintsItself(const ButtonRecord& record) { return record.kind == kRadioButton || record.kind == kCheckBox; }

// The hover bit for a control that the window's hover bookkeeping names as
// the hot one, so a repaint in between does not drop the hover look.
std::int32_t HoverBit(const SkinnedWindow& window, HWND control) {
    const bool hot = window.hotFamily == kFamilyButtons && window.hotIndex != 0 &&
                     window.hotIndex == static_cast<std::int32_t>(GetIntProp(control, "Hw_lbID"));
    return hot ? kButtonHot : 0;
}

void PaintSelf(HWND control, const ButtonRecord& record, std::int32_t state) {
    if (record.kind == kRadioButton)
        PaintRadioButton(control, state);
    else
        PaintCheckBox(control, state);
}

// Messages after which the system's own button code has drawn a check box or
// radio button in the system look straight onto the screen (it paints with
// GetDC on a click, a check change, a press, a focus change, a new text, an
// enable change and a keyboard-cue change); the skin paints over it at once.
bool SystemPaintsOnScreen(UINT message, WPARAM wParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case BM_SETCHECK:
    case BM_SETSTATE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SETTEXT:
    case WM_ENABLE:
    case WM_UPDATEUISTATE:
    case WM_CAPTURECHANGED:
        return true;
    case WM_KEYDOWN:
    case WM_KEYUP:
        return wParam == VK_SPACE;
    default:
        return false;
    }
}

}  // namespace

ControlFont PushButtonFont(const ControlFont& read) {
    ControlFont font = read;
    if (font.face.empty()) font.face = kDefaultFace;
    if (font.size == 0) font.size = kDefaultFontSize;
    return font;
}

std::int32_t FindButtonRecord(std::int32_t windowIndex, HWND control) {
    SkinnedWindow* window = SkinnedWindowAt(windowIndex);
    // The empty first record has no handle; it is never the record of a control.
    if (!window || !control) return 0;
    for (int p = 1; p <= window->Buttons.Count(); ++p)
        if (window->Buttons[p].hwnd == control) return p;
    return 0;
}

ButtonRecord* ButtonRecordOf(HWND control, SkinnedWindow** window) {
    return FindControlRecord(control, &SkinnedWindow::Buttons, window);
}

bool CreateButtonFont(Font& font, const ButtonRecord& record, std::int32_t unit) {
    const std::int32_t size = record.fontSize > 0 ? record.fontSize : kDefaultFontSize;
    return CreateSkinFont(font, record.fontFace, static_cast<float>(size), record.fontStyle, unit);
}

std::uint32_t ButtonTextArgb(HWND control) {
    return ColourToArgb(static_cast<COLORREF>(GetIntProp(control, "Kj_Ztys")), 255, true);
}

void SkinPushButtons(std::int32_t windowIndex, HWND parent) {
    RegisterChildren(
        windowIndex, parent, "BUTTON", &SkinnedWindow::Buttons, ButtonWndProc,
        [windowIndex](HWND child) {
            return IsPushButtonStyle(GetWindowLongA(child, GWL_STYLE)) && FindButtonRecord(windowIndex, child) == 0;
        },
        [](ButtonRecord& record, HWND child) {
            record.kind = kPushButton;
            record.text = WindowText(child);
            // From now on the control asks its parent to draw it (WM_DRAWITEM).
            SetWindowLongA(child, GWL_STYLE, GetWindowLongA(child, GWL_STYLE) | kOwnerDrawBits);
            const ControlFont font = PushButtonFont(ReadControlFont(child));
            record.fontFace = font.face;
            record.fontSize = font.size;
            record.fontStyle = font.style;
        });
}

LRESULT CALLBACK ButtonWndProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    SkinnedWindow* window = nullptr;
    ButtonRecord* record = ButtonRecordOf(control, &window);
    if (!record) return PassOn(control, message, wParam, lParam);

    switch (message) {
    case WM_MOUSEMOVE:
        if (TrackHoverMove(*window, control, kFamilyButtons)) RedrawButton(control, 0, true);
        break;
    case WM_MOUSELEAVE:
        TrackHoverLeave(*window);
        RedrawButton(control, record->hasFocus == 1 ? kButtonFocus : 0, false);
        break;
    case WM_MOVE:
        InvalidateRect(control, nullptr, TRUE);
        break;
    case WM_LBUTTONUP:
        // The next WM_MOUSEMOVE paints the button hot again.
        window->hotIndex = 0;
        break;
    case WM_LBUTTONDBLCLK:
        // A second click in quick succession must not press the button again.
        return 0;
    case WM_ERASEBKGND: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkMode(dc, TRANSPARENT);
        return static_cast<LRESULT>(SetTextColor(dc, static_cast<COLORREF>(GetIntProp(control, "Kj_Ztys"))));
    }
    case WM_PAINT:
        if (PaintsItself(*record)) {
            PAINTSTRUCT ps;
            BeginPaint(control, &ps);
            PaintSelf(control, *record, HoverBit(*window, control));
            EndPaint(control, &ps);
            return DefWindowProcA(control, message, wParam, lParam);
        }
        break;
    case WM_NCPAINT:
        // A button has no frame of its own to draw.
        return 1;
    case WM_SETFOCUS:
        record->hasFocus = 1;
        break;
    case WM_KILLFOCUS:
        record->hasFocus = 0;
        break;
    case WM_SETTEXT:
        // Before the control repaints itself with the new text.
        record->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        break;
    default:
        break;
    }

    if (!PaintsItself(*record) || !SystemPaintsOnScreen(message, wParam))
        return PassOn(control, message, wParam, lParam);

    // The control first reaches its new state (check, focus, text), then the
    // skin paints that state over whatever the system drew.
    const LRESULT result = PassOn(control, message, wParam, lParam);
    record = ButtonRecordOf(control, &window);
    if (record && PaintsItself(*record)) {
        const std::int32_t state = message == WM_LBUTTONDOWN || message == BM_SETCHECK || message == WM_KEYDOWN
                                       ? (record->kind == kRadioButton ? kButtonPressed : 0)
                                       : 0;
        PaintSelf(control, *record, state | HoverBit(*window, control));
    }
    return result;
}

void RedrawButton(HWND control, std::int32_t state, bool hot) {
    const ButtonRecord* record = ButtonRecordOf(control);
    if (!record) return;
    if (hot) state |= kButtonHot;
    switch (record->kind) {
    case kRadioButton:
        PaintRadioButton(control, state);
        return;
    case kCheckBox:
        PaintCheckBox(control, state);
        return;
    case kPushButton:
    case kImageButton:
    case kToggleImageButton:
        break;
    default:
        return;
    }
    HDC dc = GetDC(control);
    RECT client{};
    GetClientRect(control, &client);
    if (record->kind == kPushButton)
        PaintPushButton(control, dc, state, client);
    else if (record->kind == kImageButton)
        PaintImageButton(control, dc, state, client);
    else
        PaintToggleImageButton(control, dc, state, client);
    ReleaseDC(control, dc);
}

void PaintPushButton(HWND control, HDC dc, std::int32_t state, const RECT& rect) {
    const ButtonRecord* record = ButtonRecordOf(control);
    if (!record) return;
    ControlCanvas canvas;
    if (!BeginControlPaint(control, rect, canvas)) return;
    Graphics& g = canvas.graphics;
    const float x = static_cast<float>(rect.left), y = static_cast<float>(rect.top);
    const std::int32_t wi = rect.right - rect.left, hi = rect.bottom - rect.top;
    const float w = static_cast<float>(wi), h = static_cast<float>(hi);

    {
        GraphicsPath body;
        body.CreatePath();
        RoundedRectPath(body, x, y, w - 1, h - 1, 5);
        SolidBrush veil;
        veil.CreateSolidFill(0x78FFFFFF);
        g.FillPath(veil, body);
        veil.DeleteBrush();
        body.DeletePath();
    }

    if (state & kButtonDisabled) {
        SolidBrush flat;
        flat.CreateSolidFill(0xFFC0C0C0);
        g.FillRectangle(flat, x, y, w, h);
        flat.DeleteBrush();
        GraphicsPath outline;
        outline.CreatePath();
        RoundedRectPath(outline, x, y, w - 1, h - 1, 5);
        Pen pen;
        pen.CreatePen1(0x50000000, 1.0f);
        g.DrawPath(pen, outline);
        pen.DeletePen();
        outline.DeletePath();
    } else {
        GraphicsPath shape;
        shape.CreatePath();
        RoundedRectPath(shape, x, y, w - 1, h - 1, 5);
        {
            LinearGradientBrush shade;
            shade.CreateLineBrush({x, y}, {x, y + h - 1}, 0x00FFFFFF, 0x3C808080);
            g.FillPath(shade, shape);
            shade.DeleteBrush();
        }
        {
            GraphicsPath upper;
            upper.CreatePath();
            TopRoundedPath(upper, rect.left, rect.top, wi - 1, hi / 2, 5);
            LinearGradientBrush gloss;
            gloss.CreateLineBrush({x, y}, {x, y + h * 0.5f}, 0x32FFFFFF, 0x0AFFFFFF);
            g.FillPath(gloss, upper);
            gloss.DeleteBrush();
            upper.DeletePath();
        }
        if (state & kButtonHot) {
            LinearGradientBrush tint;
            tint.CreateLineBrush({x, y}, {x, y + h - 1}, ColourToArgb(ThemeColour, 60, true),
                                 ColourToArgb(ThemeColour, 10, true));
            g.FillPath(tint, shape);
            tint.DeleteBrush();
            Pen pen;
            pen.CreatePen1(ColourToArgb(ThemeColour, 255, true), 1.0f);
            g.DrawPath(pen, shape);
            pen.DeletePen();
        } else if (state & kButtonFocus) {
            DrawGlowPath(g, shape, 3, 0xDDCA22, 120);
            Pen pen;
            pen.CreatePen1(0x46000000, 1.0f);
            g.DrawPath(pen, shape);
            pen.DeletePen();
        } else {
            Pen pen;
            pen.CreatePen1(0x78000000, 1.0f);
            g.DrawPath(pen, shape);
            pen.DeletePen();
        }
        shape.DeletePath();

        if (state & kButtonPressed) {
            GraphicsPath inner;
            inner.CreatePath();
            RoundedRectPath(inner, x + 2, y + 2, w - 3, h - 3, 5);
            LinearGradientBrush press;
            press.CreateLineBrush({2.0f, 2.0f}, {2.0f, h - 2}, ColourToArgb(ThemeColour, 60, true), 0x64FFFFFF);
            g.FillPath(press, inner);
            press.DeleteBrush();
            inner.DeletePath();
        }
    }

    {
        SolidBrush ink;
        ink.CreateSolidFill(ButtonTextArgb(control));
        Font font;
        CreateButtonFont(font, *record, 0);
        StringFormat format;
        format.CreateStringFormat();
        format.SetStringFormatAlign(1);      // centre
        format.SetStringFormatLineAlign(1);  // centre
        g.DrawString(record->text, font, ink, RectRecord{0.0f, 2.0f, w, h}, format);
        format.DeleteStringFormat();
        font.DeleteFont();
        ink.DeleteBrush();
    }

    BitBlt(dc, 0, 0, wi, hi, canvas.snapshot, 0, 0, SRCCOPY);
    // The DC is the caller's: only the graphics and the snapshot go here.
    EndControlPaint(control, nullptr, canvas);
}
