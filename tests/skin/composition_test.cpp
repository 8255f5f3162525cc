// Composition of the window picture on real windows.
#include <gtest/gtest.h>

#include "tests/skin/skin_test_support.h"

using namespace skin_test;

namespace {

constexpr COLORREF kBackground = 0x70A050;  // a mid colour: frame lines show both ways

class Composition : public testing::Test {
protected:
    void SetUp() override {
        StartSkin();
        ::Skin->SetBackground("", {}, kBackground, std::nullopt, std::nullopt);
    }
    void TearDown() override {
        for (HWND w : windows_) DestroyTestWindow(w);
        Pump();
    }
    std::int32_t Skinned(const SkinOptions& options = {}, DWORD style = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX,
                         int width = 294, int height = 186) {
        HWND w = CreateRecordingWindow(style, width, height);
        windows_.push_back(w);
        return AttachSkin(w, options);
    }
    std::vector<HWND> windows_;
};

SkinOptions NoTitle() {
    SkinOptions o;
    o.showTitle = 0;
    return o;
}

}  // namespace

TEST_F(Composition, RoundedRegionHidesTheCornerAndTheBufferShowsTheBackground) {
    const std::int32_t position = Skinned();
    HWND window = Record(position).hwnd;
    ::Skin->PaintWindow(position, std::nullopt);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(window, region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_FALSE(PtInRegion(region, 293, 0));
    EXPECT_TRUE(PtInRegion(region, 3, 3));
    EXPECT_TRUE(PtInRegion(region, 150, 100));
    DeleteObject(region);
    EXPECT_TRUE(Near(BufferPixel(position, 150, 100), kBackground, 2));
    EXPECT_EQ(Record(position).backgroundDirty, 0);
}

TEST_F(Composition, NoKeyColourShowsInsideTheWindowRegion) {
    const std::int32_t position = Skinned();
    ::Skin->PaintWindow(position, std::nullopt);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(Record(position).hwnd, region), ERROR);
    int shown = 0;
    for (int cx : {0, 290})
        for (int cy : {0, 182})
            for (int x = cx; x < cx + 4; ++x)
                for (int y = cy; y < cy + 4; ++y) {
                    if (!PtInRegion(region, x, y)) continue;
                    ++shown;
                    EXPECT_NE(BufferPixel(position, x, y), 0xFF00FFu) << "magenta at " << x << "," << y;
                }
    DeleteObject(region);
    EXPECT_GT(shown, 40);
}

TEST_F(Composition, DoubleFrameIsDarkOutsideAndLightInside) {
    const std::int32_t position = Skinned(NoTitle());
    ::Skin->PaintWindow(position, std::nullopt);
    const int bg = Brightness(kBackground);
    for (int y : {60, 120}) {
        EXPECT_LT(Brightness(BufferPixel(position, 0, y)), bg - 60) << "outer line, left, y " << y;
        EXPECT_GT(Brightness(BufferPixel(position, 1, y)), bg + 60) << "inner line, left, y " << y;
        EXPECT_LT(Brightness(BufferPixel(position, 293, y)), bg - 60) << "outer line, right";
        EXPECT_TRUE(Near(BufferPixel(position, 5, y), kBackground, 2));
    }
    EXPECT_LT(Brightness(BufferPixel(position, 150, 185)), bg - 60);  // bottom outer line
}

TEST_F(Composition, CaptionCacheEqualsTheStripBeforeTitleAndButtons) {
    const std::int32_t position = Skinned(NoTitle());
    ::Skin->PaintWindow(position, std::nullopt);
    SkinnedWindow& w = Record(position);
    ASSERT_NE(w.captionCacheDc, nullptr);
    BITMAP info{};
    ASSERT_EQ(GetObjectA(w.captionCacheBitmap, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 294);
    EXPECT_EQ(info.bmHeight, 25);
    for (int x : {0, 1, 40, 120, 200})
        for (int y : {0, 1, 12, 24})
            EXPECT_EQ(GetPixel(w.captionCacheDc, x, y) & 0xFFFFFF, BufferPixel(position, x, y)) << x << "," << y;
    // Under the buttons the cache keeps the clean strip: restoring puts it back.
    const int bx = static_cast<int>(w.CaptionButtons[1].x) + 5;
    ::Skin->PaintCaptionButton(position, 1, nullptr, false, 1, std::nullopt);  // pressed: darker
    EXPECT_NE(BufferPixel(position, bx, 4), GetPixel(w.captionCacheDc, bx, 4) & 0xFFFFFF);
    ::Skin->RestoreCaptionArea(position, RECT{bx, 0, bx + 2, 10});
    EXPECT_EQ(BufferPixel(position, bx, 4), GetPixel(w.captionCacheDc, bx, 4) & 0xFFFFFF);
}

TEST_F(Composition, FirstBufferBitmapIsKeptOnceAndOnlyThePreviousPictureIsDeleted) {
    const std::int32_t position = Skinned();
    HWND window = Record(position).hwnd;
    ::Skin->PaintWindow(position, std::nullopt);
    HGDIOBJ original = GetPropA(window, "Ck_Ycjdx");
    HGDIOBJ first = GetPropA(window, "Ck_wtjbdx");
    ASSERT_NE(original, nullptr);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(GetCurrentObject(Record(position).windowBuffer, OBJ_BITMAP), first);
    ::Skin->PaintWindow(position, std::nullopt);
    HGDIOBJ second = GetPropA(window, "Ck_wtjbdx");
    EXPECT_EQ(GetPropA(window, "Ck_Ycjdx"), original);
    EXPECT_NE(second, first);
    EXPECT_EQ(GetObjectType(first), 0u) << "the previous picture is deleted";
    EXPECT_EQ(GetObjectType(second), static_cast<DWORD>(OBJ_BITMAP));
    EXPECT_EQ(GetObjectType(original), static_cast<DWORD>(OBJ_BITMAP)) << "the buffer's own bitmap stays";
}

TEST_F(Composition, WithoutCaptionThereIsNoFrameTitleOrButtons) {
    SkinOptions options;
    options.hasCaption = 0;
    const std::int32_t position = Skinned(options);
    SetWindowTextA(Record(position).hwnd, "WWWWWWWWWWWWWWWW");
    ::Skin->PaintWindow(position, std::nullopt);
    const SkinnedWindow& w = Record(position);
    EXPECT_EQ(w.captionCacheDc, nullptr);
    EXPECT_NE(w.stripCacheDc, nullptr) << "the status strip cache is rebuilt all the same";
    for (int x : {2, 30, 60, 100, 240, 280})
        for (int y : {3, 8, 12, 20})
            EXPECT_TRUE(Near(BufferPixel(position, x, y), kBackground, 2)) << x << "," << y;
}

TEST_F(Composition, CaptionShowsTitleAndButtonsOverTheBackground) {
    const std::int32_t position = Skinned();
    SetWindowTextA(Record(position).hwnd, "WWWWWWWWWW");
    ::Skin->PaintWindow(position, std::nullopt);
    // The white title with its grey halo starts at x = 3 + 6 + 20.
    int titleInk = 0;
    for (int x = 29; x < 110; ++x)
        for (int y = 8; y < 22; ++y) titleInk += Brightness(BufferPixel(position, x, y)) > 700 ? 1 : 0;
    EXPECT_GT(titleInk, 30);
    // Each caption button gets a light gloss at its top.
    const SkinnedWindow& w = Record(position);
    for (int p = 1; p <= w.CaptionButtons.Count(); ++p) {
        const int x = static_cast<int>(w.CaptionButtons[p].x) + 6;
        EXPECT_GT(Brightness(BufferPixel(position, x, 3)), Brightness(kBackground)) << "button " << p;
    }
}

TEST_F(Composition, SettingTheWindowTextRedrawsOnlyTheTitle) {
    const std::int32_t position = Skinned();
    HWND window = Record(position).hwnd;
    SetWindowTextA(window, "WWWWWWWWWW");
    ::Skin->PaintWindow(position, std::nullopt);
    auto titleInk = [&] {
        int ink = 0;
        for (int x = 29; x < 110; ++x)
            for (int y = 8; y < 22; ++y) ink += Brightness(BufferPixel(position, x, y)) > 700 ? 1 : 0;
        return ink;
    };
    ASSERT_GT(titleInk(), 30);
    HGDIOBJ picture = GetPropA(window, "Ck_wtjbdx");
    SetWindowTextA(window, "");  // the skinned caption redraws before the window stores the text
    EXPECT_EQ(titleInk(), 0) << "the old title is gone";
    EXPECT_EQ(GetPropA(window, "Ck_wtjbdx"), picture) << "without recomposing";
    SetWindowTextA(window, "WWWWWWWWWW");
    EXPECT_GT(titleInk(), 30);
    Record(position).showTitle = 0;
    SetWindowTextA(window, "");
    EXPECT_GT(titleInk(), 30) << "a window without title leaves its caption alone";
}

TEST_F(Composition, StatusBarItemOfWidthMinusOneTakesTheRest) {
    OneBasedList<StatusBarItem> items(OneBasedList<StatusBarItem>::StartEmpty{});
    items.Append(StatusBarItem{60, "one", {}, 0});
    items.Append(StatusBarItem{-1, "rest", {}, 0});
    items.Append(StatusBarItem{40, "late", {}, 0});
    SkinOptions options;
    options.statusBarHeight = 20;
    options.items = items;
    const std::int32_t position = Skinned(options, WS_POPUP | WS_SYSMENU, 300, 200);
    const SkinnedWindow& w = Record(position);
    EXPECT_EQ(w.statusBarHeight, 20);
    EXPECT_EQ(w.statusBarRect.left, 3);
    EXPECT_EQ(w.statusBarRect.top, 176);
    EXPECT_EQ(w.statusBarRect.right, 294);  // width
    ASSERT_EQ(w.statusBarItemRects.Count(), 3);
    const int expected[3][2] = {{3, 60}, {63, 234}, {297, 40}};  // x, width
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(w.statusBarItemRects[k].left, expected[k - 1][0]) << "item " << k;
        EXPECT_EQ(w.statusBarItemRects[k].right, expected[k - 1][1]) << "item " << k;
        EXPECT_EQ(w.statusBarItemRects[k].top, 176);
    }
    ::Skin->PaintWindow(position, std::nullopt);
    BITMAP strip{};
    ASSERT_EQ(GetObjectA(Record(position).stripCacheBitmap, sizeof strip, &strip), static_cast<int>(sizeof strip));
    EXPECT_EQ(strip.bmWidth, 294);
    EXPECT_EQ(strip.bmHeight, 20);
    // The items' white veil brightens the bar against the background above it.
    EXPECT_GT(Brightness(BufferPixel(position, 150, 178)), Brightness(BufferPixel(position, 150, 150)));
    EXPECT_EQ(::Skin->SetStatusBarItem(Record(position).hwnd, 4, "x", std::nullopt, std::nullopt), 0);
    EXPECT_EQ(::Skin->SetStatusBarItem(Record(position).hwnd, 0, "x", std::nullopt, std::nullopt), 0);
    EXPECT_EQ(::Skin->SetStatusBarItem(Record(position).hwnd, 2, "changed", std::nullopt, 0xFF), 1);
    EXPECT_EQ(Record(position).StatusBarItems[2].text, "changed");
}

TEST_F(Composition, PaintFromTheBufferCopiesWithoutRecomposing) {
    const std::int32_t position = Skinned();
    ::Skin->PaintWindow(position, std::nullopt);
    HGDIOBJ picture = GetPropA(Record(position).hwnd, "Ck_wtjbdx");
    HDC target = CreateCompatibleDC(nullptr);
    HBITMAP canvas = CreateCompatibleBitmap(Record(position).windowBuffer, 294, 186);
    HGDIOBJ old = SelectObject(target, canvas);
    ::Skin->PaintWindowFromBuffer(position, target);
    EXPECT_TRUE(Near(GetPixel(target, 150, 100) & 0xFFFFFF, kBackground, 2));
    EXPECT_EQ(GetPropA(Record(position).hwnd, "Ck_wtjbdx"), picture);
    SelectObject(target, old);
    DeleteObject(canvas);
    DeleteDC(target);
}
