#pragma once
// Image and Bitmap: loading, saving, encoding and inspecting GDI+ images;
// bitmap creation, pixels and rotation.

#include "gdiplus/gdip_object.h"
#include "gdiplus/memory_stream.h"

// The published format ids the layer's callers use.
inline constexpr const char* kBmpFormat = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* kPngFormat = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";

struct EncoderInfoRecord {
    std::string classId;
    std::string formatId;
    std::string codecName;
    std::string libraryName;
    std::string formatDescription;
    std::string fileNameExtensions;
    std::string mimeType;
    std::uint32_t flags = 0;
    std::uint32_t version = 0;
    std::uint32_t signatureCount = 0;
    std::uint32_t signatureSize = 0;
    ByteSet signaturePattern;
    ByteSet signatureMask;
};

struct EncoderParamRecord {
    std::string guid;
    std::uint32_t numberOfValues = 0;
    std::uint32_t type = 0;  // the published encoder value types 1..8
    ByteSet values;
};

struct EncoderParamsRecord {
    std::uint32_t count = 0;
    std::vector<EncoderParamRecord> parameters;
};

struct PaletteRecord {
    std::uint32_t flags = 0;
    std::uint32_t count = 0;
    std::vector<Gdiplus::ARGB> entries;
};

struct PropertyItemRecord {
    std::uint32_t id = 0;
    std::uint32_t length = 0;
    std::uint32_t type = 0;
    ByteSet value;
};

// Every installed image encoder, in GDI+'s order.
std::vector<EncoderInfoRecord> GetImageEncoders();

class Image : public GdipObject {
public:
    Image() = default;
    Image(Image&& other) noexcept;
    Image& operator=(Image&& other) noexcept;
    ~Image() override { Image::DisposeImage(); }

    virtual bool DisposeImage();
    bool LoadImageFromFile(const std::string& path, std::optional<bool> icm = {});
    bool LoadImageFromFileW(const ByteSet& path, std::optional<bool> icm = {});
    // The bytes stay in the wrapper's stream for as long as the image lives,
    // because GDI+ may read image data from it on demand.
    bool LoadImageFromBytes(const ByteSet& bytes, std::optional<bool> icm = {});
    bool CloneImage(Image& target);
    bool GetEncoderParameterList(const std::string& format, EncoderParamsRecord& params);
    // Without a format the image is saved as BMP, and the caller's variable
    // (when one is passed) receives the BMP format id.
    bool SaveImageToFile(const std::string& path);
    bool SaveImageToFile(const std::string& path, std::optional<std::string>& format,
                         const std::optional<EncoderParamsRecord>& params = {});
    bool SaveImageToFileW(const ByteSet& path);
    bool SaveImageToFileW(const ByteSet& path, std::optional<std::string>& format,
                          const std::optional<EncoderParamsRecord>& params = {});
    // The encoded bytes (the image's own format when none is given); empty
    // when the image cannot be encoded.
    ByteSet SaveImageToBytes(const std::optional<std::string>& format = {},
                             const std::optional<EncoderParamsRecord>& params = {});
    bool SaveAdd(const EncoderParamsRecord& params);
    bool SaveAddImage(const Image& image, const EncoderParamsRecord& params);
    int GetImageType();
    SizeRecord GetImageDimension();
    // Unlike the other outputs this returns the raw status: 0 means success.
    int GetImageBounds(RectRecord& bounds, int& unit);
    std::uint32_t GetImageWidth();
    std::uint32_t GetImageHeight();
    float GetImageHorizontalResolution();
    float GetImageVerticalResolution();
    std::uint32_t GetImageFlags();
    std::string GetImageRawFormat();
    int GetImagePixelFormat();
    bool GetImagePalette(PaletteRecord& palette);
    bool SetImagePalette(const PaletteRecord& palette);
    bool GetImageThumbnail(std::uint32_t width, std::uint32_t height, Image& target);
    std::uint32_t ImageGetFrameCount(const std::string& dimension);
    std::uint32_t ImageGetFrameDimensionsList(std::vector<std::string>& dimensions);
    bool ImageSelectActiveFrame(const std::string& dimension, std::uint32_t index);
    bool ImageRotateFlip(int rotateFlipType);
    bool GetFrameDelays(std::vector<std::int32_t>& delays);
    bool GetPropertyItem(std::uint32_t id, PropertyItemRecord& item);
    bool SetPropertyItem(PropertyItemRecord& item);
    bool RemovePropertyItem(std::uint32_t id);
    std::uint32_t GetPropertyIdList(std::vector<std::uint32_t>& ids);

protected:
    void OnNativeHandleSet(void* handle) override;
    virtual void OnDerivedHandleSet(void* handle);

private:
    bool SaveToFile(const std::wstring& path, std::optional<std::string>& format,
                    const std::optional<EncoderParamsRecord>& params);

    Gdiplus::GpImage* imageHandle = nullptr;
    MemoryStream imageStream;
};

class Bitmap : public Image {
public:
    Bitmap() = default;
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;
    ~Bitmap() override { Bitmap::DisposeImage(); }

    bool DisposeImage() override;
    bool CreateBitmapFromFile(const std::string& path, std::optional<bool> icm = {});
    bool CreateBitmapFromFileW(const ByteSet& path, std::optional<bool> icm = {});
    bool CreateBitmapFromBytes(const ByteSet& bytes, std::optional<bool> icm = {});
    // CloneImage .. GetPropertyIdList: inherited from Image, acting on the
    // same handle.
    bool CreateBitmapFromScan0(int width, int height, int stride, int pixelFormat, std::uint8_t* scan0);
    bool CreateBlankBitmap(int width, int height, std::optional<int> pixelFormat = {});
    bool CreateBitmapFromGraphics(int width, int height, const Graphics& graphics);
    bool CreateBitmapFromGdiDib(const BITMAPINFO* info, void* bits);
    bool CreateBitmapFromHBITMAP(HBITMAP bitmap, std::optional<HPALETTE> palette = {});
    bool CreateBitmapFromHICON(HICON icon);
    bool CreateBitmapFromResource(HINSTANCE module, const wchar_t* name);
    HBITMAP CreateHBITMAPFromBitmap(std::optional<Gdiplus::ARGB> background = {});
    HICON CreateHICONFromBitmap();
    bool CloneBitmapArea(const RectRecord& area, int pixelFormat, Bitmap& target);
    bool CloneBitmapAreaI(const RectRecordI& area, int pixelFormat, Bitmap& target);
    bool BitmapLockBits(const RectRecordI& rect, std::uint32_t flags, int pixelFormat, Gdiplus::BitmapData& data);
    bool BitmapUnlockBits(Gdiplus::BitmapData& data);
    Gdiplus::ARGB BitmapGetPixel(int x, int y);
    bool BitmapSetPixel(int x, int y, Gdiplus::ARGB colour);
    bool BitmapSetResolution(float dpiX, float dpiY);
    bool BitmapApplyEffect(const GdipObject& effect, const std::optional<RectRecordI>& area = {});
    // A new bitmap (into `target`) holding this one turned by `angle` degrees
    // about the centre of a canvas of `size`, or of the rotated size.
    bool CreateRotatedBitmap(float angle, Bitmap& target, std::optional<Gdiplus::ARGB> background = {},
                             std::optional<int> interpolation = {}, std::optional<SizeRecord> size = {});
    static void GetRotatedSize(float width, float height, int angle, float& rotatedWidth, float& rotatedHeight);

protected:
    void OnDerivedHandleSet(void* handle) override;

private:
    Gdiplus::GpBitmap* bitmapHandle = nullptr;
    MemoryStream bitmapStream;
};
