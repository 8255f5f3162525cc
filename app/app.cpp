#include "app/app.h"

#include <cstdlib>

#include "app/hosts.h"
#include "app/main_window.h"
#include "skin/core/registry.h"
#include "skin/core/skin_engine.h"
#include "skin/core/skin_state.h"

namespace {
bool exitDone = false;
void AtExit() { ExitRoutine(); }
}  // namespace

bool StartApplication() {
    Skin = SkinEngine::Create();
    // The registry and the memory DC list start empty (static storage).
    std::atexit(AtExit);

    Gdiplus::GdiplusStartupInput input{};
    input.GdiplusVersion = 1;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok) GdiplusToken = token;

    HMODULE self = GetModuleHandleA(nullptr);
    AppIcon = LoadIconA(self, MAKEINTRESOURCEA(129));
    if (!AppIcon) AppIcon = LoadIconA(self, "DEFAULT_ICON");

    ResetSkinSettings();
    return GdiplusToken != 0;
}

void ExitRoutine() {
    if (exitDone) return;
    exitDone = true;
    if (Skin) Skin->Destroy();
    BlockListBytes.clear();
    BlockListBytes.shrink_to_fit();
    ReleaseSkinRegistry();
    OutputDebugStringA("VideoAdBlock: exit routine finished\n");
}

int RunApplication(HINSTANCE instance) {
    StartApplication();
    HWND window = CreateMainWindow(instance);
    if (!window) return 1;
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(window, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
