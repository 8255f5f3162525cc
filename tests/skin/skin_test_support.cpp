#include "tests/skin/skin_test_support.h"

#include <cstdlib>

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include "gdiplus/gdiplus_layer.h"

namespace skin_test {

namespace {

const char* const kClass = "SkinTestRecordingWindow";

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Seen().push_back(SeenMessage{window, message, wParam});
    // A drag or a resize from DefWindowProc would run a modal loop waiting
    // for the real mouse button; the tests only need to see the request.
    if (message == WM_NCLBUTTONDOWN && wParam == HTCAPTION) return 0;
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_SIZE) return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void StartSkin() {
    if (!::Skin) ::Skin = SkinEngine::Create();
    ResetSkinSettings();
    ControlsTranslucent = 0;
    BackgroundMode = 0;
    BackgroundImage.clear();
    BackgroundColour = GetSysColor(COLOR_BTNFACE);
}

std::vector<SeenMessage>& Seen() {
    static std::vector<SeenMessage> seen;
    return seen;
}

bool SawMessage(HWND window, UINT message, std::optional<WPARAM> wParam) {
    for (const SeenMessage& m : Seen())
        if (m.window == window && m.message == message && (!wParam || m.wParam == *wParam)) return true;
    return false;
}

HWND CreateRecordingWindow(DWORD style, int width, int height, bool show, int x, int y) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA cls{};
        cls.style = CS_DBLCLKS;
        cls.lpfnWndProc = RecordingProc;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        cls.lpszClassName = kClass;
        registered = RegisterClassA(&cls) != 0;
    }
    RECT r{0, 0, width, height};
    AdjustWindowRectEx(&r, style, FALSE, 0);
    HWND window = CreateWindowExA(0, kClass, "Skin test", style, x, y, r.right - r.left, r.bottom - r.top, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    if (show) ShowWindow(window, SW_SHOWNOACTIVATE);
    Pump();
    return window;
}

void DestroyTestWindow(HWND window) {
    if (!IsWindow(window)) return;
    RECT r{};
    GetWindowRect(window, &r);
    if (IsZoomed(window) || IsIconic(window)) ShowWindow(window, SW_RESTORE);
    if (r.right - r.left >= GetSystemMetrics(SM_CXSCREEN) || r.bottom - r.top >= GetSystemMetrics(SM_CYSCREEN))
        SetWindowPos(window, nullptr, 0, 0, 100, 100, SWP_NOZORDER | SWP_NOACTIVATE);
    DestroyWindow(window);
}

std::int32_t AttachSkin(HWND window, const SkinOptions& o) {
    ::Skin->SkinWindow(window, o.captionHeight, o.hasCaption, o.resizable, o.help, o.menu, o.showTitle, o.gloss,
                       o.statusBarHeight, o.items, o.image, o.mode);
    return FindSkinnedWindow(window);
}

SkinnedWindow& Record(std::int32_t position) { return SkinRegistry[position]; }

namespace {
ByteSet EncodePng(Bitmap& bitmap) {
    ByteSet png = bitmap.SaveImageToBytes(kPngFormat);
    bitmap.DisposeImage();
    return png;
}
}  // namespace

ByteSet SolidPng(int width, int height, std::uint32_t argb) { return TwoColourPng(width, height, argb, argb); }

ByteSet TwoColourPng(int width, int height, std::uint32_t left, std::uint32_t right) {
    Bitmap bitmap;
    bitmap.CreateBlankBitmap(width, height, PixelFormat32bppARGB);
    Graphics graphics;
    graphics.GetImageGraphicsContext(bitmap);
    SolidBrush a, b;
    a.CreateSolidFill(left);
    b.CreateSolidFill(right);
    graphics.FillRectangle(a, 0.0f, 0.0f, width / 2.0f, static_cast<float>(height));
    graphics.FillRectangle(b, width / 2.0f, 0.0f, width - width / 2.0f, static_cast<float>(height));
    a.DeleteBrush();
    b.DeleteBrush();
    graphics.DeleteGraphics();
    return EncodePng(bitmap);
}

COLORREF BufferPixel(std::int32_t position, int x, int y) {
    return GetPixel(SkinRegistry[position].windowBuffer, x, y) & 0xFFFFFF;
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

int Brightness(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); }

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

namespace {

int RunningTrimTools() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int running = 0;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (lstrcmpiA(entry.szExeFile, "empty.exe") == 0 && entry.th32ParentProcessID == GetCurrentProcessId())
            ++running;
    CloseHandle(snapshot);
    return running;
}

}  // namespace

bool WaitForTrimTools(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (RunningTrimTools() > 0) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(50);
    }
    return true;
}

LPARAM Point(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

}  // namespace skin_test
