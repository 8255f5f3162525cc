// One GDI+ session per test process, as the program itself has.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
#include <gtest/gtest.h>

#include "tests/support/fixtures.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    Gdiplus::GdiplusStartupInput input{};
    input.GdiplusVersion = 1;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) {
        std::fprintf(stderr, "GDI+ did not start\n");
        return 2;
    }
    test_support::SetTestGdiplusToken(token);
    int result = RUN_ALL_TESTS();
    if (test_support::TestGdiplusToken()) Gdiplus::GdiplusShutdown(token);
    return result;
}
