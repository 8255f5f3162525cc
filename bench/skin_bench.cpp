// Times the three paths of the window picture on the main window as the tool
// shows it: a full composition, a paint from the composed buffer, and one
// hover-fade step of a caption button.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/app.h"
#include "app/main_window.h"
#include "skin/core/registry.h"
#include "skin/core/skin_engine.h"
#include "skin/core/skin_state.h"

namespace {

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Median of `runs` timed calls; `gapMs` of idle time (not timed) between
// calls, as between the ticks of the 20 ms fade timer.
template <class Work>
double MedianMs(int runs, Work work, DWORD gapMs = 0) {
    std::vector<double> times;
    times.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        const double start = Now();
        work(i);
        times.push_back(Now() - start);
        if (gapMs) Sleep(gapMs);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(5, std::atoi(argv[1])) : 200;
    StartApplication();
    HWND window = CreateMainWindow(GetModuleHandleA(nullptr));
    if (!window) {
        std::fprintf(stderr, "the main window could not be created\n");
        return 1;
    }
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    Pump();
    const std::int32_t position = FindSkinnedWindow(window);
    if (position < 1) {
        std::fprintf(stderr, "the main window is not skinned\n");
        return 1;
    }

    // Copies to the screen are queued for the window system; each phase
    // starts once the previous one's queue has drained, so it pays only for
    // its own work.
    auto settle = [] {
        GdiFlush();
        Pump();
        Sleep(300);
    };
    HDC dc = GetDC(window);
    Skin->PaintWindow(position, dc);  // warm-up: decoders, fonts
    settle();
    const double full = MedianMs(runs, [&](int) { Skin->PaintWindow(position, dc); });
    settle();
    const double buffer = MedianMs(runs, [&](int) { Skin->PaintWindowFromBuffer(position, dc); });
    ReleaseDC(window, dc);
    settle();
    const std::int32_t close = SkinRegistry[position].CaptionButtons.Count();
    const double fade = MedianMs(
        runs, [&](int i) { Skin->PaintCaptionButton(position, close, nullptr, false, 0, 30 * (1 + i % 8)); }, 20);
    settle();
    const double fadeBackToBack = MedianMs(
        runs, [&](int i) { Skin->PaintCaptionButton(position, close, nullptr, false, 0, 30 * (1 + i % 8)); });
    settle();

    std::printf("skin_bench: main window %dx%d, %d runs each, median times\n", 294, 186, runs);
    std::printf("  %-28s %9.3f ms  (target 16 ms)\n", "PaintWindow (full)", full);
    std::printf("  %-28s %9.3f ms  (target 2 ms; 20 ms apart, as the timer runs)\n", "fade tick (caption button)",
                fade);
    std::printf("  %-28s %9.3f ms  (back to back)\n", "fade tick (caption button)", fadeBackToBack);
    std::printf("  %-28s %9.3f ms  (target 0.5 ms)\n", "PaintWindowFromBuffer", buffer);
    std::printf("  ratios: full / fade = %.1f, full / buffer = %.1f, fade / buffer = %.1f\n", full / fade,
                full / buffer, fade / buffer);
    DestroyWindow(window);
    Pump();
    return 0;
}
