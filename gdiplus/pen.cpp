#include "gdiplus/gdiplus_layer.h"

#include "gdiplus/gdip_call.h"

Pen& Pen::operator=(Pen&& other) noexcept {
    if (this != &other) {
        DeletePen();
        AdoptHandle(other);
    }
    return *this;
}

void Pen::OnNativeHandleSet(void* handle) { penHandle = static_cast<Gdiplus::GpPen*>(handle); }

bool Pen::DeletePen() { return Delete(*this, penHandle, flat::GdipDeletePen); }
bool Pen::CreatePen1(Gdiplus::ARGB colour, float width, std::optional<int> unit) {
    return Create(*this, penHandle, flat::GdipCreatePen1, colour, width, unit.value_or(0));
}
bool Pen::CreatePen2(const Brush& brush, float width, std::optional<int> unit) {
    return Create(*this, penHandle, flat::GdipCreatePen2, brush, width, unit.value_or(0));
}
bool Pen::ClonePen(Pen& target) { return CloneInto(target, flat::GdipClonePen, penHandle); }
float Pen::GetPenWidth() { return Value(flat::GdipGetPenWidth, penHandle); }
bool Pen::SetPenWidth(float width) { return Act(flat::GdipSetPenWidth, penHandle, width); }
int Pen::GetPenUnit() { return Value(flat::GdipGetPenUnit, penHandle); }
bool Pen::SetPenUnit(float unit) { return Act(flat::GdipSetPenUnit, penHandle, static_cast<int>(unit)); }
bool Pen::SetPenLineCap(int startCap, int endCap, int dashCap) {
    return SetPenLineCap197819(startCap, endCap, dashCap);
}
bool Pen::SetPenLineCap197819(int startCap, int endCap, int dashCap) {
    return Act(flat::GdipSetPenLineCap197819, penHandle, startCap, endCap, dashCap);
}
bool Pen::SetPenStartCap(int cap) { return Act(flat::GdipSetPenStartCap, penHandle, cap); }
bool Pen::SetPenEndCap(int cap) { return Act(flat::GdipSetPenEndCap, penHandle, cap); }
bool Pen::SetPenDashCap197819(int cap) { return Act(flat::GdipSetPenDashCap197819, penHandle, cap); }
int Pen::GetPenStartCap() { return Value(flat::GdipGetPenStartCap, penHandle); }
int Pen::GetPenEndCap() { return Value(flat::GdipGetPenEndCap, penHandle); }
int Pen::GetPenDashCap197819() { return Value(flat::GdipGetPenDashCap197819, penHandle); }
int Pen::GetPenDashCap() { return GetPenDashCap197819(); }
bool Pen::SetPenLineJoin(int join) { return Act(flat::GdipSetPenLineJoin, penHandle, join); }
int Pen::GetPenLineJoin() { return Value(flat::GdipGetPenLineJoin, penHandle); }
bool Pen::SetPenCustomStartCap(const GdipObject& customCap) {
    return Act(flat::GdipSetPenCustomStartCap, penHandle, customCap);
}
bool Pen::GetPenCustomStartCap(GdipObject& target) {
    return CloneInto(target, flat::GdipGetPenCustomStartCap, penHandle);
}
bool Pen::SetPenCustomEndCap(const GdipObject& customCap) {
    return Act(flat::GdipSetPenCustomEndCap, penHandle, customCap);
}
bool Pen::GetPenCustomEndCap(GdipObject& target) { return CloneInto(target, flat::GdipGetPenCustomEndCap, penHandle); }
bool Pen::SetPenMiterLimit(float limit) { return Act(flat::GdipSetPenMiterLimit, penHandle, limit); }
float Pen::GetPenMiterLimit() { return Value(flat::GdipGetPenMiterLimit, penHandle); }
bool Pen::SetPenMode(int alignment) { return Act(flat::GdipSetPenMode, penHandle, alignment); }
int Pen::GetPenMode() { return Value(flat::GdipGetPenMode, penHandle); }
bool Pen::SetPenTransform(const GdipObject& matrix) { return Act(flat::GdipSetPenTransform, penHandle, matrix); }
bool Pen::GetPenTransform(const GdipObject& matrix) { return Act(flat::GdipGetPenTransform, penHandle, matrix); }
bool Pen::ResetPenTransform() { return Act(flat::GdipResetPenTransform, penHandle); }
bool Pen::MultiplyPenTransform(const GdipObject& matrix, std::optional<int> order) {
    return Act(flat::GdipMultiplyPenTransform, penHandle, matrix, order.value_or(0));
}
bool Pen::RotatePenTransform(float angle, std::optional<int> order) {
    return Act(flat::GdipRotatePenTransform, penHandle, angle, order.value_or(0));
}
bool Pen::RotatePenTransformAt(float angle, const PointRecord& centre, std::optional<int> order) {
    return TransformAbout(penHandle, flat::GdipTranslatePenTransform, centre, order.value_or(0),
                          flat::GdipRotatePenTransform, angle);
}
bool Pen::ScalePenTransform(float sx, float sy, std::optional<int> order) {
    return Act(flat::GdipScalePenTransform, penHandle, sx, sy, order.value_or(0));
}
bool Pen::ScalePenTransformAt(float sx, float sy, const PointRecord& centre, std::optional<int> order) {
    return TransformAbout(penHandle, flat::GdipTranslatePenTransform, centre, order.value_or(0),
                          flat::GdipScalePenTransform, sx, sy);
}
bool Pen::TranslatePenTransform(float dx, float dy, std::optional<int> order) {
    return Act(flat::GdipTranslatePenTransform, penHandle, dx, dy, order.value_or(0));
}
Gdiplus::ARGB Pen::GetPenColor() { return Value(flat::GdipGetPenColor, penHandle); }
bool Pen::SetPenColor(Gdiplus::ARGB colour) { return Act(flat::GdipSetPenColor, penHandle, colour); }
bool Pen::SetPenBrushFill(const Brush& brush) { return Act(flat::GdipSetPenBrushFill, penHandle, brush); }
bool Pen::GetPenBrushFill(Brush& target) { return CloneInto(target, flat::GdipGetPenBrushFill, penHandle); }
int Pen::GetPenFillType() { return Value(flat::GdipGetPenFillType, penHandle); }
bool Pen::SetPenDashStyle(int style) { return Act(flat::GdipSetPenDashStyle, penHandle, style); }
int Pen::GetPenDashStyle() { return Value(flat::GdipGetPenDashStyle, penHandle); }
float Pen::GetPenDashOffset() { return Value(flat::GdipGetPenDashOffset, penHandle); }
bool Pen::SetPenDashOffset(float offset) { return Act(flat::GdipSetPenDashOffset, penHandle, offset); }
int Pen::GetPenDashArray(std::vector<float>& dashes) {
    return FetchArrays(penHandle, flat::GdipGetPenDashCount, flat::GdipGetPenDashArray, dashes);
}
bool Pen::SetPenDashArray(const std::vector<float>& dashes) {
    return Act(flat::GdipSetPenDashArray, penHandle, Data(dashes), Count(dashes));
}
bool Pen::SetPenCompoundArray(const std::vector<float>& compounds) {
    return Act(flat::GdipSetPenCompoundArray, penHandle, Data(compounds), Count(compounds));
}
int Pen::GetPenCompoundArray(std::vector<float>& compounds) {
    return FetchArrays(penHandle, flat::GdipGetPenCompoundCount, flat::GdipGetPenCompoundArray, compounds);
}
