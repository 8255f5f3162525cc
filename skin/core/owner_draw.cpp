// The skinned window's answer to WM_DRAWITEM, and the painters of the two
// picture-button kinds a program registers on top of the push buttons the
// skin finds itself.
#include <algorithm>
#include <optional>
#include <string>

#include "skin/controls/buttons.h"
#include "skin/core/paint_routines.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kGrey = 0x808080;

// Fills a rounded rectangle with a linear gradient between two points.
void FillRounded(Graphics& g, float x, float y, float w, float h, std::int32_t corner, PointRecord from,
                 PointRecord to, std::uint32_t fromArgb, std::uint32_t toArgb) {
    GraphicsPath path;
    path.CreatePath();
    RoundedRectPath(path, x, y, w, h, corner);
    LinearGradientBrush brush;
    brush.CreateLineBrush(from, to, fromArgb, toArgb);
    g.FillPath(brush, path);
    brush.DeleteBrush();
    path.DeletePath();
}

void OutlineRounded(Graphics& g, float x, float y, float w, float h, std::int32_t corner, std::uint32_t argb) {
    GraphicsPath path;
    path.CreatePath();
    RoundedRectPath(path, x, y, w, h, corner);
    Pen pen;
    pen.CreatePen1(argb, 1.0f);
    g.DrawPath(pen, path);
    pen.DeletePen();
    path.DeletePath();
}

// A frame drawn first and then filled (the fill covers its inner half), the
// look of a picture button that has no own picture for its state.
void FramedFill(Graphics& g, float w, float h, std::int32_t corner, std::uint32_t penArgb, std::uint32_t topArgb,
                std::uint32_t bottomArgb) {
    OutlineRounded(g, 0.0f, 0.0f, w, h, corner, penArgb);
    FillRounded(g, 0.0f, 0.0f, w, h, corner, {0.0f, 0.0f}, {0.0f, h}, topArgb, bottomArgb);
}

// Draws a picture given as file bytes; a picture that cannot be decoded
// draws nothing. Without a size the picture keeps its own.
void DrawPicture(Graphics& g, const ByteSet& bytes, float x, float y, std::optional<float> size = {}) {
    Image picture;
    if (picture.LoadImageFromBytes(bytes)) {
        const float w = size ? *size : static_cast<float>(picture.GetImageWidth());
        const float h = size ? *size : static_cast<float>(picture.GetImageHeight());
        g.DrawImageRect(picture, x, y, w, h);
    }
    picture.DisposeImage();
}

}  // namespace

void DrawItemDispatch(std::int32_t windowIndex, const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_BUTTON) return;
    const auto position = static_cast<std::int32_t>(GetIntProp(item.hwndItem, "Hw_lbID"));
    if (position <= 0) return;
    SkinnedWindow* window = SkinnedWindowAt(windowIndex);
    const ButtonRecord* record = window ? window->Buttons.At(position) : nullptr;
    // Another window's control may carry the same property names.
    if (!record || record->hwnd != item.hwndItem) return;
    const auto state = static_cast<std::int32_t>(item.itemState);
    switch (record->kind) {
    case kPushButton:
        PaintPushButton(item.hwndItem, item.hDC, state, item.rcItem);
        break;
    case kImageButton:
        PaintImageButton(item.hwndItem, item.hDC, state, item.rcItem);
        break;
    case kToggleImageButton:
        PaintToggleImageButton(item.hwndItem, item.hDC, state, item.rcItem);
        break;
    default:
        // Check boxes and radio buttons paint themselves.
        break;
    }
}

void PaintImageButton(HWND control, HDC dc, std::int32_t state, const RECT& rect) {
    const ButtonRecord* record = ButtonRecordOf(control);
    if (!record) return;
    ControlCanvas canvas;
    if (!BeginControlPaint(control, rect, canvas)) return;
    Graphics& g = canvas.graphics;
    const float x = static_cast<float>(rect.left), y = static_cast<float>(rect.top);
    const float w = static_cast<float>(canvas.width), h = static_cast<float>(canvas.height);

    if (state & kButtonDisabled) {
        FillRounded(g, x + 2, y + 2, w - 6, h - 6, 5, {1.0f, 1.0f}, {1.0f, h}, ColourToArgb(kGrey, 50, true),
                    ColourToArgb(kWhite, 0, true));
    } else {
        if (state & kButtonHot) {
            FillRounded(g, x + 2, y + 1, w - 5, h - 4, 2, {x + 1, y + 1}, {x + 1, y + 1 + h - 5},
                        ColourToArgb(kWhite, 50, true), ColourToArgb(kWhite, 40, true));
            // A light line along the bottom, brightest in the middle.
            GraphicsPath line;
            line.CreatePath();
            line.AddPathLine(x + 1, h - 4, w - 1, h - 4);
            LinearGradientBrush light;
            light.CreateLineBrush({x + 1, y + 1}, {w - 1, y + 1}, ColourToArgb(kWhite, 10, true),
                                  ColourToArgb(kWhite, 255, true));
            light.SetLineLinearBlend(0.5f, 0.8f);
            Pen pen;
            pen.CreatePen2(light, 2.0f);
            g.DrawPath(pen, line);
            pen.DeletePen();
            light.DeleteBrush();
            line.DeletePath();
        }
        if (state & (kButtonFocus | kButtonHot)) {
            FillRounded(g, x + 2, y + 2, w - 5, h - 5, 2, {2.0f, 3.0f}, {2.0f, h}, ColourToArgb(kWhite, 60, true),
                        ColourToArgb(kWhite, 50, true));
            OutlineRounded(g, x, y, w - 2, h - 2, 5, ColourToArgb(kBlack, 60, true));
            OutlineRounded(g, x + 1, y + 1, w - 4, h - 4, 5, ColourToArgb(kWhite, 120, true));
        }
    }

    SolidBrush ink;
    ink.CreateSolidFill(ButtonTextArgb(control));
    Font font;
    CreateButtonFont(font, *record, 0);
    StringFormat format;
    format.CreateStringFormat();
    format.SetStringFormatAlign(1);  // centre

    RECT client{};
    GetClientRect(control, &client);
    const float c = static_cast<float>(client.bottom - client.top);
    const float clientWidth = static_cast<float>(client.right - client.left);
    if (record->imageBesideText != 0 && !record->normalImage.empty()) {
        format.SetStringFormatAlign(0);      // near
        format.SetStringFormatLineAlign(1);  // centre
        const float s = static_cast<float>(static_cast<std::int32_t>(c * 0.8f));
        if (!record->text.empty())
            DrawPicture(g, record->normalImage, 3.0f, (h - s) / 2, s);
        else
            DrawPicture(g, record->normalImage, (w - s) / 2, (h - s) / 2, s);
        g.DrawString(record->text, font, ink, RectRecord{s + 5, 2.0f, clientWidth - s - 7, c}, format);
    } else if (record->imageBesideText != 0) {
        format.SetStringFormatLineAlign(1);
        g.DrawString(record->text, font, ink, RectRecord{0.0f, 0.0f, w, h}, format);
    } else {
        const std::int32_t fontSize = record->fontSize > 0 ? record->fontSize : 12;
        // A button lower than its caption gets no picture rather than a mirrored one.
        const float s = std::max(0.0f, static_cast<float>(static_cast<std::int32_t>((h - fontSize - 2) * 0.8f)));
        DrawPicture(g, record->normalImage, (w - s) / 2, h * 0.05f, s);
        format.SetStringFormatTrimming(3);  // ellipsis character
        g.DrawString(record->text, font, ink, RectRecord{0.0f, s + h * 0.05f + 2, w, h - s}, format);
    }
    format.DeleteStringFormat();
    font.DeleteFont();
    ink.DeleteBrush();

    BitBlt(dc, 0, 0, canvas.width, canvas.height, canvas.snapshot, 0, 0, SRCCOPY);
    EndControlPaint(control, nullptr, canvas);  // the DC stays the caller's
}

void PaintToggleImageButton(HWND control, HDC dc, std::int32_t state, const RECT& rect) {
    const ButtonRecord* record = ButtonRecordOf(control);
    if (!record) return;
    ControlCanvas canvas;
    if (!BeginControlPaint(control, rect, canvas)) return;
    Graphics& g = canvas.graphics;

    Image normal;
    normal.LoadImageFromBytes(record->normalImage);
    const float pw = static_cast<float>(normal.GetImageWidth());
    const float ph = static_cast<float>(normal.GetImageHeight());
    auto drawNormal = [&] {
        if (normal.GetNativeHandle()) g.DrawImageRect(normal, 2.0f, 2.0f, pw, ph);
    };
    const std::uint32_t themeFrame = ColourToArgb(ThemeColour, 250, true);

    if (state & kButtonDisabled) {
        if (!record->disabledImage.empty()) {
            DrawPicture(g, record->disabledImage, 2.0f, 2.0f);
        } else {
            FramedFill(g, pw + 2, ph + 2, 5, ColourToArgb(kBlack, 80, true), ColourToArgb(kWhite, 60, true),
                       ColourToArgb(kBlack, 100, true));
            drawNormal();
        }
    } else if (state & kButtonHot) {
        if (!record->hotImage.empty()) {
            DrawPicture(g, record->hotImage, 2.0f, 2.0f);
        } else {
            FramedFill(g, pw + 3, ph + 3, 3, themeFrame, ColourToArgb(kWhite, 120, true),
                       ColourToArgb(ThemeColour, 100, true));
            drawNormal();
        }
    } else if (state & kButtonPressed) {
        if (!record->pressedImage.empty()) {
            DrawPicture(g, record->pressedImage, 2.0f, 2.0f);
        } else {
            FramedFill(g, pw + 3, ph + 3, 3, themeFrame, ColourToArgb(kBlack, 60, true),
                       ColourToArgb(kWhite, 100, true));
            drawNormal();
        }
    } else {
        drawNormal();
    }
    normal.DisposeImage();

    BitBlt(dc, 0, 0, canvas.width, canvas.height, canvas.snapshot, 0, 0, SRCCOPY);
    EndControlPaint(control, nullptr, canvas);  // the DC stays the caller's
}
