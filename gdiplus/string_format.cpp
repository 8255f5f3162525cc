#include "gdiplus/gdiplus_layer.h"

#include "gdiplus/gdip_call.h"

StringFormat& StringFormat::operator=(StringFormat&& other) noexcept {
    if (this != &other) {
        DeleteStringFormat();
        AdoptHandle(other);
    }
    return *this;
}

void StringFormat::OnNativeHandleSet(void* handle) { formatHandle = static_cast<Gdiplus::GpStringFormat*>(handle); }

bool StringFormat::DeleteStringFormat() { return Delete(*this, formatHandle, flat::GdipDeleteStringFormat); }
bool StringFormat::CreateStringFormat(std::optional<int> flags, std::optional<int> language) {
    return Create(*this, formatHandle, flat::GdipCreateStringFormat, flags.value_or(0),
                  static_cast<LANGID>(language.value_or(0)));
}
bool StringFormat::StringFormatGetGenericDefault() {
    return Create(*this, formatHandle, flat::GdipStringFormatGetGenericDefault);
}
bool StringFormat::StringFormatGetGenericTypographic() {
    return Create(*this, formatHandle, flat::GdipStringFormatGetGenericTypographic);
}
bool StringFormat::CloneStringFormat(StringFormat& target) {
    return CloneInto(target, flat::GdipCloneStringFormat, formatHandle);
}
bool StringFormat::SetStringFormatFlags(int flags) { return Act(flat::GdipSetStringFormatFlags, formatHandle, flags); }
int StringFormat::GetStringFormatFlags() { return Value(flat::GdipGetStringFormatFlags, formatHandle); }
bool StringFormat::SetStringFormatAlign(int alignment) {
    return Act(flat::GdipSetStringFormatAlign, formatHandle, alignment);
}
int StringFormat::GetStringFormatAlign() { return Value(flat::GdipGetStringFormatAlign, formatHandle); }
bool StringFormat::SetStringFormatLineAlign(int alignment) {
    return Act(flat::GdipSetStringFormatLineAlign, formatHandle, alignment);
}
int StringFormat::GetStringFormatLineAlign() { return Value(flat::GdipGetStringFormatLineAlign, formatHandle); }
bool StringFormat::SetStringFormatTrimming(int trimming) {
    return Act(flat::GdipSetStringFormatTrimming, formatHandle, trimming);
}
int StringFormat::GetStringFormatTrimming() { return Value(flat::GdipGetStringFormatTrimming, formatHandle); }
bool StringFormat::SetStringFormatHotkeyPrefix(int prefix) {
    return Act(flat::GdipSetStringFormatHotkeyPrefix, formatHandle, prefix);
}
int StringFormat::GetStringFormatHotkeyPrefix() { return Value(flat::GdipGetStringFormatHotkeyPrefix, formatHandle); }
bool StringFormat::SetStringFormatTabStops(float firstOffset, const std::vector<float>& tabStops) {
    return Act(flat::GdipSetStringFormatTabStops, formatHandle, firstOffset, Count(tabStops), Data(tabStops));
}

int StringFormat::GetStringFormatTabStops(float& firstOffset, std::vector<float>& tabStops) {
    INT n = 0;
    if (Call(flat::GdipGetStringFormatTabStopCount, formatHandle, &n) != Gdiplus::Ok) return 0;
    tabStops.assign(static_cast<std::size_t>(std::max<INT>(n, 0)), 0.0f);
    Call(flat::GdipGetStringFormatTabStops, formatHandle, n, &firstOffset, Data(tabStops));
    return n;
}

bool StringFormat::SetStringFormatDigitSubstitution(int method, std::optional<int> language) {
    return Act(flat::GdipSetStringFormatDigitSubstitution, formatHandle, static_cast<LANGID>(language.value_or(0)),
               method);
}

bool StringFormat::GetStringFormatDigitSubstitution(int& method, int& language) {
    LANGID gpLanguage = 0;
    Gdiplus::StringDigitSubstitute gpMethod{};
    const bool ok = Act(flat::GdipGetStringFormatDigitSubstitution, formatHandle, &gpLanguage, &gpMethod);
    method = gpMethod;
    language = gpLanguage;
    return ok;
}

bool StringFormat::SetStringFormatMeasurableCharacterRanges(const std::vector<CharacterRangeRecord>& ranges) {
    std::vector<Gdiplus::CharacterRange> pairs;
    pairs.reserve(ranges.size());
    for (const CharacterRangeRecord& r : ranges) pairs.emplace_back(r.first, r.length);
    return Act(flat::GdipSetStringFormatMeasurableCharacterRanges, formatHandle, Count(pairs), Data(pairs));
}

int StringFormat::GetStringFormatMeasurableCharacterRangeCount() {
    return Value(flat::GdipGetStringFormatMeasurableCharacterRangeCount, formatHandle);
}
