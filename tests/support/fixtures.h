#pragma once
// Shared helpers of the test programs.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace test_support {

void SetTestGdiplusToken(ULONG_PTR token);
// 0 once a test has shut GDI+ down through the program's own code.
ULONG_PTR TestGdiplusToken();
void ForgetTestGdiplusToken();

// A fresh, empty folder under build/test-tmp for one test, as a Windows path.
std::string ScratchDir(const std::string& name);

std::vector<std::uint8_t> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> Bytes(const std::string& text);

// A plain top-level test window of a registered test class; destroyed by
// the caller.
HWND CreateTestWindow(DWORD style = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX, int w = 294, int h = 186,
                      HWND parent = nullptr);
HWND CreateChild(HWND parent, const char* cls, DWORD style, int x, int y, int w, int h, const char* text = "");

// Runs the message loop until no message is waiting.
void PumpMessages();

}  // namespace test_support
