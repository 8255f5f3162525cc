// Caption buttons: layout, hit-testing, the hover fade, press and click, the
// caption drag and the edge-resize zones.
#include <gtest/gtest.h>

#include "tests/skin/skin_test_support.h"

using namespace skin_test;

namespace {

class CaptionButtons : public testing::Test {
protected:
    void SetUp() override {
        StartSkin();
        ::Skin->SetBackground("", {}, 0x606060, std::nullopt, std::nullopt);
        Seen().clear();
    }
    void TearDown() override {
        for (HWND w : windows_) DestroyTestWindow(w);
        Pump();
    }
    // The main window's shape: minimise and close, 294 x 186, not resizable.
    std::int32_t Skinned(DWORD style = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX, int resizable = 0, int width = 294,
                         int height = 186) {
        HWND w = CreateRecordingWindow(style, width, height);
        windows_.push_back(w);
        SkinOptions options;
        options.resizable = resizable;
        options.showTitle = 0;
        const std::int32_t position = AttachSkin(w, options);
        ::Skin->PaintWindow(position, std::nullopt);
        return position;
    }
    HWND WindowOf(std::int32_t position) { return Record(position).hwnd; }
    LRESULT Send(std::int32_t position, UINT message, WPARAM wParam, LPARAM lParam) {
        return SendMessageA(WindowOf(position), message, wParam, lParam);
    }
    std::vector<HWND> windows_;
};

int handlerRuns = 0;
void CountingHandler() { ++handlerRuns; }

}  // namespace

TEST_F(CaptionButtons, LayoutPlacesButtons27ApartAndTheCloseHitAreaIs40Wide) {
    const std::int32_t position = Skinned();
    const SkinnedWindow& w = Record(position);
    ASSERT_EQ(w.CaptionButtons.Count(), 2);
    EXPECT_EQ(w.CaptionButtons[1].kind, kMinimizeButton);
    EXPECT_EQ(w.CaptionButtons[2].kind, kCloseButton);
    EXPECT_EQ(w.buttonStripWidth, 26 + 38 + 1 + 3);
    EXPECT_EQ(w.buttonStripLeft, 294 - 68 + 1);
    EXPECT_EQ(w.buttonStripHeight, 22);
    EXPECT_FLOAT_EQ(w.CaptionButtons[1].x, 229.0f);
    EXPECT_FLOAT_EQ(w.CaptionButtons[2].x - w.CaptionButtons[1].x, 27.0f);
    EXPECT_FLOAT_EQ(w.CaptionButtons[1].w, 26.0f);
    EXPECT_FLOAT_EQ(w.CaptionButtons[2].w, 40.0f);
    EXPECT_EQ(w.CaptionButtons[2].width, 38);
    EXPECT_FLOAT_EQ(w.CaptionButtons[1].y, 1.0f);
    EXPECT_FLOAT_EQ(w.CaptionButtons[1].h, 18.0f);
}

TEST_F(CaptionButtons, HitTestingIsStrictAtTheEdges) {
    const std::int32_t position = Skinned();
    struct Case {
        int x, y, button;
    };
    const Case cases[] = {
        {229, 10, 0}, {230, 10, 1}, {254, 10, 1}, {255, 10, 0},  // minimise: 229 < x < 255
        {256, 10, 0}, {257, 10, 2}, {295, 10, 2}, {296, 10, 0},  // close: 256 < x < 296
        {240, 1, 0},  {240, 2, 1},  {240, 18, 1}, {240, 19, 0},  // 1 < y < 19
        {200, 10, 0}, {240, 40, 0},                             // left of the strip, below it
    };
    for (const Case& c : cases)
        EXPECT_EQ(::Skin->HitTestCaptionButton(position, c.x, c.y), c.button) << c.x << "," << c.y;
    EXPECT_EQ(::Skin->HitTestCaptionButton(99, 240, 10), 0);
}

TEST_F(CaptionButtons, HoverFadesInAndOutOverEightTicksAndTheTimerStops) {
    const std::int32_t position = Skinned();
    SkinnedWindow& w = Record(position);
    const int minX = 240, closeX = 262, y = 10;  // clear of the glyphs
    const COLORREF normalClose = BufferPixel(position, closeX, 6);

    Send(position, WM_MOUSEHOVER, 0, Point(minX, y));
    Send(position, WM_MOUSEMOVE, 0, Point(minX, y));
    EXPECT_EQ(w.fadeTimerRunning, 1);
    EXPECT_EQ(w.hotCaptionButton, 1);
    std::vector<int> fadeIn;
    for (int tick = 0; tick < 8; ++tick) {
        Send(position, WM_TIMER, reinterpret_cast<WPARAM>(WindowOf(position)), 0);
        fadeIn.push_back(w.fadeIn.step * 30);
    }
    EXPECT_EQ(fadeIn, (std::vector<int>{30, 60, 90, 120, 150, 180, 210, 240}));

    // Straight onto the close button: the first fades out while it fades in.
    Send(position, WM_MOUSEMOVE, 0, Point(closeX, y));
    EXPECT_EQ(w.fadeOut.button, 1);
    EXPECT_EQ(w.fadeIn.button, 2);
    std::vector<int> in, out;
    for (int tick = 0; tick < 8; ++tick) {
        Send(position, WM_TIMER, reinterpret_cast<WPARAM>(WindowOf(position)), 0);
        in.push_back(w.fadeIn.step * 30);
        out.push_back(240 - w.fadeOut.step * 30);
    }
    EXPECT_EQ(in, (std::vector<int>{30, 60, 90, 120, 150, 180, 210, 240}));
    EXPECT_EQ(out, (std::vector<int>{210, 180, 150, 120, 90, 60, 30, 0}));
    const COLORREF hotClose = BufferPixel(position, closeX, 6);
    EXPECT_GT(GetRValue(hotClose), GetRValue(normalClose) + 40) << "the close button glows red";

    // Leaving the window fades the close button out; the timer then stops.
    Send(position, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(w.fadeOut.button, 2);
    for (int tick = 0; tick < 7; ++tick) {
        Send(position, WM_TIMER, reinterpret_cast<WPARAM>(WindowOf(position)), 0);
        EXPECT_EQ(w.fadeTimerRunning, 1) << "still fading after tick " << tick + 1;
    }
    Send(position, WM_TIMER, reinterpret_cast<WPARAM>(WindowOf(position)), 0);
    EXPECT_EQ(w.fadeTimerRunning, 0);
    EXPECT_EQ(w.hotCaptionButton, 0);
    EXPECT_EQ(w.fadeOut.button, 0);
    EXPECT_TRUE(Near(BufferPixel(position, closeX, 6), normalClose, 3)) << "back to the normal look";
    Pump();  // whatever the timer queued before it was killed
    Seen().clear();
    Sleep(80);
    Pump();
    EXPECT_FALSE(SawMessage(WindowOf(position), WM_TIMER)) << "the fade timer was killed";
}

TEST_F(CaptionButtons, PressPaintsPressedAndReleaseOverAnotherButtonRunsThatOne) {
    const std::int32_t position = Skinned();
    HWND window = WindowOf(position);
    const COLORREF normal = BufferPixel(position, 240, 3);
    Send(position, WM_LBUTTONDOWN, MK_LBUTTON, Point(240, 10));
    EXPECT_EQ(::Skin->pointerCaptionButton, 1);
    EXPECT_LT(Brightness(BufferPixel(position, 240, 3)), Brightness(normal) - 30) << "pressed look";
    EXPECT_FALSE(SawMessage(window, WM_NCLBUTTONDOWN)) << "a button press is no drag";
    Send(position, WM_MOUSEMOVE, MK_LBUTTON, Point(270, 10));
    Send(position, WM_LBUTTONUP, 0, Point(270, 10));
    EXPECT_TRUE(SawMessage(window, WM_SYSCOMMAND, SC_CLOSE));
    EXPECT_FALSE(SawMessage(window, WM_SYSCOMMAND, SC_MINIMIZE));
    EXPECT_FALSE(IsWindow(window)) << "close closes";
    EXPECT_EQ(FindSkinnedWindow(window), 0) << "its record went with it";
}

TEST_F(CaptionButtons, MinimiseMinimises) {
    const std::int32_t position = Skinned();
    HWND window = WindowOf(position);
    FirstSizePending = 0;  // the process's first WM_SIZE would leave the picture clean
    Send(position, WM_LBUTTONDOWN, MK_LBUTTON, Point(240, 10));
    Send(position, WM_LBUTTONUP, 0, Point(240, 10));
    EXPECT_TRUE(SawMessage(window, WM_SYSCOMMAND, SC_MINIMIZE));
    EXPECT_TRUE(IsIconic(window));
    EXPECT_EQ(Record(FindSkinnedWindow(window)).minimized, 1);
    EXPECT_EQ(Record(FindSkinnedWindow(window)).backgroundDirty, 1);
}

TEST_F(CaptionButtons, DoubleClickOnTheCaptionMaximisesOnlyAResizableWindow) {
    struct Case {
        int resizable, y;
        bool maximises;
    };
    const Case cases[] = {{1, 10, true}, {0, 10, false}, {1, 25, true}, {1, 26, false}};
    for (const Case& c : cases) {
        Seen().clear();
        const std::int32_t position = Skinned(WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, c.resizable);
        HWND window = WindowOf(position);
        Send(position, WM_LBUTTONDBLCLK, 0, Point(60, c.y));
        EXPECT_EQ(SawMessage(window, WM_SYSCOMMAND, SC_MAXIMIZE), c.maximises) << c.resizable << " y " << c.y;
        EXPECT_EQ(Record(FindSkinnedWindow(window)).maximized, c.maximises ? 1 : 0);
        DestroyTestWindow(window);
    }
}

TEST_F(CaptionButtons, MaximiseButtonTogglesAndRestores) {
    const std::int32_t position = Skinned(WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 1);
    HWND window = WindowOf(position);
    const std::int32_t k = ::Skin->FindMaximizeButton(position);
    ASSERT_EQ(k, 2);  // minimise, maximise, close
    ::Skin->ClickCaptionButton(position, k);
    EXPECT_TRUE(SawMessage(window, WM_SYSCOMMAND, SC_MAXIMIZE));
    EXPECT_EQ(Record(FindSkinnedWindow(window)).maximized, 1);
    ::Skin->ClickCaptionButton(FindSkinnedWindow(window), k);
    EXPECT_TRUE(SawMessage(window, WM_SYSCOMMAND, SC_RESTORE));
    EXPECT_EQ(Record(FindSkinnedWindow(window)).maximized, 0);
    ::Skin->ClickCaptionButton(FindSkinnedWindow(window), 0);   // outside the list: nothing
    ::Skin->ClickCaptionButton(FindSkinnedWindow(window), 9);
    EXPECT_TRUE(IsWindow(window));
}

TEST_F(CaptionButtons, CustomButtonGoesToTheFarLeftAndRunsItsHandler) {
    const std::int32_t position = Skinned();
    HWND window = WindowOf(position);
    const int leftBefore = Record(position).buttonStripLeft;
    handlerRuns = 0;
    ASSERT_EQ(::Skin->AddCaptionButton(window, SolidPng(26, 18, 0xFFFFFFFF), "自定义", CountingHandler), 1);
    const SkinnedWindow& w = Record(position);
    ASSERT_EQ(w.CaptionButtons.Count(), 3);
    EXPECT_EQ(w.CaptionButtons[1].kind, kCustomButton);
    EXPECT_EQ(w.CaptionButtons[3].kind, kCloseButton);
    EXPECT_EQ(w.buttonStripLeft, leftBefore - 27);
    EXPECT_FLOAT_EQ(w.CaptionButtons[1].x, static_cast<float>(leftBefore - 27 + 2));
    const int x = static_cast<int>(w.CaptionButtons[1].x) + 10;
    Send(position, WM_LBUTTONDOWN, MK_LBUTTON, Point(x, 10));
    Send(position, WM_LBUTTONUP, 0, Point(x, 10));
    EXPECT_EQ(handlerRuns, 1);
    HWND plain = CreateRecordingWindow(WS_POPUP, 50, 50);
    windows_.push_back(plain);
    EXPECT_EQ(::Skin->AddCaptionButton(plain, {}, "x", CountingHandler), 0);
}

TEST_F(CaptionButtons, PressZonesDragResizeOrBelongToAButton) {
    // 300 x 200, resizable, close button only: strip from x = 260, border 3.
    const std::int32_t position = Skinned(WS_POPUP | WS_SYSMENU, 1, 300, 200);
    HWND window = WindowOf(position);
    const RECT client{0, 0, 300, 200};
    struct Case {
        int x, y;
        UINT message;  // 0 = nothing sent
        WPARAM wParam;
        LPCSTR cursor;  // the cursor the move shows; nullptr = left alone
    };
    const Case cases[] = {
        {3, 100, WM_SYSCOMMAND, 0xF001, IDC_SIZEWE},     {4, 100, 0, 0, nullptr},
        {2, 11, WM_SYSCOMMAND, 0xF001, IDC_SIZEWE},      {2, 10, WM_SYSCOMMAND, 0xF004, IDC_SIZENWSE},
        {297, 100, WM_SYSCOMMAND, 0xF002, IDC_SIZEWE},   {296, 100, 0, 0, nullptr},
        {11, 2, WM_SYSCOMMAND, 0xF003, IDC_SIZENS},      {10, 2, WM_SYSCOMMAND, 0xF004, IDC_SIZENWSE},
        {150, 197, WM_SYSCOMMAND, 0xF006, IDC_SIZENS},   {150, 196, 0, 0, nullptr},
        {290, 1, WM_SYSCOMMAND, 0xF005, IDC_SIZENESW},   {289, 1, WM_SYSCOMMAND, 0xF003, IDC_SIZENS},
        {10, 190, WM_SYSCOMMAND, 0xF007, IDC_SIZENESW},  {10, 189, 0, 0, nullptr},
        {290, 190, WM_SYSCOMMAND, 0xF008, IDC_SIZENWSE}, {289, 189, 0, 0, nullptr},
        {150, 20, WM_NCLBUTTONDOWN, HTCAPTION, nullptr}, {150, 25, WM_NCLBUTTONDOWN, HTCAPTION, nullptr},
        {270, 2, WM_SYSCOMMAND, 0xF003, IDC_SIZENS},     // y = 2 in the strip's range: no button press
        {270, 3, 0, 0, IDC_SIZENS},                      // a caption-button press; the move still
                                                         // shows the top edge's cursor
    };
    HCURSOR arrow = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    for (const Case& c : cases) {
        Seen().clear();
        Record(position).backgroundDirty = 0;
        ::Skin->CaptionMouseDown(position, Point(c.x, c.y), client);
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        bool sentSomething = false;
        for (const SeenMessage& m : Seen())
            if (m.message == WM_SYSCOMMAND || m.message == WM_NCLBUTTONDOWN) sentSomething = true;
        if (c.message) {
            EXPECT_TRUE(SawMessage(window, c.message, c.wParam));
        } else {
            EXPECT_FALSE(sentSomething);
        }
        EXPECT_EQ(Record(position).backgroundDirty, c.message == WM_SYSCOMMAND ? 1 : 0);
        SetCursor(arrow);
        ::Skin->CaptionMouseMove(position, Point(c.x, c.y), client);
        EXPECT_EQ(GetCursor(), c.cursor ? LoadCursorA(nullptr, c.cursor) : arrow);
    }
}

TEST_F(CaptionButtons, WindowThatIsNotResizableDragsFromTheCaptionAndShowsNoResizeCursor) {
    const std::int32_t position = Skinned(WS_POPUP | WS_SYSMENU, 0, 300, 200);
    HWND window = WindowOf(position);
    const RECT client{0, 0, 300, 200};
    ::Skin->CaptionMouseDown(position, Point(2, 12), client);  // the left edge, but inside the caption
    EXPECT_TRUE(SawMessage(window, WM_NCLBUTTONDOWN, HTCAPTION));
    EXPECT_FALSE(SawMessage(window, WM_SYSCOMMAND));
    HCURSOR arrow = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    SetCursor(arrow);
    ::Skin->CaptionMouseMove(position, Point(2, 100), client);
    EXPECT_EQ(GetCursor(), arrow);
    // Through the window procedure: a press on the caption asks the system to drag.
    Seen().clear();
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, Point(100, 12));
    EXPECT_TRUE(SawMessage(window, WM_NCLBUTTONDOWN, HTCAPTION));
}
