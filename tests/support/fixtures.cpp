#include "tests/support/fixtures.h"

#include <cstdio>

namespace test_support {

namespace {
ULONG_PTR gdiplusToken = 0;

std::string Env(const char* name) {
    char buffer[MAX_PATH * 2] = {};
    DWORD n = GetEnvironmentVariableA(name, buffer, sizeof buffer);
    return n && n < sizeof buffer ? std::string(buffer) : std::string();
}

// CTest hands Unix paths; Wine maps the Unix root to drive Z:.
std::string ToWindowsPath(std::string path) {
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

void RemoveTree(const std::string& dir) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = dir + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(dir.c_str());
}

LRESULT CALLBACK TestWindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }
}  // namespace

void SetTestGdiplusToken(ULONG_PTR token) { gdiplusToken = token; }
ULONG_PTR TestGdiplusToken() { return gdiplusToken; }
void ForgetTestGdiplusToken() { gdiplusToken = 0; }

std::string ScratchDir(const std::string& name) {
    std::string bin = Env("TEST_BIN");
    std::string root = bin.empty() ? std::string("test-tmp") : ToWindowsPath(bin + "/../test-tmp");
    CreateDirectoryA(root.c_str(), nullptr);
    std::string dir = root + "\\" + name;
    RemoveTree(dir);
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return bytes;
    for (int c; (c = std::fgetc(f)) != EOF;) bytes.push_back(static_cast<std::uint8_t>(c));
    std::fclose(f);
    return bytes;
}

void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

HWND CreateTestWindow(DWORD style, int w, int h, HWND parent) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA cls{};
        cls.style = CS_DBLCLKS;
        cls.lpfnWndProc = TestWindowProc;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        cls.lpszClassName = "SkinTestWindow";
        RegisterClassA(&cls);
        registered = true;
    }
    return CreateWindowExA(0, "SkinTestWindow", "Test", style, 100, 100, w, h, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

HWND CreateChild(HWND parent, const char* cls, DWORD style, int x, int y, int w, int h, const char* text) {
    return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace test_support
