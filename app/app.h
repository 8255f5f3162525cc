#pragma once
#include <windows.h>

// Start-up: the skin object, registry, GDI+, icon and settings, in that
// order, with the exit routine registered. Returns false when GDI+ could not
// be started (painting then fails silently; the tool still works).
bool StartApplication();

// The exit routine; runs its work once however often it is called.
void ExitRoutine();

// Start-up, main window, message loop. Returns the process exit code.
int RunApplication(HINSTANCE instance);
