#pragma once
// Helpers of the skin tests: the skin object, a test window whose own
// procedure records what reaches it, small generated images and pixels.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "skin/core/registry.h"
#include "skin/core/skin_engine.h"
#include "skin/core/skin_state.h"

namespace skin_test {

// Creates the one skin object (once) and puts the settings to their start.
void StartSkin();

// What reached the test window's own procedure (the skin's "previous
// procedure"), in order.
struct SeenMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
};
std::vector<SeenMessage>& Seen();
bool SawMessage(HWND window, UINT message, std::optional<WPARAM> wParam = std::nullopt);

// A top-level test window at (x, y) of the given client size and style,
// hidden unless `show` (then shown without activation). Its procedure
// records every message, answers a caption drag or an edge resize itself (so
// no modal loop starts) and leaves the rest to DefWindowProc. Composition and
// the window procedure work the same on a hidden window; a shown one costs a
// wait on destroying it under Wine without a window manager.
HWND CreateRecordingWindow(DWORD style, int width, int height, bool show = false, int x = 100, int y = 100);

// Destroys a test window. One that covers the whole screen is given a small
// size first: Wine without a window manager fails on destroying it.
void DestroyTestWindow(HWND window);

struct SkinOptions {
    OptInt captionHeight, hasCaption, resizable, help, menu, showTitle, gloss, statusBarHeight;
    std::optional<OneBasedList<StatusBarItem>> items;
    ByteSet image;
    OptInt mode;
};
// Attaches the skin and returns the window's registry position.
std::int32_t AttachSkin(HWND window, const SkinOptions& options = {});
SkinnedWindow& Record(std::int32_t position);

// PNG bytes of a width x height image of one ARGB colour.
ByteSet SolidPng(int width, int height, std::uint32_t argb);
// PNG bytes of an image whose left half is `left` and right half `right`.
ByteSet TwoColourPng(int width, int height, std::uint32_t left, std::uint32_t right);

COLORREF BufferPixel(std::int32_t position, int x, int y);
bool Near(COLORREF a, COLORREF b, int tolerance);
int Brightness(COLORREF c);

void Pump();

// Waits until no trimming tool started by this process is running any more
// (a deactivation starts one); true when none is left.
bool WaitForTrimTools(DWORD timeoutMs);
LPARAM Point(int x, int y);

}  // namespace skin_test
