// The window procedure of every skinned top-level window: keeps the window
// record in step with what the system does to the window, decides between
// recomposing and copying the picture, runs the caption buttons' hover fade
// and actions, and answers the control-colour messages so standard controls
// look translucent.
#include <shlwapi.h>

#include "app/memory_trim.h"
#include "skin/controls/buttons.h"
#include "skin/controls/framework.h"
#include "skin/core/background_snapshot.h"
#include "skin/core/registry.h"
#include "skin/core/skin_engine.h"
#include "skin/core/skin_state.h"

namespace {

constexpr UINT kFadeInterval = 20;  // ms per fade step
constexpr std::int32_t kFadeSteps = 8;
constexpr std::int32_t kFadeAlphaStep = 30;

std::int32_t XOf(LPARAM lParam) { return static_cast<std::int16_t>(LOWORD(lParam)); }
std::int32_t YOf(LPARAM lParam) { return static_cast<std::int16_t>(HIWORD(lParam)); }

UINT_PTR FadeTimerId(HWND window) { return reinterpret_cast<UINT_PTR>(window); }

// Copies a structure a message points to without trusting the pointer: the
// sender may hand anything, and a bad pointer must not take the window down.
template <class T>
bool SafeCopy(LPARAM lParam, T& copy) {
    if (!lParam) return false;
    SIZE_T read = 0;
    return ReadProcessMemory(GetCurrentProcess(), reinterpret_cast<const void*>(lParam), &copy, sizeof copy,
                             &read) &&
           read == sizeof copy;
}

bool InCaptionButtonStrip(const SkinnedWindow& w, LPARAM lParam) {
    const std::int32_t x = XOf(lParam), y = YOf(lParam);
    return x >= w.buttonStripLeft - 2 && x <= w.buttonStripLeft + w.buttonStripWidth && y >= 0 &&
           y <= w.buttonStripHeight;
}

// Screen size less the taskbar's height (whatever edge it is docked at).
SIZE WorkAreaSize() {
    SIZE size{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr)) {
        RECT r{};
        GetWindowRect(taskbar, &r);
        size.cy -= r.bottom - r.top;
    }
    return size;
}

LRESULT PatternBrushAnswer(HDC dc, HWND control) {
    SetTextColor(dc, static_cast<COLORREF>(GetIntProp(control, "Kj_Ztys")));
    SetBkMode(dc, TRANSPARENT);
    DeleteObject(GetPropA(control, "Kj_dxjb"));
    DeleteObject(GetPropA(control, "Kj_wtjb"));
    HBITMAP background = ControlBackgroundBitmap(control);
    HBRUSH brush = background ? CreatePatternBrush(background) : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    SetPropA(control, "Kj_dxjb", brush);
    SetPropA(control, "Kj_wtjb", background);
    return reinterpret_cast<LRESULT>(brush);
}

LRESULT HollowBrushAnswer(HDC dc, HWND control) {
    SetTextColor(dc, static_cast<COLORREF>(GetIntProp(control, "Kj_Ztys")));
    SetBkMode(dc, TRANSPARENT);
    DeleteObject(GetPropA(control, "Kj_dxjb"));
    HGDIOBJ brush = GetStockObject(NULL_BRUSH);
    SetPropA(control, "Kj_dxjb", brush);
    return reinterpret_cast<LRESULT>(brush);
}

// Edits, list boxes and combo boxes repaint their translucent background
// when their content scrolls or changes.
void InvalidateOnCommand(WPARAM wParam, LPARAM lParam) {
    HWND control = reinterpret_cast<HWND>(lParam);
    if (!control) return;
    const std::string cls = ClassNameOf(control);
    const WORD code = HIWORD(wParam);
    bool invalidate = false;
    if (cls == "Edit") invalidate = code == EN_VSCROLL || code == EN_HSCROLL || code == EN_CHANGE || code == EN_UPDATE;
    else if (cls == "ListBox") invalidate = code == LBN_SELCHANGE || code == LBN_SELCANCEL;
    else if (cls == "ComboBox") invalidate = code == CBN_KILLFOCUS || code == CBN_SELCHANGE;
    if (invalidate) InvalidateRect(control, nullptr, TRUE);
}

void OnMouseMove(SkinEngine& skin, std::int32_t index, LPARAM lParam) {
    SkinnedWindow* w = SkinnedWindowAt(index);
    if (!w) return;
    HWND window = w->hwnd;
    RECT client{};
    GetClientRect(window, &client);
    if (!w->mouseInside) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_HOVER | TME_LEAVE, window, 1};
        TrackMouseEvent(&track);
    }
    if (!w->hasCaption) return;
    if (InCaptionButtonStrip(*w, lParam)) {
        if (!w->fadeTimerRunning) {
            SetTimer(window, FadeTimerId(window), kFadeInterval, nullptr);
            w->fadeTimerRunning = 1;
        }
    } else {
        w->fadeTimerRunning = 0;  // the next tick stops the timer
    }
    skin.pointerCaptionButton = skin.HitTestCaptionButton(index, XOf(lParam), YOf(lParam));
    if (w->hotCaptionButton >= 1 && w->hotCaptionButton != skin.pointerCaptionButton) {
        if (w->fadeOut.step < kFadeSteps) skin.PaintCaptionButton(index, w->fadeOut.button, nullptr, false, 0, 0);
        w->fadeOut = FadeState{w->hotCaptionButton, 0};
    }
    if (skin.pointerCaptionButton >= 1 && w->hotCaptionButton != skin.pointerCaptionButton)
        w->fadeIn = FadeState{skin.pointerCaptionButton, 0};
    w->hotCaptionButton = skin.pointerCaptionButton;
    if (!w->maximized) skin.CaptionMouseMove(index, lParam, client);
}

void FadeTick(SkinEngine& skin, std::int32_t index) {
    SkinnedWindow* w = SkinnedWindowAt(index);
    if (!w) return;
    if (w->fadeIn.button >= 1 && w->fadeIn.step <= kFadeSteps - 1) {
        ++w->fadeIn.step;
        skin.PaintCaptionButton(index, w->fadeIn.button, nullptr, false, 0, w->fadeIn.step * kFadeAlphaStep);
    }
    if (w->fadeOut.button >= 1 && w->fadeOut.step <= kFadeSteps - 1) {
        ++w->fadeOut.step;
        skin.PaintCaptionButton(index, w->fadeOut.button, nullptr, false, 0,
                           kFadeSteps * kFadeAlphaStep - w->fadeOut.step * kFadeAlphaStep);
    }
    if (w->mouseInside && w->fadeTimerRunning) return;
    if (w->fadeOut.step > kFadeSteps - 1 || w->fadeOut.button == 0) {
        w->fadeTimerRunning = 0;
        KillTimer(w->hwnd, FadeTimerId(w->hwnd));
        w->hotCaptionButton = 0;
        w->fadeIn = FadeState{};
        w->fadeOut = FadeState{};
    }
}

}  // namespace

LRESULT SkinEngine::SkinnedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto previous = reinterpret_cast<WNDPROC>(GetPropA(window, "Hw_hProc"));
    auto passOn = [&]() {
        return previous ? CallWindowProcA(previous, window, message, wParam, lParam)
                        : DefWindowProcA(window, message, wParam, lParam);
    };
    auto index = static_cast<std::int32_t>(GetIntProp(window, "Hw_lbID"));
    SkinnedWindow* w = SkinnedWindowAt(index);
    if (!w || w->hwnd != window) return passOn();

    switch (message) {
    case WM_QUIT:
        ShutdownGdiplusOnce();
        break;
    case WM_NCDESTROY:
        RemoveSkinnedWindow(window);
        KillTimer(window, FadeTimerId(window));
        break;
    case WM_SHOWWINDOW:
        if (wParam == 1) {
            if (w->minimized) {
                w->minimized = 0;
            } else {
                PAINTSTRUCT ps{};
                HDC dc = BeginPaint(window, &ps);
                PaintWindow(index, dc);
                EndPaint(window, &ps);
            }
        }
        break;
    case WM_ERASEBKGND:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC dc = BeginPaint(window, &ps);
        if (!w->minimized) {
            if (w->backgroundDirty) {
                PaintWindow(index, dc);
                if (SkinnedWindow* again = SkinnedWindowAt(index)) again->backgroundDirty = 0;
            } else {
                PaintWindowFromBuffer(index, dc);
            }
        }
        EndPaint(window, &ps);
        return DefWindowProcA(window, message, wParam, lParam);
    }
    case WM_LBUTTONDBLCLK:
        if (YOf(lParam) <= w->captionHeight && w->resizable) {
            if (std::int32_t k = FindMaximizeButton(index)) ClickCaptionButton(index, k);
        }
        break;
    case WM_MOUSEMOVE:
        OnMouseMove(*this, index, lParam);
        break;
    case WM_MOUSEHOVER:
        w->mouseInside = 1;
        break;
    case WM_MOUSELEAVE:
        w->mouseInside = 0;
        if (w->hotCaptionButton >= 1 && w->hasCaption) {
            if (w->fadeOut.step <= 7 && w->fadeIn.step <= 7) {
                PaintCaptionButton(index, w->fadeOut.button, nullptr, false, 0, std::nullopt);
                w->fadeIn = FadeState{};
            }
            w->fadeOut = FadeState{w->hotCaptionButton, 0};
            w->hotCaptionButton = 0;
        }
        break;
    case WM_TIMER:
        if (wParam == FadeTimerId(window)) FadeTick(*this, index);
        break;
    case WM_GETMINMAXINFO:
        if (auto* info = reinterpret_cast<MINMAXINFO*>(lParam)) {
            const SIZE largest = w->maximized ? WorkAreaSize() : SIZE{w->maxTrackWidth, w->maxTrackHeight};
            info->ptMinTrackSize = POINT{w->minTrackWidth, w->minTrackHeight};
            info->ptMaxTrackSize = POINT{largest.cx, largest.cy};
        }
        break;
    case WM_WINDOWPOSCHANGED: {
        if (w->showMaximizeButton == 1) {
            RECT client{};
            GetClientRect(window, &client);
            if (client.right == GetSystemMetrics(SM_CXSCREEN) && client.bottom == GetSystemMetrics(SM_CYSCREEN)) {
                const SIZE area = WorkAreaSize();
                w->maximized = 1;
                SetWindowPos(window, nullptr, 0, 0, area.cx, area.cy, SWP_NOZORDER | SWP_NOOWNERZORDER);
            }
        }
        LayoutCaption(index);
        if (SkinnedWindow* again = SkinnedWindowAt(index); again && again->statusBarHeight > 0) LayoutStatusBar(index);
        break;
    }
    case WM_SIZE:
        w->hotCaptionButton = 0;
        if (FirstSizePending) {
            w->backgroundDirty = 0;
            FirstSizePending = 0;
        } else {
            w->backgroundDirty = 1;
        }
        ResizeChildren(index);
        break;
    case WM_LBUTTONDOWN: {
        RECT client{};
        GetClientRect(window, &client);
        w->fadeIn.button = 0;
        if (w->hasCaption) {
            if (!w->maximized && !w->minimized) {
                CaptionMouseDown(index, lParam, client);
                // A drag or resize runs a modal loop; other windows may have
                // been removed meanwhile, so look the record up again.
                index = static_cast<std::int32_t>(GetIntProp(window, "Hw_lbID"));
                w = SkinnedWindowAt(index);
                if (!w || w->hwnd != window) return passOn();
            }
            pointerCaptionButton = HitTestCaptionButton(index, XOf(lParam), YOf(lParam));
            if (pointerCaptionButton > 0) PaintCaptionButton(index, pointerCaptionButton, nullptr, false, 1, std::nullopt);
        }
        break;
    }
    case WM_LBUTTONUP:
        if (pointerCaptionButton > 0 && pointerCaptionButton <= w->CaptionButtons.Count() && w->hasCaption)
            ClickCaptionButton(index, pointerCaptionButton);
        break;
    case WM_SYSCOMMAND:
        if (wParam == SC_MAXIMIZE) {
            w->maximized = 1;
            w->backgroundDirty = 1;
        } else if (wParam == SC_RESTORE) {
            w->backgroundDirty = 1;
            w->minimized = 0;
        } else if (wParam == SC_MINIMIZE) {
            w->backgroundDirty = 1;
            w->minimized = 1;
        }
        break;
    case WM_QUERYOPEN:
        w->minimized = 0;
        break;
    case WM_SETTEXT:
        if (w->showTitle && w->hasCaption) {
            const char* text = reinterpret_cast<const char*>(lParam);
            RedrawCaptionText(index, nullptr, false, std::string(text ? text : ""));
        }
        break;
    case WM_DRAWITEM: {
        DRAWITEMSTRUCT item{};
        if (SafeCopy(lParam, item)) DrawItemDispatch(index, item);
        break;
    }
    case WM_CTLCOLOREDIT: {
        HWND edit = reinterpret_cast<HWND>(lParam);
        if (ClassNameOf(GetParent(edit)) != "ComboBox" && SkinControls && ControlsTranslucent)
            return PatternBrushAnswer(reinterpret_cast<HDC>(wParam), edit);
        break;
    }
    case WM_CTLCOLORSTATIC:
        if (SkinControls && ControlsTranslucent)
            return PatternBrushAnswer(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        break;
    case WM_CTLCOLORLISTBOX: {
        HWND list = reinterpret_cast<HWND>(lParam);
        if (SkinControls && ClassNameOf(list) == "ListBox" && !IsOwnerDrawListBox(list) && ControlsTranslucent)
            return HollowBrushAnswer(reinterpret_cast<HDC>(wParam), list);
        break;
    }
    case WM_CTLCOLORBTN:
        if (SkinControls && ControlsTranslucent)
            return HollowBrushAnswer(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        break;
    case WM_ACTIVATEAPP:
        // Another application is being activated: a good moment to give the
        // working set back. The thread waits for the trimming tool itself.
        if (wParam == 0) SHCreateThread(MemoryTrimThread, nullptr, 0, nullptr);
        break;
    case WM_COMMAND:
        if (ControlsTranslucent && SkinControls) InvalidateOnCommand(wParam, lParam);
        break;
    case WM_NOTIFY: {
        NMHDR header{};
        if (SafeCopy(lParam, header) &&
            (static_cast<int>(header.code) == -406 || static_cast<int>(header.code) == -405))
            InvalidateRect(header.hwndFrom, nullptr, TRUE);
        break;
    }
    default:
        break;
    }
    return passOn();
}

void SkinEngine::ClickCaptionButton(std::int32_t windowIndex, std::int32_t button) {
    SkinnedWindow* w = SkinnedWindowAt(windowIndex);
    if (!w || !w->CaptionButtons.Contains(button)) return;
    HWND window = w->hwnd;
    switch (w->CaptionButtons[button].kind) {
    case kCloseButton:
        SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case kMaximizeButton:
        w->backgroundDirty = 1;
        w->minimized = 0;
        if (w->maximized) {
            w->maximized = 0;
            SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        } else {
            w->maximized = 1;
            SendMessageA(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        }
        break;
    case kMinimizeButton:
        w->minimized = 1;
        SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        break;
    case kMenuButton:
        if (w->menuHandler) w->menuHandler();
        break;
    case kHelpButton:
        if (w->helpHandler) w->helpHandler();
        break;
    case kCustomButton:
        if (Handler h = w->CaptionButtons[button].handler) h();
        break;
    default:
        break;
    }
}
