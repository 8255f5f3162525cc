// The tooltip wrapper: the window it creates and the tool records it sends.

#include "gdiplus/tooltip.h"
#include "tests/support/fixtures.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

// One tool message as the tooltip window received it.
struct SentTool {
    UINT message;
    WPARAM wParam;
    TTTOOLINFOA record;
    std::string text;  // copied while the caller's text was still alive
};

std::vector<SentTool> sent;
WNDPROC tooltipProc = nullptr;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case TTM_ADDTOOLA:
        case TTM_DELTOOLA:
        case TTM_NEWTOOLRECTA:
        case TTM_UPDATETIPTEXTA: {
            SentTool tool{message, wParam, {}, {}};
            std::memcpy(&tool.record, reinterpret_cast<const void*>(lParam), TTTOOLINFOA_V1_SIZE);
            const char* text = tool.record.lpszText;
            if (text && text != LPSTR_TEXTCALLBACKA) tool.text = text;
            sent.push_back(tool);
            break;
        }
    }
    return CallWindowProcA(tooltipProc, window, message, wParam, lParam);
}

class GdipToolTip : public testing::Test {
protected:
    void SetUp() override {
        owner = test_support::CreateTestWindow();
        ASSERT_NE(owner, nullptr);
        sent.clear();
    }
    void TearDown() override { DestroyWindow(owner); }

    HWND CreateRecorded(ToolTip& tip) {
        HWND window = tip.Create(owner);
        tooltipProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingProc)));
        return window;
    }

    HWND owner = nullptr;
};

TEST_F(GdipToolTip, CreateMakesAlwaysTipOrBalloonWindows) {
    struct Case {
        std::optional<bool> balloon;
        LONG style;
    };
    for (const Case c : {Case{{}, TTS_ALWAYSTIP}, Case{false, TTS_ALWAYSTIP}, Case{true, TTS_ALWAYSTIP | TTS_BALLOON}}) {
        ToolTip tip;
        EXPECT_EQ(tip.GetHwnd(), nullptr);
        HWND window = tip.Create(owner, c.balloon);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(tip.GetHwnd(), window);
        char cls[64] = {};
        GetClassNameA(window, cls, sizeof cls);
        EXPECT_STREQ(cls, TOOLTIPS_CLASSA);
        EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & (TTS_ALWAYSTIP | TTS_BALLOON), c.style);
        DestroyWindow(window);
    }
}

TEST_F(GdipToolTip, ToolRecordsCarryOwnerIdRectangleAndText) {
    ToolTip tip;
    HWND window = CreateRecorded(tip);
    ASSERT_NE(window, nullptr);

    const RECT area{2, 3, 40, 20};
    tip.AddTool(area, "first tip", 1);
    EXPECT_EQ(SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0), 1);
    tip.UpdateTipText(1, "second tip");
    tip.NewToolRect(1, RECT{5, 6, 50, 30});
    tip.DelTool(1);
    EXPECT_EQ(SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0), 0);

    ASSERT_EQ(sent.size(), 4u);
    for (const SentTool& s : sent) {
        EXPECT_EQ(s.wParam, 0u);
        EXPECT_EQ(s.record.cbSize, 40u);
        EXPECT_EQ(s.record.uFlags, static_cast<UINT>(TTF_SUBCLASS));
        EXPECT_EQ(s.record.hwnd, owner);
        EXPECT_EQ(s.record.uId, 1u);
        EXPECT_EQ(s.record.hinst, nullptr);
    }
    const SentTool& add = sent[0];
    const SentTool& update = sent[1];
    const SentTool& move = sent[2];
    const SentTool& del = sent[3];
    EXPECT_EQ(add.message, static_cast<UINT>(TTM_ADDTOOLA));
    EXPECT_TRUE(EqualRect(&add.record.rect, &area));
    EXPECT_EQ(add.text, "first tip");

    // The update differs from the add only in its zero rectangle and its text.
    const RECT none{};
    EXPECT_EQ(update.message, static_cast<UINT>(TTM_UPDATETIPTEXTA));
    EXPECT_TRUE(EqualRect(&update.record.rect, &none));
    EXPECT_EQ(update.text, "second tip");

    const RECT moved{5, 6, 50, 30};
    EXPECT_EQ(move.message, static_cast<UINT>(TTM_NEWTOOLRECTA));
    EXPECT_TRUE(EqualRect(&move.record.rect, &moved));
    EXPECT_EQ(move.record.lpszText, nullptr);

    EXPECT_EQ(del.message, static_cast<UINT>(TTM_DELTOOLA));
    EXPECT_TRUE(EqualRect(&del.record.rect, &none));
    EXPECT_EQ(del.record.lpszText, nullptr);
    DestroyWindow(window);
}

TEST_F(GdipToolTip, CallbackToolsAndColours) {
    ToolTip tip;
    HWND window = CreateRecorded(tip);
    tip.AddCallbackTool(RECT{0, 0, 10, 10}, 7);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].record.lpszText, LPSTR_TEXTCALLBACKA);
    EXPECT_EQ(sent[0].record.uId, 7u);

    tip.SetTipBkColor(RGB(10, 20, 30));
    EXPECT_EQ(SendMessageA(window, TTM_GETTIPBKCOLOR, 0, 0), static_cast<LRESULT>(RGB(10, 20, 30)));
    tip.SetMaxTipWidth(150);
    EXPECT_EQ(tip.SetMaxTipWidth(200), 150);
    DestroyWindow(window);
}

}  // namespace
