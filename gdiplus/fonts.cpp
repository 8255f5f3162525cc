#include "gdiplus/gdiplus_layer.h"

#include "gdiplus/gdip_call.h"

// ---------------------------------------------------------------- Font

Font& Font::operator=(Font&& other) noexcept {
    if (this != &other) {
        DeleteFont();
        AdoptHandle(other);
    }
    return *this;
}

void Font::OnNativeHandleSet(void* handle) { fontHandle = static_cast<Gdiplus::GpFont*>(handle); }

bool Font::DeleteFont() { return Delete(*this, fontHandle, flat::GdipDeleteFont); }

bool Font::CreateFont(const FontFamily& family, float size, std::optional<int> style, std::optional<int> unit) {
    return Create(*this, fontHandle, flat::GdipCreateFont, family, size, style.value_or(0), unit.value_or(0));
}

bool Font::CreateDefaultGuiFont() {
    // The logical font lives on the stack: nothing to hand back on any path.
    LOGFONTA logFont{};
    if (GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof logFont, &logFont) == 0) return false;
    HDC screen = ::GetDC(nullptr);
    const bool ok = Create(*this, fontHandle, flat::GdipCreateFontFromLogfontA, screen, &logFont);
    ::ReleaseDC(nullptr, screen);
    return ok;
}

bool Font::CreateFontFromName(const std::string& familyName, float size, std::optional<int> style,
                              std::optional<int> unit) {
    return CreateFontFromNameW(ToWideText(familyName), size, style, unit);
}

bool Font::CreateFontFromNameW(const ByteSet& familyName, float size, std::optional<int> style,
                               std::optional<int> unit) {
    FontFamily family;
    family.CreateFontFamilyFromNameW(familyName, FontCollection{});
    // A name that is not installed leaves the family empty; GdipCreateFont
    // then fails on its own and the font stays empty.
    const bool ok = CreateFont(family, size, style, unit);
    // Releasing the temporary family must not hide the font's status.
    const Gdiplus::Status status = GdipLastStatus;
    family.DeleteFontFamily();
    GdipLastStatus = status;
    return ok;
}

bool Font::CreateFontFromDC(HDC dc) { return Create(*this, fontHandle, flat::GdipCreateFontFromDC, dc); }

bool Font::CreateFontFromHFONT(HDC dc, HFONT font) {
    LOGFONTA logFont{};
    if (font && GetObjectA(font, sizeof logFont, &logFont) != 0)
        return Create(*this, fontHandle, flat::GdipCreateFontFromLogfontA, dc, &logFont);
    return Create(*this, fontHandle, flat::GdipCreateFontFromDC, dc);
}

bool Font::CreateFontFromLogfontA(HDC dc, const LOGFONTA* logFont) {
    return logFont ? Create(*this, fontHandle, flat::GdipCreateFontFromLogfontA, dc, logFont)
                   : Create(*this, fontHandle, flat::GdipCreateFontFromDC, dc);
}

bool Font::CreateFontFromLogfontW(HDC dc, const LOGFONTW* logFont) {
    return logFont ? Create(*this, fontHandle, flat::GdipCreateFontFromLogfontW, dc, logFont)
                   : Create(*this, fontHandle, flat::GdipCreateFontFromDC, dc);
}

bool Font::CloneFont(Font& target) { return CloneInto(target, flat::GdipCloneFont, fontHandle); }
bool Font::GetLogFontA(const Graphics& graphics, LOGFONTA* logFont) {
    return Act(flat::GdipGetLogFontA, fontHandle, graphics, logFont);
}
bool Font::GetLogFontW(const Graphics& graphics, LOGFONTW* logFont) {
    return Act(flat::GdipGetLogFontW, fontHandle, graphics, logFont);
}
bool Font::GetFamily(FontFamily& target) { return CloneInto(target, flat::GdipGetFamily, fontHandle); }
int Font::GetFontStyle() { return Value(flat::GdipGetFontStyle, fontHandle); }
float Font::GetFontSize() { return Value(flat::GdipGetFontSize, fontHandle); }
int Font::GetFontUnit() { return Value(flat::GdipGetFontUnit, fontHandle); }
float Font::GetFontHeight(const Graphics& graphics) { return Value(flat::GdipGetFontHeight, fontHandle, graphics); }
float Font::GetFontHeightGivenDPI(float dpi) { return Value(flat::GdipGetFontHeightGivenDPI, fontHandle, dpi); }

// ---------------------------------------------------------------- FontFamily

FontFamily& FontFamily::operator=(FontFamily&& other) noexcept {
    if (this != &other) AdoptHandle(other);
    return *this;
}

void FontFamily::OnNativeHandleSet(void* handle) { familyHandle = static_cast<Gdiplus::GpFontFamily*>(handle); }

bool FontFamily::DeleteFontFamily() { return Delete(*this, familyHandle, flat::GdipDeleteFontFamily); }

bool FontFamily::CreateFontFamilyFromName(const std::string& name, const FontCollection& collection) {
    return CreateFontFamilyFromNameW(ToWideText(name), collection);
}

bool FontFamily::CreateFontFamilyFromNameW(const ByteSet& name, const FontCollection& collection) {
    const std::wstring wide = gdip_detail::WideFromBytes(name);
    return Create(*this, familyHandle, flat::GdipCreateFontFamilyFromName, wide.c_str(), collection);
}

bool FontFamily::GetGenericFontFamilySansSerif() {
    return Create(*this, familyHandle, flat::GdipGetGenericFontFamilySansSerif);
}
bool FontFamily::GetGenericFontFamilySerif() { return Create(*this, familyHandle, flat::GdipGetGenericFontFamilySerif); }
bool FontFamily::GetGenericFontFamilyMonospace() {
    return Create(*this, familyHandle, flat::GdipGetGenericFontFamilyMonospace);
}
bool FontFamily::CloneFontFamily(FontFamily& target) {
    return CloneInto(target, flat::GdipCloneFontFamily, familyHandle);
}

std::string FontFamily::GetFamilyName() {
    wchar_t name[LF_FACESIZE] = {};
    Act(flat::GdipGetFamilyName, familyHandle, name, 0);
    name[LF_FACESIZE - 1] = L'\0';
    return WideToText(name);
}

ByteSet FontFamily::GetFamilyNameW() {
    wchar_t name[LF_FACESIZE] = {};
    Act(flat::GdipGetFamilyName, familyHandle, name, 0);
    name[LF_FACESIZE - 1] = L'\0';
    const auto* first = reinterpret_cast<const std::uint8_t*>(name);
    return ByteSet(first, first + sizeof name);
}

bool FontFamily::IsStyleAvailable(int style) { return YesNo(flat::GdipIsStyleAvailable, familyHandle, style); }
std::uint16_t FontFamily::GetEmHeight(int style) { return Value(flat::GdipGetEmHeight, familyHandle, style); }
std::uint16_t FontFamily::GetCellAscent(int style) { return Value(flat::GdipGetCellAscent, familyHandle, style); }
std::uint16_t FontFamily::GetCellDescent(int style) { return Value(flat::GdipGetCellDescent, familyHandle, style); }
std::uint16_t FontFamily::GetLineSpacing(int style) { return Value(flat::GdipGetLineSpacing, familyHandle, style); }

// ---------------------------------------------------------------- FontCollection

FontCollection& FontCollection::operator=(FontCollection&& other) noexcept {
    if (this != &other) AdoptHandle(other);
    return *this;
}

void FontCollection::OnNativeHandleSet(void* handle) {
    collectionHandle = static_cast<Gdiplus::GpFontCollection*>(handle);
    OnDerivedHandleSet(handle);
}

void FontCollection::OnDerivedHandleSet(void*) {}

int FontCollection::GetFontCollectionFamilyCount() {
    return Value(flat::GdipGetFontCollectionFamilyCount, collectionHandle);
}

int FontCollection::GetFontCollectionFamilyList(int wanted, std::vector<FontFamily>& families) {
    if (wanted < 1) {
        Refuse();
        return 0;
    }
    std::vector<Gdiplus::GpFontFamily*> handles(static_cast<std::size_t>(wanted), nullptr);
    families.clear();
    families.resize(handles.size());
    INT found = 0;
    if (Call(flat::GdipGetFontCollectionFamilyList, collectionHandle, wanted, handles.data(), &found) != Gdiplus::Ok)
        return found;
    for (std::size_t i = 0; i < handles.size(); ++i) families[i].SetNativeHandle(handles[i]);
    return found;
}
