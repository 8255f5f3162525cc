#pragma once
// Region: areas, such as the character ranges MeasureCharacterRanges reports.

#include "gdiplus/gdip_object.h"

class Region : public GdipObject {
public:
    Region() = default;
    Region(Region&& other) noexcept { AdoptHandle(other); }
    Region& operator=(Region&& other) noexcept;
    ~Region() override { DeleteRegion(); }

    bool DeleteRegion();
    bool CreateRegion();
    bool CreateRegionRect(const RectRecord& rect);
    bool CreateRegionRectI(const RectRecordI& rect);
    bool CreateRegionPath(const GraphicsPath& path);
    bool CreateRegionHrgn(HRGN region);
    bool CreateRegionRgnData(const ByteSet& data, int size);
    bool CloneRegion(Region& target);
    bool SetInfinite();
    bool SetEmpty();
    // Without a mode the shapes intersect.
    bool CombineRegionRect(const RectRecord& rect, std::optional<int> combineMode = {});
    bool CombineRegionRectI(const RectRecordI& rect, std::optional<int> combineMode = {});
    bool CombineRegionRegion(const Region& region, std::optional<int> combineMode = {});
    bool CombineRegionPath(const GraphicsPath& path, std::optional<int> combineMode = {});
    bool TranslateRegion(float dx, float dy);
    bool TranslateRegionI(int dx, int dy);
    bool TransformRegion(const GdipObject& matrix);
    RectRecord GetRegionBounds(const Graphics& graphics);
    RectRecordI GetRegionBoundsI(const Graphics& graphics);
    std::uint32_t GetRegionDataSize();
    ByteSet GetRegionData(std::uint32_t bufferSize, std::uint32_t& sizeFilled);
    // A new GDI region, owned by the caller.
    HRGN GetRegionHRgn(const Graphics& graphics);
    bool IsEmptyRegion(const Graphics& graphics);
    bool IsInfiniteRegion(const Graphics& graphics);
    bool IsEqualRegion(const Region& region, const Graphics& graphics);
    bool IsVisibleRegionPoint(const PointRecord& point, const Graphics& graphics);
    bool IsVisibleRegionPointI(const PointRecordI& point, const Graphics& graphics);
    bool IsVisibleRegionRect(const RectRecord& rect, const Graphics& graphics);
    bool IsVisibleRegionRectI(const RectRecordI& rect, const Graphics& graphics);
    std::uint32_t GetRegionScansCount(const GdipObject& matrix);
    int GetRegionScans(const GdipObject& matrix, std::vector<RectRecord>& scans);
    int GetRegionScansI(const GdipObject& matrix, std::vector<RectRecordI>& scans);

protected:
    void OnNativeHandleSet(void* handle) override;

private:
    Gdiplus::GpRegion* regionHandle = nullptr;
};
