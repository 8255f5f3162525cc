// The conventions every wrapper operation follows: the result kinds, the
// delete rule, GdipLastStatus, moves, and the text and GUID conversions.

#include "tests/gdiplus/gdip_test_support.h"

#include <functional>
#include <string>

using namespace gdip_test;

namespace {

// A status no operation below produces, to see whether it was overwritten.
constexpr Gdiplus::Status kUntouched = Gdiplus::PropertyNotSupported;

TEST(GdipConventions, DeletingAnEmptyWrapperReturnsFalseAndLeavesTheStatusAlone) {
    const std::vector<std::pair<const char*, std::function<bool()>>> deletes = {
        {"DeleteGraphics", [] { return Graphics{}.DeleteGraphics(); }},
        {"DeletePath", [] { return GraphicsPath{}.DeletePath(); }},
        {"DeleteRegion", [] { return Region{}.DeleteRegion(); }},
        {"DeleteBrush", [] { return SolidBrush{}.DeleteBrush(); }},
        {"DeletePen", [] { return Pen{}.DeletePen(); }},
        {"DeleteFont", [] { return Font{}.DeleteFont(); }},
        {"DeleteFontFamily", [] { return FontFamily{}.DeleteFontFamily(); }},
        {"DeleteStringFormat", [] { return StringFormat{}.DeleteStringFormat(); }},
        {"DisposeImage (Image)", [] { return Image{}.DisposeImage(); }},
        {"DisposeImage (Bitmap)", [] { return Bitmap{}.DisposeImage(); }},
    };
    for (const auto& [name, run] : deletes) {
        GdipLastStatus = kUntouched;
        EXPECT_FALSE(run()) << name;
        EXPECT_EQ(GdipLastStatus, kUntouched) << name;
    }
}

TEST(GdipConventions, DeletingTwiceSucceedsOnceAndEmptiesTheWrapper) {
    GraphicsPath path;
    ASSERT_TRUE(path.CreatePath());
    ASSERT_NE(path.GetNativeHandle(), nullptr);
    EXPECT_TRUE(path.DeletePath());
    EXPECT_EQ(path.GetNativeHandle(), nullptr);
    EXPECT_FALSE(path.DeletePath());

    Bitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBlankBitmap(4, 4));
    EXPECT_TRUE(bitmap.DisposeImage());
    EXPECT_FALSE(bitmap.DisposeImage());
}

TEST(GdipConventions, AFailedCreateReturnsFalseLeavesTheWrapperEmptyAndRecordsTheStatus) {
    SolidBrush noBrush;  // a pen made from a brush that holds nothing
    Pen pen;
    GdipLastStatus = kUntouched;
    EXPECT_FALSE(pen.CreatePen2(noBrush, 1.0f));
    EXPECT_EQ(pen.GetNativeHandle(), nullptr);
    EXPECT_EQ(GdipLastStatus, Gdiplus::InvalidParameter);

    Bitmap bitmap;
    EXPECT_FALSE(bitmap.CreateBlankBitmap(0, 0));
    EXPECT_EQ(bitmap.GetNativeHandle(), nullptr);
    EXPECT_NE(GdipLastStatus, Gdiplus::Ok);
}

TEST(GdipConventions, AFailedCloneHandsZeroToItsTargetWithoutDeletingWhatItHeld) {
    GraphicsPath target;
    ASSERT_TRUE(target.CreatePath());
    auto* held = static_cast<Gdiplus::GpPath*>(target.GetNativeHandle());

    GraphicsPath emptySource;
    EXPECT_FALSE(emptySource.ClonePath(target));
    EXPECT_EQ(target.GetNativeHandle(), nullptr);
    // The old native path is still alive: only its owner may delete it.
    EXPECT_EQ(Gdiplus::DllExports::GdipDeletePath(held), Gdiplus::Ok);
}

TEST(GdipConventions, ACloneGivesTheTargetItsOwnCopy) {
    GraphicsPath source, copy;
    ASSERT_TRUE(source.CreatePath());
    ASSERT_TRUE(source.AddPathRectangle(0, 0, 10, 10));
    ASSERT_TRUE(source.ClonePath(copy));
    EXPECT_NE(copy.GetNativeHandle(), source.GetNativeHandle());
    EXPECT_EQ(copy.GetPointCount(), source.GetPointCount());
    EXPECT_GT(copy.GetPointCount(), 0);
}

TEST(GdipConventions, ActionValueYesNoAndOutputResults) {
    Canvas canvas(20, 20);
    Graphics& g = canvas.graphics;

    // action and value
    EXPECT_TRUE(g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias));
    EXPECT_EQ(GdipLastStatus, Gdiplus::Ok);
    EXPECT_EQ(g.GetSmoothingMode(), Gdiplus::SmoothingModeAntiAlias);

    // yes/no
    ASSERT_TRUE(g.SetClipRect(0, 0, 10, 10));
    EXPECT_TRUE(g.IsVisiblePoint(5, 5));
    EXPECT_FALSE(g.IsVisiblePoint(15, 15));

    // output through the caller's variables
    ASSERT_TRUE(g.SetRenderingOrigin(3, 7));
    int x = 0, y = 0;
    EXPECT_TRUE(g.GetRenderingOrigin(x, y));
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, 7);

    // a new record
    const RectRecord clip = g.GetClipBounds();
    EXPECT_FLOAT_EQ(clip.width, 10);
    EXPECT_FLOAT_EQ(clip.height, 10);

    // On an empty wrapper: false, 0 and GDI+'s status.
    Graphics empty;
    EXPECT_FALSE(empty.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias));
    EXPECT_EQ(GdipLastStatus, Gdiplus::InvalidParameter);
    EXPECT_EQ(empty.GetSmoothingMode(), 0);
    EXPECT_FALSE(empty.IsVisiblePoint(1, 1));
}

TEST(GdipConventions, OptionalArgumentsTakeTheirDefaults) {
    Canvas canvas(8, 8, kRed);
    // GraphicsClear without a colour clears to 0 (transparent black).
    EXPECT_TRUE(canvas.graphics.GraphicsClear());
    EXPECT_EQ(canvas.Pixel(4, 4), 0u);

    Pen pen;
    ASSERT_TRUE(pen.CreatePen1(kBlack, 2.0f));  // unit omitted: 0 (world)
    EXPECT_EQ(pen.GetPenUnit(), Gdiplus::UnitWorld);
    Pen pixelPen;
    ASSERT_TRUE(pixelPen.CreatePen1(kBlack, 2.0f, Gdiplus::UnitPixel));
    EXPECT_EQ(pixelPen.GetPenUnit(), Gdiplus::UnitPixel);
}

bool RunningOnWine() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr; }

TEST(GdipConventions, SetPenUnitTruncatesARealUnit) {
    // Windows behaviour; Wine 8 exports GdipSetPenUnit as a stub that ends
    // the process when called.
    if (RunningOnWine()) GTEST_SKIP() << "GdipSetPenUnit is not implemented by Wine";
    Pen pen;
    ASSERT_TRUE(pen.CreatePen1(kBlack, 2.0f));
    EXPECT_TRUE(pen.SetPenUnit(2.9f));
    EXPECT_EQ(pen.GetPenUnit(), 2);
}

TEST(GdipConventions, MovingAWrapperHandsTheHandleOver) {
    SolidBrush first;
    ASSERT_TRUE(first.CreateSolidFill(kRed));
    void* handle = first.GetNativeHandle();
    SolidBrush second(std::move(first));
    EXPECT_EQ(first.GetNativeHandle(), nullptr);
    EXPECT_EQ(second.GetNativeHandle(), handle);
    // The derived field followed the handle: the brush's own operations work.
    EXPECT_EQ(second.GetSolidFillColor(), kRed);

    std::vector<Region> regions(2);
    ASSERT_TRUE(regions[0].CreateRegion());
    void* regionHandle = regions[0].GetNativeHandle();
    regions.reserve(16);  // reallocation moves the wrappers
    EXPECT_EQ(regions[0].GetNativeHandle(), regionHandle);
    EXPECT_TRUE(regions[0].SetEmpty());
}

TEST(GdipConventions, ArraysOfRecordsComeBackToTheCaller) {
    Canvas canvas(10, 10);
    ASSERT_TRUE(canvas.graphics.TranslateWorldTransform(5, 7));
    std::vector<PointRecord> points = {{1, 1}, {2, 3}};
    ASSERT_TRUE(canvas.graphics.TransformPoints(Gdiplus::CoordinateSpaceDevice, Gdiplus::CoordinateSpaceWorld,
                                                points));
    EXPECT_FLOAT_EQ(points[0].x, 6);
    EXPECT_FLOAT_EQ(points[0].y, 8);
    EXPECT_FLOAT_EQ(points[1].x, 7);
    EXPECT_FLOAT_EQ(points[1].y, 10);
}

TEST(GdipConventions, TextConversions) {
    EXPECT_EQ(ToWideText(""), (ByteSet{0, 0}));
    EXPECT_EQ(ToWideText("Ab"), (ByteSet{'A', 0, 'b', 0, 0, 0}));
    EXPECT_EQ(WideToText(ToWideText("Tahoma 9")), "Tahoma 9");
    // A wide text without its terminator is still read safely.
    EXPECT_EQ(WideToText(ByteSet{'o', 0, 'k', 0}), "ok");
}

TEST(GdipConventions, GuidConversions) {
    const ByteSet png = TextToGuid(kPngFormat);
    ASSERT_EQ(png.size(), 16u);
    EXPECT_EQ(png[0], 0xAF);  // Data1 0xB96B3CAF, little-endian
    EXPECT_EQ(png[3], 0xB9);
    EXPECT_EQ(GuidToText(png), kPngFormat);
    EXPECT_EQ(TextToGuid("not a guid"), ByteSet(16, 0));
}

}  // namespace
