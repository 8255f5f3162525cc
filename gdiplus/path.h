#pragma once
// GraphicsPath: the outlines painters fill, stroke and clip with.

#include "gdiplus/gdip_object.h"

struct PathDataRecord {
    std::int32_t count = 0;
    std::vector<PointRecord> points;
    ByteSet types;  // one published path point type per point
};

class GraphicsPath : public GdipObject {
public:
    GraphicsPath() = default;
    GraphicsPath(GraphicsPath&& other) noexcept { AdoptHandle(other); }
    GraphicsPath& operator=(GraphicsPath&& other) noexcept;
    ~GraphicsPath() override { DeletePath(); }

    bool DeletePath();
    bool CreatePath(std::optional<int> fillMode = {});
    bool CreatePath2(const std::vector<PointRecord>& points, const ByteSet& types, std::optional<int> fillMode = {});
    bool CreatePath2I(const std::vector<PointRecordI>& points, const ByteSet& types, std::optional<int> fillMode = {});
    bool ClonePath(GraphicsPath& target);
    bool ResetPath();
    int GetPathFillMode();
    bool SetPathFillMode(int fillMode);
    bool GetPathData(PathDataRecord& data);
    bool GetPathTypes(ByteSet& types, std::optional<int> count = {});
    bool GetPathPoints(std::vector<PointRecord>& points, std::optional<int> count = {});
    bool GetPathPointsI(std::vector<PointRecordI>& points, std::optional<int> count = {});
    bool StartPathFigure();
    bool ClosePathFigure();
    bool ClosePathFigures();
    bool SetPathMarker();
    bool ClearPathMarkers();
    bool ReversePath();
    PointRecord GetPathLastPoint();
    bool AddPathLine(float x1, float y1, float x2, float y2);
    bool AddPathLineI(int x1, int y1, int x2, int y2);
    bool AddPathLine2(const std::vector<PointRecord>& points);
    bool AddPathLine2I(const std::vector<PointRecordI>& points);
    bool AddPathArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool AddPathArcI(int x, int y, int width, int height, float startAngle, float sweepAngle);
    bool AddPathBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
    bool AddPathBezierI(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    bool AddPathBeziers(const std::vector<PointRecord>& points);
    bool AddPathBeziersI(const std::vector<PointRecordI>& points);
    bool AddPathCurve(const std::vector<PointRecord>& points);
    bool AddPathCurve2(const std::vector<PointRecord>& points, float tension);
    bool AddPathCurve3(const std::vector<PointRecord>& points, int offset, int segments, float tension);
    bool AddPathCurveI(const std::vector<PointRecordI>& points);
    bool AddPathCurve2I(const std::vector<PointRecordI>& points, float tension);
    bool AddPathCurve3I(const std::vector<PointRecordI>& points, int offset, int segments, float tension);
    bool AddPathClosedCurve(const std::vector<PointRecord>& points);
    bool AddPathClosedCurve2(const std::vector<PointRecord>& points, float tension);
    bool AddPathClosedCurveI(const std::vector<PointRecordI>& points);
    bool AddPathClosedCurve2I(const std::vector<PointRecordI>& points, float tension);
    bool AddPathRectangle(float x, float y, float width, float height);
    // A rectangle with its corners rounded by `roundness` percent (1..100) of
    // its width and height, as one closed figure.
    bool AddRoundRectangle(float x, float y, float width, float height, int roundness);
    bool AddPathRectangles(const std::vector<RectRecord>& rects);
    bool AddPathRectangleI(int x, int y, int width, int height);
    bool AddPathRectanglesI(const std::vector<RectRecordI>& rects);
    bool AddPathEllipse(float x, float y, float width, float height);
    bool AddPathEllipseI(int x, int y, int width, int height);
    bool AddPathPie(float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool AddPathPieI(int x, int y, int width, int height, float startAngle, float sweepAngle);
    bool AddPathPolygon(const std::vector<PointRecord>& points);
    bool AddPathPolygonI(const std::vector<PointRecordI>& points);
    bool AddPathPath(const GraphicsPath& path, std::optional<bool> connect = {});
    bool AddPathString(const std::string& text, const FontFamily& family, int size, const RectRecord& layout,
                       std::optional<int> style, const StringFormat& format);
    bool AddPathStringW(const ByteSet& text, const FontFamily& family, int size, const RectRecord& layout,
                        std::optional<int> style, const StringFormat& format);
    bool AddPathStringI(const std::string& text, const FontFamily& family, int size, const RectRecordI& layout,
                        std::optional<int> style, const StringFormat& format);
    bool AddPathStringIW(const ByteSet& text, const FontFamily& family, int size, const RectRecordI& layout,
                         std::optional<int> style, const StringFormat& format);
    bool TransformPath(const GdipObject& matrix);
    RectRecord GetPathWorldBounds(const GdipObject& matrix, const Pen& pen);
    RectRecordI GetPathWorldBoundsI(const GdipObject& matrix, const Pen& pen);
    bool FlattenPath(const GdipObject& matrix, std::optional<float> flatness = {});
    bool WidenPath(const Pen& pen, const GdipObject& matrix, std::optional<float> flatness = {});
    bool WindingModeOutline(const GdipObject& matrix, std::optional<float> flatness = {});
    bool WarpPath(const GdipObject& matrix, const std::vector<PointRecord>& destination, const RectRecord& source,
                  std::optional<int> warpMode = {}, std::optional<float> flatness = {});
    int GetPointCount();
    bool IsVisiblePathPoint(float x, float y, const Graphics& graphics);
    bool IsVisiblePathPointI(int x, int y, const Graphics& graphics);
    bool IsOutlineVisiblePathPoint(float x, float y, const Pen& pen, const Graphics& graphics);
    bool IsOutlineVisiblePathPointI(int x, int y, const Pen& pen, const Graphics& graphics);

protected:
    void OnNativeHandleSet(void* handle) override;

private:
    Gdiplus::GpPath* pathHandle = nullptr;
};
