// The shared button procedure: what it swallows, what it repaints and when.
#include "tests/buttons/button_fixture.h"

using namespace button_test;
using skin_test::Brightness;
using skin_test::Near;
using skin_test::Point;
using skin_test::SawMessage;

namespace {

bool SawCommandFrom(HWND parent) { return SawMessage(parent, WM_COMMAND); }

std::vector<COLORREF> ScreenPixels(HWND control, const RECT& area) {
    std::vector<COLORREF> pixels;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) pixels.push_back(ScreenPixel(control, x, y));
    return pixels;
}

}  // namespace

TEST_F(ButtonWindow, DoubleClickIsSwallowed) {
    HWND push = Add(BS_PUSHBUTTON, 10, 10, 80, 30, "push");
    HWND radio = Add(BS_AUTORADIOBUTTON, 10, 50, 80, 24, "radio");
    AttachSkin();
    for (HWND b : {push, radio}) {
        skin_test::Seen().clear();
        // The second click of a double click, then its release.
        EXPECT_EQ(SendMessageA(b, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(5, 5)), 0);
        EXPECT_EQ(SendMessageA(b, BM_GETSTATE, 0, 0) & BST_PUSHED, 0u) << "not pressed again";
        SendMessageA(b, WM_LBUTTONUP, 0, Point(5, 5));
        skin_test::Pump();
        EXPECT_FALSE(SawCommandFrom(window_)) << "no click or double-click notification";
    }
    EXPECT_EQ(SendMessageA(radio, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(ButtonWindow, SetTextRepaintsWithTheNewTextAtOnce) {
    HWND push = Add(BS_PUSHBUTTON, 10, 10, 90, 30, "");
    HWND radio = Add(BS_AUTORADIOBUTTON, 10, 50, 120, 24, "");
    AttachSkin();
    struct Case {
        HWND control;
        RECT textArea;
        POINT clearPoint;  // away from the text: shows the skin, not the system look
    };
    const Case cases[] = {{push, {20, 6, 70, 26}, {45, 3}}, {radio, {18, 0, 120, 24}, {118, 1}}};
    for (const Case& c : cases) {
        RedrawButton(c.control, 0, false);
        const COLORREF clear = ScreenPixel(c.control, c.clearPoint.x, c.clearPoint.y);
        EXPECT_EQ(DarkScreenPixels(c.control, c.textArea, 200), 0);
        SetWindowTextA(c.control, "WWW");  // no message loop in between
        EXPECT_EQ(RecordOf(c.control).text, "WWW");
        EXPECT_GT(DarkScreenPixels(c.control, c.textArea, 200), 10);
        EXPECT_TRUE(Near(ScreenPixel(c.control, c.clearPoint.x, c.clearPoint.y), clear, 3));
    }
}

TEST_F(ButtonWindow, HoverRepaintsOnEnteringAndOnLeavingOnly) {
    HWND a = Add(BS_PUSHBUTTON, 10, 10, 80, 30, "");
    HWND b = Add(BS_PUSHBUTTON, 100, 10, 80, 30, "");
    AttachSkin();
    // What the painter makes of B in each look, for comparison.
    Surface normalLook(80, 30), hotLook(80, 30);
    PaintPushButton(b, normalLook.Dc(), 0, normalLook.Rect());
    PaintPushButton(b, hotLook.Dc(), kButtonHot, hotLook.Rect());
    ASSERT_FALSE(Near(normalLook.At(40, 4), hotLook.At(40, 4), 10));

    SendMessageA(a, WM_MOUSEMOVE, 0, Point(5, 5));
    EXPECT_TRUE(Near(ScreenPixel(a, 40, 4), hotLook.At(40, 4), 3)) << "entering paints hot";
    EXPECT_EQ(Window().hotIndex, FindButtonRecord(position_, a));

    FillScreen(a, kMarker);
    SendMessageA(a, WM_MOUSEMOVE, 0, Point(9, 9));
    EXPECT_EQ(ScreenPixel(a, 40, 4), kMarker) << "moving within the button does not repaint it";

    FillScreen(b, kMarker);
    SendMessageA(b, WM_MOUSEMOVE, 0, Point(5, 5));
    EXPECT_TRUE(Near(ScreenPixel(b, 40, 4), hotLook.At(40, 4), 3)) << "the new button is painted hot";
    EXPECT_EQ(ScreenPixel(a, 40, 4), kMarker) << "the old one waits for its leave";
    EXPECT_EQ(Window().hotIndex, FindButtonRecord(position_, b));

    SendMessageA(a, WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(Near(ScreenPixel(a, 40, 4), normalLook.At(40, 4), 3)) << "leaving paints the old one normal";
    EXPECT_EQ(Window().hotIndex, 0);
}

TEST_F(ButtonWindow, KeyboardMovesTheCheckInTheRadioGroupAndEachRepaints) {
    HWND first = Add(BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 10, 10, 90, 24, "a");
    HWND second = Add(BS_AUTORADIOBUTTON, 10, 40, 90, 24, "b");
    HWND third = Add(BS_AUTORADIOBUTTON, 10, 70, 90, 24, "c");
    Add(BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP, 150, 10, 80, 30, "go");
    SendMessageA(first, BM_SETCHECK, BST_CHECKED, 0);
    AttachSkin();
    SetForegroundWindow(window_);
    SetFocus(first);

    auto key = [&](UINT message, WPARAM vk) {
        MSG msg{GetFocus(), message, vk, 1, static_cast<DWORD>(GetMessageTime()), {}};
        if (!IsDialogMessageA(window_, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    };
    // The teal dot at the radio's left: the red channel drops under it.
    auto dotShown = [](HWND radio) { return Red(ScreenPixel(radio, 6, 12)) < 170; };

    key(WM_KEYDOWN, VK_DOWN);
    key(WM_KEYUP, VK_DOWN);
    EXPECT_EQ(GetFocus(), second);
    EXPECT_EQ(SendMessageA(second, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(first, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_TRUE(dotShown(second));
    EXPECT_FALSE(dotShown(first));

    SetFocus(third);
    key(WM_KEYDOWN, VK_SPACE);
    key(WM_KEYUP, VK_SPACE);
    EXPECT_EQ(SendMessageA(third, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(dotShown(third));
    EXPECT_FALSE(dotShown(second));
    // Focus changes and presses leave the skin's look, not the system's.
    for (HWND r : {first, second, third})
        EXPECT_TRUE(Near(ScreenPixel(r, 88, 1), kBackground, 3)) << std::hex << ScreenPixel(r, 88, 1);

    // Focus arriving, a hover repaint, focus leaving: what stays on the
    // screen is exactly the skin's picture, with nothing the system drew.
    SetFocus(first);
    RedrawButton(first, 0, true);
    SetFocus(third);
    RedrawButton(first, 0, false);
    SetFocus(second);
    const auto shown = ScreenPixels(first, RECT{0, 0, 90, 24});
    PaintRadioButton(first, 0);
    EXPECT_EQ(shown, ScreenPixels(first, RECT{0, 0, 90, 24}));

    // Leave the skinned window inactive before it goes, so that closing the
    // test does not count as switching to another application (which would
    // start the memory-trim tool).
    HWND other = test_support::CreateTestWindow();
    ShowWindow(other, SW_SHOW);
    SetForegroundWindow(other);
    DestroyWindow(window_);
    DestroyWindow(other);
    skin_test::Pump();
}
