#pragma once
#include <windows.h>

// The main window's window-created handler: configures the skin, attaches it
// to the window and sets the caption from its stored form.
void DecorateMainWindow(HWND window);
