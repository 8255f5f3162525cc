#include "app/memory_trim.h"

#include <atomic>
#include <vector>

#include "app/resource_bytes.h"
#include "resources/resource_ids.h"

namespace {

// Trimming threads that have not finished yet. A process that ends while one
// of them is starting the tool can leave the tool half-started (Wine then
// keeps it hanging forever), so the end of the process waits for them a
// little.
std::atomic<int> trimsInFlight{0};

struct WaitForTrimsAtExit {
    ~WaitForTrimsAtExit() {
        for (int waited = 0; trimsInFlight.load() > 0 && waited < 5000; waited += 10) Sleep(10);
    }
} waitForTrimsAtExit;

struct InFlight {
    InFlight() { ++trimsInFlight; }
    ~InFlight() { --trimsInFlight; }
    InFlight(const InFlight&) = delete;
    InFlight& operator=(const InFlight&) = delete;
};

}  // namespace

std::string MemoryTrimToolPath() {
    char windir[MAX_PATH] = {};
    DWORD n = GetEnvironmentVariableA("windir", windir, sizeof windir);
    if (n == 0 || n >= sizeof windir) windir[0] = 0;
    return std::string(windir) + "\\empty.exe";
}

DWORD WINAPI MemoryTrimThread(void*) {
    InFlight inFlight;
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
