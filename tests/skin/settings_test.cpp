// The process-wide background and control settings.
#include <gtest/gtest.h>

#include <functional>

#include "skin/core/paint_routines.h"
#include "tests/skin/skin_test_support.h"
#include "tests/support/fixtures.h"

using namespace skin_test;

namespace {

class SkinSettings : public testing::Test {
protected:
    void SetUp() override { StartSkin(); }
    void TearDown() override {
        for (HWND w : windows_) DestroyTestWindow(w);
        Pump();
    }
    std::int32_t SkinnedTestWindow(int width = 200, int height = 100) {
        HWND w = CreateRecordingWindow(WS_POPUP | WS_SYSMENU, width, height);
        windows_.push_back(w);
        SkinOptions options;
        options.hasCaption = 0;  // background only
        return AttachSkin(w, options);
    }
    std::vector<HWND> windows_;
};

}  // namespace

TEST_F(SkinSettings, EdgeCasesOfTheSettingOperations) {
    const ByteSet red = SolidPng(30, 20, 0xFFFF0000);
    const ByteSet marker = {9, 9, 9};
    struct Case {
        const char* name;
        std::function<void()> arrange;
        std::function<void()> act;
        std::function<void()> check;
    };
    const Case cases[] = {
        {"nothing given: only the theme colour resets",
         [&] { ThemeColour = 0x123456; BackgroundImage = marker; BackgroundColour = 0x010203; BackgroundMode = 2; },
         [&] { ::Skin->SetBackground("", {}, std::nullopt, std::nullopt, std::nullopt); },
         [&] {
             EXPECT_EQ(ThemeColour, 0xDDCA22u);
             EXPECT_EQ(BackgroundImage, marker);
             EXPECT_EQ(BackgroundColour, 0x010203u);
             EXPECT_EQ(BackgroundMode, 2);
         }},
        {"nothing but a theme colour: stored",
         [&] {}, [&] { ::Skin->SetBackground("", {}, std::nullopt, 0x445566, std::nullopt); },
         [&] { EXPECT_EQ(ThemeColour, 0x445566u); }},
        {"only a colour: image emptied, mode kept",
         [&] { BackgroundImage = marker; BackgroundMode = 3; },
         [&] { ::Skin->SetBackground("", {}, 0x00AA00, std::nullopt, std::nullopt); },
         [&] {
             EXPECT_TRUE(BackgroundImage.empty());
             EXPECT_EQ(BackgroundMode, 3);
             EXPECT_EQ(BackgroundColour, 0x00AA00u);
         }},
        {"theme -1 follows the colour given",
         [&] {}, [&] { ::Skin->SetBackground("", {}, 0x0A0B0C, static_cast<COLORREF>(-1), std::nullopt); },
         [&] { EXPECT_EQ(ThemeColour, 0x0A0B0Cu); }},
        {"theme -1 follows the averaged colour",
         [&] {}, [&] { ::Skin->SetBackground("", red, std::nullopt, static_cast<COLORREF>(-1), 3); },
         [&] {
             EXPECT_EQ(BackgroundColour & 0xFFFFFF, 0x0000FFu);
             EXPECT_EQ(ThemeColour & 0xFFFFFF, 0x0000FFu);
         }},
        {"mode omitted: mirrored strip, bytes kept",
         [&] {}, [&] { ::Skin->SetBackground("", red, std::nullopt, std::nullopt, std::nullopt); },
         [&] {
             EXPECT_EQ(BackgroundMode, 4);
             EXPECT_EQ(BackgroundImage, red);
         }},
        {"mode 0 stores the edge-blended PNG",
         [&] {}, [&] { ::Skin->SetBackground("", red, 0xFF0000, std::nullopt, 0); },
         [&] {
             EXPECT_EQ(BackgroundMode, 0);
             EXPECT_FALSE(BackgroundImage.empty());
             EXPECT_NE(BackgroundImage, red);
         }},
        {"control options without alpha",
         [&] { ControlAlpha = 50; ControlsTranslucent = 1; TrackbarFrame = 0; },
         [&] { EXPECT_EQ(::Skin->SetControlOptions(1, std::nullopt, std::nullopt), 1); },
         [&] {
             EXPECT_EQ(SkinControls, 1);
             EXPECT_EQ(ControlAlpha, 160);
             EXPECT_EQ(ControlsTranslucent, 0);
             EXPECT_EQ(TrackbarFrame, 1);
         }},
        {"control options with alpha",
         [&] {}, [&] { ::Skin->SetControlOptions(0, 50, 0); },
         [&] {
             EXPECT_EQ(SkinControls, 0);
             EXPECT_EQ(ControlAlpha, 50);
             EXPECT_EQ(ControlsTranslucent, 1);
             EXPECT_EQ(TrackbarFrame, 0);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartSkin();
        c.arrange();
        c.act();
        c.check();
    }
}

TEST_F(SkinSettings, WindowBackgroundNeedsASkinnedWindowAndBytes) {
    HWND plain = CreateRecordingWindow(WS_POPUP, 100, 80);
    windows_.push_back(plain);
    EXPECT_EQ(::Skin->SetWindowBackground(plain, SolidPng(8, 8, 0xFF00FF00), 3), 0);
    const std::int32_t position = SkinnedTestWindow();
    HWND skinned = Record(position).hwnd;
    EXPECT_EQ(::Skin->SetWindowBackground(skinned, {}, 3), 0);
    EXPECT_TRUE(Record(position).ownImage.empty());
    SetPropA(plain, "Hw_lbID", reinterpret_cast<HANDLE>(99));  // a position outside the registry
    EXPECT_EQ(::Skin->SetWindowBackground(plain, SolidPng(8, 8, 0xFF00FF00), 3), 0);
}

TEST_F(SkinSettings, AWindowsOwnImageOverridesTheProcessBackground) {
    ::Skin->SetBackground("", SolidPng(20, 20, 0xFFFF0000), 0x0000FF, std::nullopt, 3);
    const std::int32_t position = SkinnedTestWindow();
    ASSERT_EQ(::Skin->SetWindowBackground(Record(position).hwnd, SolidPng(20, 20, 0xFF00FF00), 3), 1);
    EXPECT_EQ(Record(position).backgroundDirty, 1);
    EXPECT_EQ(Record(position).ownColour & 0xFFFFFF, 0x00FF00u);
    ::Skin->PaintWindow(position, std::nullopt);
    EXPECT_TRUE(Near(BufferPixel(position, 100, 50), 0x00FF00, 6));
}

TEST_F(SkinSettings, ColourOnlyFillsTheRoundedClientArea) {
    ::Skin->SetBackground("", {}, 0x3366CC, std::nullopt, std::nullopt);
    const std::int32_t position = SkinnedTestWindow();
    ::Skin->PaintWindow(position, std::nullopt);
    EXPECT_TRUE(Near(BufferPixel(position, 100, 50), 0x3366CC, 2));
    EXPECT_TRUE(Near(BufferPixel(position, 0, 0), 0xFF00FF, 2));  // the magenta key outside the rounded corner
}

TEST_F(SkinSettings, Mode2CentresALargerImageCutOnAllSides) {
    // 400 x 300, left half red, right half blue, on a 200 x 100 client: the
    // image starts at (-100, -100), so the seam falls at x = 100.
    ::Skin->SetBackground("", TwoColourPng(400, 300, 0xFFFF0000, 0xFF0000FF), std::nullopt, std::nullopt, 2);
    const std::int32_t position = SkinnedTestWindow(200, 100);
    ::Skin->PaintWindow(position, std::nullopt);
    EXPECT_TRUE(Near(BufferPixel(position, 90, 50), 0x0000FF, 6));
    EXPECT_TRUE(Near(BufferPixel(position, 110, 50), 0xFF0000, 6));
}

TEST_F(SkinSettings, ABackgroundFileIsReadAndStoredAsPng) {
    const std::string file = test_support::ScratchDir("skin_background_file") + "\\picture.png";
    test_support::WriteFileBytes(file, SolidPng(30, 20, 0xFF3060A0));
    ::Skin->SetBackground(file, {}, std::nullopt, std::nullopt, 3);
    EXPECT_EQ(BackgroundColour & 0xFFFFFF, 0xA06030u);
    EXPECT_EQ(BackgroundMode, 3);
    ASSERT_GE(BackgroundImage.size(), 8u);
    EXPECT_EQ(BackgroundImage[1], 'P');  // a PNG signature
    const std::int32_t position = SkinnedTestWindow();
    ::Skin->PaintWindow(position, std::nullopt);
    EXPECT_TRUE(Near(BufferPixel(position, 100, 50), 0xA06030, 4));
}

TEST_F(SkinSettings, UndecodableBackgroundsGiveTheColourFillOnly) {
    const ByteSet garbage = {0xFF, 0xD8, 0xFF, 1, 2, 3};
    ::Skin->SetBackground("", garbage, 0x208040, std::nullopt, 3);
    const std::int32_t position = SkinnedTestWindow();
    ::Skin->PaintWindow(position, std::nullopt);
    EXPECT_TRUE(Near(BufferPixel(position, 100, 50), 0x208040, 2));

    ::Skin->SetBackground("Z:\\no\\such\\picture.jpg", {}, std::nullopt, std::nullopt, std::nullopt);
    EXPECT_EQ(BackgroundColour & 0xFFFFFF, GetSysColor(COLOR_BTNFACE));
    EXPECT_TRUE(BackgroundImage.empty());
    ::Skin->PaintWindow(position, std::nullopt);
    EXPECT_TRUE(Near(BufferPixel(position, 100, 50), GetSysColor(COLOR_BTNFACE), 2));
}
