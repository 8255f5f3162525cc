#pragma once
// Font, FontFamily and FontCollection.

#include "gdiplus/gdip_object.h"

class Font : public GdipObject {
public:
    Font() = default;
    Font(Font&& other) noexcept { AdoptHandle(other); }
    Font& operator=(Font&& other) noexcept;
    ~Font() override { DeleteFont(); }

    bool DeleteFont();
    bool CreateFont(const FontFamily& family, float size, std::optional<int> style = {}, std::optional<int> unit = {});
    // The stock GUI font as GDI+ sees it on the screen.
    bool CreateDefaultGuiFont();
    // False, with the font left empty, when no installed family has the name.
    bool CreateFontFromName(const std::string& familyName, float size, std::optional<int> style = {},
                            std::optional<int> unit = {});
    bool CreateFontFromNameW(const ByteSet& familyName, float size, std::optional<int> style = {},
                             std::optional<int> unit = {});
    bool CreateFontFromDC(HDC dc);
    // The GDI font's logical font when it can be read, else the font selected
    // into the device context.
    bool CreateFontFromHFONT(HDC dc, HFONT font);
    bool CreateFontFromLogfontA(HDC dc, const LOGFONTA* logFont);
    bool CreateFontFromLogfontW(HDC dc, const LOGFONTW* logFont);
    bool CloneFont(Font& target);
    bool GetLogFontA(const Graphics& graphics, LOGFONTA* logFont);
    bool GetLogFontW(const Graphics& graphics, LOGFONTW* logFont);
    // The family wrapper receives a native family that only DeleteFontFamily
    // releases.
    bool GetFamily(FontFamily& target);
    int GetFontStyle();
    float GetFontSize();
    int GetFontUnit();
    float GetFontHeight(const Graphics& graphics);
    float GetFontHeightGivenDPI(float dpi);

protected:
    void OnNativeHandleSet(void* handle) override;

private:
    Gdiplus::GpFont* fontHandle = nullptr;
};

// Destroying a FontFamily wrapper leaves the native family alone: whoever
// obtained it calls DeleteFontFamily.
class FontFamily : public GdipObject {
public:
    FontFamily() = default;
    FontFamily(FontFamily&& other) noexcept { AdoptHandle(other); }
    FontFamily& operator=(FontFamily&& other) noexcept;

    bool DeleteFontFamily();
    bool CreateFontFamilyFromName(const std::string& name, const FontCollection& collection);
    bool CreateFontFamilyFromNameW(const ByteSet& name, const FontCollection& collection);
    bool GetGenericFontFamilySansSerif();
    bool GetGenericFontFamilySerif();
    bool GetGenericFontFamilyMonospace();
    bool CloneFontFamily(FontFamily& target);
    std::string GetFamilyName();
    // 64 bytes: the name as zero-terminated UTF-16 in a 32-character buffer.
    ByteSet GetFamilyNameW();
    bool IsStyleAvailable(int style);
    std::uint16_t GetEmHeight(int style);
    std::uint16_t GetCellAscent(int style);
    std::uint16_t GetCellDescent(int style);
    std::uint16_t GetLineSpacing(int style);

protected:
    void OnNativeHandleSet(void* handle) override;

private:
    Gdiplus::GpFontFamily* familyHandle = nullptr;
};

// No operation here creates a native collection: an empty wrapper stands for
// the installed fonts, and destroying one releases nothing.
class FontCollection : public GdipObject {
public:
    FontCollection() = default;
    FontCollection(FontCollection&& other) noexcept { AdoptHandle(other); }
    FontCollection& operator=(FontCollection&& other) noexcept;

    int GetFontCollectionFamilyCount();
    // Fills `families` with `wanted` fresh wrappers and returns how many
    // families GDI+ found.
    int GetFontCollectionFamilyList(int wanted, std::vector<FontFamily>& families);

protected:
    void OnNativeHandleSet(void* handle) override;
    virtual void OnDerivedHandleSet(void* handle);

private:
    Gdiplus::GpFontCollection* collectionHandle = nullptr;
};
