#include "gdiplus/gdiplus_layer.h"

#include "gdiplus/gdip_call.h"

namespace {

constexpr int kIntersect = Gdiplus::CombineModeIntersect;

// Scans fetched through the record block: the caller's array is replaced by
// n zero records, filled by GDI+ and copied back.
template <class Rec, class Fn>
int FetchScans(Gdiplus::GpRegion* region, const GdipObject& matrix, std::vector<Rec>& scans, Fn fetch) {
    UINT n = 0;
    if (Call(flat::GdipGetRegionScansCount, region, &n, matrix) != Gdiplus::Ok) return 0;
    scans.assign(n, Rec{});
    RecordBlock block(scans);
    INT count = static_cast<INT>(n);
    Call(fetch, region, block.data(), &count, matrix);
    return static_cast<int>(n);
}

}  // namespace

Region& Region::operator=(Region&& other) noexcept {
    if (this != &other) {
        DeleteRegion();
        AdoptHandle(other);
    }
    return *this;
}

void Region::OnNativeHandleSet(void* handle) { regionHandle = static_cast<Gdiplus::GpRegion*>(handle); }

bool Region::DeleteRegion() { return Delete(*this, regionHandle, flat::GdipDeleteRegion); }
bool Region::CreateRegion() { return Create(*this, regionHandle, flat::GdipCreateRegion); }
bool Region::CreateRegionRect(const RectRecord& rect) {
    return Create(*this, regionHandle, flat::GdipCreateRegionRect, In(rect));
}
bool Region::CreateRegionRectI(const RectRecordI& rect) {
    return Create(*this, regionHandle, flat::GdipCreateRegionRectI, In(rect));
}
bool Region::CreateRegionPath(const GraphicsPath& path) {
    return Create(*this, regionHandle, flat::GdipCreateRegionPath, path);
}
bool Region::CreateRegionHrgn(HRGN region) { return Create(*this, regionHandle, flat::GdipCreateRegionHrgn, region); }
bool Region::CreateRegionRgnData(const ByteSet& data, int size) {
    // GDI+ reads `size` bytes: never more than the byte set holds.
    if (size < 0 || static_cast<std::size_t>(size) > data.size()) return Refuse();
    return Create(*this, regionHandle, flat::GdipCreateRegionRgnData, Data(data), size);
}
bool Region::CloneRegion(Region& target) { return CloneInto(target, flat::GdipCloneRegion, regionHandle); }
bool Region::SetInfinite() { return Act(flat::GdipSetInfinite, regionHandle); }
bool Region::SetEmpty() { return Act(flat::GdipSetEmpty, regionHandle); }
bool Region::CombineRegionRect(const RectRecord& rect, std::optional<int> combineMode) {
    return Act(flat::GdipCombineRegionRect, regionHandle, In(rect), combineMode.value_or(kIntersect));
}
bool Region::CombineRegionRectI(const RectRecordI& rect, std::optional<int> combineMode) {
    return Act(flat::GdipCombineRegionRectI, regionHandle, In(rect), combineMode.value_or(kIntersect));
}
bool Region::CombineRegionRegion(const Region& region, std::optional<int> combineMode) {
    return Act(flat::GdipCombineRegionRegion, regionHandle, region, combineMode.value_or(kIntersect));
}
bool Region::CombineRegionPath(const GraphicsPath& path, std::optional<int> combineMode) {
    return Act(flat::GdipCombineRegionPath, regionHandle, path, combineMode.value_or(kIntersect));
}
bool Region::TranslateRegion(float dx, float dy) { return Act(flat::GdipTranslateRegion, regionHandle, dx, dy); }
bool Region::TranslateRegionI(int dx, int dy) { return Act(flat::GdipTranslateRegionI, regionHandle, dx, dy); }
bool Region::TransformRegion(const GdipObject& matrix) { return Act(flat::GdipTransformRegion, regionHandle, matrix); }
RectRecord Region::GetRegionBounds(const Graphics& graphics) {
    RectRecord bounds;
    Act(flat::GdipGetRegionBounds, regionHandle, graphics, Out(bounds));
    return bounds;
}
RectRecordI Region::GetRegionBoundsI(const Graphics& graphics) {
    RectRecordI bounds;
    Act(flat::GdipGetRegionBoundsI, regionHandle, graphics, Out(bounds));
    return bounds;
}
std::uint32_t Region::GetRegionDataSize() { return Value(flat::GdipGetRegionDataSize, regionHandle); }
ByteSet Region::GetRegionData(std::uint32_t bufferSize, std::uint32_t& sizeFilled) {
    ByteSet data(bufferSize, 0);
    UINT filled = 0;
    Act(flat::GdipGetRegionData, regionHandle, Data(data), bufferSize, &filled);
    sizeFilled = filled;
    return data;
}
HRGN Region::GetRegionHRgn(const Graphics& graphics) { return Value(flat::GdipGetRegionHRgn, regionHandle, graphics); }
bool Region::IsEmptyRegion(const Graphics& graphics) { return YesNo(flat::GdipIsEmptyRegion, regionHandle, graphics); }
bool Region::IsInfiniteRegion(const Graphics& graphics) {
    return YesNo(flat::GdipIsInfiniteRegion, regionHandle, graphics);
}
bool Region::IsEqualRegion(const Region& region, const Graphics& graphics) {
    return YesNo(flat::GdipIsEqualRegion, regionHandle, region, graphics);
}
bool Region::IsVisibleRegionPoint(const PointRecord& point, const Graphics& graphics) {
    return YesNo(flat::GdipIsVisibleRegionPoint, regionHandle, point.x, point.y, graphics);
}
bool Region::IsVisibleRegionPointI(const PointRecordI& point, const Graphics& graphics) {
    return YesNo(flat::GdipIsVisibleRegionPointI, regionHandle, point.x, point.y, graphics);
}
bool Region::IsVisibleRegionRect(const RectRecord& rect, const Graphics& graphics) {
    return YesNo(flat::GdipIsVisibleRegionRect, regionHandle, rect.x, rect.y, rect.width, rect.height, graphics);
}
bool Region::IsVisibleRegionRectI(const RectRecordI& rect, const Graphics& graphics) {
    return YesNo(flat::GdipIsVisibleRegionRectI, regionHandle, rect.x, rect.y, rect.width, rect.height, graphics);
}
std::uint32_t Region::GetRegionScansCount(const GdipObject& matrix) {
    UINT n = 0;
    Act(flat::GdipGetRegionScansCount, regionHandle, &n, matrix);
    return n;
}
int Region::GetRegionScans(const GdipObject& matrix, std::vector<RectRecord>& scans) {
    return FetchScans(regionHandle, matrix, scans, flat::GdipGetRegionScans);
}
int Region::GetRegionScansI(const GdipObject& matrix, std::vector<RectRecordI>& scans) {
    return FetchScans(regionHandle, matrix, scans, flat::GdipGetRegionScansI);
}
