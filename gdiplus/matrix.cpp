#include "gdiplus/gdiplus_layer.h"

#include "gdiplus/gdip_call.h"

Matrix& Matrix::operator=(Matrix&& other) noexcept {
    if (this != &other) {
        DeleteMatrix();
        AdoptHandle(other);
    }
    return *this;
}

void Matrix::OnNativeHandleSet(void* handle) { matrixHandle = static_cast<Gdiplus::GpMatrix*>(handle); }

bool Matrix::DeleteMatrix() { return Delete(*this, matrixHandle, flat::GdipDeleteMatrix); }
bool Matrix::CreateMatrix() { return Create(*this, matrixHandle, flat::GdipCreateMatrix); }
bool Matrix::CreateMatrix2(float m11, float m12, float m21, float m22, float dx, float dy) {
    return Create(*this, matrixHandle, flat::GdipCreateMatrix2, m11, m12, m21, m22, dx, dy);
}
bool Matrix::CloneMatrix(Matrix& target) { return CloneInto(target, flat::GdipCloneMatrix, matrixHandle); }
std::array<float, 6> Matrix::GetMatrixElements() {
    std::array<float, 6> elements{};
    if (!Act(flat::GdipGetMatrixElements, matrixHandle, elements.data())) elements.fill(0);
    return elements;
}
bool Matrix::SetMatrixElements(float m11, float m12, float m21, float m22, float dx, float dy) {
    return Act(flat::GdipSetMatrixElements, matrixHandle, m11, m12, m21, m22, dx, dy);
}
bool Matrix::TranslateMatrix(float dx, float dy, std::optional<int> order) {
    return Act(flat::GdipTranslateMatrix, matrixHandle, dx, dy, order.value_or(0));
}
bool Matrix::ScaleMatrix(float sx, float sy, std::optional<int> order) {
    return Act(flat::GdipScaleMatrix, matrixHandle, sx, sy, order.value_or(0));
}
bool Matrix::RotateMatrix(float angle, std::optional<int> order) {
    return Act(flat::GdipRotateMatrix, matrixHandle, angle, order.value_or(0));
}
bool Matrix::InvertMatrix() { return Act(flat::GdipInvertMatrix, matrixHandle); }
bool Matrix::TransformMatrixPoints(std::vector<PointRecord>& points) {
    RecordBlock block(points);
    return Act(flat::GdipTransformMatrixPoints, matrixHandle, block.data(), block.count());
}
bool Matrix::IsMatrixIdentity() { return YesNo(flat::GdipIsMatrixIdentity, matrixHandle); }
