#include "app/main_window.h"

#include "app/decorate.h"
#include "app/hosts.h"

const char* const kMainWindowClass = "VideoAdBlockMain";
const char* const kTransparentLabelClass = "VideoAdBlockTransparentLabel";

namespace {

HFONT DesignFont() {
    // The design's font: 宋体 at 9 points (12 pixels).
    static HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "宋体");
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void ShowMessage(const std::string& text, const std::string& title, UINT type) {
    MessageBoxA(nullptr, text.c_str(), title.c_str(), type);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == kBlockButton && HIWORD(wParam) == BN_CLICKED) {
            BlockHosts(window, SystemHostsPath(), ShowMessage);
            return 0;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A label without a background of its own: it is transparent to painting
// (WS_EX_TRANSPARENT), so whatever its parent paints under it stays visible
// and only the text is drawn on top.
LRESULT CALLBACK TransparentLabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_SETFONT:
        SetPropA(window, "Label_Font", reinterpret_cast<HANDLE>(wParam));
        if (LOWORD(lParam)) InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(GetPropA(window, "Label_Font"));
    case WM_SETTEXT: {
        LRESULT r = DefWindowProcA(window, message, wParam, lParam);
        InvalidateRect(GetParent(window), nullptr, FALSE);
        return r;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        // Wide text: GDI's narrow text calls follow the font's charset, not
        // the program's UTF-8 code page.
        wchar_t text[256] = {};
        GetWindowTextW(window, text, 256);
        RECT r;
        GetClientRect(window, &r);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(GetPropA(window, "Label_Font")));
        DrawTextW(dc, text, -1, &r, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        SelectObject(dc, old);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_NCDESTROY:
        RemovePropA(window, "Label_Font");
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterClasses(HINSTANCE instance) {
    static bool registered = false;
    if (registered) return true;
    WNDCLASSEXA main{};
    main.cbSize = sizeof main;
    main.style = CS_DBLCLKS;
    main.lpfnWndProc = MainWindowProc;
    main.hInstance = instance;
    main.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    main.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    main.lpszClassName = kMainWindowClass;
    main.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(129));
    WNDCLASSEXA label{};
    label.cbSize = sizeof label;
    label.lpfnWndProc = TransparentLabelProc;
    label.hInstance = instance;
    label.hCursor = main.hCursor;
    label.lpszClassName = kTransparentLabelClass;
    registered = RegisterClassExA(&main) && RegisterClassExA(&label);
    return registered;
}

struct ControlDesign {
    int id;
    const char* text;
    int x, y, w, h;
};

// The radio buttons in the order they are created; the first starts the group.
const ControlDesign kRadios[] = {
    {kRadioAll, "全部", 24, 49, 80, 24},   {kRadioSohu, "搜狐", 120, 48, 80, 24},
    {kRadioYouku, "优酷", 24, 83, 80, 24}, {kRadioWole, "我乐网", 120, 83, 80, 24},
    {kRadioSina, "新浪", 24, 117, 80, 24}, {kRadioTudou, "土豆", 121, 114, 80, 24},
};

HWND AddControl(HWND parent, HINSTANCE instance, DWORD exStyle, const char* cls, DWORD style,
                const ControlDesign& d) {
    HWND h = CreateWindowExA(exStyle, cls, d.text, WS_CHILD | WS_VISIBLE | style, d.x, d.y, d.w, d.h, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(d.id)), instance, nullptr);
    SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(DesignFont()), FALSE);
    return h;
}

}  // namespace

HWND CreateMainWindow(HINSTANCE instance) {
    if (!RegisterClasses(instance)) return nullptr;
    // Frameless: the skin draws its own caption inside the client area, so
    // client coordinates are the design's.
    HWND window = CreateWindowExA(0, kMainWindowClass, "", WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX, 50, 50, 294, 186,
                                  nullptr, nullptr, instance, nullptr);
    if (!window) return nullptr;
    bool first = true;
    for (const ControlDesign& radio : kRadios) {
        AddControl(window, instance, 0, "BUTTON", BS_AUTORADIOBUTTON | (first ? WS_GROUP | WS_TABSTOP : 0), radio);
        first = false;
    }
    CheckRadioButton(window, kRadioYouku, kRadioTudou, kRadioAll);
    AddControl(window, instance, 0, "BUTTON", BS_PUSHBUTTON | BS_MULTILINE | WS_GROUP | WS_TABSTOP,
               {kBlockButton, "一键拦截", 216, 43, 64, 101});
    AddControl(window, instance, WS_EX_TRANSPARENT, kTransparentLabelClass, 0,
               {kCreditLabel, "感谢云杉阁论坛 ID:muyang  提供协议", 40, 152, 224, 24});
    DecorateMainWindow(window);
    return window;
}
