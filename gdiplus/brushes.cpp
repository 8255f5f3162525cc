#include "gdiplus/gdiplus_layer.h"

#include "gdiplus/gdip_call.h"

namespace {

constexpr int kTile = Gdiplus::WrapModeTile;
constexpr int kClamp = Gdiplus::WrapModeClamp;

// The count of a set-blend call is the first array's length; a second array
// shorter than that would make GDI+ read past it.
template <class A, class B>
bool Matching(const std::vector<A>& first, const std::vector<B>& second) {
    return second.size() >= first.size();
}

}  // namespace

// ---------------------------------------------------------------- Brush

void Brush::OnNativeHandleSet(void* handle) {
    brushHandle = static_cast<Gdiplus::GpBrush*>(handle);
    OnDerivedHandleSet(handle);
}

void Brush::OnDerivedHandleSet(void*) {}

void Brush::MoveFrom(Brush& other) noexcept {
    if (this == &other) return;
    DeleteBrush();
    AdoptHandle(other);
}

bool Brush::DeleteBrush() { return Delete(*this, brushHandle, flat::GdipDeleteBrush); }
bool Brush::CloneBrush(Brush& target) { return CloneInto(target, flat::GdipCloneBrush, brushHandle); }
int Brush::GetBrushType() { return Value(flat::GdipGetBrushType, brushHandle); }

// ---------------------------------------------------------------- SolidBrush

void SolidBrush::OnDerivedHandleSet(void* handle) { solidFillHandle = static_cast<Gdiplus::GpSolidFill*>(handle); }

bool SolidBrush::CreateSolidFill(Gdiplus::ARGB colour) {
    return Create(*this, solidFillHandle, flat::GdipCreateSolidFill, colour);
}
bool SolidBrush::SetSolidFillColor(Gdiplus::ARGB colour) {
    return Act(flat::GdipSetSolidFillColor, solidFillHandle, colour);
}
Gdiplus::ARGB SolidBrush::GetSolidFillColor() { return Value(flat::GdipGetSolidFillColor, solidFillHandle); }

// ---------------------------------------------------------------- LinearGradientBrush

void LinearGradientBrush::OnDerivedHandleSet(void* handle) {
    lineGradientHandle = static_cast<Gdiplus::GpLineGradient*>(handle);
}

bool LinearGradientBrush::CreateLineBrush(const PointRecord& start, const PointRecord& end, Gdiplus::ARGB startColour,
                                          Gdiplus::ARGB endColour) {
    return Create(*this, lineGradientHandle, flat::GdipCreateLineBrush, In(start), In(end), startColour, endColour,
                  kTile);
}
bool LinearGradientBrush::CreateLineBrushI(const PointRecordI& start, const PointRecordI& end,
                                           Gdiplus::ARGB startColour, Gdiplus::ARGB endColour) {
    return Create(*this, lineGradientHandle, flat::GdipCreateLineBrushI, In(start), In(end), startColour, endColour,
                  kTile);
}
bool LinearGradientBrush::CreateLineBrushFromRect(const RectRecord& rect, Gdiplus::ARGB startColour,
                                                  Gdiplus::ARGB endColour, std::optional<int> mode) {
    return Create(*this, lineGradientHandle, flat::GdipCreateLineBrushFromRect, In(rect), startColour, endColour,
                  mode.value_or(0), kTile);
}
bool LinearGradientBrush::CreateLineBrushFromRectI(const RectRecordI& rect, Gdiplus::ARGB startColour,
                                                   Gdiplus::ARGB endColour, std::optional<int> mode) {
    return Create(*this, lineGradientHandle, flat::GdipCreateLineBrushFromRectI, In(rect), startColour, endColour,
                  mode.value_or(0), kTile);
}
bool LinearGradientBrush::CreateLineBrushFromRectWithAngle(const RectRecord& rect, Gdiplus::ARGB startColour,
                                                           Gdiplus::ARGB endColour, float angle,
                                                           std::optional<bool> scalable) {
    return Create(*this, lineGradientHandle, flat::GdipCreateLineBrushFromRectWithAngle, In(rect), startColour,
                  endColour, angle, scalable.value_or(false) ? TRUE : FALSE, kTile);
}
bool LinearGradientBrush::CreateLineBrushFromRectWithAngleI(const RectRecordI& rect, Gdiplus::ARGB startColour,
                                                            Gdiplus::ARGB endColour, float angle,
                                                            std::optional<bool> scalable) {
    return Create(*this, lineGradientHandle, flat::GdipCreateLineBrushFromRectWithAngleI, In(rect), startColour,
                  endColour, angle, scalable.value_or(false) ? TRUE : FALSE, kTile);
}

bool LinearGradientBrush::GetLineColors(Gdiplus::ARGB& startColour, Gdiplus::ARGB& endColour) {
    Gdiplus::ARGB colours[2] = {startColour, endColour};
    const bool ok = Act(flat::GdipGetLineColors, lineGradientHandle, colours);
    startColour = colours[0];
    endColour = colours[1];
    return ok;
}
bool LinearGradientBrush::SetLineColors(Gdiplus::ARGB startColour, Gdiplus::ARGB endColour) {
    return Act(flat::GdipSetLineColors, lineGradientHandle, startColour, endColour);
}
RectRecord LinearGradientBrush::GetLineRect() {
    RectRecord rect;
    Act(flat::GdipGetLineRect, lineGradientHandle, Out(rect));
    return rect;
}
RectRecordI LinearGradientBrush::GetLineRectI() {
    RectRecordI rect;
    Act(flat::GdipGetLineRectI, lineGradientHandle, Out(rect));
    return rect;
}
bool LinearGradientBrush::SetLineGammaCorrection(bool useGamma) {
    return Act(flat::GdipSetLineGammaCorrection, lineGradientHandle, useGamma ? TRUE : FALSE);
}
bool LinearGradientBrush::GetLineGammaCorrection() {
    return Value(flat::GdipGetLineGammaCorrection, lineGradientHandle) != FALSE;
}
bool LinearGradientBrush::SetLineBlend(const std::vector<float>& factors, const std::vector<float>& positions) {
    if (!Matching(factors, positions)) return Refuse();
    return Act(flat::GdipSetLineBlend, lineGradientHandle, Data(factors), Data(positions), Count(factors));
}
int LinearGradientBrush::GetLineBlendCount() { return Value(flat::GdipGetLineBlendCount, lineGradientHandle); }
int LinearGradientBrush::GetLineBlend(std::vector<float>& factors, std::vector<float>& positions) {
    return FetchArrays(lineGradientHandle, flat::GdipGetLineBlendCount, flat::GdipGetLineBlend, factors, positions);
}
bool LinearGradientBrush::SetLinePresetBlend(const std::vector<Gdiplus::ARGB>& colours,
                                             const std::vector<float>& positions) {
    if (!Matching(colours, positions)) return Refuse();
    return Act(flat::GdipSetLinePresetBlend, lineGradientHandle, Data(colours), Data(positions), Count(colours));
}
int LinearGradientBrush::GetLinePresetBlendCount() {
    return Value(flat::GdipGetLinePresetBlendCount, lineGradientHandle);
}
int LinearGradientBrush::GetLinePresetBlend(std::vector<Gdiplus::ARGB>& colours, std::vector<float>& positions) {
    return FetchArrays(lineGradientHandle, flat::GdipGetLinePresetBlendCount, flat::GdipGetLinePresetBlend, colours,
                       positions);
}
bool LinearGradientBrush::SetLineSigmaBlend(float focus, float scale) {
    return Act(flat::GdipSetLineSigmaBlend, lineGradientHandle, focus, scale);
}
bool LinearGradientBrush::SetLineLinearBlend(float focus, float scale) {
    return Act(flat::GdipSetLineLinearBlend, lineGradientHandle, focus, scale);
}
int LinearGradientBrush::GetLineWrapMode() { return Value(flat::GdipGetLineWrapMode, lineGradientHandle); }
bool LinearGradientBrush::SetLineWrapMode(int wrapMode) {
    return Act(flat::GdipSetLineWrapMode, lineGradientHandle, wrapMode);
}
bool LinearGradientBrush::GetLineTransform(const GdipObject& matrix) {
    return Act(flat::GdipGetLineTransform, lineGradientHandle, matrix);
}
bool LinearGradientBrush::SetLineTransform(const GdipObject& matrix) {
    return Act(flat::GdipSetLineTransform, lineGradientHandle, matrix);
}
bool LinearGradientBrush::ResetLineTransform() { return Act(flat::GdipResetLineTransform, lineGradientHandle); }
bool LinearGradientBrush::MultiplyLineTransform(const GdipObject& matrix, std::optional<int> order) {
    return Act(flat::GdipMultiplyLineTransform, lineGradientHandle, matrix, order.value_or(0));
}
bool LinearGradientBrush::TranslateLineTransform(float dx, float dy, std::optional<int> order) {
    return Act(flat::GdipTranslateLineTransform, lineGradientHandle, dx, dy, order.value_or(0));
}
bool LinearGradientBrush::ScaleLineTransform(float sx, float sy, std::optional<int> order) {
    return Act(flat::GdipScaleLineTransform, lineGradientHandle, sx, sy, order.value_or(0));
}
bool LinearGradientBrush::ScaleLineTransformAt(float sx, float sy, const PointRecord& centre,
                                               std::optional<int> order) {
    return TransformAbout(lineGradientHandle, flat::GdipTranslateLineTransform, centre, order.value_or(0),
                          flat::GdipScaleLineTransform, sx, sy);
}
bool LinearGradientBrush::RotateLineTransform(float angle, std::optional<int> order) {
    return Act(flat::GdipRotateLineTransform, lineGradientHandle, angle, order.value_or(0));
}
bool LinearGradientBrush::RotateLineTransformAt(float angle, const PointRecord& centre, std::optional<int> order) {
    return TransformAbout(lineGradientHandle, flat::GdipTranslateLineTransform, centre, order.value_or(0),
                          flat::GdipRotateLineTransform, angle);
}

// ---------------------------------------------------------------- PathGradientBrush

void PathGradientBrush::OnDerivedHandleSet(void* handle) {
    pathGradientHandle = static_cast<Gdiplus::GpPathGradient*>(handle);
}

bool PathGradientBrush::CreatePathGradient(const std::vector<PointRecord>& points, std::optional<int> wrapMode) {
    RecordBlock block(points);
    return Create(*this, pathGradientHandle, flat::GdipCreatePathGradient, block.data(), block.count(),
                  wrapMode.value_or(kClamp));
}
bool PathGradientBrush::CreatePathGradientI(const std::vector<PointRecordI>& points, std::optional<int> wrapMode) {
    RecordBlock block(points);
    return Create(*this, pathGradientHandle, flat::GdipCreatePathGradientI, block.data(), block.count(),
                  wrapMode.value_or(kClamp));
}
bool PathGradientBrush::CreatePathGradientFromPath(const GraphicsPath& path) {
    return Create(*this, pathGradientHandle, flat::GdipCreatePathGradientFromPath, path);
}
Gdiplus::ARGB PathGradientBrush::GetPathGradientCenterColor() {
    return Value(flat::GdipGetPathGradientCenterColor, pathGradientHandle);
}
bool PathGradientBrush::SetPathGradientCenterColor(Gdiplus::ARGB colour) {
    return Act(flat::GdipSetPathGradientCenterColor, pathGradientHandle, colour);
}
int PathGradientBrush::GetPathGradientPointCount() {
    return Value(flat::GdipGetPathGradientPointCount, pathGradientHandle);
}
int PathGradientBrush::GetPathGradientSurroundColorCount() {
    return Value(flat::GdipGetPathGradientSurroundColorCount, pathGradientHandle);
}
bool PathGradientBrush::GetPathGradientSurroundColorsWithCount(std::vector<Gdiplus::ARGB>& colours, int& count) {
    // GDI+ writes `count` colours: the caller's array must hold them.
    if (count < 0 || static_cast<std::size_t>(count) > colours.size()) return Refuse();
    return Act(flat::GdipGetPathGradientSurroundColorsWithCount, pathGradientHandle, Data(colours), &count);
}
bool PathGradientBrush::SetPathGradientSurroundColorsWithCount(const std::vector<Gdiplus::ARGB>& colours) {
    std::optional<int> count;
    return SetPathGradientSurroundColorsWithCount(colours, count);
}
bool PathGradientBrush::SetPathGradientSurroundColorsWithCount(const std::vector<Gdiplus::ARGB>& colours,
                                                               std::optional<int>& count) {
    if (!count) count = Count(colours);
    if (*count < 0 || static_cast<std::size_t>(*count) > colours.size()) return Refuse();
    return Act(flat::GdipSetPathGradientSurroundColorsWithCount, pathGradientHandle, Data(colours), &*count);
}
bool PathGradientBrush::GetPathGradientPath(const GraphicsPath& path) {
    return Act(flat::GdipGetPathGradientPath, pathGradientHandle, path);
}
bool PathGradientBrush::SetPathGradientPath(const GraphicsPath& path) {
    return Act(flat::GdipSetPathGradientPath, pathGradientHandle, path);
}
PointRecord PathGradientBrush::GetPathGradientCenterPoint() {
    PointRecord centre;
    Act(flat::GdipGetPathGradientCenterPoint, pathGradientHandle, Out(centre));
    return centre;
}
PointRecordI PathGradientBrush::GetPathGradientCenterPointI() {
    PointRecordI centre;
    Act(flat::GdipGetPathGradientCenterPointI, pathGradientHandle, Out(centre));
    return centre;
}
bool PathGradientBrush::SetPathGradientCenterPoint(const PointRecord& centre) {
    return Act(flat::GdipSetPathGradientCenterPoint, pathGradientHandle, In(centre));
}
bool PathGradientBrush::SetPathGradientCenterPoint2(const PointRecord& centre) {
    return SetPathGradientCenterPoint(centre);
}
bool PathGradientBrush::GetPathGradientRect(RectRecord& rect) {
    return Act(flat::GdipGetPathGradientRect, pathGradientHandle, Out(rect));
}
bool PathGradientBrush::GetPathGradientRectI(RectRecordI& rect) {
    return Act(flat::GdipGetPathGradientRectI, pathGradientHandle, Out(rect));
}
bool PathGradientBrush::SetPathGradientGammaCorrection(bool useGamma) {
    return Act(flat::GdipSetPathGradientGammaCorrection, pathGradientHandle, useGamma ? TRUE : FALSE);
}
bool PathGradientBrush::GetPathGradientGammaCorrection() {
    return Value(flat::GdipGetPathGradientGammaCorrection, pathGradientHandle) != FALSE;
}
int PathGradientBrush::GetPathGradientBlendCount() {
    return Value(flat::GdipGetPathGradientBlendCount, pathGradientHandle);
}
bool PathGradientBrush::SetPathGradientBlend(const std::vector<float>& factors, const std::vector<float>& positions) {
    if (!Matching(factors, positions)) return Refuse();
    return Act(flat::GdipSetPathGradientBlend, pathGradientHandle, Data(factors), Data(positions), Count(factors));
}
int PathGradientBrush::GetPathGradientBlend(std::vector<float>& factors, std::vector<float>& positions) {
    return FetchArrays(pathGradientHandle, flat::GdipGetPathGradientBlendCount, flat::GdipGetPathGradientBlend,
                       factors, positions);
}
int PathGradientBrush::GetPathGradientPresetBlendCount() {
    return Value(flat::GdipGetPathGradientPresetBlendCount, pathGradientHandle);
}
bool PathGradientBrush::SetPathGradientPresetBlend(const std::vector<Gdiplus::ARGB>& colours,
                                                   const std::vector<float>& positions) {
    if (!Matching(colours, positions)) return Refuse();
    return Act(flat::GdipSetPathGradientPresetBlend, pathGradientHandle, Data(colours), Data(positions),
               Count(colours));
}
int PathGradientBrush::GetPathGradientPresetBlend(std::vector<Gdiplus::ARGB>& colours, std::vector<float>& positions) {
    return FetchArrays(pathGradientHandle, flat::GdipGetPathGradientPresetBlendCount,
                       flat::GdipGetPathGradientPresetBlend, colours, positions);
}
bool PathGradientBrush::SetPathGradientSigmaBlend(float focus, float scale) {
    return Act(flat::GdipSetPathGradientSigmaBlend, pathGradientHandle, focus, scale);
}
bool PathGradientBrush::SetPathGradientLinearBlend(float focus, float scale) {
    return Act(flat::GdipSetPathGradientLinearBlend, pathGradientHandle, focus, scale);
}
bool PathGradientBrush::GetPathGradientFocusScales(float& xScale, float& yScale) {
    return Act(flat::GdipGetPathGradientFocusScales, pathGradientHandle, &xScale, &yScale);
}
bool PathGradientBrush::SetPathGradientFocusScales(float xScale, float yScale) {
    return Act(flat::GdipSetPathGradientFocusScales, pathGradientHandle, xScale, yScale);
}
int PathGradientBrush::GetPathGradientWrapMode() { return Value(flat::GdipGetPathGradientWrapMode, pathGradientHandle); }
bool PathGradientBrush::SetPathGradientWrapMode(int wrapMode) {
    return Act(flat::GdipSetPathGradientWrapMode, pathGradientHandle, wrapMode);
}
bool PathGradientBrush::GetPathGradientTransform(const GdipObject& matrix) {
    return Act(flat::GdipGetPathGradientTransform, pathGradientHandle, matrix);
}
bool PathGradientBrush::SetPathGradientTransform(const GdipObject& matrix) {
    return Act(flat::GdipSetPathGradientTransform, pathGradientHandle, matrix);
}
bool PathGradientBrush::ResetPathGradientTransform() {
    return Act(flat::GdipResetPathGradientTransform, pathGradientHandle);
}
bool PathGradientBrush::MultiplyPathGradientTransform(const GdipObject& matrix, std::optional<int> order) {
    return Act(flat::GdipMultiplyPathGradientTransform, pathGradientHandle, matrix, order.value_or(0));
}
bool PathGradientBrush::TranslatePathGradientTransform(float dx, float dy, std::optional<int> order) {
    return Act(flat::GdipTranslatePathGradientTransform, pathGradientHandle, dx, dy, order.value_or(0));
}
bool PathGradientBrush::ScalePathGradientTransform(float sx, float sy, std::optional<int> order) {
    return Act(flat::GdipScalePathGradientTransform, pathGradientHandle, sx, sy, order.value_or(0));
}
bool PathGradientBrush::ScalePathGradientTransformAt(float sx, float sy, const PointRecord& centre,
                                                     std::optional<int> order) {
    return TransformAbout(pathGradientHandle, flat::GdipTranslatePathGradientTransform, centre, order.value_or(0),
                          flat::GdipScalePathGradientTransform, sx, sy);
}
bool PathGradientBrush::RotatePathGradientTransform(float angle, std::optional<int> order) {
    return Act(flat::GdipRotatePathGradientTransform, pathGradientHandle, angle, order.value_or(0));
}
bool PathGradientBrush::RotatePathGradientTransformAt(float angle, const PointRecord& centre,
                                                      std::optional<int> order) {
    return TransformAbout(pathGradientHandle, flat::GdipTranslatePathGradientTransform, centre, order.value_or(0),
                          flat::GdipRotatePathGradientTransform, angle);
}
