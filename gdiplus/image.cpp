#include "gdiplus/gdiplus_layer.h"

#include "gdiplus/gdip_call.h"

#include <cmath>
#include <cstring>

namespace {

constexpr PROPID kFrameDelayTag = 0x5100;

ByteSet CopyBytes(const void* first, std::size_t n) {
    if (!first || n == 0) return {};
    const auto* p = static_cast<const std::uint8_t*>(first);
    return ByteSet(p, p + n);
}

GUID GuidFromText(const std::string& text) {
    GUID guid{};
    const ByteSet bytes = TextToGuid(text);
    std::memcpy(&guid, bytes.data(), sizeof guid);
    return guid;
}

// The class id of the first encoder for a format; all zero when none has it,
// so the save then fails with GDI+'s own status. Formats are compared as
// GUIDs, so the letter case of the caller's text does not matter.
CLSID EncoderFor(const std::string& format) {
    CLSID none{};
    GUID wanted{};
    const std::wstring wide = gdip_detail::Wide(format);
    if (FAILED(CLSIDFromString(wide.c_str(), &wanted))) return none;
    UINT count = 0, size = 0;
    if (flat::GdipGetImageEncodersSize(&count, &size) != Gdiplus::Ok || count == 0) return none;
    std::vector<std::uint8_t> buffer(size, 0);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (flat::GdipGetImageEncoders(count, size, codecs) != Gdiplus::Ok) return none;
    for (UINT i = 0; i < count; ++i)
        if (IsEqualGUID(codecs[i].FormatID, wanted)) return codecs[i].Clsid;
    return none;
}

// The published encoder-parameters layout built from a record: the count,
// then GUID, number of values, type and value address per parameter. The
// values stay in the caller's record, which outlives the call.
class EncoderParamBlock {
public:
    explicit EncoderParamBlock(const std::optional<EncoderParamsRecord>& params) {
        if (!params) return;
        const auto& list = params->parameters;
        // The array's own length is the count: a record whose count field
        // disagrees must not make GDI+ read past the array.
        const UINT count = static_cast<UINT>(list.size());
        bytes.assign(sizeof(UINT) + list.size() * sizeof(Gdiplus::EncoderParameter), 0);
        std::memcpy(bytes.data(), &count, sizeof count);
        for (std::size_t i = 0; i < list.size(); ++i) {
            Gdiplus::EncoderParameter p{};
            p.Guid = GuidFromText(list[i].guid);
            p.NumberOfValues = list[i].numberOfValues;
            p.Type = list[i].type;
            p.Value = const_cast<std::uint8_t*>(Data(list[i].values));
            std::memcpy(bytes.data() + sizeof(UINT) + i * sizeof p, &p, sizeof p);
        }
    }
    const Gdiplus::EncoderParameters* get() const {
        return bytes.empty() ? nullptr : reinterpret_cast<const Gdiplus::EncoderParameters*>(bytes.data());
    }

private:
    std::vector<std::uint8_t> bytes;
};

std::size_t EncoderValueSize(std::uint32_t type) {
    switch (type) {
        case 1: case 2: case 7: return 1;
        case 3: return 2;
        case 4: return 4;
        case 5: case 6: return 8;
        case 8: return 16;
        default: return 0;  // no defined size: no value bytes are read
    }
}

}  // namespace

std::vector<EncoderInfoRecord> GetImageEncoders() {
    UINT count = 0, size = 0;
    if (flat::GdipGetImageEncodersSize(&count, &size) != Gdiplus::Ok || count == 0) return {};
    std::vector<std::uint8_t> buffer(size, 0);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (flat::GdipGetImageEncoders(count, size, codecs) != Gdiplus::Ok) return {};
    std::vector<EncoderInfoRecord> list;
    for (UINT i = 0; i < count; ++i) {
        const Gdiplus::ImageCodecInfo& c = codecs[i];
        EncoderInfoRecord r;
        r.classId = GuidToText(c.Clsid);
        r.formatId = GuidToText(c.FormatID);
        r.codecName = WideToText(c.CodecName);
        r.libraryName = WideToText(c.DllName);
        r.formatDescription = WideToText(c.FormatDescription);
        r.fileNameExtensions = WideToText(c.FilenameExtension);
        r.mimeType = WideToText(c.MimeType);
        r.flags = c.Flags;
        r.version = c.Version;
        r.signatureCount = c.SigCount;
        r.signatureSize = c.SigSize;
        // Every signature, not just the first: the pattern and mask hold
        // count x size bytes each.
        r.signaturePattern = CopyBytes(c.SigPattern, std::size_t{c.SigCount} * c.SigSize);
        r.signatureMask = CopyBytes(c.SigMask, std::size_t{c.SigCount} * c.SigSize);
        list.push_back(std::move(r));
    }
    return list;
}

// ---------------------------------------------------------------- Image

Image::Image(Image&& other) noexcept : imageStream(std::move(other.imageStream)) { AdoptHandle(other); }

Image& Image::operator=(Image&& other) noexcept {
    if (this != &other) {
        DisposeImage();
        AdoptHandle(other);
        imageStream = std::move(other.imageStream);
    }
    return *this;
}

void Image::OnNativeHandleSet(void* handle) {
    imageHandle = static_cast<Gdiplus::GpImage*>(handle);
    OnDerivedHandleSet(handle);
}

void Image::OnDerivedHandleSet(void*) {}

bool Image::DisposeImage() {
    if (!GetNativeHandle()) return false;
    // The image goes before its stream: GDI+ may still touch the stream while
    // it lets go of the image, and the block must outlive that.
    const bool ok = Act(flat::GdipDisposeImage, imageHandle);
    SetNativeHandle(nullptr);
    imageStream.Close();
    return ok;
}

bool Image::LoadImageFromFile(const std::string& path, std::optional<bool> icm) {
    return LoadImageFromFileW(ToWideText(path), icm);
}

bool Image::LoadImageFromFileW(const ByteSet& path, std::optional<bool> icm) {
    const std::wstring wide = gdip_detail::WideFromBytes(path);
    return Create(*this, imageHandle, icm.value_or(false) ? flat::GdipLoadImageFromFileICM : flat::GdipLoadImageFromFile,
                  wide.c_str());
}

bool Image::LoadImageFromBytes(const ByteSet& bytes, std::optional<bool> icm) {
    // Replacing the stream frees the bytes an image already held here may
    // still be reading, so that image is disposed rather than left dangling.
    if (GetNativeHandle()) DisposeImage();
    imageStream.CreateFromBytes(bytes);
    return Create(*this, imageHandle,
                  icm.value_or(false) ? flat::GdipLoadImageFromStreamICM : flat::GdipLoadImageFromStream,
                  imageStream.GetStream());
}

bool Image::CloneImage(Image& target) { return CloneInto(target, flat::GdipCloneImage, imageHandle); }

bool Image::GetEncoderParameterList(const std::string& format, EncoderParamsRecord& params) {
    const CLSID encoder = EncoderFor(format);
    UINT size = 0;
    if (Call(flat::GdipGetEncoderParameterListSize, imageHandle, &encoder, &size) != Gdiplus::Ok) return false;
    if (size < sizeof(UINT)) return Refuse(Gdiplus::GenericError);
    std::vector<std::uint8_t> buffer(size, 0);
    auto* list = reinterpret_cast<Gdiplus::EncoderParameters*>(buffer.data());
    if (Call(flat::GdipGetEncoderParameterList, imageHandle, &encoder, size, list) != Gdiplus::Ok) return false;
    params.count = list->Count;
    params.parameters.assign(list->Count, EncoderParamRecord{});
    for (UINT i = 0; i < list->Count; ++i) {
        const Gdiplus::EncoderParameter& p = list->Parameter[i];
        EncoderParamRecord& r = params.parameters[i];
        r.guid = GuidToText(p.Guid);
        r.numberOfValues = p.NumberOfValues;
        r.type = p.Type;
        r.values = CopyBytes(p.Value, p.NumberOfValues * EncoderValueSize(p.Type));
    }
    return true;
}

bool Image::SaveToFile(const std::wstring& path, std::optional<std::string>& format,
                       const std::optional<EncoderParamsRecord>& params) {
    if (!format) format = kBmpFormat;
    const CLSID encoder = EncoderFor(*format);
    const EncoderParamBlock block(params);
    return Act(flat::GdipSaveImageToFile, imageHandle, path.c_str(), &encoder, block.get());
}

bool Image::SaveImageToFile(const std::string& path) {
    std::optional<std::string> format;
    return SaveToFile(gdip_detail::Wide(path), format, {});
}

bool Image::SaveImageToFile(const std::string& path, std::optional<std::string>& format,
                            const std::optional<EncoderParamsRecord>& params) {
    return SaveToFile(gdip_detail::Wide(path), format, params);
}

bool Image::SaveImageToFileW(const ByteSet& path) {
    std::optional<std::string> format;
    return SaveToFile(gdip_detail::WideFromBytes(path), format, {});
}

bool Image::SaveImageToFileW(const ByteSet& path, std::optional<std::string>& format,
                             const std::optional<EncoderParamsRecord>& params) {
    return SaveToFile(gdip_detail::WideFromBytes(path), format, params);
}

ByteSet Image::SaveImageToBytes(const std::optional<std::string>& format,
                                const std::optional<EncoderParamsRecord>& params) {
    const CLSID encoder = EncoderFor(format ? *format : GetImageRawFormat());
    const EncoderParamBlock block(params);
    MemoryStream target;
    target.CreateFromBytes({});
    Act(flat::GdipSaveImageToStream, imageHandle, target.GetStream(), &encoder, block.get());
    return target.ToBytes();
}

bool Image::SaveAdd(const EncoderParamsRecord& params) {
    const EncoderParamBlock block(params);
    return Act(flat::GdipSaveAdd, imageHandle, block.get());
}

bool Image::SaveAddImage(const Image& image, const EncoderParamsRecord& params) {
    const EncoderParamBlock block(params);
    return Act(flat::GdipSaveAddImage, imageHandle, image, block.get());
}

int Image::GetImageType() { return Value(flat::GdipGetImageType, imageHandle); }

SizeRecord Image::GetImageDimension() {
    SizeRecord size;
    Act(flat::GdipGetImageDimension, imageHandle, &size.width, &size.height);
    return size;
}

int Image::GetImageBounds(RectRecord& bounds, int& unit) {
    Gdiplus::Unit gpUnit = static_cast<Gdiplus::Unit>(unit);
    const Gdiplus::Status status = Call(flat::GdipGetImageBounds, imageHandle, Out(bounds), &gpUnit);
    unit = gpUnit;
    return status;
}

std::uint32_t Image::GetImageWidth() { return Value(flat::GdipGetImageWidth, imageHandle); }
std::uint32_t Image::GetImageHeight() { return Value(flat::GdipGetImageHeight, imageHandle); }
float Image::GetImageHorizontalResolution() { return Value(flat::GdipGetImageHorizontalResolution, imageHandle); }
float Image::GetImageVerticalResolution() { return Value(flat::GdipGetImageVerticalResolution, imageHandle); }
std::uint32_t Image::GetImageFlags() { return Value(flat::GdipGetImageFlags, imageHandle); }

std::string Image::GetImageRawFormat() {
    GUID format{};
    Act(flat::GdipGetImageRawFormat, imageHandle, &format);
    return GuidToText(format);
}

int Image::GetImagePixelFormat() { return Value(flat::GdipGetImagePixelFormat, imageHandle); }

bool Image::GetImagePalette(PaletteRecord& palette) {
    INT size = 0;
    if (Call(flat::GdipGetImagePaletteSize, imageHandle, &size) != Gdiplus::Ok) return false;
    if (size < static_cast<INT>(2 * sizeof(UINT))) return Refuse(Gdiplus::GenericError);
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(size), 0);
    auto* gp = reinterpret_cast<Gdiplus::ColorPalette*>(buffer.data());
    if (Call(flat::GdipGetImagePalette, imageHandle, gp, size) != Gdiplus::Ok) return false;
    palette.flags = gp->Flags;
    palette.count = gp->Count;
    const std::size_t room = (buffer.size() - 2 * sizeof(UINT)) / sizeof(Gdiplus::ARGB);
    palette.entries.assign(std::min<std::size_t>(gp->Count, room), 0);
    if (!palette.entries.empty())
        std::memcpy(palette.entries.data(), buffer.data() + 2 * sizeof(UINT),
                    palette.entries.size() * sizeof(Gdiplus::ARGB));
    return true;
}

bool Image::SetImagePalette(const PaletteRecord& palette) {
    const std::size_t count = std::min<std::size_t>(palette.count, palette.entries.size());
    std::vector<std::uint8_t> buffer(2 * sizeof(UINT) + std::max<std::size_t>(count, 1) * sizeof(Gdiplus::ARGB), 0);
    auto* gp = reinterpret_cast<Gdiplus::ColorPalette*>(buffer.data());
    gp->Flags = palette.flags;
    gp->Count = static_cast<UINT>(count);
    if (count) std::memcpy(buffer.data() + 2 * sizeof(UINT), palette.entries.data(), count * sizeof(Gdiplus::ARGB));
    return Act(flat::GdipSetImagePalette, imageHandle, gp);
}

bool Image::GetImageThumbnail(std::uint32_t width, std::uint32_t height, Image& target) {
    Gdiplus::GpImage* thumbnail = nullptr;
    const bool ok = Act(flat::GdipGetImageThumbnail, imageHandle, width, height, &thumbnail, nullptr, nullptr);
    target.SetNativeHandle(ok ? thumbnail : nullptr);
    return ok;
}

std::uint32_t Image::ImageGetFrameCount(const std::string& dimension) {
    const GUID guid = GuidFromText(dimension);
    return Value(flat::GdipImageGetFrameCount, imageHandle, &guid);
}

std::uint32_t Image::ImageGetFrameDimensionsList(std::vector<std::string>& dimensions) {
    UINT n = 0;
    if (Call(flat::GdipImageGetFrameDimensionsCount, imageHandle, &n) != Gdiplus::Ok) return 0;
    std::vector<GUID> guids(n);
    if (Call(flat::GdipImageGetFrameDimensionsList, imageHandle, Data(guids), n) != Gdiplus::Ok) return 0;
    dimensions.clear();
    for (const GUID& g : guids) dimensions.push_back(GuidToText(g));
    return n;
}

bool Image::ImageSelectActiveFrame(const std::string& dimension, std::uint32_t index) {
    const GUID guid = GuidFromText(dimension);
    return Act(flat::GdipImageSelectActiveFrame, imageHandle, &guid, index);
}

bool Image::ImageRotateFlip(int rotateFlipType) { return Act(flat::GdipImageRotateFlip, imageHandle, rotateFlipType); }

bool Image::GetFrameDelays(std::vector<std::int32_t>& delays) {
    PropertyItemRecord item;
    if (!GetPropertyItem(kFrameDelayTag, item)) return false;
    delays.assign(item.value.size() / sizeof(std::int32_t), 0);
    if (!delays.empty()) std::memcpy(delays.data(), item.value.data(), delays.size() * sizeof(std::int32_t));
    return true;
}

bool Image::GetPropertyItem(std::uint32_t id, PropertyItemRecord& item) {
    UINT size = 0;
    if (Call(flat::GdipGetPropertyItemSize, imageHandle, id, &size) != Gdiplus::Ok) return false;
    if (size < sizeof(Gdiplus::PropertyItem)) return Refuse(Gdiplus::GenericError);
    std::vector<std::uint8_t> buffer(size, 0);
    auto* gp = reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data());
    if (Call(flat::GdipGetPropertyItem, imageHandle, id, size, gp) != Gdiplus::Ok) return false;
    item.id = gp->id;
    item.length = gp->length;
    item.type = gp->type;
    // GDI+ places the value right after the header, inside the buffer.
    const auto* value = static_cast<const std::uint8_t*>(gp->value);
    const std::uint8_t* end = buffer.data() + buffer.size();
    const bool inside = value >= buffer.data() && value <= end;
    item.value = CopyBytes(value, inside ? std::min<std::size_t>(gp->length, end - value) : 0);
    return true;
}

bool Image::SetPropertyItem(PropertyItemRecord& item) {
    if (item.length > item.value.size()) return Refuse();
    Gdiplus::PropertyItem gp{};
    gp.id = item.id;
    gp.length = item.length;
    gp.type = static_cast<WORD>(item.type);
    gp.value = Data(item.value);
    const bool ok = Act(flat::GdipSetPropertyItem, imageHandle, &gp);
    item.id = gp.id;
    item.length = gp.length;
    item.type = gp.type;
    return ok;
}

bool Image::RemovePropertyItem(std::uint32_t id) { return Act(flat::GdipRemovePropertyItem, imageHandle, id); }

std::uint32_t Image::GetPropertyIdList(std::vector<std::uint32_t>& ids) {
    UINT n = 0;
    if (Call(flat::GdipGetPropertyCount, imageHandle, &n) != Gdiplus::Ok) return 0;
    std::vector<PROPID> list(n);
    if (n > 0 && Call(flat::GdipGetPropertyIdList, imageHandle, n, list.data()) != Gdiplus::Ok) return 0;
    ids.assign(list.begin(), list.end());
    return n;
}

// ---------------------------------------------------------------- Bitmap

Bitmap::Bitmap(Bitmap&& other) noexcept : Image(std::move(other)), bitmapStream(std::move(other.bitmapStream)) {
    // Image's part ran before this object was a Bitmap: tell the bitmap
    // field about the handle now.
    SetNativeHandle(GetNativeHandle());
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    if (this != &other) {
        DisposeImage();
        Image::operator=(std::move(other));
        bitmapStream = std::move(other.bitmapStream);
    }
    return *this;
}

void Bitmap::OnDerivedHandleSet(void* handle) { bitmapHandle = static_cast<Gdiplus::GpBitmap*>(handle); }

bool Bitmap::DisposeImage() {
    if (!GetNativeHandle()) return false;
    const bool ok = Image::DisposeImage();
    bitmapStream.Close();
    return ok;
}

bool Bitmap::CreateBitmapFromFile(const std::string& path, std::optional<bool> icm) {
    return CreateBitmapFromFileW(ToWideText(path), icm);
}

bool Bitmap::CreateBitmapFromFileW(const ByteSet& path, std::optional<bool> icm) {
    const std::wstring wide = gdip_detail::WideFromBytes(path);
    return Create(*this, bitmapHandle,
                  icm.value_or(false) ? flat::GdipCreateBitmapFromFileICM : flat::GdipCreateBitmapFromFile,
                  wide.c_str());
}

bool Bitmap::CreateBitmapFromBytes(const ByteSet& bytes, std::optional<bool> icm) {
    if (GetNativeHandle()) DisposeImage();  // as in LoadImageFromBytes
    bitmapStream.CreateFromBytes(bytes);
    return Create(*this, bitmapHandle,
                  icm.value_or(false) ? flat::GdipCreateBitmapFromStreamICM : flat::GdipCreateBitmapFromStream,
                  bitmapStream.GetStream());
}

bool Bitmap::CreateBitmapFromScan0(int width, int height, int stride, int pixelFormat, std::uint8_t* scan0) {
    return Create(*this, bitmapHandle, flat::GdipCreateBitmapFromScan0, width, height, stride, pixelFormat, scan0);
}

bool Bitmap::CreateBlankBitmap(int width, int height, std::optional<int> pixelFormat) {
    return Create(*this, bitmapHandle, flat::GdipCreateBitmapFromScan0, width, height, 0,
                  pixelFormat.value_or(PixelFormat32bppARGB), nullptr);
}

bool Bitmap::CreateBitmapFromGraphics(int width, int height, const Graphics& graphics) {
    return Create(*this, bitmapHandle, flat::GdipCreateBitmapFromGraphics, width, height, graphics);
}

bool Bitmap::CreateBitmapFromGdiDib(const BITMAPINFO* info, void* bits) {
    return Create(*this, bitmapHandle, flat::GdipCreateBitmapFromGdiDib, info, bits);
}

bool Bitmap::CreateBitmapFromHBITMAP(HBITMAP bitmap, std::optional<HPALETTE> palette) {
    return Create(*this, bitmapHandle, flat::GdipCreateBitmapFromHBITMAP, bitmap,
                  palette.value_or(static_cast<HPALETTE>(nullptr)));
}

bool Bitmap::CreateBitmapFromHICON(HICON icon) {
    return Create(*this, bitmapHandle, flat::GdipCreateBitmapFromHICON, icon);
}

bool Bitmap::CreateBitmapFromResource(HINSTANCE module, const wchar_t* name) {
    return Create(*this, bitmapHandle, flat::GdipCreateBitmapFromResource, module, name);
}

HBITMAP Bitmap::CreateHBITMAPFromBitmap(std::optional<Gdiplus::ARGB> background) {
    HBITMAP result = nullptr;
    Act(flat::GdipCreateHBITMAPFromBitmap, bitmapHandle, &result, background.value_or(0));
    return result;
}

HICON Bitmap::CreateHICONFromBitmap() { return Value(flat::GdipCreateHICONFromBitmap, bitmapHandle); }

bool Bitmap::CloneBitmapArea(const RectRecord& area, int pixelFormat, Bitmap& target) {
    return CloneInto(target, flat::GdipCloneBitmapArea, area.x, area.y, area.width, area.height, pixelFormat,
                     bitmapHandle);
}

bool Bitmap::CloneBitmapAreaI(const RectRecordI& area, int pixelFormat, Bitmap& target) {
    return CloneInto(target, flat::GdipCloneBitmapAreaI, area.x, area.y, area.width, area.height, pixelFormat,
                     bitmapHandle);
}

bool Bitmap::BitmapLockBits(const RectRecordI& rect, std::uint32_t flags, int pixelFormat,
                            Gdiplus::BitmapData& data) {
    return Act(flat::GdipBitmapLockBits, bitmapHandle, In(rect), flags, pixelFormat, &data);
}

bool Bitmap::BitmapUnlockBits(Gdiplus::BitmapData& data) {
    return Act(flat::GdipBitmapUnlockBits, bitmapHandle, &data);
}

Gdiplus::ARGB Bitmap::BitmapGetPixel(int x, int y) { return Value(flat::GdipBitmapGetPixel, bitmapHandle, x, y); }

bool Bitmap::BitmapSetPixel(int x, int y, Gdiplus::ARGB colour) {
    return Act(flat::GdipBitmapSetPixel, bitmapHandle, x, y, colour);
}

bool Bitmap::BitmapSetResolution(float dpiX, float dpiY) {
    return Act(flat::GdipBitmapSetResolution, bitmapHandle, dpiX, dpiY);
}

bool Bitmap::BitmapApplyEffect(const GdipObject& effect, const std::optional<RectRecordI>& area) {
    // MinGW's import library lacks this GDI+ 1.1 export, so it is the one
    // function the layer looks up itself; a GDI+ without it is reported as
    // NotImplemented.
    using ApplyEffect = Gdiplus::Status(WINGDIPAPI*)(Gdiplus::GpBitmap*, Gdiplus::CGpEffect*, RECT*, BOOL, void**,
                                                     INT*);
    static const auto apply = reinterpret_cast<ApplyEffect>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("gdiplus.dll"), "GdipBitmapApplyEffect")));
    if (!apply) return Refuse(Gdiplus::NotImplemented);
    // The published region of interest is a RECT: right and bottom edges.
    RECT roi{};
    if (area) roi = {area->x, area->y, area->x + area->width, area->y + area->height};
    return Act(apply, bitmapHandle, effect, area ? &roi : nullptr, FALSE, nullptr, nullptr);
}

void Bitmap::GetRotatedSize(float width, float height, int angle, float& rotatedWidth, float& rotatedHeight) {
    const auto theta = static_cast<float>(angle * 3.1415926535 / 180.0);
    const float s = std::sin(theta);
    const float c = std::cos(theta);
    const float hw = (width - 1) / 2;
    const float hh = (height - 1) / 2;
    struct Corner {
        float x, y;
    };
    Corner p[4] = {{-hw, hh}, {hw, hh}, {-hw, -hh}, {hw, -hh}};
    for (Corner& q : p) q = {c * q.x + s * q.y, -s * q.x + c * q.y};
    rotatedWidth = std::max(std::fabs(p[3].x - p[0].x), std::fabs(p[2].x - p[1].x));
    rotatedHeight = std::max(std::fabs(p[3].y - p[0].y), std::fabs(p[2].y - p[1].y));
}

bool Bitmap::CreateRotatedBitmap(float angle, Bitmap& target, std::optional<Gdiplus::ARGB> background,
                                 std::optional<int> interpolation, std::optional<SizeRecord> size) {
    UINT w = 0, h = 0;
    flat::GdipGetImageWidth(bitmapHandle, &w);
    flat::GdipGetImageHeight(bitmapHandle, &h);
    SizeRecord canvas;
    if (size)
        canvas = *size;
    else
        GetRotatedSize(static_cast<float>(w), static_cast<float>(h), static_cast<int>(angle), canvas.width,
                       canvas.height);
    const float cw = canvas.width, ch = canvas.height;

    Gdiplus::GpBitmap* rotated = nullptr;
    if (Call(flat::GdipCreateBitmapFromScan0, static_cast<INT>(cw), static_cast<INT>(ch), 0, PixelFormat32bppARGB,
             nullptr, &rotated) != Gdiplus::Ok)
        return false;
    float dpiX = 0, dpiY = 0;
    flat::GdipGetImageHorizontalResolution(bitmapHandle, &dpiX);
    flat::GdipGetImageVerticalResolution(bitmapHandle, &dpiY);
    flat::GdipBitmapSetResolution(rotated, dpiX, dpiY);

    Gdiplus::GpGraphics* graphics = nullptr;
    if (Call(flat::GdipGetImageGraphicsContext, rotated, &graphics) != Gdiplus::Ok) {
        flat::GdipDisposeImage(rotated);
        return false;
    }
    auto giveUp = [&] {
        flat::GdipDeleteGraphics(graphics);
        flat::GdipDisposeImage(rotated);
        return false;
    };
    if (background) {
        Gdiplus::GpSolidFill* brush = nullptr;
        if (Call(flat::GdipCreateSolidFill, *background, &brush) != Gdiplus::Ok) return giveUp();
        Call(flat::GdipFillRectangle, graphics, brush, 0.0f, 0.0f, cw, ch);
        flat::GdipDeleteBrush(brush);
    }
    if (interpolation)
        flat::GdipSetInterpolationMode(graphics, static_cast<Gdiplus::InterpolationMode>(*interpolation));

    // Prepended one after another, these centre the source on the canvas and
    // turn it about the canvas centre.
    Gdiplus::GpMatrix* matrix = nullptr;
    if (Call(flat::GdipCreateMatrix, &matrix) != Gdiplus::Ok) return giveUp();
    flat::GdipTranslateMatrix(matrix, cw / 2, ch / 2, Gdiplus::MatrixOrderPrepend);
    flat::GdipRotateMatrix(matrix, angle, Gdiplus::MatrixOrderPrepend);
    flat::GdipTranslateMatrix(matrix, -cw / 2, -ch / 2, Gdiplus::MatrixOrderPrepend);
    flat::GdipTranslateMatrix(matrix, (cw - static_cast<float>(w)) / 2, (ch - static_cast<float>(h)) / 2,
                              Gdiplus::MatrixOrderPrepend);
    flat::GdipSetWorldTransform(graphics, matrix);
    const bool drawn = Act(flat::GdipDrawImage, graphics, bitmapHandle, 0.0f, 0.0f);
    flat::GdipResetWorldTransform(graphics);
    flat::GdipDeleteMatrix(matrix);
    flat::GdipDeleteGraphics(graphics);
    target.SetNativeHandle(rotated);
    return drawn;
}
