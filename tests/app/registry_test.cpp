#include <gtest/gtest.h>

#include "skin/core/registry.h"
#include "skin/core/skin_engine.h"
#include "skin/core/skin_state.h"
#include "tests/support/fixtures.h"

using test_support::CreateChild;
using test_support::CreateTestWindow;

namespace {

// Registers a window with one button and one component by hand, the way the
// attaching code fills a record.
HWND RegisterWindowWithControls(HWND& button, HWND& label) {
    HWND w = CreateTestWindow();
    button = CreateChild(w, "BUTTON", BS_PUSHBUTTON, 0, 0, 10, 10);
    label = CreateChild(w, "STATIC", 0, 0, 20, 10, 10);
    SkinnedWindow record;
    record.hwnd = w;
    record.Buttons[1].hwnd = button;
    record.Components[1].hwnd = label;
    int pos = AddSkinnedWindow(record);
    SetIntProp(w, "Hw_lbID", pos);
    SetIntProp(button, "Hw_FuID", pos);
    SetIntProp(label, "Kj_FuID", pos);
    return w;
}

TEST(OneBasedList, StartsWithOneEmptyElementThatTheFirstRegistrationFills) {
    OneBasedList<ControlRecord> list;
    EXPECT_EQ(list.Count(), 1);
    auto isEmpty = [](const ControlRecord& r) { return r.hwnd == nullptr; };
    EXPECT_EQ(list.Register(isEmpty), 1);
    list[1].hwnd = reinterpret_cast<HWND>(1);
    EXPECT_EQ(list.Register(isEmpty), 2);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.At(0), nullptr);
    EXPECT_EQ(list.At(3), nullptr);
    OneBasedList<ControlRecord> empty{OneBasedList<ControlRecord>::StartEmpty{}};
    EXPECT_EQ(empty.Count(), 0);
}

TEST(Registry, RemovingTheSecondOfThreeRenumbersTheThird) {
    HWND b1, l1, b2, l2, b3, l3;
    HWND w1 = RegisterWindowWithControls(b1, l1);
    HWND w2 = RegisterWindowWithControls(b2, l2);
    HWND w3 = RegisterWindowWithControls(b3, l3);
    int base = FindSkinnedWindow(w1);
    ASSERT_GE(base, 1);
    ASSERT_EQ(FindSkinnedWindow(w3), base + 2);

    RemoveSkinnedWindow(w2);
    EXPECT_EQ(FindSkinnedWindow(w2), 0);
    EXPECT_EQ(FindSkinnedWindow(w3), base + 1);
    EXPECT_EQ(GetIntProp(w3, "Hw_lbID"), base + 1);
    EXPECT_EQ(GetIntProp(b3, "Hw_FuID"), base + 1);
    EXPECT_EQ(GetIntProp(l3, "Kj_FuID"), base + 1);
    EXPECT_EQ(GetIntProp(w1, "Hw_lbID"), base);

    RemoveSkinnedWindow(w1);
    RemoveSkinnedWindow(w3);
    for (HWND w : {w1, w2, w3}) DestroyWindow(w);
}

TEST(Registry, FindSkinnedAncestorAndContainer) {
    HWND top = CreateTestWindow();
    HWND group = CreateChild(top, "BUTTON", BS_GROUPBOX, 0, 0, 100, 100);
    HWND inner = CreateChild(group, "BUTTON", BS_PUSHBUTTON, 5, 5, 10, 10);
    EXPECT_EQ(FindSkinnedAncestor(inner), 0) << "no skinned ancestor yet";

    SkinnedWindow record;
    record.hwnd = top;
    record.Containers[1].hwnd = group;
    int pos = AddSkinnedWindow(record);
    EXPECT_EQ(FindSkinnedAncestor(inner), pos);
    EXPECT_EQ(FindSkinnedAncestor(group), pos);
    EXPECT_EQ(FindSkinnedAncestor(top), 0) << "the window itself is not tested";
    EXPECT_EQ(FindContainer(pos, group), 1);
    EXPECT_EQ(FindContainer(pos, inner), 0);
    EXPECT_EQ(FindContainer(pos + 5, group), 0) << "positions outside the registry find nothing";
    RemoveSkinnedWindow(top);
    DestroyWindow(top);
}

TEST(MemoryDcList, AddReplaceAndRelease) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP first = CreateCompatibleBitmap(screen, 4, 4);
    HBITMAP second = CreateCompatibleBitmap(screen, 4, 4);
    HGDIOBJ original = SelectObject(dc, first);
    int before = MemoryDcList.Count();

    AddMemoryDc(dc, first, original);
    SelectObject(dc, second);
    AddMemoryDc(dc, second, original);  // same DC: replaces, does not add
    EXPECT_EQ(MemoryDcList.Count(), before + 1);
    EXPECT_EQ(MemoryDcList[MemoryDcList.Count()].bitmap, second);

    EXPECT_EQ(ReleaseMemoryDc(dc), 1);
    EXPECT_EQ(MemoryDcList.Count(), before);
    // The selected bitmap was deleted with the DC; the other one is ours.
    EXPECT_EQ(GetObjectType(second), 0u);
    EXPECT_EQ(GetObjectType(dc), 0u);
    EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_BITMAP));
    EXPECT_EQ(ReleaseMemoryDc(dc), 0) << "an unlisted DC is not released";
    DeleteObject(first);
    ReleaseDC(nullptr, screen);
}

TEST(SkinEngine, SlotsAreReachableByNumber) {
    SkinEngine* engine = SkinEngine::Create();
    BackgroundColour = 0x123456;
    EXPECT_EQ((CallSlot<COLORREF>(engine, 40)), 0x123456u);

    // Slot 38 lays children out from childLayout; the empty first entry moves nothing.
    HWND w = CreateTestWindow(WS_POPUP, 300, 200);
    HWND child = CreateChild(w, "STATIC", 0, 7, 9, 10, 10);
    SkinnedWindow record;
    record.hwnd = w;
    int pos = AddSkinnedWindow(record);
    CallSlot<void, std::int32_t>(engine, 38, pos);
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, w, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 7);
    SkinRegistry[pos].childLayout[1] = {child, 30};
    CallSlot<void, std::int32_t>(engine, 38, pos);
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, w, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.top, 30);
    RECT client;
    GetClientRect(w, &client);
    EXPECT_EQ(r.right - r.left, client.right - 4);
    EXPECT_EQ(r.bottom - r.top, client.bottom - 30 - 3);
    RemoveSkinnedWindow(w);
    DestroyWindow(w);

    SkinEngine* copy = engine->Copy();
    EXPECT_EQ(copy->windowProcEntry, engine->windowProcEntry);
    // Destroy also shuts GDI+ down; the test's session is not the engine's.
    ULONG_PTR token = GdiplusToken;
    GdiplusToken = 0;
    copy->Destroy();
    engine->Destroy();
    GdiplusToken = token;
}

// Records the FPU control word the window's own procedure runs with.
unsigned short wordSeenByProcedure = 0;
LRESULT CALLBACK RecordingProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_NULL) __asm__ __volatile__("fnstcw %0" : "=m"(wordSeenByProcedure));
    return DefWindowProcA(w, m, wp, lp);
}

TEST(SkinEngine, EntryRunsTheCallWithACleanFpuAndRestoresTheCallersWord) {
    SkinEngine* saved = Skin;
    Skin = SkinEngine::Create();
    HWND w = CreateTestWindow();
    SkinnedWindow record;
    record.hwnd = w;
    int pos = AddSkinnedWindow(record);
    SetIntProp(w, "Hw_lbID", pos);
    SetPropA(w, "Hw_hProc", reinterpret_cast<HANDLE>(RecordingProc));
    SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Skin->windowProcEntry));

    unsigned short word = 0x0C7F, after = 0;  // a caller's unusual rounding mode
    __asm__ __volatile__("fldcw %0" : : "m"(word));
    SendMessageA(w, WM_NULL, 0, 0);
    __asm__ __volatile__("fnstcw %0" : "=m"(after));
    unsigned short standard = 0x037F;
    __asm__ __volatile__("fldcw %0" : : "m"(standard));
    EXPECT_EQ(after, word);
    EXPECT_EQ(wordSeenByProcedure, 0x037F) << "the call itself runs with the default control word";

    DestroyWindow(w);  // WM_NCDESTROY removes the record
    EXPECT_EQ(FindSkinnedWindow(w), 0);
    ULONG_PTR token = GdiplusToken;
    GdiplusToken = 0;
    Skin->Destroy();
    GdiplusToken = token;
    Skin = saved;
}

}  // namespace
