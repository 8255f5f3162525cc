// Text drawing and measuring, fonts and character ranges.

#include "tests/gdiplus/gdip_test_support.h"

#include <string>

using namespace gdip_test;

namespace {

// The first installed of a few common faces: Windows has Tahoma; a Wine
// prefix may see only the host's fonts.
const std::string& Face() {
    static const std::string face = [] {
        for (const char* name : {"Tahoma", "DejaVu Sans", "Liberation Sans", "WenQuanYi Micro Hei"}) {
            FontFamily family;
            if (family.CreateFontFamilyFromName(name, FontCollection{})) {
                family.DeleteFontFamily();
                return std::string(name);
            }
        }
        return std::string();
    }();
    return face;
}

struct TextKit {
    Font font;
    SolidBrush ink;
    StringFormat format;

    TextKit() {
        EXPECT_FALSE(Face().empty()) << "none of the test faces is installed";
        EXPECT_TRUE(font.CreateFontFromName(Face(), 14, {}, Gdiplus::UnitPixel));
        EXPECT_TRUE(ink.CreateSolidFill(kBlack));
        EXPECT_TRUE(format.CreateStringFormat());
    }
};

TEST(GdipText, DrawStringInksOnlyItsLayoutRectangle) {
    // The text wraps to fit the rectangle's width and its lines fit its
    // height. (Windows would also clip a last line that does not fit; Wine 8
    // draws it whole, so the test does not depend on clipping.)
    Canvas canvas(200, 110);
    TextKit kit;
    const RectRecord layout{40, 20, 100, 60};
    ASSERT_TRUE(canvas.graphics.DrawString("Wrapped text, far too long", kit.font, kit.ink, layout, kit.format));
    int inside = 0, outside = 0, lowerLines = 0;
    for (int y = 0; y < 110; ++y) {
        for (int x = 0; x < 200; ++x) {
            if (!IsInk(canvas.Pixel(x, y))) continue;
            const bool in = x >= 40 && x < 140 && y >= 20 && y < 80;
            (in ? inside : outside)++;
            if (in && y >= 40) lowerLines++;
        }
    }
    EXPECT_GT(inside, 50);
    EXPECT_GT(lowerLines, 10) << "the text did not wrap at the rectangle's width";
    EXPECT_EQ(outside, 0);
}

TEST(GdipText, ALongerTextMeasuresWider) {
    Canvas canvas(10, 10);
    TextKit kit;
    const RectRecord room{0, 0, 1000, 100};
    RectRecord shortBounds, longBounds;
    ASSERT_TRUE(canvas.graphics.MeasureString("Hi", kit.font, room, kit.format, shortBounds));
    ASSERT_TRUE(canvas.graphics.MeasureString("Hi there, friend", kit.font, room, kit.format, longBounds));
    EXPECT_GT(shortBounds.width, 0);
    EXPECT_GT(longBounds.width, shortBounds.width + 20);
    EXPECT_NEAR(longBounds.height, shortBounds.height, 1.0);
}

TEST(GdipText, AnEmptyTextIsATerminatorOnlyString) {
    EXPECT_EQ(ToWideText(""), (ByteSet{0, 0}));
    Canvas canvas(60, 30);
    TextKit kit;
    EXPECT_TRUE(canvas.graphics.DrawString("", kit.font, kit.ink, RectRecord{0, 0, 60, 30}, kit.format));
    EXPECT_COLOUR(canvas.Pixel(5, 10), kWhite);
    RectRecord bounds{1, 1, 1, 1};
    EXPECT_TRUE(canvas.graphics.MeasureString("", kit.font, RectRecord{0, 0, 60, 30}, kit.format, bounds));
    EXPECT_FLOAT_EQ(bounds.width, 0);
}

TEST(GdipText, AFaceThatIsNotInstalledGivesNoFont) {
    Font font;
    EXPECT_FALSE(font.CreateFontFromName("No Such Face Installed 7319", 12));
    EXPECT_EQ(font.GetNativeHandle(), nullptr);
    EXPECT_NE(GdipLastStatus, Gdiplus::Ok);
}

TEST(GdipText, FontsKnowTheirFamilySizeAndStyle) {
    Font font;
    ASSERT_TRUE(font.CreateFontFromName(Face(), 11, Gdiplus::FontStyleBold));
    EXPECT_FLOAT_EQ(font.GetFontSize(), 11);
    EXPECT_EQ(font.GetFontStyle(), Gdiplus::FontStyleBold);

    FontFamily family;
    ASSERT_TRUE(font.GetFamily(family));
    EXPECT_EQ(family.GetFamilyName(), Face());
    const ByteSet wide = family.GetFamilyNameW();
    EXPECT_EQ(wide.size(), 64u);
    EXPECT_EQ(WideToText(wide), Face());
    // Destroying a family wrapper does not release the native family.
    void* native = family.GetNativeHandle();
    { FontFamily view; view.SetNativeHandle(native); }
    EXPECT_EQ(family.GetFamilyName(), Face());
    EXPECT_TRUE(family.DeleteFontFamily());
}

TEST(GdipText, TheDefaultGuiFontComesFromTheStockFont) {
    LOGFONTA stock{};
    ASSERT_NE(GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof stock, &stock), 0);
    Font gui;
    if (!gui.CreateDefaultGuiFont()) {
        // Only acceptable when GDI+ cannot find the stock font's face at all
        // (a Wine prefix without Wine's own fonts); the wrapper stays empty.
        EXPECT_EQ(gui.GetNativeHandle(), nullptr);
        FontFamily face;
        ASSERT_FALSE(face.CreateFontFamilyFromName(stock.lfFaceName, FontCollection{}))
            << "the face exists, yet no font was made";
        GTEST_SKIP() << "the stock font's face " << stock.lfFaceName << " is not installed";
    }
    Canvas canvas(4, 4);
    LOGFONTA back{};
    ASSERT_TRUE(gui.GetLogFontA(canvas.graphics, &back));
    EXPECT_STREQ(back.lfFaceName, stock.lfFaceName);
}

TEST(GdipText, MeasureCharacterRangesNeedsAtLeastOneRange) {
    Canvas canvas(10, 10);
    TextKit kit;
    std::vector<Region> regions(1);
    ASSERT_TRUE(regions[0].CreateRegion());
    void* before = regions[0].GetNativeHandle();

    EXPECT_FALSE(canvas.graphics.MeasureCharacterRanges("ab cd", kit.font, RectRecord{0, 0, 200, 40}, kit.format, 0,
                                                        regions));
    EXPECT_EQ(GdipLastStatus, Gdiplus::InvalidParameter);
    ASSERT_EQ(regions.size(), 1u);
    EXPECT_EQ(regions[0].GetNativeHandle(), before);
}

TEST(GdipText, MeasureCharacterRangesGivesOneRegionPerRange) {
    Canvas canvas(10, 10);
    TextKit kit;
    ASSERT_TRUE(kit.format.SetStringFormatMeasurableCharacterRanges({{0, 2}, {3, 2}}));
    ASSERT_EQ(kit.format.GetStringFormatMeasurableCharacterRangeCount(), 2);
    std::vector<Region> regions(5);
    ASSERT_TRUE(canvas.graphics.MeasureCharacterRanges("ab cd", kit.font, RectRecord{0, 0, 200, 40}, kit.format, 2,
                                                       regions));
    ASSERT_EQ(regions.size(), 2u);
    const RectRecord first = regions[0].GetRegionBounds(canvas.graphics);
    const RectRecord second = regions[1].GetRegionBounds(canvas.graphics);
    EXPECT_GT(first.width, 0);
    EXPECT_GT(second.x, first.x + first.width - 0.5f);
}

}  // namespace
