#pragma once
// StringFormat: alignment, trimming and layout of drawn text.

#include "gdiplus/gdip_object.h"

// A run of characters whose bounds MeasureCharacterRanges reports.
struct CharacterRangeRecord {
    std::int32_t first = 0;
    std::int32_t length = 0;
};

class StringFormat : public GdipObject {
public:
    StringFormat() = default;
    StringFormat(StringFormat&& other) noexcept { AdoptHandle(other); }
    StringFormat& operator=(StringFormat&& other) noexcept;
    ~StringFormat() override { DeleteStringFormat(); }

    bool DeleteStringFormat();
    bool CreateStringFormat(std::optional<int> flags = {}, std::optional<int> language = {});
    // The generic formats are treated as created: the wrapper deletes them.
    bool StringFormatGetGenericDefault();
    bool StringFormatGetGenericTypographic();
    bool CloneStringFormat(StringFormat& target);
    bool SetStringFormatFlags(int flags);
    int GetStringFormatFlags();
    bool SetStringFormatAlign(int alignment);
    int GetStringFormatAlign();
    bool SetStringFormatLineAlign(int alignment);
    int GetStringFormatLineAlign();
    bool SetStringFormatTrimming(int trimming);
    int GetStringFormatTrimming();
    bool SetStringFormatHotkeyPrefix(int prefix);
    int GetStringFormatHotkeyPrefix();
    bool SetStringFormatTabStops(float firstOffset, const std::vector<float>& tabStops);
    int GetStringFormatTabStops(float& firstOffset, std::vector<float>& tabStops);
    bool SetStringFormatDigitSubstitution(int method, std::optional<int> language = {});
    bool GetStringFormatDigitSubstitution(int& method, int& language);
    bool SetStringFormatMeasurableCharacterRanges(const std::vector<CharacterRangeRecord>& ranges);
    int GetStringFormatMeasurableCharacterRangeCount();

protected:
    void OnNativeHandleSet(void* handle) override;

private:
    Gdiplus::GpStringFormat* formatHandle = nullptr;
};
