// Check boxes and auto radio buttons keep their system behaviour (clicks,
// keyboard, group logic) and are painted by the skin from their own
// WM_PAINT: a shaded ring with a teal dot, or one of two embedded glyphs,
// with the caption to the right. The mark always shows the state the
// control itself reports at paint time.
#include <string>

#include "app/resource_bytes.h"
#include "resources/resource_ids.h"
#include "skin/controls/buttons.h"
#include "skin/core/background_snapshot.h"
#include "skin/core/paint_routines.h"

namespace {

constexpr LONG kOwnerDrawBits = 0x0B;  // BS_OWNERDRAW
constexpr std::uint32_t kHoverGlowColour = 0xDDCA22;

bool IsCheckBoxStyle(LONG style) { return (style & 0x02) == 0x02 && (style & 0x04) == 0; }

bool IsChecked(HWND control) { return SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED; }


// Draws an embedded glyph at its own pixel size.
void DrawGlyph(Graphics& g, int resourceId, float x, float y) {
    Image glyph;
    if (glyph.LoadImageFromBytes(LoadResourceBytes(resourceId)))
        g.DrawImageRect(glyph, x, y, static_cast<float>(glyph.GetImageWidth()),
                        static_cast<float>(glyph.GetImageHeight()));
    glyph.DisposeImage();
}

void DrawCaption(Graphics& g, HWND control, const ButtonRecord& record, const RectRecord& layout) {
    SolidBrush ink;
    ink.CreateSolidFill(ButtonTextArgb(control));
    Font font;
    CreateButtonFont(font, record, 2);  // pixels
    StringFormat format;
    format.CreateStringFormat();
    format.SetStringFormatAlign(0);      // near
    format.SetStringFormatLineAlign(1);  // centre
    g.DrawString(record.text, font, ink, layout, format);
    format.DeleteStringFormat();
    font.DeleteFont();
    ink.DeleteBrush();
}

}  // namespace

void SkinCheckAndRadioButtons(std::int32_t windowIndex, HWND parent) {
    RegisterChildren(
        windowIndex, parent, "BUTTON", &SkinnedWindow::Buttons, ButtonWndProc,
        [windowIndex](HWND child) {
            const LONG style = GetWindowLongA(child, GWL_STYLE);
            if (IsAutoRadioButton(child) != 1 && !IsCheckBoxStyle(style)) return false;
            if ((style & kOwnerDrawBits) == kOwnerDrawBits) return false;
            // A second set-up of the same parent must not subclass a control
            // twice (its previous procedure would become this family's own).
            return FindButtonRecord(windowIndex, child) == 0;
        },
        [parent](ButtonRecord& record, HWND child) {
            record.text = WindowText(child);
            record.initialCheck = IsChecked(child) ? 1 : 0;
            record.parent = parent;
            record.kind = IsCheckBoxStyle(GetWindowLongA(child, GWL_STYLE)) ? kCheckBox : kRadioButton;
            const ControlFont font = ReadControlFont(child);
            record.fontFace = font.face;
            record.fontSize = font.size;
            record.fontStyle = font.style;
        });
}

void PaintRadioButton(HWND control, std::int32_t state) {
    const ButtonRecord* record = ButtonRecordOf(control);
    if (!record) return;
    RECT client{};
    GetClientRect(control, &client);
    ControlCanvas canvas;
    if (!BeginControlPaint(control, client, canvas)) return;
    Graphics& g = canvas.graphics;
    g.SetSmoothingMode(4);  // anti-alias
    const float x = 0.0f, y = 0.0f;
    const float w = static_cast<float>(canvas.width), h = static_cast<float>(canvas.height);
    const float top = y + (h - 12) / 2;

    {
        GraphicsPath ring;
        ring.CreatePath();
        ring.AddPathEllipse(x + 2, top, 12, 12);
        Pen pen;
        pen.CreatePen1(0xC8000000, 1.0f);
        g.DrawPath(pen, ring);
        pen.DeletePen();
        ring.DeletePath();
    }

    GraphicsPath centre;
    centre.CreatePath();
    centre.AddPathEllipse(x + 3, y + (h - 11) / 2 + 1, 9, 9);
    {
        Pen pen;
        pen.CreatePen1(0xFFFFFFFF, 1.0f);
        g.DrawPath(pen, centre);
        pen.DeletePen();
        SolidBrush white;
        white.CreateSolidFill(0xFFFFFFFF);
        g.FillPath(white, centre);
        white.DeleteBrush();
    }
    const float y0 = top + 1;
    {
        LinearGradientBrush shade;
        shade.CreateLineBrush({x + 3, y0}, {x + 10, y0 + 10}, 0x64000000, 0x00000000);
        g.FillPath(shade, centre);
        shade.DeleteBrush();
    }
    if (state & kButtonHot) {
        LinearGradientBrush tint;
        tint.CreateLineBrush({x + 3, y0}, {x + 11, y0 + 11}, ColourToArgb(ThemeColour, 100, true), 0x00000000);
        g.FillPath(tint, centre);
        tint.DeleteBrush();
        DrawGlowPath(g, centre, 2, kHoverGlowColour, 30);
    }
    centre.DeletePath();

    // Last, so a hover tint never covers the dot.
    if (IsChecked(control)) {
        GraphicsPath dot;
        dot.CreatePath();
        dot.AddPathEllipse(x + 5, top + 3, 6, 6);
        PathGradientBrush glow;
        glow.CreatePathGradientFromPath(dot);
        glow.SetPathGradientCenterColor(0x64FFFFFF);
        glow.SetPathGradientSurroundColorsWithCount({0xFF008080});
        Pen pen;
        pen.CreatePen1(0xC8000000, 1.0f);
        g.DrawPath(pen, dot);
        pen.DeletePen();
        g.FillPath(glow, dot);
        glow.DeleteBrush();
        dot.DeletePath();
    }

    DrawCaption(g, control, *record, RectRecord{x + 18, 2.0f, w, h});
    HDC screen = GetDC(control);
    EndControlPaint(control, screen, canvas);  // copies, then releases the DC and the snapshot
}

void PaintCheckBox(HWND control, std::int32_t state) {
    const ButtonRecord* record = ButtonRecordOf(control);
    if (!record) return;
    RECT client{};
    GetClientRect(control, &client);
    ControlCanvas canvas;
    if (!BeginControlPaint(control, client, canvas)) return;
    Graphics& g = canvas.graphics;
    const float x = 0.0f, y = 0.0f;
    const float w = static_cast<float>(canvas.width), h = static_cast<float>(canvas.height);
    const float top = y + (h - 13) / 2;

    DrawGlyph(g, IDR_CHECK_UNCHECKED_PNG, x, top);
    if (IsChecked(control)) DrawGlyph(g, IDR_CHECK_CHECKED_PNG, x, top);
    if (state & kButtonHot) {
        GraphicsPath box;
        box.CreatePath();
        box.AddPathRectangle(x, top, 13, 13);
        const PointRecord from{x + 3, y + (h - 12) / 2 + 1};
        LinearGradientBrush tint;
        tint.CreateLineBrush(from, {from.x + 11, from.y + 11}, ColourToArgb(ThemeColour, 100, true), 0x00000000);
        g.FillPath(tint, box);
        tint.DeleteBrush();
        DrawGlowPath(g, box, 2, kHoverGlowColour, 30);
        box.DeletePath();
    }

    DrawCaption(g, control, *record, RectRecord{x + 17, 2.0f, w - 19, h});
    HDC screen = GetDC(control);
    EndControlPaint(control, screen, canvas);  // copies, then releases the DC and the snapshot
}
