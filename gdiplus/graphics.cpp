#include "gdiplus/gdiplus_layer.h"

#include "gdiplus/gdip_call.h"

namespace {

constexpr int kPixelUnit = Gdiplus::UnitPixel;

}  // namespace

Graphics& Graphics::operator=(Graphics&& other) noexcept {
    if (this != &other) {
        DeleteGraphics();
        AdoptHandle(other);
    }
    return *this;
}

void Graphics::OnNativeHandleSet(void* handle) {
    graphicsHandle = static_cast<Gdiplus::GpGraphics*>(handle);
    OnDerivedHandleSet(handle);
}

void Graphics::OnDerivedHandleSet(void*) {}

bool Graphics::DeleteGraphics() { return Delete(*this, graphicsHandle, flat::GdipDeleteGraphics); }

// Flushing is fire-and-forget: its status would only overwrite the status of
// the drawing call the caller is about to check.
void Graphics::Flush(std::optional<int> intention) {
    flat::GdipFlush(graphicsHandle, static_cast<Gdiplus::FlushIntention>(intention.value_or(0)));
}

bool Graphics::CreateFromHWND(HWND window, std::optional<bool> icm) {
    return icm.value_or(false) ? Create(*this, graphicsHandle, flat::GdipCreateFromHWNDICM, window)
                               : Create(*this, graphicsHandle, flat::GdipCreateFromHWND, window);
}

bool Graphics::CreateFromHDC(HDC dc, std::optional<HANDLE> device) {
    return device ? Create(*this, graphicsHandle, flat::GdipCreateFromHDC2, dc, *device)
                  : Create(*this, graphicsHandle, flat::GdipCreateFromHDC, dc);
}

bool Graphics::GetImageGraphicsContext(const Image& image) {
    return Create(*this, graphicsHandle, flat::GdipGetImageGraphicsContext, image);
}

HDC Graphics::GetDC() { return Value(flat::GdipGetDC, graphicsHandle); }
bool Graphics::ReleaseDC(HDC dc) { return Act(flat::GdipReleaseDC, graphicsHandle, dc); }
bool Graphics::GetRenderingOrigin(int& x, int& y) { return Act(flat::GdipGetRenderingOrigin, graphicsHandle, &x, &y); }
bool Graphics::SetRenderingOrigin(int x, int y) { return Act(flat::GdipSetRenderingOrigin, graphicsHandle, x, y); }
int Graphics::GetCompositingMode() { return Value(flat::GdipGetCompositingMode, graphicsHandle); }
bool Graphics::SetCompositingMode(int mode) { return Act(flat::GdipSetCompositingMode, graphicsHandle, mode); }
int Graphics::GetCompositingQuality() { return Value(flat::GdipGetCompositingQuality, graphicsHandle); }
bool Graphics::SetCompositingQuality(int quality) {
    return Act(flat::GdipSetCompositingQuality, graphicsHandle, quality);
}
bool Graphics::SetTextRenderingHint(int hint) { return Act(flat::GdipSetTextRenderingHint, graphicsHandle, hint); }
int Graphics::GetTextRenderingHint() { return Value(flat::GdipGetTextRenderingHint, graphicsHandle); }
bool Graphics::SetTextContrast(std::uint32_t contrast) {
    return Act(flat::GdipSetTextContrast, graphicsHandle, contrast);
}
std::uint32_t Graphics::GetTextContrast() { return Value(flat::GdipGetTextContrast, graphicsHandle); }
bool Graphics::SetInterpolationMode(int mode) { return Act(flat::GdipSetInterpolationMode, graphicsHandle, mode); }
int Graphics::GetInterpolationMode() { return Value(flat::GdipGetInterpolationMode, graphicsHandle); }
bool Graphics::SetSmoothingMode(int mode) { return Act(flat::GdipSetSmoothingMode, graphicsHandle, mode); }
int Graphics::GetSmoothingMode() { return Value(flat::GdipGetSmoothingMode, graphicsHandle); }
bool Graphics::SetPixelOffsetMode(int mode) { return Act(flat::GdipSetPixelOffsetMode, graphicsHandle, mode); }
int Graphics::GetPixelOffsetMode() { return Value(flat::GdipGetPixelOffsetMode, graphicsHandle); }
bool Graphics::SetWorldTransform(const GdipObject& matrix) {
    return Act(flat::GdipSetWorldTransform, graphicsHandle, matrix);
}
bool Graphics::GetWorldTransform(const GdipObject& matrix) {
    return Act(flat::GdipGetWorldTransform, graphicsHandle, matrix);
}
bool Graphics::ResetWorldTransform() { return Act(flat::GdipResetWorldTransform, graphicsHandle); }
bool Graphics::MultiplyWorldTransform(const GdipObject& matrix, std::optional<int> order) {
    return Act(flat::GdipMultiplyWorldTransform, graphicsHandle, matrix, order.value_or(0));
}
bool Graphics::TranslateWorldTransform(float dx, float dy, std::optional<int> order) {
    return Act(flat::GdipTranslateWorldTransform, graphicsHandle, dx, dy, order.value_or(0));
}
bool Graphics::ScaleWorldTransform(float sx, float sy, std::optional<int> order) {
    return Act(flat::GdipScaleWorldTransform, graphicsHandle, sx, sy, order.value_or(0));
}
bool Graphics::ScaleWorldTransformAt(float sx, float sy, const PointRecord& centre, std::optional<int> order) {
    return TransformAbout(graphicsHandle, flat::GdipTranslateWorldTransform, centre, order.value_or(0),
                          flat::GdipScaleWorldTransform, sx, sy);
}
bool Graphics::RotateWorldTransform(float angle, std::optional<int> order) {
    return Act(flat::GdipRotateWorldTransform, graphicsHandle, angle, order.value_or(0));
}
bool Graphics::RotateWorldTransformAt(float angle, const PointRecord& centre, std::optional<int> order) {
    return TransformAbout(graphicsHandle, flat::GdipTranslateWorldTransform, centre, order.value_or(0),
                          flat::GdipRotateWorldTransform, angle);
}
bool Graphics::SetPageUnit(int unit) { return Act(flat::GdipSetPageUnit, graphicsHandle, unit); }
int Graphics::GetPageUnit() { return Value(flat::GdipGetPageUnit, graphicsHandle); }
bool Graphics::SetPageScale(float scale) { return Act(flat::GdipSetPageScale, graphicsHandle, scale); }
float Graphics::GetPageScale() { return Value(flat::GdipGetPageScale, graphicsHandle); }
float Graphics::GetDpiX() { return Value(flat::GdipGetDpiX, graphicsHandle); }
float Graphics::GetDpiY() { return Value(flat::GdipGetDpiY, graphicsHandle); }

bool Graphics::TransformPoints(int destSpace, int srcSpace, std::vector<PointRecord>& points) {
    RecordBlock block(points);
    return Act(flat::GdipTransformPoints, graphicsHandle, destSpace, srcSpace, block.data(), block.count());
}
bool Graphics::TransformPointsI(int destSpace, int srcSpace, std::vector<PointRecordI>& points) {
    RecordBlock block(points);
    return Act(flat::GdipTransformPointsI, graphicsHandle, destSpace, srcSpace, block.data(), block.count());
}

Gdiplus::ARGB Graphics::GetNearestColor(Gdiplus::ARGB& colour) {
    Act(flat::GdipGetNearestColor, graphicsHandle, &colour);
    return colour;
}

bool Graphics::DrawLine(const Pen& pen, float x1, float y1, float x2, float y2) {
    return Act(flat::GdipDrawLine, graphicsHandle, pen, x1, y1, x2, y2);
}
bool Graphics::DrawLineI(const Pen& pen, int x1, int y1, int x2, int y2) {
    return Act(flat::GdipDrawLineI, graphicsHandle, pen, x1, y1, x2, y2);
}
bool Graphics::DrawLines(const Pen& pen, const std::vector<PointRecord>& points) {
    RecordBlock block(points);
    return Act(flat::GdipDrawLines, graphicsHandle, pen, block.data(), block.count());
}
bool Graphics::DrawLinesI(const Pen& pen, const std::vector<PointRecordI>& points) {
    RecordBlock block(points);
    return Act(flat::GdipDrawLinesI, graphicsHandle, pen, block.data(), block.count());
}
bool Graphics::DrawArc(const Pen& pen, float x, float y, float width, float height, float startAngle,
                       float sweepAngle) {
    return Act(flat::GdipDrawArc, graphicsHandle, pen, x, y, width, height, startAngle, sweepAngle);
}
bool Graphics::DrawArcI(const Pen& pen, int x, int y, int width, int height, float startAngle, float sweepAngle) {
    return Act(flat::GdipDrawArcI, graphicsHandle, pen, x, y, width, height, startAngle, sweepAngle);
}
bool Graphics::DrawBezier(const Pen& pen, float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                          float y4) {
    return Act(flat::GdipDrawBezier, graphicsHandle, pen, x1, y1, x2, y2, x3, y3, x4, y4);
}
bool Graphics::DrawBezierI(const Pen& pen, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return Act(flat::GdipDrawBezierI, graphicsHandle, pen, x1, y1, x2, y2, x3, y3, x4, y4);
}
bool Graphics::DrawBeziers(const Pen& pen, const std::vector<PointRecord>& points) {
    RecordBlock block(points);
    return Act(flat::GdipDrawBeziers, graphicsHandle, pen, block.data(), block.count());
}
bool Graphics::DrawBeziersI(const Pen& pen, const std::vector<PointRecordI>& points) {
    RecordBlock block(points);
    return Act(flat::GdipDrawBeziersI, graphicsHandle, pen, block.data(), block.count());
}
bool Graphics::DrawRectangle(const Pen& pen, float x, float y, float width, float height) {
    return Act(flat::GdipDrawRectangle, graphicsHandle, pen, x, y, width, height);
}
bool Graphics::DrawRectangleI(const Pen& pen, int x, int y, int width, int height) {
    return Act(flat::GdipDrawRectangleI, graphicsHandle, pen, x, y, width, height);
}
bool Graphics::DrawRectangles(const Pen& pen, const std::vector<RectRecord>& rects) {
    RecordBlock block(rects);
    return Act(flat::GdipDrawRectangles, graphicsHandle, pen, block.data(), block.count());
}
bool Graphics::DrawRectanglesI(const Pen& pen, const std::vector<RectRecordI>& rects) {
    RecordBlock block(rects);
    return Act(flat::GdipDrawRectanglesI, graphicsHandle, pen, block.data(), block.count());
}
bool Graphics::DrawEllipse(const Pen& pen, float x, float y, float width, float height) {
    return Act(flat::GdipDrawEllipse, graphicsHandle, pen, x, y, width, height);
}
bool Graphics::DrawEllipseI(const Pen& pen, int x, int y, int width, int height) {
    return Act(flat::GdipDrawEllipseI, graphicsHandle, pen, x, y, width, height);
}
bool Graphics::DrawPie(const Pen& pen, float x, float y, float width, float height, float startAngle,
                       float sweepAngle) {
    return Act(flat::GdipDrawPie, graphicsHandle, pen, x, y, width, height, startAngle, sweepAngle);
}
bool Graphics::DrawPieI(const Pen& pen, int x, int y, int width, int height, float startAngle, float sweepAngle) {
    return Act(flat::GdipDrawPieI, graphicsHandle, pen, x, y, width, height, startAngle, sweepAngle);
}
bool Graphics::DrawPolygon(const Pen& pen, const std::vector<PointRecord>& points) {
    RecordBlock block(points);
    return Act(flat::GdipDrawPolygon, graphicsHandle, pen, block.data(), block.count());
}
bool Graphics::DrawPolygonI(const Pen& pen, const std::vector<PointRecordI>& points) {
    RecordBlock block(points);
    return Act(flat::GdipDrawPolygonI, graphicsHandle, pen, block.data(), block.count());
}
bool Graphics::DrawPath(const Pen& pen, const GraphicsPath& path) {
    return Act(flat::GdipDrawPath, graphicsHandle, pen, path);
}
bool Graphics::DrawCurve(const Pen& pen, const std::vector<PointRecord>& points) {
    RecordBlock block(points);
    return Act(flat::GdipDrawCurve, graphicsHandle, pen, block.data(), block.count());
}
bool Graphics::DrawCurveI(const Pen& pen, const std::vector<PointRecordI>& points) {
    RecordBlock block(points);
    return Act(flat::GdipDrawCurveI, graphicsHandle, pen, block.data(), block.count());
}
bool Graphics::DrawCurve2(const Pen& pen, const std::vector<PointRecord>& points, float tension) {
    RecordBlock block(points);
    return Act(flat::GdipDrawCurve2, graphicsHandle, pen, block.data(), block.count(), tension);
}
bool Graphics::DrawCurve2I(const Pen& pen, const std::vector<PointRecordI>& points, float tension) {
    RecordBlock block(points);
    return Act(flat::GdipDrawCurve2I, graphicsHandle, pen, block.data(), block.count(), tension);
}
bool Graphics::DrawCurve3(const Pen& pen, const std::vector<PointRecord>& points, int offset, int segments,
                          float tension) {
    RecordBlock block(points);
    return Act(flat::GdipDrawCurve3, graphicsHandle, pen, block.data(), block.count(), offset, segments, tension);
}
bool Graphics::DrawCurve3I(const Pen& pen, const std::vector<PointRecordI>& points, int offset, int segments,
                           float tension) {
    RecordBlock block(points);
    return Act(flat::GdipDrawCurve3I, graphicsHandle, pen, block.data(), block.count(), offset, segments, tension);
}
bool Graphics::DrawClosedCurve(const Pen& pen, const std::vector<PointRecord>& points) {
    RecordBlock block(points);
    return Act(flat::GdipDrawClosedCurve, graphicsHandle, pen, block.data(), block.count());
}
bool Graphics::DrawClosedCurveI(const Pen& pen, const std::vector<PointRecordI>& points) {
    RecordBlock block(points);
    return Act(flat::GdipDrawClosedCurveI, graphicsHandle, pen, block.data(), block.count());
}
bool Graphics::DrawClosedCurve2(const Pen& pen, const std::vector<PointRecord>& points, float tension) {
    RecordBlock block(points);
    return Act(flat::GdipDrawClosedCurve2, graphicsHandle, pen, block.data(), block.count(), tension);
}
bool Graphics::DrawClosedCurve2I(const Pen& pen, const std::vector<PointRecordI>& points, float tension) {
    RecordBlock block(points);
    return Act(flat::GdipDrawClosedCurve2I, graphicsHandle, pen, block.data(), block.count(), tension);
}
bool Graphics::GraphicsClear(std::optional<Gdiplus::ARGB> colour) {
    return Act(flat::GdipGraphicsClear, graphicsHandle, colour.value_or(0));
}
bool Graphics::FillRectangle(const Brush& brush, float x, float y, float width, float height) {
    return Act(flat::GdipFillRectangle, graphicsHandle, brush, x, y, width, height);
}
bool Graphics::FillRectangleRect(const Brush& brush, const RectRecord& rect) {
    return Act(flat::GdipFillRectangle, graphicsHandle, brush, rect.x, rect.y, rect.width, rect.height);
}
bool Graphics::FillRectangleI(const Brush& brush, int x, int y, int width, int height) {
    return Act(flat::GdipFillRectangleI, graphicsHandle, brush, x, y, width, height);
}
bool Graphics::FillRectangles(const Brush& brush, const std::vector<RectRecord>& rects) {
    RecordBlock block(rects);
    return Act(flat::GdipFillRectangles, graphicsHandle, brush, block.data(), block.count());
}
bool Graphics::FillRectanglesI(const Brush& brush, const std::vector<RectRecordI>& rects) {
    RecordBlock block(rects);
    return Act(flat::GdipFillRectanglesI, graphicsHandle, brush, block.data(), block.count());
}
bool Graphics::FillPolygon(const Brush& brush, const std::vector<PointRecord>& points, std::optional<int> fillMode) {
    RecordBlock block(points);
    return Act(flat::GdipFillPolygon, graphicsHandle, brush, block.data(), block.count(), fillMode.value_or(0));
}
bool Graphics::FillPolygonI(const Brush& brush, const std::vector<PointRecordI>& points,
                            std::optional<int> fillMode) {
    RecordBlock block(points);
    return Act(flat::GdipFillPolygonI, graphicsHandle, brush, block.data(), block.count(), fillMode.value_or(0));
}
bool Graphics::FillEllipse(const Brush& brush, float x, float y, float width, float height) {
    return Act(flat::GdipFillEllipse, graphicsHandle, brush, x, y, width, height);
}
bool Graphics::FillEllipseI(const Brush& brush, int x, int y, int width, int height) {
    return Act(flat::GdipFillEllipseI, graphicsHandle, brush, x, y, width, height);
}
bool Graphics::FillPie(const Brush& brush, float x, float y, float width, float height, float startAngle,
                       float sweepAngle) {
    return Act(flat::GdipFillPie, graphicsHandle, brush, x, y, width, height, startAngle, sweepAngle);
}
bool Graphics::FillPieI(const Brush& brush, int x, int y, int width, int height, float startAngle,
                        float sweepAngle) {
    return Act(flat::GdipFillPieI, graphicsHandle, brush, x, y, width, height, startAngle, sweepAngle);
}
bool Graphics::FillPath(const Brush& brush, const GraphicsPath& path) {
    return Act(flat::GdipFillPath, graphicsHandle, brush, path);
}
bool Graphics::FillClosedCurve(const Brush& brush, const std::vector<PointRecord>& points) {
    RecordBlock block(points);
    return Act(flat::GdipFillClosedCurve, graphicsHandle, brush, block.data(), block.count());
}
bool Graphics::FillClosedCurve2(const Brush& brush, const std::vector<PointRecord>& points, float tension,
                                std::optional<int> fillMode) {
    RecordBlock block(points);
    return Act(flat::GdipFillClosedCurve2, graphicsHandle, brush, block.data(), block.count(), tension,
               fillMode.value_or(0));
}
bool Graphics::FillClosedCurveI(const Brush& brush, const std::vector<PointRecordI>& points) {
    RecordBlock block(points);
    return Act(flat::GdipFillClosedCurveI, graphicsHandle, brush, block.data(), block.count());
}
bool Graphics::FillClosedCurve2I(const Brush& brush, const std::vector<PointRecordI>& points, float tension,
                                 std::optional<int> fillMode) {
    RecordBlock block(points);
    return Act(flat::GdipFillClosedCurve2I, graphicsHandle, brush, block.data(), block.count(), tension,
               fillMode.value_or(0));
}
bool Graphics::FillRegion(const Brush& brush, const Region& region) {
    return Act(flat::GdipFillRegion, graphicsHandle, brush, region);
}

bool Graphics::DrawString(const std::string& text, const Font& font, const Brush& brush, const RectRecord& layout,
                          const StringFormat& format) {
    return DrawStringW(ToWideText(text), font, brush, layout, format);
}

bool Graphics::DrawStringW(const ByteSet& text, const Font& font, const Brush& brush, const RectRecord& layout,
                           const StringFormat& format) {
    // An empty text still goes to GDI+ as a terminator-only string of length 0.
    const std::wstring wide = gdip_detail::WideFromBytes(text);
    return Act(flat::GdipDrawString, graphicsHandle, wide.c_str(), static_cast<INT>(wide.size()), font,
               In(layout), format, brush);
}

bool Graphics::MeasureString(const std::string& text, const Font& font, const RectRecord& layout,
                             const StringFormat& format, RectRecord& bounds) {
    return MeasureStringW(ToWideText(text), font, layout, format, bounds);
}

bool Graphics::MeasureStringW(const ByteSet& text, const Font& font, const RectRecord& layout,
                              const StringFormat& format, RectRecord& bounds) {
    const std::wstring wide = gdip_detail::WideFromBytes(text);
    return Act(flat::GdipMeasureString, graphicsHandle, wide.c_str(), static_cast<INT>(wide.size()), font,
               In(layout), format, Out(bounds), static_cast<INT*>(nullptr), static_cast<INT*>(nullptr));
}

bool Graphics::MeasureCharacterRanges(const std::string& text, const Font& font, const RectRecord& layout,
                                      const StringFormat& format, int count, std::vector<Region>& regions) {
    return MeasureCharacterRangesW(ToWideText(text), font, layout, format, count, regions);
}

bool Graphics::MeasureCharacterRangesW(const ByteSet& text, const Font& font, const RectRecord& layout,
                                       const StringFormat& format, int count, std::vector<Region>& regions) {
    if (count < 1) return Refuse();
    // The native regions belong to nobody until the measurement succeeds, so
    // every failure path deletes the ones made so far.
    std::vector<Gdiplus::GpRegion*> handles(static_cast<std::size_t>(count), nullptr);
    auto release = [&handles] {
        for (Gdiplus::GpRegion* h : handles)
            if (h) flat::GdipDeleteRegion(h);
    };
    for (auto& handle : handles) {
        if (Call(flat::GdipCreateRegion, &handle) != Gdiplus::Ok) {
            handle = nullptr;
            release();
            return false;
        }
    }
    const std::wstring wide = gdip_detail::WideFromBytes(text);
    if (Call(flat::GdipMeasureCharacterRanges, graphicsHandle, wide.c_str(), static_cast<INT>(wide.size()), font,
             In(layout), format, count, handles.data()) != Gdiplus::Ok) {
        release();
        return false;
    }
    regions.clear();
    regions.resize(handles.size());
    for (std::size_t i = 0; i < handles.size(); ++i) regions[i].SetNativeHandle(handles[i]);
    return true;
}

bool Graphics::DrawDriverString(const std::string& text, const Font& font, const Brush& brush,
                                const std::vector<PointRecord>& positions, std::optional<int> options,
                                const GdipObject& matrix) {
    return DrawDriverStringW(ToWideText(text), font, brush, positions, options, matrix);
}

bool Graphics::DrawDriverStringW(const ByteSet& text, const Font& font, const Brush& brush,
                                 const std::vector<PointRecord>& positions, std::optional<int> options,
                                 const GdipObject& matrix) {
    const std::wstring wide = gdip_detail::WideFromBytes(text);
    RecordBlock block(positions);
    return Act(flat::GdipDrawDriverString, graphicsHandle, reinterpret_cast<const UINT16*>(wide.c_str()),
               static_cast<INT>(wide.size()), font, brush, block.data(), options.value_or(1), matrix);
}

bool Graphics::DrawImage(const Image& image, float x, float y) {
    return Act(flat::GdipDrawImage, graphicsHandle, image, x, y);
}
bool Graphics::DrawImageI(const Image& image, int x, int y) {
    return Act(flat::GdipDrawImageI, graphicsHandle, image, x, y);
}
bool Graphics::DrawCachedBitmap(const GdipObject& cachedBitmap, float x, float y) {
    return Act(flat::GdipDrawCachedBitmap, graphicsHandle, cachedBitmap, static_cast<INT>(x), static_cast<INT>(y));
}

bool Graphics::DrawImageRect(const Image& image, float x, float y, float width, float height,
                             std::optional<int> srcUnit) {
    // The whole image goes into the rectangle: the source is its full size.
    const auto imageWidth = static_cast<float>(Value(flat::GdipGetImageWidth, image));
    const auto imageHeight = static_cast<float>(Value(flat::GdipGetImageHeight, image));
    return Act(flat::GdipDrawImageRectRect, graphicsHandle, image, x, y, width, height, 0.0f, 0.0f, imageWidth,
               imageHeight, srcUnit.value_or(kPixelUnit), static_cast<Gdiplus::GpImageAttributes*>(nullptr),
               nullptr, nullptr);
}

bool Graphics::DrawImageRectI(const Image& image, int x, int y, int width, int height,
                              std::optional<int> srcUnit) {
    const auto imageWidth = static_cast<INT>(Value(flat::GdipGetImageWidth, image));
    const auto imageHeight = static_cast<INT>(Value(flat::GdipGetImageHeight, image));
    return Act(flat::GdipDrawImageRectRectI, graphicsHandle, image, x, y, width, height, 0, 0, imageWidth,
               imageHeight, srcUnit.value_or(kPixelUnit), static_cast<Gdiplus::GpImageAttributes*>(nullptr),
               nullptr, nullptr);
}

bool Graphics::DrawImagePoints(const Image& image, float x1, float y1, float x2, float y2, float x3, float y3) {
    RecordBlock block(std::vector<PointRecord>{{x1, y1}, {x2, y2}, {x3, y3}});
    return Act(flat::GdipDrawImagePoints, graphicsHandle, image, block.data(), block.count());
}
bool Graphics::DrawImagePointsI(const Image& image, int x1, int y1, int x2, int y2, int x3, int y3) {
    RecordBlock block(std::vector<PointRecordI>{{x1, y1}, {x2, y2}, {x3, y3}});
    return Act(flat::GdipDrawImagePointsI, graphicsHandle, image, block.data(), block.count());
}
bool Graphics::DrawImagePointRect(const Image& image, float x, float y, float srcX, float srcY, float srcWidth,
                                  float srcHeight, std::optional<int> srcUnit) {
    return Act(flat::GdipDrawImagePointRect, graphicsHandle, image, x, y, srcX, srcY, srcWidth, srcHeight,
               srcUnit.value_or(kPixelUnit));
}
bool Graphics::DrawImagePointRectI(const Image& image, int x, int y, int srcX, int srcY, int srcWidth,
                                   int srcHeight, std::optional<int> srcUnit) {
    return Act(flat::GdipDrawImagePointRectI, graphicsHandle, image, x, y, srcX, srcY, srcWidth, srcHeight,
               srcUnit.value_or(kPixelUnit));
}
bool Graphics::DrawImageRectRect(const Image& image, float dstX, float dstY, float dstWidth, float dstHeight,
                                 float srcX, float srcY, float srcWidth, float srcHeight, std::optional<int> srcUnit,
                                 const GdipObject& imageAttributes) {
    return Act(flat::GdipDrawImageRectRect, graphicsHandle, image, dstX, dstY, dstWidth, dstHeight, srcX, srcY,
               srcWidth, srcHeight, srcUnit.value_or(kPixelUnit), imageAttributes, nullptr, nullptr);
}
bool Graphics::DrawImageRectRectI(const Image& image, int dstX, int dstY, int dstWidth, int dstHeight, int srcX,
                                  int srcY, int srcWidth, int srcHeight, std::optional<int> srcUnit,
                                  const GdipObject& imageAttributes) {
    return Act(flat::GdipDrawImageRectRectI, graphicsHandle, image, dstX, dstY, dstWidth, dstHeight, srcX, srcY,
               srcWidth, srcHeight, srcUnit.value_or(kPixelUnit), imageAttributes, nullptr, nullptr);
}
bool Graphics::DrawImagePointsRect(const Image& image, float x1, float y1, float x2, float y2, float x3, float y3,
                                   float srcX, float srcY, float srcWidth, float srcHeight,
                                   std::optional<int> srcUnit, const GdipObject& imageAttributes) {
    RecordBlock block(std::vector<PointRecord>{{x1, y1}, {x2, y2}, {x3, y3}});
    return Act(flat::GdipDrawImagePointsRect, graphicsHandle, image, block.data(), block.count(), srcX, srcY,
               srcWidth, srcHeight, srcUnit.value_or(kPixelUnit), imageAttributes, nullptr, nullptr);
}
bool Graphics::DrawImagePointsRectI(const Image& image, int x1, int y1, int x2, int y2, int x3, int y3, int srcX,
                                    int srcY, int srcWidth, int srcHeight, std::optional<int> srcUnit,
                                    const GdipObject& imageAttributes) {
    RecordBlock block(std::vector<PointRecordI>{{x1, y1}, {x2, y2}, {x3, y3}});
    return Act(flat::GdipDrawImagePointsRectI, graphicsHandle, image, block.data(), block.count(), srcX, srcY,
               srcWidth, srcHeight, srcUnit.value_or(kPixelUnit), imageAttributes, nullptr, nullptr);
}

bool Graphics::EnumerateMetafileDestPoint(const GdipObject& metafile, const PointRecord& dest,
                                          Gdiplus::EnumerateMetafileProc callback, void* callbackData,
                                          const GdipObject& imageAttributes) {
    return Act(flat::GdipEnumerateMetafileDestPoint, graphicsHandle, metafile, In(dest), callback, callbackData,
               imageAttributes);
}
bool Graphics::EnumerateMetafileDestPointI(const GdipObject& metafile, const PointRecordI& dest,
                                           Gdiplus::EnumerateMetafileProc callback, void* callbackData,
                                           const GdipObject& imageAttributes) {
    return Act(flat::GdipEnumerateMetafileDestPointI, graphicsHandle, metafile, In(dest), callback, callbackData,
               imageAttributes);
}
bool Graphics::EnumerateMetafileDestPoints(const GdipObject& metafile, const std::vector<PointRecord>& dest,
                                           Gdiplus::EnumerateMetafileProc callback, void* callbackData,
                                           const GdipObject& imageAttributes) {
    RecordBlock block(dest);
    return Act(flat::GdipEnumerateMetafileDestPoints, graphicsHandle, metafile, block.data(), block.count(),
               callback, callbackData, imageAttributes);
}
bool Graphics::EnumerateMetafileDestPointsI(const GdipObject& metafile, const std::vector<PointRecordI>& dest,
                                            Gdiplus::EnumerateMetafileProc callback, void* callbackData,
                                            const GdipObject& imageAttributes) {
    RecordBlock block(dest);
    return Act(flat::GdipEnumerateMetafileDestPointsI, graphicsHandle, metafile, block.data(), block.count(),
               callback, callbackData, imageAttributes);
}
bool Graphics::EnumerateMetafileDestRect(const GdipObject& metafile, const RectRecord& dest,
                                         Gdiplus::EnumerateMetafileProc callback, void* callbackData,
                                         const GdipObject& imageAttributes) {
    return Act(flat::GdipEnumerateMetafileDestRect, graphicsHandle, metafile, In(dest), callback, callbackData,
               imageAttributes);
}
bool Graphics::EnumerateMetafileDestRectI(const GdipObject& metafile, const RectRecordI& dest,
                                          Gdiplus::EnumerateMetafileProc callback, void* callbackData,
                                          const GdipObject& imageAttributes) {
    return Act(flat::GdipEnumerateMetafileDestRectI, graphicsHandle, metafile, In(dest), callback, callbackData,
               imageAttributes);
}
bool Graphics::EnumerateMetafileSrcRectDestPoint(const GdipObject& metafile, const PointRecord& dest,
                                                 const RectRecord& src, int srcUnit,
                                                 Gdiplus::EnumerateMetafileProc callback, void* callbackData,
                                                 const GdipObject& imageAttributes) {
    return Act(flat::GdipEnumerateMetafileSrcRectDestPoint, graphicsHandle, metafile, In(dest), In(src), srcUnit,
               callback, callbackData, imageAttributes);
}
bool Graphics::EnumerateMetafileSrcRectDestPointI(const GdipObject& metafile, const PointRecordI& dest,
                                                  const RectRecordI& src, int srcUnit,
                                                  Gdiplus::EnumerateMetafileProc callback, void* callbackData,
                                                  const GdipObject& imageAttributes) {
    return Act(flat::GdipEnumerateMetafileSrcRectDestPointI, graphicsHandle, metafile, In(dest), In(src), srcUnit,
               callback, callbackData, imageAttributes);
}
bool Graphics::EnumerateMetafileSrcRectDestPoints(const GdipObject& metafile, const std::vector<PointRecord>& dest,
                                                  const RectRecord& src, int srcUnit,
                                                  Gdiplus::EnumerateMetafileProc callback, void* callbackData,
                                                  const GdipObject& imageAttributes) {
    RecordBlock block(dest);
    return Act(flat::GdipEnumerateMetafileSrcRectDestPoints, graphicsHandle, metafile, block.data(), block.count(),
               In(src), srcUnit, callback, callbackData, imageAttributes);
}
bool Graphics::EnumerateMetafileSrcRectDestPointsI(const GdipObject& metafile,
                                                   const std::vector<PointRecordI>& dest, const RectRecordI& src,
                                                   int srcUnit, Gdiplus::EnumerateMetafileProc callback,
                                                   void* callbackData, const GdipObject& imageAttributes) {
    RecordBlock block(dest);
    return Act(flat::GdipEnumerateMetafileSrcRectDestPointsI, graphicsHandle, metafile, block.data(),
               block.count(), In(src), srcUnit, callback, callbackData, imageAttributes);
}
bool Graphics::EnumerateMetafileSrcRectDestRect(const GdipObject& metafile, const RectRecord& dest,
                                                const RectRecord& src, int srcUnit,
                                                Gdiplus::EnumerateMetafileProc callback, void* callbackData,
                                                const GdipObject& imageAttributes) {
    return Act(flat::GdipEnumerateMetafileSrcRectDestRect, graphicsHandle, metafile, In(dest), In(src), srcUnit,
               callback, callbackData, imageAttributes);
}
bool Graphics::EnumerateMetafileSrcRectDestRectI(const GdipObject& metafile, const RectRecordI& dest,
                                                 const RectRecordI& src, int srcUnit,
                                                 Gdiplus::EnumerateMetafileProc callback, void* callbackData,
                                                 const GdipObject& imageAttributes) {
    return Act(flat::GdipEnumerateMetafileSrcRectDestRectI, graphicsHandle, metafile, In(dest), In(src), srcUnit,
               callback, callbackData, imageAttributes);
}

bool Graphics::SetClipGraphics(const Graphics& source, std::optional<int> combineMode) {
    return Act(flat::GdipSetClipGraphics, graphicsHandle, source, combineMode.value_or(0));
}
bool Graphics::SetClipPath(const GraphicsPath& path, std::optional<int> combineMode) {
    return Act(flat::GdipSetClipPath, graphicsHandle, path, combineMode.value_or(0));
}
bool Graphics::SetClipRect(float x, float y, float width, float height, std::optional<int> combineMode) {
    return Act(flat::GdipSetClipRect, graphicsHandle, x, y, width, height, combineMode.value_or(0));
}
bool Graphics::SetClipRectI(int x, int y, int width, int height, std::optional<int> combineMode) {
    return Act(flat::GdipSetClipRectI, graphicsHandle, x, y, width, height, combineMode.value_or(0));
}
bool Graphics::SetClipRegion(const Region& region, std::optional<int> combineMode) {
    return Act(flat::GdipSetClipRegion, graphicsHandle, region, combineMode.value_or(0));
}
bool Graphics::SetClipHrgn(HRGN region, std::optional<int> combineMode) {
    return Act(flat::GdipSetClipHrgn, graphicsHandle, region, combineMode.value_or(0));
}
bool Graphics::ResetClip() { return Act(flat::GdipResetClip, graphicsHandle); }
bool Graphics::TranslateClip(float dx, float dy) { return Act(flat::GdipTranslateClip, graphicsHandle, dx, dy); }
bool Graphics::TranslateClipI(int dx, int dy) { return Act(flat::GdipTranslateClipI, graphicsHandle, dx, dy); }
bool Graphics::GetClip(const Region& region) { return Act(flat::GdipGetClip, graphicsHandle, region); }

RectRecord Graphics::GetClipBounds() {
    RectRecord bounds;
    Act(flat::GdipGetClipBounds, graphicsHandle, Out(bounds));
    return bounds;
}
RectRecordI Graphics::GetClipBoundsI() {
    RectRecordI bounds;
    Act(flat::GdipGetClipBoundsI, graphicsHandle, Out(bounds));
    return bounds;
}
RectRecord Graphics::GetVisibleClipBounds() {
    RectRecord bounds;
    Act(flat::GdipGetVisibleClipBounds, graphicsHandle, Out(bounds));
    return bounds;
}
RectRecordI Graphics::GetVisibleClipBoundsI() {
    RectRecordI bounds;
    Act(flat::GdipGetVisibleClipBoundsI, graphicsHandle, Out(bounds));
    return bounds;
}

bool Graphics::IsClipEmpty() { return YesNo(flat::GdipIsClipEmpty, graphicsHandle); }
bool Graphics::IsVisibleClipEmpty() { return YesNo(flat::GdipIsVisibleClipEmpty, graphicsHandle); }
bool Graphics::IsVisiblePoint(float x, float y) { return YesNo(flat::GdipIsVisiblePoint, graphicsHandle, x, y); }
bool Graphics::IsVisiblePointI(int x, int y) { return YesNo(flat::GdipIsVisiblePointI, graphicsHandle, x, y); }
bool Graphics::IsVisibleRect(float x, float y, float width, float height) {
    return YesNo(flat::GdipIsVisibleRect, graphicsHandle, x, y, width, height);
}
bool Graphics::IsVisibleRectI(int x, int y, int width, int height) {
    return YesNo(flat::GdipIsVisibleRectI, graphicsHandle, x, y, width, height);
}
Gdiplus::GraphicsState Graphics::SaveGraphics() { return Value(flat::GdipSaveGraphics, graphicsHandle); }
bool Graphics::RestoreGraphics(Gdiplus::GraphicsState state) {
    return Act(flat::GdipRestoreGraphics, graphicsHandle, state);
}
Gdiplus::GraphicsContainer Graphics::BeginContainer(const RectRecord& dest, const RectRecord& src,
                                                    std::optional<int> unit) {
    return Value(flat::GdipBeginContainer, graphicsHandle, In(dest), In(src), unit.value_or(0));
}
Gdiplus::GraphicsContainer Graphics::BeginContainerI(const RectRecordI& dest, const RectRecordI& src,
                                                     std::optional<int> unit) {
    return Value(flat::GdipBeginContainerI, graphicsHandle, In(dest), In(src), unit.value_or(0));
}
Gdiplus::GraphicsContainer Graphics::BeginContainer2() { return Value(flat::GdipBeginContainer2, graphicsHandle); }
bool Graphics::EndContainer(Gdiplus::GraphicsContainer state) {
    return Act(flat::GdipEndContainer, graphicsHandle, state);
}
bool Graphics::Comment(const ByteSet& data) {
    return Act(flat::GdipComment, graphicsHandle, static_cast<UINT>(data.size()), Data(data));
}
