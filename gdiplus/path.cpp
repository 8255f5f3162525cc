#include "gdiplus/gdiplus_layer.h"

#include "gdiplus/gdip_call.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr float kDefaultFlatness = 0.25f;

// The published path-data block GdipGetPathData fills; MinGW declares its
// parameter as an opaque type.
struct PathDataBlock {
    INT count;
    Gdiplus::PointF* points;
    BYTE* types;
};

}  // namespace

GraphicsPath& GraphicsPath::operator=(GraphicsPath&& other) noexcept {
    if (this != &other) {
        DeletePath();
        AdoptHandle(other);
    }
    return *this;
}

void GraphicsPath::OnNativeHandleSet(void* handle) { pathHandle = static_cast<Gdiplus::GpPath*>(handle); }

bool GraphicsPath::DeletePath() { return Delete(*this, pathHandle, flat::GdipDeletePath); }
bool GraphicsPath::CreatePath(std::optional<int> fillMode) {
    return Create(*this, pathHandle, flat::GdipCreatePath, fillMode.value_or(0));
}
bool GraphicsPath::CreatePath2(const std::vector<PointRecord>& points, const ByteSet& types,
                               std::optional<int> fillMode) {
    // The count is the types' length; the points must cover it.
    if (points.size() < types.size()) return Refuse();
    RecordBlock block(points);
    return Create(*this, pathHandle, flat::GdipCreatePath2, block.data(), Data(types), Count(types),
                  fillMode.value_or(0));
}
bool GraphicsPath::CreatePath2I(const std::vector<PointRecordI>& points, const ByteSet& types,
                                std::optional<int> fillMode) {
    if (points.size() < types.size()) return Refuse();
    RecordBlock block(points);
    return Create(*this, pathHandle, flat::GdipCreatePath2I, block.data(), Data(types), Count(types),
                  fillMode.value_or(0));
}
bool GraphicsPath::ClonePath(GraphicsPath& target) { return CloneInto(target, flat::GdipClonePath, pathHandle); }
bool GraphicsPath::ResetPath() { return Act(flat::GdipResetPath, pathHandle); }
int GraphicsPath::GetPathFillMode() { return Value(flat::GdipGetPathFillMode, pathHandle); }
bool GraphicsPath::SetPathFillMode(int fillMode) { return Act(flat::GdipSetPathFillMode, pathHandle, fillMode); }

bool GraphicsPath::GetPathData(PathDataRecord& data) {
    INT n = 0;
    if (Call(flat::GdipGetPointCount, pathHandle, &n) != Gdiplus::Ok) return false;
    n = std::max<INT>(n, 0);
    data.points.assign(static_cast<std::size_t>(n), PointRecord{});
    data.types.assign(static_cast<std::size_t>(n), 0);
    if (n == 0) return false;
    std::vector<Gdiplus::PointF> points(static_cast<std::size_t>(n));
    std::vector<BYTE> types(static_cast<std::size_t>(n), 0);
    PathDataBlock block{n, points.data(), types.data()};
    if (Call(flat::GdipGetPathData, pathHandle, reinterpret_cast<Gdiplus::GpPathData*>(&block)) != Gdiplus::Ok)
        return false;
    data.count = block.count;
    for (INT i = 0; i < n; ++i) data.points[i] = gdip_detail::FromGp(points[i]);
    std::copy(types.begin(), types.end(), data.types.begin());
    return true;
}

namespace {

// The number of points to fetch: the caller's, or the path's own (none when
// that cannot be read or the path is empty).
std::optional<INT> PointsWanted(Gdiplus::GpPath* path, std::optional<int> count) {
    if (count) return std::max(*count, 0);
    INT n = 0;
    if (Call(flat::GdipGetPointCount, path, &n) != Gdiplus::Ok || n <= 0) return std::nullopt;
    return n;
}

}  // namespace

bool GraphicsPath::GetPathTypes(ByteSet& types, std::optional<int> count) {
    const std::optional<INT> n = PointsWanted(pathHandle, count);
    if (!n) return false;
    types.assign(static_cast<std::size_t>(*n), 0);
    return Act(flat::GdipGetPathTypes, pathHandle, Data(types), *n);
}

bool GraphicsPath::GetPathPoints(std::vector<PointRecord>& points, std::optional<int> count) {
    const std::optional<INT> n = PointsWanted(pathHandle, count);
    if (!n) return false;
    points.assign(static_cast<std::size_t>(*n), PointRecord{});
    RecordBlock block(points);
    return Act(flat::GdipGetPathPoints, pathHandle, block.data(), block.count());
}

bool GraphicsPath::GetPathPointsI(std::vector<PointRecordI>& points, std::optional<int> count) {
    const std::optional<INT> n = PointsWanted(pathHandle, count);
    if (!n) return false;
    points.assign(static_cast<std::size_t>(*n), PointRecordI{});
    RecordBlock block(points);
    return Act(flat::GdipGetPathPointsI, pathHandle, block.data(), block.count());
}

bool GraphicsPath::StartPathFigure() { return Act(flat::GdipStartPathFigure, pathHandle); }
bool GraphicsPath::ClosePathFigure() { return Act(flat::GdipClosePathFigure, pathHandle); }
bool GraphicsPath::ClosePathFigures() { return Act(flat::GdipClosePathFigures, pathHandle); }
bool GraphicsPath::SetPathMarker() { return Act(flat::GdipSetPathMarker, pathHandle); }
bool GraphicsPath::ClearPathMarkers() { return Act(flat::GdipClearPathMarkers, pathHandle); }
bool GraphicsPath::ReversePath() { return Act(flat::GdipReversePath, pathHandle); }
PointRecord GraphicsPath::GetPathLastPoint() {
    PointRecord last;
    Act(flat::GdipGetPathLastPoint, pathHandle, Out(last));
    return last;
}
bool GraphicsPath::AddPathLine(float x1, float y1, float x2, float y2) {
    return Act(flat::GdipAddPathLine, pathHandle, x1, y1, x2, y2);
}
bool GraphicsPath::AddPathLineI(int x1, int y1, int x2, int y2) {
    return Act(flat::GdipAddPathLineI, pathHandle, x1, y1, x2, y2);
}
bool GraphicsPath::AddPathLine2(const std::vector<PointRecord>& points) {
    RecordBlock block(points);
    return Act(flat::GdipAddPathLine2, pathHandle, block.data(), block.count());
}
bool GraphicsPath::AddPathLine2I(const std::vector<PointRecordI>& points) {
    RecordBlock block(points);
    return Act(flat::GdipAddPathLine2I, pathHandle, block.data(), block.count());
}
bool GraphicsPath::AddPathArc(float x, float y, float width, float height, float startAngle, float sweepAngle) {
    return Act(flat::GdipAddPathArc, pathHandle, x, y, width, height, startAngle, sweepAngle);
}
bool GraphicsPath::AddPathArcI(int x, int y, int width, int height, float startAngle, float sweepAngle) {
    return Act(flat::GdipAddPathArcI, pathHandle, x, y, width, height, startAngle, sweepAngle);
}
bool GraphicsPath::AddPathBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4) {
    return Act(flat::GdipAddPathBezier, pathHandle, x1, y1, x2, y2, x3, y3, x4, y4);
}
bool GraphicsPath::AddPathBezierI(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return Act(flat::GdipAddPathBezierI, pathHandle, x1, y1, x2, y2, x3, y3, x4, y4);
}
bool GraphicsPath::AddPathBeziers(const std::vector<PointRecord>& points) {
    RecordBlock block(points);
    return Act(flat::GdipAddPathBeziers, pathHandle, block.data(), block.count());
}
bool GraphicsPath::AddPathBeziersI(const std::vector<PointRecordI>& points) {
    RecordBlock block(points);
    return Act(flat::GdipAddPathBeziersI, pathHandle, block.data(), block.count());
}
bool GraphicsPath::AddPathCurve(const std::vector<PointRecord>& points) {
    RecordBlock block(points);
    return Act(flat::GdipAddPathCurve, pathHandle, block.data(), block.count());
}
bool GraphicsPath::AddPathCurve2(const std::vector<PointRecord>& points, float tension) {
    RecordBlock block(points);
    return Act(flat::GdipAddPathCurve2, pathHandle, block.data(), block.count(), tension);
}
bool GraphicsPath::AddPathCurve3(const std::vector<PointRecord>& points, int offset, int segments, float tension) {
    RecordBlock block(points);
    return Act(flat::GdipAddPathCurve3, pathHandle, block.data(), block.count(), offset, segments, tension);
}
bool GraphicsPath::AddPathCurveI(const std::vector<PointRecordI>& points) {
    RecordBlock block(points);
    return Act(flat::GdipAddPathCurveI, pathHandle, block.data(), block.count());
}
bool GraphicsPath::AddPathCurve2I(const std::vector<PointRecordI>& points, float tension) {
    RecordBlock block(points);
    return Act(flat::GdipAddPathCurve2I, pathHandle, block.data(), block.count(), tension);
}
bool GraphicsPath::AddPathCurve3I(const std::vector<PointRecordI>& points, int offset, int segments, float tension) {
    RecordBlock block(points);
    return Act(flat::GdipAddPathCurve3I, pathHandle, block.data(), block.count(), offset, segments, tension);
}
bool GraphicsPath::AddPathClosedCurve(const std::vector<PointRecord>& points) {
    RecordBlock block(points);
    return Act(flat::GdipAddPathClosedCurve, pathHandle, block.data(), block.count());
}
bool GraphicsPath::AddPathClosedCurve2(const std::vector<PointRecord>& points, float tension) {
    RecordBlock block(points);
    return Act(flat::GdipAddPathClosedCurve2, pathHandle, block.data(), block.count(), tension);
}
bool GraphicsPath::AddPathClosedCurveI(const std::vector<PointRecordI>& points) {
    RecordBlock block(points);
    return Act(flat::GdipAddPathClosedCurveI, pathHandle, block.data(), block.count());
}
bool GraphicsPath::AddPathClosedCurve2I(const std::vector<PointRecordI>& points, float tension) {
    RecordBlock block(points);
    return Act(flat::GdipAddPathClosedCurve2I, pathHandle, block.data(), block.count(), tension);
}
bool GraphicsPath::AddPathRectangle(float x, float y, float width, float height) {
    return Act(flat::GdipAddPathRectangle, pathHandle, x, y, width, height);
}

bool GraphicsPath::AddRoundRectangle(float x, float y, float width, float height, int roundness) {
    const int r = std::clamp(roundness, 1, 100);
    // Whole-pixel corner boxes, truncated toward zero.
    const auto cw = static_cast<float>(static_cast<int>(width * r / 100));
    const auto ch = static_cast<float>(static_cast<int>(height * r / 100));
    const float right = (x + width) - cw;
    const float bottom = (y + height) - ch;
    // Only the closing call's status counts: a narrow rectangle's corner box
    // can be empty, and its degenerate arc must not decide the whole shape.
    flat::GdipAddPathArc(pathHandle, right, y, cw, ch, 270, 90);
    flat::GdipAddPathArc(pathHandle, right, bottom, cw, ch, 0, 90);
    flat::GdipAddPathArc(pathHandle, x, bottom, cw, ch, 90, 90);
    flat::GdipAddPathArc(pathHandle, x, y, cw, ch, 180, 90);
    return Act(flat::GdipClosePathFigure, pathHandle);
}

bool GraphicsPath::AddPathRectangles(const std::vector<RectRecord>& rects) {
    RecordBlock block(rects);
    return Act(flat::GdipAddPathRectangles, pathHandle, block.data(), block.count());
}
bool GraphicsPath::AddPathRectangleI(int x, int y, int width, int height) {
    return Act(flat::GdipAddPathRectangleI, pathHandle, x, y, width, height);
}
bool GraphicsPath::AddPathRectanglesI(const std::vector<RectRecordI>& rects) {
    RecordBlock block(rects);
    return Act(flat::GdipAddPathRectanglesI, pathHandle, block.data(), block.count());
}
bool GraphicsPath::AddPathEllipse(float x, float y, float width, float height) {
    return Act(flat::GdipAddPathEllipse, pathHandle, x, y, width, height);
}
bool GraphicsPath::AddPathEllipseI(int x, int y, int width, int height) {
    return Act(flat::GdipAddPathEllipseI, pathHandle, x, y, width, height);
}
bool GraphicsPath::AddPathPie(float x, float y, float width, float height, float startAngle, float sweepAngle) {
    return Act(flat::GdipAddPathPie, pathHandle, x, y, width, height, startAngle, sweepAngle);
}
bool GraphicsPath::AddPathPieI(int x, int y, int width, int height, float startAngle, float sweepAngle) {
    return Act(flat::GdipAddPathPieI, pathHandle, x, y, width, height, startAngle, sweepAngle);
}
bool GraphicsPath::AddPathPolygon(const std::vector<PointRecord>& points) {
    RecordBlock block(points);
    return Act(flat::GdipAddPathPolygon, pathHandle, block.data(), block.count());
}
bool GraphicsPath::AddPathPolygonI(const std::vector<PointRecordI>& points) {
    RecordBlock block(points);
    return Act(flat::GdipAddPathPolygonI, pathHandle, block.data(), block.count());
}
bool GraphicsPath::AddPathPath(const GraphicsPath& path, std::optional<bool> connect) {
    return Act(flat::GdipAddPathPath, pathHandle, path, connect.value_or(false) ? TRUE : FALSE);
}

bool GraphicsPath::AddPathString(const std::string& text, const FontFamily& family, int size,
                                 const RectRecord& layout, std::optional<int> style, const StringFormat& format) {
    return AddPathStringW(ToWideText(text), family, size, layout, style, format);
}
bool GraphicsPath::AddPathStringW(const ByteSet& text, const FontFamily& family, int size, const RectRecord& layout,
                                  std::optional<int> style, const StringFormat& format) {
    const std::wstring wide = gdip_detail::WideFromBytes(text);
    return Act(flat::GdipAddPathString, pathHandle, wide.c_str(), static_cast<INT>(wide.size()), family,
               style.value_or(0), static_cast<float>(size), In(layout), format);
}
bool GraphicsPath::AddPathStringI(const std::string& text, const FontFamily& family, int size,
                                  const RectRecordI& layout, std::optional<int> style, const StringFormat& format) {
    return AddPathStringIW(ToWideText(text), family, size, layout, style, format);
}
bool GraphicsPath::AddPathStringIW(const ByteSet& text, const FontFamily& family, int size, const RectRecordI& layout,
                                   std::optional<int> style, const StringFormat& format) {
    const std::wstring wide = gdip_detail::WideFromBytes(text);
    return Act(flat::GdipAddPathStringI, pathHandle, wide.c_str(), static_cast<INT>(wide.size()), family,
               style.value_or(0), static_cast<float>(size), In(layout), format);
}

bool GraphicsPath::TransformPath(const GdipObject& matrix) { return Act(flat::GdipTransformPath, pathHandle, matrix); }
RectRecord GraphicsPath::GetPathWorldBounds(const GdipObject& matrix, const Pen& pen) {
    RectRecord bounds;
    Act(flat::GdipGetPathWorldBounds, pathHandle, Out(bounds), matrix, pen);
    return bounds;
}
RectRecordI GraphicsPath::GetPathWorldBoundsI(const GdipObject& matrix, const Pen& pen) {
    RectRecordI bounds;
    Act(flat::GdipGetPathWorldBoundsI, pathHandle, Out(bounds), matrix, pen);
    return bounds;
}
bool GraphicsPath::FlattenPath(const GdipObject& matrix, std::optional<float> flatness) {
    return Act(flat::GdipFlattenPath, pathHandle, matrix, flatness.value_or(kDefaultFlatness));
}
bool GraphicsPath::WidenPath(const Pen& pen, const GdipObject& matrix, std::optional<float> flatness) {
    return Act(flat::GdipWidenPath, pathHandle, pen, matrix, flatness.value_or(kDefaultFlatness));
}
bool GraphicsPath::WindingModeOutline(const GdipObject& matrix, std::optional<float> flatness) {
    return Act(flat::GdipWindingModeOutline, pathHandle, matrix, flatness.value_or(kDefaultFlatness));
}
bool GraphicsPath::WarpPath(const GdipObject& matrix, const std::vector<PointRecord>& destination,
                            const RectRecord& source, std::optional<int> warpMode, std::optional<float> flatness) {
    RecordBlock block(destination);
    return Act(flat::GdipWarpPath, pathHandle, matrix, block.data(), block.count(), source.x, source.y, source.width,
               source.height, warpMode.value_or(0), flatness.value_or(kDefaultFlatness));
}
int GraphicsPath::GetPointCount() { return Value(flat::GdipGetPointCount, pathHandle); }
bool GraphicsPath::IsVisiblePathPoint(float x, float y, const Graphics& graphics) {
    return YesNo(flat::GdipIsVisiblePathPoint, pathHandle, x, y, graphics);
}
bool GraphicsPath::IsVisiblePathPointI(int x, int y, const Graphics& graphics) {
    return YesNo(flat::GdipIsVisiblePathPointI, pathHandle, x, y, graphics);
}
bool GraphicsPath::IsOutlineVisiblePathPoint(float x, float y, const Pen& pen, const Graphics& graphics) {
    return YesNo(flat::GdipIsOutlineVisiblePathPoint, pathHandle, x, y, pen, graphics);
}
bool GraphicsPath::IsOutlineVisiblePathPointI(int x, int y, const Pen& pen, const Graphics& graphics) {
    return YesNo(flat::GdipIsOutlineVisiblePathPointI, pathHandle, x, y, pen, graphics);
}
