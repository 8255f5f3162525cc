// Images, bitmaps and the memory stream against the platform's GDI+.

#include "tests/gdiplus/gdip_test_support.h"
#include "tests/gdiplus/png_fixture.h"
#include "tests/support/fixtures.h"

using namespace gdip_test;

namespace {

constexpr Gdiplus::ARGB kHalfGreen = 0x8000FF00;

bool StartsWith(const ByteSet& bytes, const std::string& prefix) {
    return bytes.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), bytes.begin(),
                      [](char c, std::uint8_t b) { return static_cast<std::uint8_t>(c) == b; });
}

TEST(GdipMemoryStream, BytesGoInAndComeBackOut) {
    MemoryStream stream;
    ASSERT_NE(stream.CreateFromBytes({}), nullptr);
    EXPECT_TRUE(stream.ToBytes().empty());

    const ByteSet bytes = {1, 2, 3, 4, 5};
    ASSERT_NE(stream.CreateFromBytes(bytes), nullptr);
    EXPECT_EQ(stream.ToBytes(), bytes);
    // The stream starts at the first byte.
    std::uint8_t first = 0;
    ULONG read = 0;
    ASSERT_EQ(stream.GetStream()->Read(&first, 1, &read), S_OK);
    EXPECT_EQ(first, 1);

    // A size beyond the bytes gives a zero tail, never bytes from elsewhere.
    ASSERT_NE(stream.CreateFromBytes(bytes, 0, 8u), nullptr);
    EXPECT_EQ(stream.ToBytes(), (ByteSet{1, 2, 3, 4, 5, 0, 0, 0}));

    stream.Close();
    EXPECT_EQ(stream.GetStream(), nullptr);
    EXPECT_EQ(stream.GetHGlobal(), nullptr);
}

TEST(GdipImages, PngBytesRoundTripKeepSizeAndPixels) {
    Bitmap original;
    ASSERT_TRUE(original.CreateBlankBitmap(8, 6));
    ASSERT_TRUE(original.BitmapSetPixel(0, 0, kRed));
    ASSERT_TRUE(original.BitmapSetPixel(7, 5, kBlue));
    ASSERT_TRUE(original.BitmapSetPixel(3, 2, kHalfGreen));

    const ByteSet png = original.SaveImageToBytes(std::string(kPngFormat));
    ASSERT_TRUE(StartsWith(png, "\x89PNG"));

    Bitmap loaded;
    ASSERT_TRUE(loaded.LoadImageFromBytes(png));
    EXPECT_EQ(loaded.GetImageWidth(), 8u);
    EXPECT_EQ(loaded.GetImageHeight(), 6u);
    EXPECT_EQ(loaded.GetImageRawFormat(), kPngFormat);
    EXPECT_COLOUR(loaded.BitmapGetPixel(0, 0), kRed);
    EXPECT_COLOUR(loaded.BitmapGetPixel(7, 5), kBlue);
    EXPECT_COLOUR(loaded.BitmapGetPixel(3, 2), kHalfGreen);
    EXPECT_EQ(loaded.BitmapGetPixel(1, 1) >> 24, 0u);  // untouched: transparent
}

TEST(GdipImages, AForeignPngDecodesAndStretchesWhole) {
    Image image;
    ASSERT_TRUE(image.LoadImageFromBytes(kRedBluePng26x18));
    EXPECT_EQ(image.GetImageWidth(), 26u);
    EXPECT_EQ(image.GetImageHeight(), 18u);

    Bitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmapFromBytes(kRedBluePng26x18));
    EXPECT_COLOUR(bitmap.BitmapGetPixel(2, 9), kRed);
    EXPECT_COLOUR(bitmap.BitmapGetPixel(23, 9), kBlue);

    // Into 52 x 36 the whole image doubles: the colour edge moves to x = 26.
    Canvas canvas(80, 50);
    ASSERT_TRUE(canvas.graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor));
    ASSERT_TRUE(canvas.graphics.DrawImageRect(image, 0, 0, 52, 36));
    EXPECT_COLOUR(canvas.Pixel(2, 2), kRed);
    EXPECT_COLOUR(canvas.Pixel(22, 33), kRed);
    EXPECT_COLOUR(canvas.Pixel(30, 2), kBlue);
    EXPECT_COLOUR(canvas.Pixel(49, 33), kBlue);
    EXPECT_COLOUR(canvas.Pixel(56, 10), kWhite);  // right of the rectangle
    EXPECT_COLOUR(canvas.Pixel(10, 40), kWhite);  // below it
}

TEST(GdipImages, BytesThatAreNoImageFailAndLeaveTheWrapperEmpty) {
    Image image;
    EXPECT_FALSE(image.LoadImageFromBytes({'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'}));
    EXPECT_EQ(image.GetNativeHandle(), nullptr);
    EXPECT_FALSE(image.LoadImageFromBytes({}));
    EXPECT_TRUE(Image{}.SaveImageToBytes(std::string(kPngFormat)).empty());
}

TEST(GdipImages, SaveImageToFileDefaultsToBmpAndReportsTheFormat) {
    const std::string dir = test_support::ScratchDir("gdiplus_save");
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBlankBitmap(5, 4));
    ASSERT_TRUE(bitmap.BitmapSetPixel(1, 1, kRed));

    std::optional<std::string> format;
    ASSERT_TRUE(bitmap.SaveImageToFile(dir + "\\default.bmp", format));
    ASSERT_TRUE(format.has_value());
    EXPECT_EQ(*format, kBmpFormat);
    EXPECT_TRUE(StartsWith(test_support::ReadFileBytes(dir + "\\default.bmp"), "BM"));

    ASSERT_TRUE(bitmap.SaveImageToFile(dir + "\\plain.bmp"));
    EXPECT_TRUE(StartsWith(test_support::ReadFileBytes(dir + "\\plain.bmp"), "BM"));

    std::optional<std::string> png = kPngFormat;
    ASSERT_TRUE(bitmap.SaveImageToFile(dir + "\\chosen.png", png));
    EXPECT_EQ(*png, kPngFormat);
    Bitmap reread;
    ASSERT_TRUE(reread.CreateBitmapFromFile(dir + "\\chosen.png"));
    EXPECT_COLOUR(reread.BitmapGetPixel(1, 1), kRed);

    // A format no encoder has: GDI+ refuses the save.
    std::optional<std::string> unknown = "{00000000-1111-2222-3333-444444444444}";
    EXPECT_FALSE(bitmap.SaveImageToFile(dir + "\\unknown.img", unknown));
}

TEST(GdipImages, TheEncoderListHasPngAndBmp) {
    const std::vector<EncoderInfoRecord> encoders = GetImageEncoders();
    auto has = [&](const char* format) {
        return std::any_of(encoders.begin(), encoders.end(), [&](const auto& e) { return e.formatId == format; });
    };
    EXPECT_TRUE(has(kPngFormat));
    EXPECT_TRUE(has(kBmpFormat));
    for (const auto& e : encoders) {
        EXPECT_EQ(e.classId.size(), 38u) << e.codecName;
        EXPECT_EQ(e.signaturePattern.size(), std::size_t{e.signatureCount} * e.signatureSize) << e.codecName;
    }
}

TEST(GdipImages, DisposeClosesTheImageOnce) {
    Image image;
    ASSERT_TRUE(image.LoadImageFromBytes(kRedBluePng26x18));
    EXPECT_TRUE(image.DisposeImage());
    EXPECT_EQ(image.GetNativeHandle(), nullptr);
    EXPECT_FALSE(image.DisposeImage());
    // Loading again after a dispose works on the same wrapper.
    EXPECT_TRUE(image.LoadImageFromBytes(kRedBluePng26x18));
}

TEST(GdipImages, LoadingOverALoadedImageReplacesIt) {
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmapFromBytes(kRedBluePng26x18));
    ASSERT_TRUE(bitmap.CreateBitmapFromBytes(kRedBluePng26x18));
    EXPECT_COLOUR(bitmap.BitmapGetPixel(20, 5), kBlue);
}

TEST(GdipImages, GetRotatedSize) {
    struct Case {
        int angle;
        float width, height;
    };
    for (const Case c : {Case{0, 39, 19}, Case{90, 19, 39}, Case{180, 39, 19}}) {
        float w = -1, h = -1;
        Bitmap::GetRotatedSize(40, 20, c.angle, w, h);
        EXPECT_NEAR(w, c.width, 1e-4) << c.angle;
        EXPECT_NEAR(h, c.height, 1e-4) << c.angle;
    }
    float w = 0, h = 0;
    Bitmap::GetRotatedSize(40, 20, 0, w, h);
    EXPECT_EQ(w, 39.0f);  // exactly, not just nearly
    EXPECT_EQ(h, 19.0f);
}

TEST(GdipImages, CreateRotatedBitmapTurnsAboutTheCanvasCentre) {
    // Left half red, right half blue; a quarter turn clockwise puts red on top.
    Canvas source(20, 10, kBlue);
    SolidBrush red;
    ASSERT_TRUE(red.CreateSolidFill(kRed));
    ASSERT_TRUE(source.graphics.FillRectangle(red, 0, 0, 10, 10));

    Bitmap rotated;
    ASSERT_TRUE(source.bitmap.CreateRotatedBitmap(90, rotated, kWhite));
    EXPECT_EQ(rotated.GetImageWidth(), 9u);
    EXPECT_EQ(rotated.GetImageHeight(), 19u);
    EXPECT_COLOUR(rotated.BitmapGetPixel(4, 3), kRed);
    EXPECT_COLOUR(rotated.BitmapGetPixel(4, 15), kBlue);

    // With a size given, the canvas has that size and the picture sits in
    // its centre on the background.
    Bitmap larger;
    ASSERT_TRUE(source.bitmap.CreateRotatedBitmap(0, larger, kWhite, {}, SizeRecord{40, 30}));
    EXPECT_EQ(larger.GetImageWidth(), 40u);
    EXPECT_EQ(larger.GetImageHeight(), 30u);
    EXPECT_COLOUR(larger.BitmapGetPixel(15, 15), kRed);
    EXPECT_COLOUR(larger.BitmapGetPixel(25, 15), kBlue);
    EXPECT_COLOUR(larger.BitmapGetPixel(3, 3), kWhite);
}

}  // namespace
