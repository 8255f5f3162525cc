// Picture buttons registered through the skin object's operations, their
// painters, and the owner-draw dispatch.
#include "tests/buttons/button_fixture.h"

#include <commctrl.h>

using namespace button_test;
using skin_test::Near;
using skin_test::SolidPng;

namespace {

constexpr int kImageSlot = 32, kToggleSlot = 33;

std::int32_t MakeImage(HWND button, const ByteSet& image, std::int32_t option, const std::string& tip) {
    return CallSlot<std::int32_t, HWND, const ByteSet&, std::int32_t, const std::string&>(::Skin, kImageSlot, button,
                                                                                         image, option, tip);
}

std::int32_t MakeToggle(HWND button, const ByteSet& normal, const ByteSet& hot, const ByteSet& pressed,
                        const ByteSet& disabled, const std::string& tip) {
    return CallSlot<std::int32_t, HWND, const ByteSet&, const ByteSet&, const ByteSet&, const ByteSet&,
                    const std::string&>(::Skin, kToggleSlot, button, normal, hot, pressed, disabled, tip);
}

std::string ToolText(HWND tip, HWND owner) {
    char text[80] = {};
    TOOLINFOA info{};
    info.cbSize = sizeof info;
    info.hwnd = owner;
    info.uId = 1;
    info.lpszText = text;
    SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
    return text;
}

}  // namespace

TEST_F(ButtonWindow, ImageButtonOnASkinnedPushButtonChangesItInPlace) {
    HWND push = Add(BS_PUSHBUTTON, 10, 10, 80, 30, "go");
    AttachSkin();
    const std::int32_t position = FindButtonRecord(position_, push);
    const auto previous = GetIntProp(push, "Hw_hProc");
    const ByteSet image = SolidPng(8, 8, 0xFF00FF00);

    EXPECT_EQ(MakeImage(push, image, 1, ""), 1);
    EXPECT_EQ(FindButtonRecord(position_, push), position);
    EXPECT_EQ(Window().Buttons.Count(), 1);
    const ButtonRecord& r = Window().Buttons[position];
    EXPECT_EQ(r.kind, kImageButton);
    EXPECT_EQ(r.normalImage, image);
    EXPECT_EQ(r.imageBesideText, 1);
    EXPECT_EQ(r.text, "go");
    // Not subclassed a second time: the procedure it replaced is still the system's.
    EXPECT_EQ(GetIntProp(push, "Hw_hProc"), previous);
    EXPECT_EQ(r.previousProc, reinterpret_cast<WNDPROC>(previous));
    EXPECT_EQ(GetWindowLongA(push, GWL_WNDPROC), reinterpret_cast<LONG>(ButtonWndProc));
    EXPECT_EQ(SendMessageA(push, BM_GETSTATE, 0, 0) & BST_PUSHED, 0u);  // messages still reach the control
}

TEST_F(ButtonWindow, NewPictureButtonsFillTheEmptyRecordThenAppend) {
    AttachSkin();
    ASSERT_EQ(Window().Buttons.Count(), 1);
    HWND first = Add(BS_PUSHBUTTON, 10, 10, 40, 40, "a");
    HWND second = Add(BS_PUSHBUTTON, 60, 10, 40, 40, "b");
    const ByteSet image = SolidPng(8, 8, 0xFF00FF00);
    EXPECT_EQ(MakeImage(first, image, 0, "tip"), 1);
    EXPECT_EQ(MakeToggle(second, image, {}, {}, {}, "tip"), 1);
    EXPECT_EQ(Window().Buttons.Count(), 2);
    EXPECT_EQ(GetIntProp(first, "Hw_lbID"), 1);
    EXPECT_EQ(GetIntProp(second, "Hw_lbID"), 2);
    EXPECT_EQ(GetIntProp(second, "Hw_FuID"), position_);
    EXPECT_EQ(Window().Buttons[2].kind, kToggleImageButton);
    for (HWND b : {first, second}) {
        EXPECT_EQ(GetWindowLongA(b, GWL_STYLE) & 0xF, BS_OWNERDRAW);
        EXPECT_EQ(GetWindowLongA(b, GWL_WNDPROC), reinterpret_cast<LONG>(ButtonWndProc));
        EXPECT_EQ(GetIntProp(b, "Hw_hProc"), reinterpret_cast<std::intptr_t>(RecordOf(b).previousProc));
        EXPECT_NE(RecordOf(b).previousProc, nullptr);
    }
}

TEST_F(ButtonWindow, ToggleImageButtonWithoutHotPictureShowsTheThemeFrameWhenHot) {
    HWND plain = Add(BS_PUSHBUTTON, 10, 10, 40, 40, "");
    HWND withHot = Add(BS_PUSHBUTTON, 60, 10, 40, 40, "");
    AttachSkin();
    const ByteSet green = SolidPng(16, 16, 0xFF00C000), white = SolidPng(16, 16, 0xFFFFFFFF);
    ASSERT_EQ(MakeToggle(plain, green, {}, {}, {}, ""), 1);
    ASSERT_EQ(MakeToggle(withHot, green, white, {}, {}, ""), 1);

    struct Case {
        HWND button;
        std::int32_t state;
        bool frame;      // theme frame and tint around the picture
        COLORREF inner;  // the picture shown
    };
    const Case cases[] = {
        {plain, kButtonHot, true, RGB(0, 0xC0, 0)},
        {plain, 0, false, RGB(0, 0xC0, 0)},
        {withHot, kButtonHot, false, RGB(255, 255, 255)},
    };
    for (const Case& c : cases) {
        Surface surface(40, 40);
        PaintToggleImageButton(c.button, surface.Dc(), c.state, surface.Rect());
        EXPECT_TRUE(Near(surface.At(10, 10), c.inner, 3)) << std::hex << surface.At(10, 10);
        // Just right of the 16-pixel picture drawn at (2, 2), inside the frame.
        const COLORREF beside = surface.At(18, 12);
        if (c.frame)
            EXPECT_GT(Red(beside), Red(kBackground) + 40) << std::hex << beside;
        else
            EXPECT_TRUE(Near(beside, kBackground, 3)) << std::hex << beside;
        // Far from the picture the window picture shows in every state.
        EXPECT_TRUE(Near(surface.At(35, 35), kBackground, 3));
    }
}

TEST_F(ButtonWindow, EmptyTooltipTextKeepsTheTooltip) {
    HWND button = Add(BS_PUSHBUTTON, 10, 10, 40, 40, "");
    AttachSkin();
    const ByteSet image = SolidPng(8, 8, 0xFF00FF00);
    ASSERT_EQ(MakeImage(button, image, 0, "first"), 1);
    const HWND tip = RecordOf(button).tooltip.GetHwnd();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(ToolText(tip, button), "first");

    ASSERT_EQ(MakeImage(button, image, 0, ""), 1);
    EXPECT_EQ(RecordOf(button).tooltip.GetHwnd(), tip);
    EXPECT_EQ(ToolText(tip, button), "first");

    ASSERT_EQ(MakeToggle(button, image, {}, {}, {}, "second"), 1);
    EXPECT_EQ(RecordOf(button).tooltip.GetHwnd(), tip) << "the text changes, the window stays";
    EXPECT_EQ(ToolText(tip, button), "second");
}

TEST_F(ButtonWindow, ButtonWithoutSkinnedAncestorIsNotRegistered) {
    HWND button = Add(BS_PUSHBUTTON, 10, 10, 40, 40, "");  // the window is never skinned
    const LONG procedure = GetWindowLongA(button, GWL_WNDPROC);
    const ByteSet image = SolidPng(8, 8, 0xFF00FF00);
    EXPECT_EQ(MakeImage(button, image, 0, "tip"), 0);
    EXPECT_EQ(MakeToggle(button, image, image, image, image, "tip"), 0);
    EXPECT_EQ(GetWindowLongA(button, GWL_WNDPROC), procedure);
    EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & 0xF, BS_PUSHBUTTON);
    EXPECT_EQ(GetPropA(button, "Hw_lbID"), nullptr);
}

TEST_F(ButtonWindow, DrawItemDispatchPaintsOwnerDrawnKindsOnly) {
    HWND push = Add(BS_PUSHBUTTON, 10, 10, 40, 24, "");
    HWND radio = Add(BS_AUTORADIOBUTTON, 10, 40, 40, 24, "");
    HWND box = Add(BS_AUTOCHECKBOX, 10, 70, 40, 24, "");
    AttachSkin();
    struct Case {
        HWND control;
        UINT type;
        bool painted;
    };
    const Case cases[] = {
        {push, ODT_BUTTON, true},
        {radio, ODT_BUTTON, false},
        {box, ODT_BUTTON, false},
        {push, ODT_STATIC, false},
    };
    for (const Case& c : cases) {
        Surface surface(40, 24);
        DRAWITEMSTRUCT item{};
        item.CtlType = c.type;
        item.hwndItem = c.control;
        item.hDC = surface.Dc();
        item.rcItem = surface.Rect();
        DrawItemDispatch(position_, item);
        EXPECT_EQ(surface.At(20, 4) != kMarker, c.painted) << "type " << c.type;
    }
}
