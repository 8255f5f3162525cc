#pragma once
// The registry of skinned windows and the list of memory DCs. Positions are
// 1-based; 0 means "not found".
#include <windows.h>

#include <cstdint>

#include "skin/core/records.h"

extern OneBasedList<SkinnedWindow> SkinRegistry;

struct MemoryDcEntry {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
};
extern OneBasedList<MemoryDcEntry> MemoryDcList;

int FindSkinnedWindow(HWND window);
int FindSkinnedAncestor(HWND window);
int FindContainer(int windowIndex, HWND window);
SkinnedWindow* SkinnedWindowAt(int position);

// Appends a deep copy of a filled record; returns its position.
int AddSkinnedWindow(const SkinnedWindow& record);
void RemoveSkinnedWindow(HWND window);
// Exit: frees every record without touching windows or GDI objects, then the
// memory DC list and the prepared background image.
void ReleaseSkinRegistry();

void AddMemoryDc(HDC dc, HBITMAP bitmap, HGDIOBJ previous);
std::int32_t ReleaseMemoryDc(HDC dc);

// Window properties hold plain integers stored as the property handle.
inline void SetIntProp(HWND window, const char* name, std::intptr_t value) {
    SetPropA(window, name, reinterpret_cast<HANDLE>(value));
}
inline std::intptr_t GetIntProp(HWND window, const char* name) {
    return reinterpret_cast<std::intptr_t>(GetPropA(window, name));
}
