// The button painters, judged by pixels of what they compose over the window
// picture (a plain background colour here).
#include "tests/buttons/button_fixture.h"

using namespace button_test;
using skin_test::Brightness;
using skin_test::Near;

namespace {

constexpr int kW = 80, kH = 30;

// Points of a push button's body away from its centred caption.
const POINT kBodyPoints[] = {{40, 4}, {40, 26}, {6, 15}, {73, 15}};

class PushButtonPainter : public ButtonWindow {
protected:
    void SetUp() override {
        ButtonWindow::SetUp();
        button_ = Add(BS_PUSHBUTTON, 20, 40, kW, kH, "OK");
        AttachSkin();
    }
    // Paints the button in `state` into a fresh surface and returns the
    // colours at the sample points.
    std::vector<COLORREF> Paint(std::int32_t state, std::vector<POINT> points = {}) {
        if (points.empty()) points.assign(std::begin(kBodyPoints), std::end(kBodyPoints));
        Surface surface(kW, kH);
        PaintPushButton(button_, surface.Dc(), state, surface.Rect());
        std::vector<COLORREF> colours;
        for (const POINT& p : points) colours.push_back(surface.At(p.x, p.y));
        return colours;
    }
    HWND button_ = nullptr;
};

// Red minus blue: how far a pixel has moved toward the red theme colour
// (the background is blue).
int Redness(COLORREF c) { return Red(c) - Blue(c); }

}  // namespace

TEST_F(PushButtonPainter, NormalBodyIsAGlassyRoundedRectangleOverTheBackground) {
    const auto body = Paint(0);
    for (COLORREF c : body) EXPECT_GT(Brightness(c), Brightness(kBackground) + 100) << std::hex << c;
    // The corner lies outside the rounded body.
    EXPECT_TRUE(Near(Paint(0, {{0, 0}})[0], kBackground, 3));
}

TEST_F(PushButtonPainter, DisabledButtonIsAFlatGreyRectangleWithItsText) {
    Surface surface(kW, kH);
    PaintPushButton(button_, surface.Dc(), kButtonDisabled, surface.Rect());
    // Square corners and a flat body.
    for (POINT p : {POINT{0, 0}, POINT{kW - 1, 0}, POINT{40, 4}, POINT{6, 15}, POINT{73, 15}})
        EXPECT_TRUE(Near(surface.At(p.x, p.y), 0xC0C0C0, 3)) << p.x << "," << p.y << " " << std::hex
                                                               << surface.At(p.x, p.y);
    int dark = 0;
    for (int y = 6; y < 26; ++y)
        for (int x = 20; x < 60; ++x) dark += Brightness(surface.At(x, y)) < 300;
    EXPECT_GT(dark, 5) << "the caption is drawn on the disabled body";
}

TEST_F(PushButtonPainter, HotLookWinsOverFocus) {
    const std::vector<POINT> edge = {{40, 4}, {40, 26}, {0, 15}, {1, 15}, {2, 15}, {kW - 2, 15}};
    const auto hot = Paint(kButtonHot, edge);
    const auto both = Paint(kButtonHot | kButtonFocus, edge);
    const auto focus = Paint(kButtonFocus, edge);
    const auto normal = Paint(0, edge);
    int focusDiffers = 0;
    for (std::size_t i = 0; i < edge.size(); ++i) {
        EXPECT_TRUE(Near(both[i], hot[i], 3)) << "point " << i << std::hex << " " << both[i] << " vs " << hot[i];
        focusDiffers += !Near(focus[i], hot[i], 12);
    }
    EXPECT_GT(focusDiffers, 0) << "the focus look is a different look";
    // The hot body carries the theme tint; the focused body does not.
    EXPECT_GT(Redness(hot[0]), Redness(normal[0]) + 10);
    EXPECT_NEAR(Redness(focus[0]), Redness(normal[0]), 3);
}

TEST_F(PushButtonPainter, PressedAddsTheInnerThemeToWhiteGradient) {
    const std::vector<POINT> points = {{40, 4}, {40, 25}};
    const auto normal = Paint(0, points);
    const auto pressed = Paint(kButtonPressed, points);
    EXPECT_GT(Redness(pressed[0]), Redness(normal[0]) + 8) << "theme colour at the top";
    EXPECT_GT(Brightness(pressed[1]), Brightness(normal[1]) + 15) << "white toward the bottom";
    // Pressed and hot: the hot look, then the inner gradient over it.
    const auto hot = Paint(kButtonHot, points);
    const auto hotPressed = Paint(kButtonHot | kButtonPressed, points);
    EXPECT_GT(Brightness(hotPressed[1]), Brightness(hot[1]) + 15);
}

namespace {

class SelfPaintedButtons : public ButtonWindow {};

// Mean of red and of green minus red over points inside the radio's dot
// (a 24-pixel-high control: the dot is centred on (8, 12)).
struct DotColour {
    int red = 0, greenOverRed = 0;
};
DotColour DotAt(HWND radio) {
    DotColour d;
    const POINT points[] = {{6, 12}, {10, 12}, {8, 10}, {8, 14}};
    for (POINT p : points) {
        const COLORREF c = ScreenPixel(radio, p.x, p.y);
        d.red += Red(c) / 4;
        d.greenOverRed += (Green(c) - Red(c)) / 4;
    }
    return d;
}

}  // namespace

TEST_F(SelfPaintedButtons, CheckedRadioShowsTheDotAndUncheckedNone) {
    HWND on = Add(BS_AUTORADIOBUTTON | WS_GROUP, 10, 10, 90, 24, "on");
    HWND off = Add(BS_AUTORADIOBUTTON | WS_GROUP, 10, 40, 90, 24, "off");
    SendMessageA(on, BM_SETCHECK, BST_CHECKED, 0);
    AttachSkin();
    PaintRadioButton(on, 0);
    PaintRadioButton(off, 0);
    const DotColour dot = DotAt(on), none = DotAt(off);
    EXPECT_LT(dot.red, none.red - 30);
    EXPECT_GT(dot.greenOverRed, 20) << "teal";
    EXPECT_LT(std::abs(none.greenOverRed), 10) << "white shaded centre";
    // Outside the ring the window picture shows.
    EXPECT_TRUE(Near(ScreenPixel(off, 1, 2), kBackground, 3));

    // The mark is the control's own state, whatever it was at registration.
    SendMessageA(on, BM_SETCHECK, BST_UNCHECKED, 0);
    PaintRadioButton(on, 0);
    EXPECT_GT(DotAt(on).red, dot.red + 30);
}

TEST_F(SelfPaintedButtons, CheckGlyphSitsAtTheTopOfA13PixelControlAndCentredInATallerOne) {
    struct Case {
        int height, glyphTop;
    };
    const Case cases[] = {{13, 0}, {25, 6}};
    std::vector<HWND> boxes;
    int y = 10;
    for (const Case& c : cases) {
        boxes.push_back(Add(BS_AUTOCHECKBOX, 10, y, 90, c.height, ""));
        y += c.height + 10;
    }
    AttachSkin();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const int top = cases[i].glyphTop;
        PaintCheckBox(boxes[i], 0);
        EXPECT_LT(Brightness(ScreenPixel(boxes[i], 6, top)), 100) << "border, height " << cases[i].height;
        EXPECT_GT(Brightness(ScreenPixel(boxes[i], 6, top + 1)), 600) << "light interior";
        EXPECT_LT(Brightness(ScreenPixel(boxes[i], 6, top + 12)), 100) << "bottom border";
        if (top > 0) {
            EXPECT_TRUE(Near(ScreenPixel(boxes[i], 6, top - 1), kBackground, 3)) << "above the glyph";
        }
    }
}

TEST_F(SelfPaintedButtons, SetCheckRepaintsTheTickAtOnce) {
    HWND box = Add(BS_AUTOCHECKBOX, 10, 10, 90, 13, "");
    AttachSkin();
    PaintCheckBox(box, 0);
    const COLORREF tick = RGB(0x24, 0x6E, 0x75), border = RGB(0x18, 0x51, 0x84);
    EXPECT_FALSE(Near(ScreenPixel(box, 5, 7), tick, 20));
    SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);  // no message loop in between
    EXPECT_TRUE(Near(ScreenPixel(box, 5, 7), tick, 8)) << std::hex << ScreenPixel(box, 5, 7);
    EXPECT_TRUE(Near(ScreenPixel(box, 9, 3), tick, 8));
    EXPECT_TRUE(Near(ScreenPixel(box, 6, 0), border, 8));
    SendMessageA(box, BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_FALSE(Near(ScreenPixel(box, 5, 7), tick, 20));
}

TEST_F(SelfPaintedButtons, HoverAddsTheThemeTintToTheMark) {
    HWND radio = Add(BS_AUTORADIOBUTTON, 10, 10, 90, 24, "r");
    HWND box = Add(BS_AUTOCHECKBOX, 10, 40, 90, 25, "c");
    AttachSkin();
    struct Case {
        HWND control;
        void (*paint)(HWND, std::int32_t);
        POINT inside;
    };
    const Case cases[] = {{radio, PaintRadioButton, {5, 10}}, {box, PaintCheckBox, {4, 8}}};
    for (const Case& c : cases) {
        c.paint(c.control, 0);
        const COLORREF plain = ScreenPixel(c.control, c.inside.x, c.inside.y);
        c.paint(c.control, kButtonHot);
        const COLORREF hot = ScreenPixel(c.control, c.inside.x, c.inside.y);
        EXPECT_GT(Red(hot) - Green(hot), Red(plain) - Green(plain) + 15)
            << std::hex << plain << " -> " << hot;
    }
}

TEST_F(SelfPaintedButtons, CaptionIsDrawnEvenWhenGdiplusCannotUseTheControlsFont) {
    HWND radio = Add(BS_AUTORADIOBUTTON, 10, 10, 120, 24, "WWWW");
    // A bitmap font: GDI+ takes only TrueType faces.
    SendMessageA(radio, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(SYSTEM_FONT)), FALSE);
    AttachSkin();
    PaintRadioButton(radio, 0);
    EXPECT_GT(DarkScreenPixels(radio, RECT{18, 0, 120, 24}, 150), 10);
}
