#pragma once
// What the skinned window's composed picture shows behind a control, so a
// control can paint itself translucently over it. Snapshots are memory DCs
// kept in MemoryDcList; the caller releases each with ReleaseMemoryDc.
#include <windows.h>

#include <cstdint>
#include <string>

// A memory DC of `rect`'s size (rect in the control's own coordinates) holding
// the window picture behind the control there, with the tint of the
// container it sits in. 0 when the control lies under no skinned window.
HDC BackgroundSnapshot(HWND control, const RECT& rect);
// The control's client area of the snapshot under a white veil of
// ControlAlpha, as a GDI bitmap the caller owns.
HBITMAP ControlBackgroundBitmap(HWND control);

// Where a control lies. `onWindow` = the control is a skinned window or lies
// directly on one; otherwise `window`/`container` name the window and the
// container it lies in, or `marked` the window that keeps its own picture.
struct ControlLocation {
    bool onWindow = false;
    std::int32_t window = 0;
    std::int32_t container = 0;
    HWND marked = nullptr;
};
ControlLocation LocateControl(HWND control, bool useMarks);

RECT RectInSkinnedWindow(HWND control);
RECT RectInWindow(HWND window, HWND control);
RECT RectInRoot(HWND control);
RECT ClientRectInWindow(HWND control);
std::int32_t FindTintedContainerAbove(std::int32_t windowIndex, HWND control, HWND stopWindow);
HBITMAP CopyDcToBitmap(HDC dc, std::int32_t width, std::int32_t height);
std::string ClassNameOf(HWND window);
std::int32_t IsOwnerDrawListBox(HWND window);
std::int32_t IsAutoRadioButton(HWND window);
