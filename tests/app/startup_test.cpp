// Start-up and the exit routine, in a process of their own so the exit
// routine really runs last.
#include <gtest/gtest.h>

#include "app/app.h"
#include "skin/core/registry.h"
#include "skin/core/skin_engine.h"
#include "skin/core/skin_state.h"

namespace {

TEST(Startup, CreatesTheSkinAndSetsTheStartValues) {
    ControlAlpha = 7;
    ThemeColour = 0;
    EXPECT_TRUE(StartApplication());
    ASSERT_NE(Skin, nullptr);
    EXPECT_NE(GdiplusToken, 0u);
    EXPECT_NE(AppIcon, nullptr);
    EXPECT_EQ(SkinControls, 1);
    EXPECT_EQ(ControlAlpha, 160);
    EXPECT_EQ(ControlsTranslucent, 0);
    EXPECT_EQ(TrackbarFrame, 1);
    EXPECT_EQ(ThemeColour, 0xDDCA22u);
    EXPECT_EQ(BackgroundColour, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(FirstSizePending, 1);
    EXPECT_EQ(SkinRegistry.Count(), 0);
    EXPECT_EQ(MemoryDcList.Count(), 0);
}

TEST(Startup, ExitRoutineReleasesEverythingOnce) {
    ASSERT_NE(Skin, nullptr);
    SkinnedWindow record;
    record.hwnd = reinterpret_cast<HWND>(0x1234);
    AddSkinnedWindow(record);
    BackgroundImage = {1, 2, 3};

    ExitRoutine();
    EXPECT_EQ(Skin, nullptr);
    EXPECT_EQ(AppIcon, nullptr);
    EXPECT_EQ(SkinRegistry.Count(), 0);
    EXPECT_TRUE(BackgroundImage.empty());

    // A second call (the registered exit hook at process end) does nothing.
    SkinnedWindow again;
    AddSkinnedWindow(again);
    ExitRoutine();
    EXPECT_EQ(SkinRegistry.Count(), 1);
    SkinRegistry.Clear();
}

}  // namespace
