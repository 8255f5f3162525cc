#include "app/resource_bytes.h"

#include <windows.h>

std::vector<std::uint8_t> LoadResourceBytes(int id) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10));  // RT_RCDATA
    if (!info) return {};
    HGLOBAL data = LoadResource(module, info);
    DWORD size = SizeofResource(module, info);
    const auto* bytes = static_cast<const std::uint8_t*>(LockResource(data));
    if (!bytes || !size) return {};
    return std::vector<std::uint8_t>(bytes, bytes + size);
}
