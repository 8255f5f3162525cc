#pragma once
// Matrix: a small wrapper for the transforms the other wrappers take and
// return. The layer's operations accept any GdipObject as a matrix; this is
// the one that owns a native matrix.

#include "gdiplus/gdip_object.h"

#include <array>

class Matrix : public GdipObject {
public:
    Matrix() = default;
    Matrix(Matrix&& other) noexcept { AdoptHandle(other); }
    Matrix& operator=(Matrix&& other) noexcept;
    ~Matrix() override { DeleteMatrix(); }

    bool DeleteMatrix();
    bool CreateMatrix();
    bool CreateMatrix2(float m11, float m12, float m21, float m22, float dx, float dy);
    bool CloneMatrix(Matrix& target);
    // m11, m12, m21, m22, dx, dy; all zero when they cannot be read.
    std::array<float, 6> GetMatrixElements();
    bool SetMatrixElements(float m11, float m12, float m21, float m22, float dx, float dy);
    bool TranslateMatrix(float dx, float dy, std::optional<int> order = {});
    bool ScaleMatrix(float sx, float sy, std::optional<int> order = {});
    bool RotateMatrix(float angle, std::optional<int> order = {});
    bool InvertMatrix();
    bool TransformMatrixPoints(std::vector<PointRecord>& points);
    bool IsMatrixIdentity();

protected:
    void OnNativeHandleSet(void* handle) override;

private:
    Gdiplus::GpMatrix* matrixHandle = nullptr;
};
