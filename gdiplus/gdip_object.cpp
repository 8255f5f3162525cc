#include "gdiplus/gdip_object.h"

#include "gdiplus/gdip_call.h"

#include <cstring>

Gdiplus::Status GdipLastStatus = Gdiplus::Ok;

ByteSet ToWideText(const std::string& text) {
    // The count includes the terminator; the zero fill supplies it, so the
    // second conversion is given the length without it.
    const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    ByteSet wide(2 * static_cast<std::size_t>(n > 0 ? n : 1), 0);
    if (n > 1) {
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()),
                            reinterpret_cast<wchar_t*>(wide.data()), n);
    }
    return wide;
}

std::string WideToText(const wchar_t* wide) {
    if (!wide) return {};
    // CP_ACP, the code page ToWideText converts from, so that a name read back
    // from GDI+ round-trips into the same text the caller would pass in.
    const int n = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) return {};
    std::string text(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text.data(), n, nullptr, nullptr);
    text.resize(static_cast<std::size_t>(n - 1));
    return text;
}

std::string WideToText(const ByteSet& wide) {
    return WideToText(gdip_detail::WideFromBytes(wide).c_str());
}

std::string GuidToText(const GUID& guid) {
    wchar_t buffer[40] = {};
    StringFromGUID2(guid, buffer, 40);
    return WideToText(buffer);
}

std::string GuidToText(const ByteSet& guidBytes) {
    GUID guid{};
    std::memcpy(&guid, guidBytes.data(), std::min(guidBytes.size(), sizeof guid));
    return GuidToText(guid);
}

ByteSet TextToGuid(const std::string& text) {
    ByteSet bytes(sizeof(GUID), 0);
    GUID guid{};
    const std::wstring wide = gdip_detail::Wide(text);
    if (SUCCEEDED(CLSIDFromString(wide.c_str(), &guid))) std::memcpy(bytes.data(), &guid, sizeof guid);
    return bytes;
}

void GdipObject::SetNativeHandle(void* handle) {
    nativeHandle = handle;
    OnNativeHandleSet(handle);
}

void* GdipObject::Alloc(std::size_t size) const { return flat::GdipAlloc(size); }

void GdipObject::Free(void* block) const { flat::GdipFree(block); }

void GdipObject::AdoptHandle(GdipObject& other) noexcept {
    void* handle = other.nativeHandle;
    other.SetNativeHandle(nullptr);
    SetNativeHandle(handle);
}

namespace gdip_detail {

std::wstring WideFromBytes(const ByteSet& bytes) {
    std::wstring wide(bytes.size() / 2, L'\0');
    if (!wide.empty()) std::memcpy(wide.data(), bytes.data(), wide.size() * 2);
    wide.resize(std::wcslen(wide.c_str()));
    return wide;
}

std::wstring Wide(const std::string& text) { return WideFromBytes(ToWideText(text)); }

}  // namespace gdip_detail
