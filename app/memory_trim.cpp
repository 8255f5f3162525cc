#include "app/memory_trim.h"

#include <vector>

#include "app/resource_bytes.h"
#include "resources/resource_ids.h"

std::string MemoryTrimToolPath() {
    char windir[MAX_PATH] = {};
    DWORD n = GetEnvironmentVariableA("windir", windir, sizeof windir);
    if (n == 0 || n >= sizeof windir) windir[0] = 0;
    return std::string(windir) + "\\empty.exe";
}

DWORD WINAPI MemoryTrimThread(void*) {
    const std::string path = MemoryTrimToolPath();
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        std::vector<std::uint8_t> tool = LoadResourceBytes(IDR_TRIM_TOOL);
        // CREATE_NEW: another trimming thread may be writing it right now.
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD done = 0;
            BOOL ok = WriteFile(file, tool.data(), static_cast<DWORD>(tool.size()), &done, nullptr);
            CloseHandle(file);
            // A half-written tool would be started by every later run.
            if (!ok || done != tool.size()) DeleteFileA(path.c_str());
        }
    }
    std::string command = path + " " + std::to_string(GetCurrentProcessId());
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process{};
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    return 0;
}
