#include "skin/core/skin_engine.h"

#include "skin/core/registry.h"
#include "skin/core/skin_state.h"

SkinEngine* Skin = nullptr;

std::int32_t SkinControls = 1;
std::int32_t ControlAlpha = 160;
std::int32_t ControlsTranslucent = 0;
std::int32_t TrackbarFrame = 1;
COLORREF ThemeColour = 0xDDCA22;
COLORREF BackgroundColour = 0;
std::int32_t BackgroundMode = 0;
ByteSet BackgroundImage;
std::int32_t FirstSizePending = 1;

ULONG_PTR GdiplusToken = 0;
HICON AppIcon = nullptr;

namespace {

bool gdiplusShutDown = false;

// The system calls these with whatever floating-point state it has; GDI+ and
// the painters expect the default one. Save the caller's control word, start
// from a clean FPU for the call and give the caller its word back.
class FpuGuard {
public:
    FpuGuard() {
        __asm__ __volatile__("fnstcw %0" : "=m"(saved_));
        __asm__ __volatile__("fninit");
    }
    ~FpuGuard() { __asm__ __volatile__("fldcw %0" : : "m"(saved_)); }
    FpuGuard(const FpuGuard&) = delete;
    FpuGuard& operator=(const FpuGuard&) = delete;

private:
    std::uint16_t saved_ = 0;
};

LRESULT CALLBACK WindowProcEntry(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    FpuGuard fpu;
    if (!Skin) return DefWindowProcA(window, message, wParam, lParam);
    return Skin->SkinnedWindowProc(window, message, wParam, lParam);
}

void __stdcall CaptionButtonEntry(std::int32_t windowIndex, std::int32_t button) {
    FpuGuard fpu;
    if (Skin) Skin->ClickCaptionButton(windowIndex, button);
}

}  // namespace

void ResetSkinSettings() {
    FirstSizePending = 1;
    SkinControls = 1;
    ControlAlpha = 160;
    ThemeColour = 0xDDCA22;
    TrackbarFrame = 1;
}

void ShutdownGdiplusOnce() {
    if (gdiplusShutDown || !GdiplusToken) return;
    gdiplusShutDown = true;
    Gdiplus::GdiplusShutdown(GdiplusToken);
}

SkinEngine* SkinEngine::Create() {
    auto* engine = new SkinEngine();
    engine->windowProcEntry = WindowProcEntry;
    engine->captionButtonEntry = CaptionButtonEntry;
    BackgroundColour = GetSysColor(COLOR_BTNFACE);
    return engine;
}

void SkinEngine::Destroy() {
    if (AppIcon) {
        DestroyIcon(AppIcon);
        AppIcon = nullptr;
    }
    ReleaseBackgroundLayer();
    ShutdownGdiplusOnce();
    windowProcEntry = nullptr;
    captionButtonEntry = nullptr;
    if (Skin == this) Skin = nullptr;
    delete this;
}

SkinEngine* SkinEngine::Copy() {
    // The entries are plain functions that reach the one skin object, so the
    // copy's entries still call the first object.
    return new SkinEngine(*this);
}

COLORREF SkinEngine::GetBackgroundColour() { return BackgroundColour; }

void SkinEngine::ResizeChildren(std::int32_t position) {
    SkinnedWindow* w = SkinnedWindowAt(position);
    if (!w) return;
    RECT client{};
    GetClientRect(w->hwnd, &client);
    for (const auto& entry : w->childLayout) {
        if (!entry.hwnd) continue;
        MoveWindow(entry.hwnd, 2, entry.top, client.right - 4,
                   client.bottom - entry.top - w->statusBarHeight - 3, TRUE);
    }
}
