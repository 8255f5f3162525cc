#pragma once
// Shared set-up of the button tests: a visible test window over a plain
// background colour, skinned after its buttons are made, plus surfaces to
// paint the owner-drawn kinds into and ways to read what reached the screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/controls/buttons.h"
#include "tests/skin/skin_test_support.h"
#include "tests/support/fixtures.h"

namespace button_test {

constexpr COLORREF kBackground = RGB(40, 60, 160);
constexpr COLORREF kTheme = RGB(230, 20, 20);
constexpr COLORREF kMarker = RGB(255, 0, 255);

inline int Red(COLORREF c) { return GetRValue(c); }
inline int Green(COLORREF c) { return GetGValue(c); }
inline int Blue(COLORREF c) { return GetBValue(c); }

// A 32-bit surface an owner-draw painter paints into, as the parent's DC
// would be; starts filled with the marker colour.
class Surface {
public:
    Surface(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        dc_ = CreateCompatibleDC(nullptr);
        old_ = SelectObject(dc_, bitmap_);
        RECT all{0, 0, width, height};
        HBRUSH marker = CreateSolidBrush(kMarker);
        FillRect(dc_, &all, marker);
        DeleteObject(marker);
    }
    ~Surface() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    HDC Dc() const { return dc_; }
    RECT Rect() const { return RECT{0, 0, width_, height_}; }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y) & 0xFFFFFF; }

private:
    int width_, height_;
    HBITMAP bitmap_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

// What the control shows on the screen at (x, y) of its client area.
inline COLORREF ScreenPixel(HWND control, int x, int y) {
    HDC dc = GetDC(control);
    const COLORREF c = GetPixel(dc, x, y) & 0xFFFFFF;
    ReleaseDC(control, dc);
    return c;
}

// Pixels of the control's client area within `area` darker than `limit`
// (sum of the three channels): text and outlines.
inline int DarkScreenPixels(HWND control, const RECT& area, int limit) {
    HDC dc = GetDC(control);
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (skin_test::Brightness(GetPixel(dc, x, y) & 0xFFFFFF) < limit) ++count;
    ReleaseDC(control, dc);
    return count;
}

inline void FillScreen(HWND control, COLORREF colour) {
    HDC dc = GetDC(control);
    RECT client{};
    GetClientRect(control, &client);
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    ReleaseDC(control, dc);
}

class ButtonWindow : public testing::Test {
protected:
    void SetUp() override {
        skin_test::StartSkin();
        ::Skin->SetBackground("", {}, kBackground, kTheme, std::nullopt);
        skin_test::Seen().clear();
        window_ = skin_test::CreateRecordingWindow(WS_POPUP | WS_SYSMENU, 320, 220, 60, 60);
    }
    void TearDown() override {
        if (IsWindow(window_)) DestroyWindow(window_);
        skin_test::Pump();
        ::Skin->SetBackground("", {}, std::nullopt, std::nullopt, std::nullopt);
    }

    HWND Add(DWORD style, int x, int y, int w, int h, const char* text = "") {
        HWND child = test_support::CreateChild(window_, "BUTTON", style, x, y, w, h, text);
        EXPECT_NE(child, nullptr);
        return child;
    }
    // Attaches the skin (which takes the buttons) and composes the window
    // picture the buttons paint over.
    std::int32_t AttachSkin() {
        skin_test::SkinOptions options;
        options.showTitle = 0;
        position_ = skin_test::AttachSkin(window_, options);
        EXPECT_GT(position_, 0);
        ::Skin->PaintWindow(position_, std::nullopt);
        return position_;
    }
    SkinnedWindow& Window() { return skin_test::Record(position_); }
    ButtonRecord& RecordOf(HWND button) { return Window().Buttons[FindButtonRecord(position_, button)]; }

    HWND window_ = nullptr;
    std::int32_t position_ = 0;
};

}  // namespace button_test
