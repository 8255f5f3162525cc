#pragma once
// Pen: the outline every stroke draws with.

#include "gdiplus/gdip_object.h"

class Pen : public GdipObject {
public:
    Pen() = default;
    Pen(Pen&& other) noexcept { AdoptHandle(other); }
    Pen& operator=(Pen&& other) noexcept;
    ~Pen() override { DeletePen(); }

    bool DeletePen();
    bool CreatePen1(Gdiplus::ARGB colour, float width, std::optional<int> unit = {});
    bool CreatePen2(const Brush& brush, float width, std::optional<int> unit = {});
    bool ClonePen(Pen& target);
    float GetPenWidth();
    bool SetPenWidth(float width);
    int GetPenUnit();
    // The unit arrives as a real number and is truncated toward zero.
    bool SetPenUnit(float unit);
    bool SetPenLineCap(int startCap, int endCap, int dashCap);
    bool SetPenLineCap197819(int startCap, int endCap, int dashCap);
    bool SetPenStartCap(int cap);
    bool SetPenEndCap(int cap);
    bool SetPenDashCap197819(int cap);
    int GetPenStartCap();
    int GetPenEndCap();
    int GetPenDashCap197819();
    int GetPenDashCap();
    bool SetPenLineJoin(int join);
    int GetPenLineJoin();
    bool SetPenCustomStartCap(const GdipObject& customCap);
    bool GetPenCustomStartCap(GdipObject& target);
    bool SetPenCustomEndCap(const GdipObject& customCap);
    bool GetPenCustomEndCap(GdipObject& target);
    bool SetPenMiterLimit(float limit);
    float GetPenMiterLimit();
    bool SetPenMode(int alignment);
    int GetPenMode();
    bool SetPenTransform(const GdipObject& matrix);
    bool GetPenTransform(const GdipObject& matrix);
    bool ResetPenTransform();
    bool MultiplyPenTransform(const GdipObject& matrix, std::optional<int> order = {});
    bool RotatePenTransform(float angle, std::optional<int> order = {});
    bool RotatePenTransformAt(float angle, const PointRecord& centre, std::optional<int> order = {});
    bool ScalePenTransform(float sx, float sy, std::optional<int> order = {});
    bool ScalePenTransformAt(float sx, float sy, const PointRecord& centre, std::optional<int> order = {});
    bool TranslatePenTransform(float dx, float dy, std::optional<int> order = {});
    Gdiplus::ARGB GetPenColor();
    bool SetPenColor(Gdiplus::ARGB colour);
    bool SetPenBrushFill(const Brush& brush);
    bool GetPenBrushFill(Brush& target);
    int GetPenFillType();
    bool SetPenDashStyle(int style);
    int GetPenDashStyle();
    float GetPenDashOffset();
    bool SetPenDashOffset(float offset);
    int GetPenDashArray(std::vector<float>& dashes);
    bool SetPenDashArray(const std::vector<float>& dashes);
    bool SetPenCompoundArray(const std::vector<float>& compounds);
    int GetPenCompoundArray(std::vector<float>& compounds);

protected:
    void OnNativeHandleSet(void* handle) override;

private:
    Gdiplus::GpPen* penHandle = nullptr;
};
