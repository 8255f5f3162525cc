#pragma once
#include <windows.h>

// Control identifiers of the main window; the radio buttons carry the number
// of their design name (单选框1 … 单选框6).
enum MainWindowControl : int {
    kRadioYouku = 1001,  // 单选框1 "优酷"
    kRadioSina = 1002,   // 单选框2 "新浪"
    kRadioSohu = 1003,   // 单选框3 "搜狐"
    kRadioWole = 1004,   // 单选框4 "我乐网"
    kRadioAll = 1005,    // 单选框5 "全部"
    kRadioTudou = 1006,  // 单选框6 "土豆"
    kBlockButton = 1100, // 按钮1 "一键拦截"
    kCreditLabel = 1200, // 透明标签1
};

extern const char* const kMainWindowClass;
extern const char* const kTransparentLabelClass;

// Registers the window classes (once) and creates the main window with its
// controls, hidden. The window-created handler has run when this returns.
HWND CreateMainWindow(HINSTANCE instance);
