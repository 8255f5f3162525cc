#pragma once
#include <windows.h>

#include <string>

// Writes the embedded trimming tool to %windir%\empty.exe when it is missing
// and runs it, hidden, on this process's id; waits for it on its own thread.
DWORD WINAPI MemoryTrimThread(void* unused);

// The path the tool is written to.
std::string MemoryTrimToolPath();
