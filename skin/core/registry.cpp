#include "skin/core/registry.h"

#include "skin/core/skin_state.h"

OneBasedList<SkinnedWindow> SkinRegistry{OneBasedList<SkinnedWindow>::StartEmpty{}};
OneBasedList<MemoryDcEntry> MemoryDcList{OneBasedList<MemoryDcEntry>::StartEmpty{}};

int FindSkinnedWindow(HWND window) {
    if (!window) return 0;
    for (int i = 1; i <= SkinRegistry.Count(); ++i)
        if (SkinRegistry[i].hwnd == window) return i;
    return 0;
}

int FindSkinnedAncestor(HWND window) {
    for (HWND h = GetParent(window); h; h = GetParent(h))
        if (int pos = FindSkinnedWindow(h)) return pos;
    return 0;
}

int FindContainer(int windowIndex, HWND window) {
    SkinnedWindow* w = SkinRegistry.At(windowIndex);
    if (!w || !window) return 0;
    for (int i = 1; i <= w->Containers.Count(); ++i)
        if (w->Containers[i].hwnd == window) return i;
    return 0;
}

SkinnedWindow* SkinnedWindowAt(int position) { return SkinRegistry.At(position); }

int AddSkinnedWindow(const SkinnedWindow& record) { return SkinRegistry.Append(record); }

namespace {

// Puts the bitmap a memory DC was created with back, then deletes the DC and
// the bitmap it was holding.
void ReleaseCacheDc(HDC dc, HGDIOBJ original) {
    if (!dc) return;
    HGDIOBJ current = original ? SelectObject(dc, original) : nullptr;
    if (current && current != original) DeleteObject(current);
    DeleteDC(dc);
}

template <class List>
void SetOwnerProp(List& list, const char* name, int position) {
    for (auto& item : list)
        if (item.hwnd) SetIntProp(item.hwnd, name, position);
}

void Renumber() {
    for (int j = 1; j <= SkinRegistry.Count(); ++j) {
        SkinnedWindow& w = SkinRegistry[j];
        SetIntProp(w.hwnd, "Hw_lbID", j);
        SetOwnerProp(w.ListControls, "Hw_FuID", j);
        SetOwnerProp(w.Buttons, "Hw_FuID", j);
        SetOwnerProp(w.Edits, "Hw_FuID", j);
        SetOwnerProp(w.ComboBoxes, "Hw_FuID", j);
        SetOwnerProp(w.Headers, "Hw_FuID", j);
        SetOwnerProp(w.UpDowns, "Hw_FuID", j);
        SetOwnerProp(w.Trackbars, "Hw_FuID", j);
        SetOwnerProp(w.ProgressBars, "Hw_FuID", j);
        SetOwnerProp(w.Containers, "Hw_FuID", j);
        SetOwnerProp(w.Components, "Kj_FuID", j);
    }
}

}  // namespace

void RemoveSkinnedWindow(HWND window) {
    if (int pos = FindSkinnedWindow(window)) {
        SkinnedWindow& w = SkinRegistry[pos];
        for (auto& edit : w.Edits) {
            if (!edit.hwnd) continue;
            DeleteObject(GetPropA(edit.hwnd, "Kj_wtjb"));
            DeleteObject(GetPropA(edit.hwnd, "Kj_dxjb"));
        }
        ReleaseCacheDc(w.windowBuffer, GetPropA(w.hwnd, "Ck_Ycjdx"));
        ReleaseCacheDc(w.captionCacheDc, w.captionCacheOldBitmap);
        ReleaseCacheDc(w.stripCacheDc, w.stripCacheOldBitmap);
        SkinRegistry.RemoveAt(pos);
    }
    Renumber();
}

void ReleaseSkinRegistry() {
    SkinRegistry.Clear();
    MemoryDcList.Clear();
    BackgroundImage.clear();
    BackgroundImage.shrink_to_fit();
}

void AddMemoryDc(HDC dc, HBITMAP bitmap, HGDIOBJ previous) {
    for (auto& e : MemoryDcList) {
        if (e.dc == dc) {
            e.bitmap = bitmap;
            e.previous = previous;
            return;
        }
    }
    MemoryDcList.Append(MemoryDcEntry{dc, bitmap, previous});
}

std::int32_t ReleaseMemoryDc(HDC dc) {
    for (int i = 1; i <= MemoryDcList.Count(); ++i) {
        MemoryDcEntry e = MemoryDcList[i];
        if (e.dc != dc) continue;
        HGDIOBJ selected = SelectObject(e.dc, e.previous);
        if (selected) DeleteObject(selected);
        DeleteDC(e.dc);
        MemoryDcList.RemoveAt(i);
        return 1;
    }
    return 0;
}
