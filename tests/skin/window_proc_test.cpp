// Attaching the skin and the skinned window procedure: size limits, the
// first WM_SIZE, deactivation, colour answers, guarded pointers, positions
// outside the registry and the operation slots.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "app/caption.h"
#include "app/main_window.h"
#include "app/memory_trim.h"
#include "skin/core/paint_routines.h"
#include "tests/skin/skin_test_support.h"

using namespace skin_test;

namespace {

class SkinnedWindowProc : public testing::Test {
protected:
    void SetUp() override {
        StartSkin();
        ::Skin->SetBackground("", {}, 0x808080, std::nullopt, std::nullopt);
        Seen().clear();
    }
    void TearDown() override {
        for (HWND w : windows_) DestroyTestWindow(w);
        Pump();
    }
    std::int32_t Skinned(DWORD style = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX, const SkinOptions& options = {},
                         int width = 294, int height = 186, bool show = false) {
        HWND w = CreateRecordingWindow(style, width, height, show);
        windows_.push_back(w);
        return AttachSkin(w, options);
    }
    std::vector<HWND> windows_;
};

SIZE ScreenLessTaskbar() {
    SIZE size{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr)) {
        RECT r{};
        GetWindowRect(taskbar, &r);
        size.cy -= r.bottom - r.top;
    }
    return size;
}

// An address that is certainly not readable.
LPARAM UnreadableAddress() {
    void* page = VirtualAlloc(nullptr, 4096, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    VirtualFree(page, 0, MEM_RELEASE);
    return reinterpret_cast<LPARAM>(page);
}

bool HasUpdateRegion(HWND window) {
    RECT r{};
    return GetUpdateRect(window, &r, FALSE) != 0;
}

}  // namespace

TEST_F(SkinnedWindowProc, SkinWindowBuildsOneRecordWithItsButtonsOnce) {
    SkinOptions options;
    options.captionHeight = 10;
    options.help = 1;
    options.menu = 1;
    const std::int32_t position =
        Skinned(WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, options, 400, 300);
    HWND window = Record(position).hwnd;
    const int count = SkinRegistry.Count();
    WNDPROC installed = reinterpret_cast<WNDPROC>(GetWindowLongA(window, GWL_WNDPROC));
    AttachSkin(window, options);  // a second attach changes nothing
    EXPECT_EQ(SkinRegistry.Count(), count);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongA(window, GWL_WNDPROC)), installed);
    const SkinnedWindow& w = Record(position);
    EXPECT_EQ(w.captionHeight, 25);
    EXPECT_EQ(w.CaptionButtons.Count(), 5);
    const std::int32_t kinds[] = {kHelpButton, kMenuButton, kMinimizeButton, kMaximizeButton, kCloseButton};
    for (int p = 1; p <= 5; ++p) EXPECT_EQ(w.CaptionButtons[p].kind, kinds[p - 1]);
    EXPECT_EQ(w.buttonStripWidth, 149);
    EXPECT_EQ(w.tooltipCount, 5);
    EXPECT_NE(w.tooltip.GetHwnd(), nullptr);
    EXPECT_EQ(GetIntProp(window, "Hw_lbID"), position);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetPropA(window, "Hw_hProc")), w.previousProc);
    EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & WS_SYSMENU);
    EXPECT_EQ(w.minTrackWidth, 200);
    EXPECT_EQ(w.maxTrackWidth, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_FALSE(w.CaptionButtons[5].image.empty()) << "the embedded close glyph";

    SkinOptions tall;
    tall.captionHeight = 40;
    EXPECT_EQ(Record(Skinned(WS_POPUP, tall)).captionHeight, 40);
    EXPECT_EQ(Record(Skinned(WS_POPUP)).CaptionButtons.Count(), 1) << "close only";
}

TEST_F(SkinnedWindowProc, SizeLimitsFollowTheRecordAndTheMaximisedState) {
    const std::int32_t position = Skinned();
    HWND window = Record(position).hwnd;
    MINMAXINFO info{};
    info.ptMaxPosition = POINT{7, 7};
    SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 200);
    EXPECT_EQ(info.ptMinTrackSize.y, 150);
    EXPECT_EQ(info.ptMaxTrackSize.x, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(info.ptMaxTrackSize.y, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(info.ptMaxPosition.x, 7) << "other members untouched";
    Record(position).maximized = 1;
    SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMaxTrackSize.x, ScreenLessTaskbar().cx);
    EXPECT_EQ(info.ptMaxTrackSize.y, ScreenLessTaskbar().cy);
}

TEST_F(SkinnedWindowProc, AScreenSizedClientAreaBecomesMaximisedLessTheTaskbar) {
    const std::int32_t withButton = Skinned(WS_POPUP | WS_SYSMENU | WS_MAXIMIZEBOX);
    const std::int32_t without = Skinned(WS_POPUP | WS_SYSMENU);
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    HWND a = Record(withButton).hwnd, b = Record(without).hwnd;
    SetWindowPos(a, nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(b, nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(Record(FindSkinnedWindow(a)).maximized, 1);
    EXPECT_EQ(Record(FindSkinnedWindow(b)).maximized, 0);
    RECT r{};
    GetWindowRect(a, &r);
    EXPECT_EQ(r.right - r.left, ScreenLessTaskbar().cx);
    EXPECT_EQ(r.bottom - r.top, ScreenLessTaskbar().cy);
    // The caption follows the new width.
    EXPECT_EQ(Record(FindSkinnedWindow(a)).buttonStripLeft, cx - Record(FindSkinnedWindow(a)).buttonStripWidth + 1);
    Record(FindSkinnedWindow(a)).maximized = 0;  // so the teardown can shrink it
}

TEST_F(SkinnedWindowProc, TheProcesssFirstSizeLeavesThePictureCleanLaterOnesDirtyIt) {
    const std::int32_t position = Skinned();
    HWND window = Record(position).hwnd;
    FirstSizePending = 1;
    Record(position).backgroundDirty = 1;
    Record(position).hotCaptionButton = 2;
    SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(294, 186));
    EXPECT_EQ(Record(position).backgroundDirty, 0);
    EXPECT_EQ(FirstSizePending, 0);
    EXPECT_EQ(Record(position).hotCaptionButton, 0);
    SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(294, 186));
    EXPECT_EQ(Record(position).backgroundDirty, 1);
}

TEST_F(SkinnedWindowProc, PaintComposesWhenDirtyAndOtherwiseCopies) {
    const std::int32_t position = Skinned(WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX, {}, 294, 186, true);
    HWND window = Record(position).hwnd;
    Pump();
    Seen().clear();
    EXPECT_EQ(SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(GetDC(window)), 0), 1);
    EXPECT_FALSE(SawMessage(window, WM_ERASEBKGND)) << "not passed on";
    Record(position).backgroundDirty = 1;
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    EXPECT_EQ(Record(position).backgroundDirty, 0);
    HGDIOBJ picture = GetPropA(window, "Ck_wtjbdx");
    ASSERT_NE(picture, nullptr);
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    EXPECT_EQ(GetPropA(window, "Ck_wtjbdx"), picture) << "a clean picture is only copied";
    EXPECT_FALSE(SawMessage(window, WM_PAINT)) << "WM_PAINT is not passed on";
}

TEST_F(SkinnedWindowProc, DeactivationStartsTheTrimmingToolOnlyWhenAnotherAppIsActivated) {
    const std::int32_t position = Skinned();
    HWND window = Record(position).hwnd;
    const std::string tool = MemoryTrimToolPath();
    // A trimming tool started by an earlier deactivation may still be running
    // from that file.
    for (int i = 0; i < 50 && GetFileAttributesA(tool.c_str()) != INVALID_FILE_ATTRIBUTES; ++i) {
        if (!DeleteFileA(tool.c_str())) Sleep(100);
    }
    if (GetFileAttributesA(tool.c_str()) != INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << tool << " is in use by a running trimming tool";
    SendMessageA(window, WM_ACTIVATEAPP, 1, 0);
    Sleep(1500);
    EXPECT_EQ(GetFileAttributesA(tool.c_str()), INVALID_FILE_ATTRIBUTES) << "activation starts nothing";
    SendMessageA(window, WM_ACTIVATEAPP, 0, 0);
    bool written = false;
    for (int i = 0; i < 100 && !written; ++i) {
        Sleep(100);
        written = GetFileAttributesA(tool.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    EXPECT_TRUE(written) << "the trimming thread wrote " << tool;
    EXPECT_TRUE(WaitForTrimTools(15000)) << "and ran it to its end";
    EXPECT_TRUE(SawMessage(window, WM_ACTIVATEAPP, 0)) << "passed on";
}

TEST_F(SkinnedWindowProc, ControlColourAnswersGiveTranslucentBrushes) {
    const std::int32_t position = Skinned();
    HWND window = Record(position).hwnd;
    HWND label = CreateWindowExA(0, "Static", "label", WS_CHILD | WS_VISIBLE, 20, 60, 100, 20, window, nullptr,
                                 nullptr, nullptr);
    ::Skin->PaintWindow(position, std::nullopt);
    HDC dc = GetDC(label);
    ControlsTranslucent = 0;
    Seen().clear();
    SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
    EXPECT_TRUE(SawMessage(window, WM_CTLCOLORSTATIC)) << "passed on while controls are opaque";
    ControlsTranslucent = 1;
    ControlAlpha = 50;
    Seen().clear();
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label)));
    EXPECT_FALSE(SawMessage(window, WM_CTLCOLORSTATIC));
    EXPECT_EQ(GetPropA(label, "Kj_dxjb"), brush);
    HBITMAP background = reinterpret_cast<HBITMAP>(GetPropA(label, "Kj_wtjb"));
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    // The bitmap is the window background under a white veil of alpha 50.
    HDC probe = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(probe, background);
    const COLORREF veiled = GetPixel(probe, 10, 10);
    SelectObject(probe, old);
    DeleteDC(probe);
    EXPECT_TRUE(Near(veiled, RGB(0x80 + (0xFF - 0x80) * 50 / 255, 0x80 + (0xFF - 0x80) * 50 / 255,
                                 0x80 + (0xFF - 0x80) * 50 / 255), 4));
    SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
    EXPECT_EQ(GetObjectType(brush), 0u) << "the previous brush is deleted";
    EXPECT_EQ(GetObjectType(background), 0u) << "and its bitmap";
    const auto hollow = SendMessageA(window, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(hollow), GetStockObject(NULL_BRUSH));
    ReleaseDC(label, dc);
    DeleteObject(GetPropA(label, "Kj_wtjb"));
}

TEST_F(SkinnedWindowProc, BadPointersInDrawItemAndNotifyAreReadSafely) {
    // Shown: only a visible window keeps an update region.
    const std::int32_t position = Skinned(WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX, {}, 294, 186, true);
    HWND window = Record(position).hwnd;
    HWND child = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 10, 40, 50, 20, window, nullptr, nullptr,
                                 nullptr);
    ValidateRect(child, nullptr);
    const LPARAM bad[] = {1, 0x10, UnreadableAddress()};
    for (LPARAM p : bad) {
        SendMessageA(window, WM_DRAWITEM, 0, p);
        SendMessageA(window, WM_NOTIFY, 0, p);
    }
    EXPECT_TRUE(IsWindow(window));
    EXPECT_FALSE(HasUpdateRegion(child));
    NMHDR other{child, 0, static_cast<UINT>(NM_CLICK)};
    SendMessageA(window, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&other));
    EXPECT_FALSE(HasUpdateRegion(child));
    NMHDR expanded{child, 0, static_cast<UINT>(-405)};
    SendMessageA(window, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&expanded));
    EXPECT_TRUE(HasUpdateRegion(child));
}

TEST_F(SkinnedWindowProc, PositionsOutsideTheRegistryOrAListAreIgnored) {
    const std::int32_t position = Skinned();
    HWND window = Record(position).hwnd;
    const int outside[] = {0, -1, SkinRegistry.Count() + 1};
    for (int p : outside) {
        ::Skin->PaintWindow(p, std::nullopt);
        ::Skin->PaintWindowFromBuffer(p, nullptr);
        ::Skin->LayoutCaption(p);
        ::Skin->LayoutStatusBar(p);
        ::Skin->SetStatusBar(p, 20, {}, false);
        ::Skin->ClickCaptionButton(p, 1);
        ::Skin->ResizeChildren(p);
        ::Skin->RestoreCaptionArea(p, RECT{0, 0, 10, 10});
        EXPECT_EQ(::Skin->HitTestCaptionButton(p, 240, 10), 0);
        EXPECT_EQ(::Skin->FindMaximizeButton(p), 0);
    }
    ::Skin->PaintWindow(position, std::nullopt);
    for (int k : {0, -3, 3, 99}) {
        ::Skin->PaintCaptionButton(position, k, nullptr, false, 0, 120);
        ::Skin->PaintCaptionButton(position, k, nullptr, false, 1, std::nullopt);
        ::Skin->PaintStatusBarItem(position, nullptr, false, k);
        ::Skin->ClickCaptionButton(position, k);
    }
    EXPECT_TRUE(IsWindow(window));
    // A window whose property names no registry position is passed on untouched.
    HWND stray = CreateRecordingWindow(WS_POPUP, 50, 50);
    windows_.push_back(stray);
    SetPropA(stray, "Hw_lbID", reinterpret_cast<HANDLE>(77));
    Seen().clear();
    EXPECT_EQ(::Skin->SkinnedWindowProc(stray, WM_ERASEBKGND, 0, 0), DefWindowProcA(stray, WM_ERASEBKGND, 0, 0));
}

TEST_F(SkinnedWindowProc, OperationsAreReachableByTheirSlotNumbers) {
    const std::int32_t position = Skinned(WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    HWND window = Record(position).hwnd;
    BackgroundColour = 0x123456;
    EXPECT_EQ(CallSlot<COLORREF>(::Skin, 40), 0x123456u);
    EXPECT_EQ((CallSlot<std::int32_t, std::int32_t, OptInt, OptInt>(::Skin, 9, 1, OptInt{}, OptInt{7})), 7);
    EXPECT_EQ(TrackbarFrame, 7);
    EXPECT_EQ((CallSlot<std::int32_t, std::int32_t>(::Skin, 21, position)), 2);
    EXPECT_EQ((CallSlot<std::int32_t, std::int32_t, std::int32_t, std::int32_t>(::Skin, 20, position, 240, 10)),
              ::Skin->HitTestCaptionButton(position, 240, 10));
    const RECT strip = CallSlot<RECT, HWND>(::Skin, 36, window);
    EXPECT_EQ(strip.left, Record(position).buttonStripLeft);
    EXPECT_EQ(strip.right - strip.left, Record(position).buttonStripWidth);
    EXPECT_EQ(strip.bottom, 22);
    EXPECT_EQ((CallSlot<Handler, HWND, Handler>(::Skin, 24, window, nullptr)), nullptr);
    CallSlot<void, std::int32_t, std::int32_t>(::Skin, 3, position, 1);  // minimise through slot 3
    EXPECT_TRUE(IsIconic(window));
    EXPECT_EQ((CallSlot<std::int32_t, HWND, OptText, OptInt, OptColour, OptColour, OptInt>(
                  ::Skin, 6, window, OptText{}, OptInt{14}, OptColour{}, OptColour{}, OptInt{})),
              1);
    EXPECT_EQ(Record(position).titleFontSize, 14);
    EXPECT_EQ((CallSlot<std::int32_t, HWND, OptInt, OptInt, OptColour, OptColour, OptText, OptInt>(
                  ::Skin, 31, window, OptInt{}, OptInt{}, OptColour{}, OptColour{}, OptText{}, OptInt{})),
              1);
    EXPECT_EQ(Record(position).statusInverse, 1);
}

TEST_F(SkinnedWindowProc, ResizeChildrenMovesOnlyRegisteredLayoutEntries) {
    const std::int32_t position = Skinned(WS_POPUP | WS_SYSMENU, {}, 300, 200);
    HWND window = Record(position).hwnd;
    HWND child = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 50, 60, 20, 20, window, nullptr, nullptr,
                                 nullptr);
    CallSlot<void, std::int32_t>(::Skin, 38, position);  // only the empty entry: nothing moves
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 50);
    Record(position).childLayout.Append(ChildLayoutEntry{child, 30});
    ::Skin->ResizeChildren(position);
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.top, 30);
    EXPECT_EQ(r.right - r.left, 296);
    EXPECT_EQ(r.bottom - r.top, 200 - 30 - 3);
}

TEST_F(SkinnedWindowProc, TheMainWindowIsDecoratedInOrder) {
    HWND main = CreateMainWindow(GetModuleHandleA(nullptr));
    ASSERT_NE(main, nullptr);
    windows_.push_back(main);
    const std::int32_t position = FindSkinnedWindow(main);
    ASSERT_GE(position, 1);
    const SkinnedWindow& w = Record(position);
    EXPECT_EQ(w.hasCaption, 1);
    EXPECT_EQ(w.resizable, 0);
    EXPECT_EQ(w.captionHeight, 25);
    EXPECT_EQ(w.statusBarHeight, 0);
    EXPECT_EQ(ControlAlpha, 50);
    EXPECT_EQ(ControlsTranslucent, 1);
    EXPECT_EQ(SkinControls, 1);
    EXPECT_EQ(ThemeColour, 0xDDCA22u);
    EXPECT_EQ(BackgroundMode, 3);
    EXPECT_FALSE(BackgroundImage.empty());
    EXPECT_EQ(w.CaptionButtons.Count(), 2);  // minimise and close
    char text[128] = {};
    GetWindowTextA(main, text, sizeof text);
    EXPECT_EQ(std::string(text), DescrambleCaption(StoredCaption, ""));
    EXPECT_FALSE(std::string(text).empty());
}
