#pragma once
// Graphics: the GDI+ drawing surface every painter draws on.

#include "gdiplus/gdip_object.h"

class Graphics : public GdipObject {
public:
    Graphics() = default;
    Graphics(Graphics&& other) noexcept { AdoptHandle(other); }
    Graphics& operator=(Graphics&& other) noexcept;
    ~Graphics() override { DeleteGraphics(); }

    bool DeleteGraphics();
    void Flush(std::optional<int> intention = {});
    bool CreateFromHWND(HWND window, std::optional<bool> icm = {});
    bool CreateFromHDC(HDC dc, std::optional<HANDLE> device = {});
    bool GetImageGraphicsContext(const Image& image);
    HDC GetDC();
    bool ReleaseDC(HDC dc);
    bool GetRenderingOrigin(int& x, int& y);
    bool SetRenderingOrigin(int x, int y);
    int GetCompositingMode();
    bool SetCompositingMode(int mode);
    int GetCompositingQuality();
    bool SetCompositingQuality(int quality);
    bool SetTextRenderingHint(int hint);
    int GetTextRenderingHint();
    bool SetTextContrast(std::uint32_t contrast);
    std::uint32_t GetTextContrast();
    bool SetInterpolationMode(int mode);
    int GetInterpolationMode();
    bool SetSmoothingMode(int mode);
    int GetSmoothingMode();
    bool SetPixelOffsetMode(int mode);
    int GetPixelOffsetMode();
    bool SetWorldTransform(const GdipObject& matrix);
    bool GetWorldTransform(const GdipObject& matrix);
    bool ResetWorldTransform();
    bool MultiplyWorldTransform(const GdipObject& matrix, std::optional<int> order = {});
    bool TranslateWorldTransform(float dx, float dy, std::optional<int> order = {});
    bool ScaleWorldTransform(float sx, float sy, std::optional<int> order = {});
    bool ScaleWorldTransformAt(float sx, float sy, const PointRecord& centre, std::optional<int> order = {});
    bool RotateWorldTransform(float angle, std::optional<int> order = {});
    bool RotateWorldTransformAt(float angle, const PointRecord& centre, std::optional<int> order = {});
    bool SetPageUnit(int unit);
    int GetPageUnit();
    bool SetPageScale(float scale);
    float GetPageScale();
    float GetDpiX();
    float GetDpiY();
    bool TransformPoints(int destSpace, int srcSpace, std::vector<PointRecord>& points);
    bool TransformPointsI(int destSpace, int srcSpace, std::vector<PointRecordI>& points);
    Gdiplus::ARGB GetNearestColor(Gdiplus::ARGB& colour);
    bool DrawLine(const Pen& pen, float x1, float y1, float x2, float y2);
    bool DrawLineI(const Pen& pen, int x1, int y1, int x2, int y2);
    bool DrawLines(const Pen& pen, const std::vector<PointRecord>& points);
    bool DrawLinesI(const Pen& pen, const std::vector<PointRecordI>& points);
    bool DrawArc(const Pen& pen, float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool DrawArcI(const Pen& pen, int x, int y, int width, int height, float startAngle, float sweepAngle);
    bool DrawBezier(const Pen& pen, float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
    bool DrawBezierI(const Pen& pen, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    bool DrawBeziers(const Pen& pen, const std::vector<PointRecord>& points);
    bool DrawBeziersI(const Pen& pen, const std::vector<PointRecordI>& points);
    bool DrawRectangle(const Pen& pen, float x, float y, float width, float height);
    bool DrawRectangleI(const Pen& pen, int x, int y, int width, int height);
    bool DrawRectangles(const Pen& pen, const std::vector<RectRecord>& rects);
    bool DrawRectanglesI(const Pen& pen, const std::vector<RectRecordI>& rects);
    bool DrawEllipse(const Pen& pen, float x, float y, float width, float height);
    bool DrawEllipseI(const Pen& pen, int x, int y, int width, int height);
    bool DrawPie(const Pen& pen, float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool DrawPieI(const Pen& pen, int x, int y, int width, int height, float startAngle, float sweepAngle);
    bool DrawPolygon(const Pen& pen, const std::vector<PointRecord>& points);
    bool DrawPolygonI(const Pen& pen, const std::vector<PointRecordI>& points);
    bool DrawPath(const Pen& pen, const GraphicsPath& path);
    bool DrawCurve(const Pen& pen, const std::vector<PointRecord>& points);
    bool DrawCurveI(const Pen& pen, const std::vector<PointRecordI>& points);
    bool DrawCurve2(const Pen& pen, const std::vector<PointRecord>& points, float tension);
    bool DrawCurve2I(const Pen& pen, const std::vector<PointRecordI>& points, float tension);
    bool DrawCurve3(const Pen& pen, const std::vector<PointRecord>& points, int offset, int segments, float tension);
    bool DrawCurve3I(const Pen& pen, const std::vector<PointRecordI>& points, int offset, int segments, float tension);
    bool DrawClosedCurve(const Pen& pen, const std::vector<PointRecord>& points);
    bool DrawClosedCurveI(const Pen& pen, const std::vector<PointRecordI>& points);
    bool DrawClosedCurve2(const Pen& pen, const std::vector<PointRecord>& points, float tension);
    bool DrawClosedCurve2I(const Pen& pen, const std::vector<PointRecordI>& points, float tension);
    bool GraphicsClear(std::optional<Gdiplus::ARGB> colour = {});
    bool FillRectangle(const Brush& brush, float x, float y, float width, float height);
    bool FillRectangleRect(const Brush& brush, const RectRecord& rect);
    bool FillRectangleI(const Brush& brush, int x, int y, int width, int height);
    bool FillRectangles(const Brush& brush, const std::vector<RectRecord>& rects);
    bool FillRectanglesI(const Brush& brush, const std::vector<RectRecordI>& rects);
    bool FillPolygon(const Brush& brush, const std::vector<PointRecord>& points, std::optional<int> fillMode = {});
    bool FillPolygonI(const Brush& brush, const std::vector<PointRecordI>& points, std::optional<int> fillMode = {});
    bool FillEllipse(const Brush& brush, float x, float y, float width, float height);
    bool FillEllipseI(const Brush& brush, int x, int y, int width, int height);
    bool FillPie(const Brush& brush, float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool FillPieI(const Brush& brush, int x, int y, int width, int height, float startAngle, float sweepAngle);
    bool FillPath(const Brush& brush, const GraphicsPath& path);
    bool FillClosedCurve(const Brush& brush, const std::vector<PointRecord>& points);
    bool FillClosedCurve2(const Brush& brush, const std::vector<PointRecord>& points, float tension,
                          std::optional<int> fillMode = {});
    bool FillClosedCurveI(const Brush& brush, const std::vector<PointRecordI>& points);
    bool FillClosedCurve2I(const Brush& brush, const std::vector<PointRecordI>& points, float tension,
                           std::optional<int> fillMode = {});
    bool FillRegion(const Brush& brush, const Region& region);
    bool DrawString(const std::string& text, const Font& font, const Brush& brush, const RectRecord& layout,
                    const StringFormat& format);
    bool DrawStringW(const ByteSet& text, const Font& font, const Brush& brush, const RectRecord& layout,
                     const StringFormat& format);
    bool MeasureString(const std::string& text, const Font& font, const RectRecord& layout,
                       const StringFormat& format, RectRecord& bounds);
    bool MeasureStringW(const ByteSet& text, const Font& font, const RectRecord& layout, const StringFormat& format,
                        RectRecord& bounds);
    bool MeasureCharacterRanges(const std::string& text, const Font& font, const RectRecord& layout,
                                const StringFormat& format, int count, std::vector<Region>& regions);
    bool MeasureCharacterRangesW(const ByteSet& text, const Font& font, const RectRecord& layout,
                                 const StringFormat& format, int count, std::vector<Region>& regions);
    bool DrawDriverString(const std::string& text, const Font& font, const Brush& brush,
                          const std::vector<PointRecord>& positions, std::optional<int> options,
                          const GdipObject& matrix);
    bool DrawDriverStringW(const ByteSet& text, const Font& font, const Brush& brush,
                           const std::vector<PointRecord>& positions, std::optional<int> options,
                           const GdipObject& matrix);
    bool DrawImage(const Image& image, float x, float y);
    bool DrawImageI(const Image& image, int x, int y);
    bool DrawCachedBitmap(const GdipObject& cachedBitmap, float x, float y);
    bool DrawImageRect(const Image& image, float x, float y, float width, float height,
                       std::optional<int> srcUnit = {});
    bool DrawImageRectI(const Image& image, int x, int y, int width, int height, std::optional<int> srcUnit = {});
    bool DrawImagePoints(const Image& image, float x1, float y1, float x2, float y2, float x3, float y3);
    bool DrawImagePointsI(const Image& image, int x1, int y1, int x2, int y2, int x3, int y3);
    bool DrawImagePointRect(const Image& image, float x, float y, float srcX, float srcY, float srcWidth,
                            float srcHeight, std::optional<int> srcUnit = {});
    bool DrawImagePointRectI(const Image& image, int x, int y, int srcX, int srcY, int srcWidth, int srcHeight,
                             std::optional<int> srcUnit = {});
    bool DrawImageRectRect(const Image& image, float dstX, float dstY, float dstWidth, float dstHeight, float srcX,
                           float srcY, float srcWidth, float srcHeight, std::optional<int> srcUnit,
                           const GdipObject& imageAttributes);
    bool DrawImageRectRectI(const Image& image, int dstX, int dstY, int dstWidth, int dstHeight, int srcX, int srcY,
                            int srcWidth, int srcHeight, std::optional<int> srcUnit,
                            const GdipObject& imageAttributes);
    bool DrawImagePointsRect(const Image& image, float x1, float y1, float x2, float y2, float x3, float y3,
                             float srcX, float srcY, float srcWidth, float srcHeight, std::optional<int> srcUnit,
                             const GdipObject& imageAttributes);
    bool DrawImagePointsRectI(const Image& image, int x1, int y1, int x2, int y2, int x3, int y3, int srcX,
                              int srcY, int srcWidth, int srcHeight, std::optional<int> srcUnit,
                              const GdipObject& imageAttributes);
    bool EnumerateMetafileDestPoint(const GdipObject& metafile, const PointRecord& dest,
                                    Gdiplus::EnumerateMetafileProc callback, void* callbackData,
                                    const GdipObject& imageAttributes);
    bool EnumerateMetafileDestPointI(const GdipObject& metafile, const PointRecordI& dest,
                                     Gdiplus::EnumerateMetafileProc callback, void* callbackData,
                                     const GdipObject& imageAttributes);
    bool EnumerateMetafileDestPoints(const GdipObject& metafile, const std::vector<PointRecord>& dest,
                                     Gdiplus::EnumerateMetafileProc callback, void* callbackData,
                                     const GdipObject& imageAttributes);
    bool EnumerateMetafileDestPointsI(const GdipObject& metafile, const std::vector<PointRecordI>& dest,
                                      Gdiplus::EnumerateMetafileProc callback, void* callbackData,
                                      const GdipObject& imageAttributes);
    bool EnumerateMetafileDestRect(const GdipObject& metafile, const RectRecord& dest,
                                   Gdiplus::EnumerateMetafileProc callback, void* callbackData,
                                   const GdipObject& imageAttributes);
    bool EnumerateMetafileDestRectI(const GdipObject& metafile, const RectRecordI& dest,
                                    Gdiplus::EnumerateMetafileProc callback, void* callbackData,
                                    const GdipObject& imageAttributes);
    bool EnumerateMetafileSrcRectDestPoint(const GdipObject& metafile, const PointRecord& dest,
                                           const RectRecord& src, int srcUnit,
                                           Gdiplus::EnumerateMetafileProc callback, void* callbackData,
                                           const GdipObject& imageAttributes);
    bool EnumerateMetafileSrcRectDestPointI(const GdipObject& metafile, const PointRecordI& dest,
                                            const RectRecordI& src, int srcUnit,
                                            Gdiplus::EnumerateMetafileProc callback, void* callbackData,
                                            const GdipObject& imageAttributes);
    bool EnumerateMetafileSrcRectDestPoints(const GdipObject& metafile, const std::vector<PointRecord>& dest,
                                            const RectRecord& src, int srcUnit,
                                            Gdiplus::EnumerateMetafileProc callback, void* callbackData,
                                            const GdipObject& imageAttributes);
    bool EnumerateMetafileSrcRectDestPointsI(const GdipObject& metafile, const std::vector<PointRecordI>& dest,
                                             const RectRecordI& src, int srcUnit,
                                             Gdiplus::EnumerateMetafileProc callback, void* callbackData,
                                             const GdipObject& imageAttributes);
    bool EnumerateMetafileSrcRectDestRect(const GdipObject& metafile, const RectRecord& dest, const RectRecord& src,
                                          int srcUnit, Gdiplus::EnumerateMetafileProc callback, void* callbackData,
                                          const GdipObject& imageAttributes);
    bool EnumerateMetafileSrcRectDestRectI(const GdipObject& metafile, const RectRecordI& dest,
                                           const RectRecordI& src, int srcUnit,
                                           Gdiplus::EnumerateMetafileProc callback, void* callbackData,
                                           const GdipObject& imageAttributes);
    bool SetClipGraphics(const Graphics& source, std::optional<int> combineMode = {});
    bool SetClipPath(const GraphicsPath& path, std::optional<int> combineMode = {});
    bool SetClipRect(float x, float y, float width, float height, std::optional<int> combineMode = {});
    bool SetClipRectI(int x, int y, int width, int height, std::optional<int> combineMode = {});
    bool SetClipRegion(const Region& region, std::optional<int> combineMode = {});
    bool SetClipHrgn(HRGN region, std::optional<int> combineMode = {});
    bool ResetClip();
    bool TranslateClip(float dx, float dy);
    bool TranslateClipI(int dx, int dy);
    bool GetClip(const Region& region);
    RectRecord GetClipBounds();
    RectRecordI GetClipBoundsI();
    RectRecord GetVisibleClipBounds();
    RectRecordI GetVisibleClipBoundsI();
    bool IsClipEmpty();
    bool IsVisibleClipEmpty();
    bool IsVisiblePoint(float x, float y);
    bool IsVisiblePointI(int x, int y);
    bool IsVisibleRect(float x, float y, float width, float height);
    bool IsVisibleRectI(int x, int y, int width, int height);
    Gdiplus::GraphicsState SaveGraphics();
    bool RestoreGraphics(Gdiplus::GraphicsState state);
    Gdiplus::GraphicsContainer BeginContainer(const RectRecord& dest, const RectRecord& src,
                                              std::optional<int> unit = {});
    Gdiplus::GraphicsContainer BeginContainerI(const RectRecordI& dest, const RectRecordI& src,
                                               std::optional<int> unit = {});
    Gdiplus::GraphicsContainer BeginContainer2();
    bool EndContainer(Gdiplus::GraphicsContainer state);
    bool Comment(const ByteSet& data);

protected:
    void OnNativeHandleSet(void* handle) override;
    virtual void OnDerivedHandleSet(void* handle);

private:
    Gdiplus::GpGraphics* graphicsHandle = nullptr;
};
