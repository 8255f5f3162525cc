#pragma once
// Brushes: solid, linear-gradient and path-gradient fills.

#include "gdiplus/gdip_object.h"

class Brush : public GdipObject {
public:
    ~Brush() override { DeleteBrush(); }

    bool DeleteBrush();
    bool CloneBrush(Brush& target);
    int GetBrushType();

protected:
    Brush() = default;
    void OnNativeHandleSet(void* handle) override;
    virtual void OnDerivedHandleSet(void* handle);
    // Hands another brush's handle to this one, releasing what this one held.
    void MoveFrom(Brush& other) noexcept;

private:
    Gdiplus::GpBrush* brushHandle = nullptr;
};

class SolidBrush : public Brush {
public:
    SolidBrush() = default;
    SolidBrush(SolidBrush&& other) noexcept { MoveFrom(other); }
    SolidBrush& operator=(SolidBrush&& other) noexcept {
        MoveFrom(other);
        return *this;
    }

    bool CreateSolidFill(Gdiplus::ARGB colour);
    bool SetSolidFillColor(Gdiplus::ARGB colour);
    Gdiplus::ARGB GetSolidFillColor();

protected:
    void OnDerivedHandleSet(void* handle) override;

private:
    Gdiplus::GpSolidFill* solidFillHandle = nullptr;
};

class LinearGradientBrush : public Brush {
public:
    LinearGradientBrush() = default;
    LinearGradientBrush(LinearGradientBrush&& other) noexcept { MoveFrom(other); }
    LinearGradientBrush& operator=(LinearGradientBrush&& other) noexcept {
        MoveFrom(other);
        return *this;
    }

    // Every gradient is created with wrap mode 0 (tile).
    bool CreateLineBrush(const PointRecord& start, const PointRecord& end, Gdiplus::ARGB startColour,
                         Gdiplus::ARGB endColour);
    bool CreateLineBrushI(const PointRecordI& start, const PointRecordI& end, Gdiplus::ARGB startColour,
                          Gdiplus::ARGB endColour);
    bool CreateLineBrushFromRect(const RectRecord& rect, Gdiplus::ARGB startColour, Gdiplus::ARGB endColour,
                                 std::optional<int> mode = {});
    bool CreateLineBrushFromRectI(const RectRecordI& rect, Gdiplus::ARGB startColour, Gdiplus::ARGB endColour,
                                  std::optional<int> mode = {});
    bool CreateLineBrushFromRectWithAngle(const RectRecord& rect, Gdiplus::ARGB startColour, Gdiplus::ARGB endColour,
                                          float angle, std::optional<bool> scalable = {});
    bool CreateLineBrushFromRectWithAngleI(const RectRecordI& rect, Gdiplus::ARGB startColour,
                                           Gdiplus::ARGB endColour, float angle, std::optional<bool> scalable = {});
    bool GetLineColors(Gdiplus::ARGB& startColour, Gdiplus::ARGB& endColour);
    bool SetLineColors(Gdiplus::ARGB startColour, Gdiplus::ARGB endColour);
    RectRecord GetLineRect();
    RectRecordI GetLineRectI();
    bool SetLineGammaCorrection(bool useGamma);
    bool GetLineGammaCorrection();
    bool SetLineBlend(const std::vector<float>& factors, const std::vector<float>& positions);
    int GetLineBlendCount();
    int GetLineBlend(std::vector<float>& factors, std::vector<float>& positions);
    bool SetLinePresetBlend(const std::vector<Gdiplus::ARGB>& colours, const std::vector<float>& positions);
    int GetLinePresetBlendCount();
    int GetLinePresetBlend(std::vector<Gdiplus::ARGB>& colours, std::vector<float>& positions);
    bool SetLineSigmaBlend(float focus, float scale);
    bool SetLineLinearBlend(float focus, float scale);
    int GetLineWrapMode();
    bool SetLineWrapMode(int wrapMode);
    bool GetLineTransform(const GdipObject& matrix);
    bool SetLineTransform(const GdipObject& matrix);
    bool ResetLineTransform();
    bool MultiplyLineTransform(const GdipObject& matrix, std::optional<int> order = {});
    bool TranslateLineTransform(float dx, float dy, std::optional<int> order = {});
    bool ScaleLineTransform(float sx, float sy, std::optional<int> order = {});
    bool ScaleLineTransformAt(float sx, float sy, const PointRecord& centre, std::optional<int> order = {});
    bool RotateLineTransform(float angle, std::optional<int> order = {});
    bool RotateLineTransformAt(float angle, const PointRecord& centre, std::optional<int> order = {});

protected:
    void OnDerivedHandleSet(void* handle) override;

private:
    Gdiplus::GpLineGradient* lineGradientHandle = nullptr;
};

class PathGradientBrush : public Brush {
public:
    PathGradientBrush() = default;
    PathGradientBrush(PathGradientBrush&& other) noexcept { MoveFrom(other); }
    PathGradientBrush& operator=(PathGradientBrush&& other) noexcept {
        MoveFrom(other);
        return *this;
    }

    bool CreatePathGradient(const std::vector<PointRecord>& points, std::optional<int> wrapMode = {});
    bool CreatePathGradientI(const std::vector<PointRecordI>& points, std::optional<int> wrapMode = {});
    bool CreatePathGradientFromPath(const GraphicsPath& path);
    Gdiplus::ARGB GetPathGradientCenterColor();
    bool SetPathGradientCenterColor(Gdiplus::ARGB colour);
    int GetPathGradientPointCount();
    int GetPathGradientSurroundColorCount();
    bool GetPathGradientSurroundColorsWithCount(std::vector<Gdiplus::ARGB>& colours, int& count);
    // GDI+ writes the number of colours it used back into `count`; without a
    // count the whole array is offered.
    bool SetPathGradientSurroundColorsWithCount(const std::vector<Gdiplus::ARGB>& colours);
    bool SetPathGradientSurroundColorsWithCount(const std::vector<Gdiplus::ARGB>& colours,
                                                std::optional<int>& count);
    bool GetPathGradientPath(const GraphicsPath& path);
    bool SetPathGradientPath(const GraphicsPath& path);
    PointRecord GetPathGradientCenterPoint();
    PointRecordI GetPathGradientCenterPointI();
    bool SetPathGradientCenterPoint(const PointRecord& centre);
    bool SetPathGradientCenterPoint2(const PointRecord& centre);
    bool GetPathGradientRect(RectRecord& rect);
    bool GetPathGradientRectI(RectRecordI& rect);
    bool SetPathGradientGammaCorrection(bool useGamma);
    bool GetPathGradientGammaCorrection();
    int GetPathGradientBlendCount();
    bool SetPathGradientBlend(const std::vector<float>& factors, const std::vector<float>& positions);
    int GetPathGradientBlend(std::vector<float>& factors, std::vector<float>& positions);
    int GetPathGradientPresetBlendCount();
    bool SetPathGradientPresetBlend(const std::vector<Gdiplus::ARGB>& colours, const std::vector<float>& positions);
    int GetPathGradientPresetBlend(std::vector<Gdiplus::ARGB>& colours, std::vector<float>& positions);
    bool SetPathGradientSigmaBlend(float focus, float scale);
    bool SetPathGradientLinearBlend(float focus, float scale);
    bool GetPathGradientFocusScales(float& xScale, float& yScale);
    bool SetPathGradientFocusScales(float xScale, float yScale);
    int GetPathGradientWrapMode();
    bool SetPathGradientWrapMode(int wrapMode);
    bool GetPathGradientTransform(const GdipObject& matrix);
    bool SetPathGradientTransform(const GdipObject& matrix);
    bool ResetPathGradientTransform();
    bool MultiplyPathGradientTransform(const GdipObject& matrix, std::optional<int> order = {});
    bool TranslatePathGradientTransform(float dx, float dy, std::optional<int> order = {});
    bool ScalePathGradientTransform(float sx, float sy, std::optional<int> order = {});
    bool ScalePathGradientTransformAt(float sx, float sy, const PointRecord& centre, std::optional<int> order = {});
    bool RotatePathGradientTransform(float angle, std::optional<int> order = {});
    bool RotatePathGradientTransformAt(float angle, const PointRecord& centre, std::optional<int> order = {});

protected:
    void OnDerivedHandleSet(void* handle) override;

private:
    Gdiplus::GpPathGradient* pathGradientHandle = nullptr;
};
