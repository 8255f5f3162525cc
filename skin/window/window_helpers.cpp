#include "skin/window/window_helpers.h"

#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

struct DecodedImage {
    std::int32_t width = 0, height = 0;
    std::vector<std::uint32_t> argb;  // top-down rows, PixelFormat32bppARGB
};

// Decoded forms of the images drawn so far. The skin draws a handful of
// small glyphs, so the map stays small; an image that does not decode is
// remembered as empty.
const DecodedImage& Decoded(const ByteSet& bytes) {
    static std::unordered_map<std::string, DecodedImage> decoded;
    std::string key(bytes.begin(), bytes.end());
    if (auto it = decoded.find(key); it != decoded.end()) return it->second;
    DecodedImage image;
    Bitmap bitmap;
    if (bitmap.CreateBitmapFromBytes(bytes)) {
        const auto w = static_cast<std::int32_t>(bitmap.GetImageWidth());
        const auto h = static_cast<std::int32_t>(bitmap.GetImageHeight());
        Gdiplus::BitmapData data{};
        if (w > 0 && h > 0 &&
            bitmap.BitmapLockBits(RectRecordI{0, 0, w, h}, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, data)) {
            image.width = w;
            image.height = h;
            image.argb.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
            for (std::int32_t row = 0; row < h; ++row) {
                const auto* source = static_cast<const std::uint8_t*>(data.Scan0) + static_cast<std::ptrdiff_t>(row) * data.Stride;
                std::memcpy(&image.argb[static_cast<std::size_t>(row) * static_cast<std::size_t>(w)], source,
                            static_cast<std::size_t>(w) * 4);
            }
            bitmap.BitmapUnlockBits(data);
        }
    }
    bitmap.DisposeImage();
    return decoded.emplace(std::move(key), std::move(image)).first->second;
}

}  // namespace

void DrawEncodedImage(Graphics& graphics, const ByteSet& bytes, float x, float y, float width, float height) {
    if (bytes.empty()) return;
    const DecodedImage& image = Decoded(bytes);
    if (image.argb.empty()) return;
    Bitmap pixels;
    // GDI+ only reads the pixels, but takes them through a non-const pointer.
    auto* scan0 = reinterpret_cast<std::uint8_t*>(const_cast<std::uint32_t*>(image.argb.data()));
    if (pixels.CreateBitmapFromScan0(image.width, image.height, image.width * 4, PixelFormat32bppARGB, scan0))
        graphics.DrawImageRect(pixels, x, y, width, height);
    pixels.DisposeImage();
}
