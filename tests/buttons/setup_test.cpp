// Which buttons the two set-ups take, and what they record.
#include "tests/buttons/button_fixture.h"

using namespace button_test;

namespace {

struct SetupCase {
    const char* name;
    DWORD type;
    bool taken;
    std::int32_t kind;
    DWORD typeAfter;  // low four style bits after the skin is attached
};

const SetupCase kSetupCases[] = {
    {"push button", BS_PUSHBUTTON, true, kPushButton, BS_OWNERDRAW},
    {"default push button", BS_DEFPUSHBUTTON, true, kPushButton, BS_OWNERDRAW},
    {"user button", BS_USERBUTTON, true, kPushButton, BS_OWNERDRAW},
    {"check box", BS_CHECKBOX, true, kCheckBox, BS_CHECKBOX},
    {"auto check box", BS_AUTOCHECKBOX, true, kCheckBox, BS_AUTOCHECKBOX},
    {"auto radio button", BS_AUTORADIOBUTTON, true, kRadioButton, BS_AUTORADIOBUTTON},
    {"group box", BS_GROUPBOX, false, 0, BS_GROUPBOX},
    {"owner-drawn button", BS_OWNERDRAW, false, 0, BS_OWNERDRAW},
    {"three-state check box", BS_3STATE, false, 0, BS_3STATE},
    {"auto three-state check box", BS_AUTO3STATE, false, 0, BS_AUTO3STATE},
    {"plain radio button", BS_RADIOBUTTON, false, 0, BS_RADIOBUTTON},
};

}  // namespace

TEST_F(ButtonWindow, SetUpTakesPushCheckAndAutoRadioButtonsOnly) {
    std::vector<HWND> buttons;
    int y = 4;
    for (const SetupCase& c : kSetupCases) {
        buttons.push_back(Add(c.type, 10, y, 120, 18, c.name));
        y += 19;
    }
    AttachSkin();
    int taken = 0;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const SetupCase& c = kSetupCases[i];
        HWND b = buttons[i];
        const std::int32_t position = FindButtonRecord(position_, b);
        const bool subclassed = GetWindowLongA(b, GWL_WNDPROC) == reinterpret_cast<LONG>(ButtonWndProc);
        EXPECT_EQ(position != 0, c.taken) << c.name;
        EXPECT_EQ(subclassed, c.taken) << c.name;
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(b, GWL_STYLE) & 0xF), c.typeAfter) << c.name;
        if (!c.taken) {
            EXPECT_EQ(GetPropA(b, "Hw_lbID"), nullptr) << c.name;
            continue;
        }
        ++taken;
        const ButtonRecord& r = Window().Buttons[position];
        EXPECT_EQ(r.kind, c.kind) << c.name;
        EXPECT_EQ(r.text, c.name);
        EXPECT_EQ(GetIntProp(b, "Hw_lbID"), position) << c.name;
        EXPECT_EQ(GetIntProp(b, "Hw_FuID"), position_) << c.name;
        EXPECT_EQ(GetIntProp(b, "Hw_hProc"), reinterpret_cast<std::intptr_t>(r.previousProc)) << c.name;
        EXPECT_NE(r.previousProc, ButtonWndProc) << c.name;
        EXPECT_FALSE(r.fontFace.empty()) << c.name;
        EXPECT_GT(r.fontSize, 0) << c.name;
    }
    // Every list position is a taken button: no empty record is left behind.
    EXPECT_EQ(Window().Buttons.Count(), taken);
}

TEST_F(ButtonWindow, FirstButtonFillsTheEmptyFirstRecordAndRecordsItsState) {
    HWND radio = Add(BS_AUTORADIOBUTTON, 10, 10, 100, 24, "one");
    SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0);
    AttachSkin();
    ASSERT_EQ(Window().Buttons.Count(), 1);
    const ButtonRecord& r = Window().Buttons[1];
    EXPECT_EQ(r.hwnd, radio);
    EXPECT_EQ(GetIntProp(radio, "Hw_lbID"), 1);
    EXPECT_EQ(r.initialCheck, 1);
    EXPECT_EQ(r.parent, window_);

    // A second set-up of the same parent must not subclass the control again
    // (its previous procedure would become the button procedure itself).
    SkinChildControls(position_, window_);
    EXPECT_EQ(Window().Buttons.Count(), 1);
    EXPECT_NE(GetIntProp(radio, "Hw_hProc"), reinterpret_cast<std::intptr_t>(ButtonWndProc));
    EXPECT_EQ(SendMessageA(radio, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST(PushButtonFont, UnreadFaceAndSizeTakeTheDefaults) {
    struct Case {
        ControlFont read;
        ControlFont expected;
    };
    const Case cases[] = {
        {{"", 0, 0}, {"宋体", 12, 0}},
        {{"", 14, 2}, {"宋体", 14, 2}},
        {{"Arial", 0, 1}, {"Arial", 12, 1}},
        {{"Tahoma", 9, 1}, {"Tahoma", 9, 1}},
    };
    for (const Case& c : cases) {
        const ControlFont f = PushButtonFont(c.read);
        EXPECT_EQ(f.face, c.expected.face) << c.read.face << " " << c.read.size;
        EXPECT_EQ(f.size, c.expected.size) << c.read.face << " " << c.read.size;
        EXPECT_EQ(f.style, c.expected.style) << c.read.face << " " << c.read.size;
    }
}
