// Empties the working set of a process given by id, or of every process with
// a given image name. Usage: empty.exe {pid | task-name}
#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

int Usage() {
    std::fputs("USAGE: empty.exe {pid | task-name}\n", stdout);
    return 1;
}

bool TrimProcess(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_SET_QUOTA | PROCESS_QUERY_INFORMATION, FALSE, pid);
    if (!process) return false;
    // (SIZE_T)-1 for both limits asks the system to empty the working set.
    BOOL ok = SetProcessWorkingSetSize(process, static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
    CloseHandle(process);
    return ok != FALSE;
}

bool ParsePid(const char* text, DWORD& pid) {
    if (!*text || std::strlen(text) > 10) return false;
    unsigned long long value = 0;
    for (const char* p = text; *p; ++p) {
        if (*p < '0' || *p > '9') return false;
        value = value * 10 + static_cast<unsigned>(*p - '0');
    }
    if (value == 0 || value > 0xFFFFFFFFull) return false;
    pid = static_cast<DWORD>(value);
    return true;
}

// Image names compare without case, and "notepad" matches "notepad.exe".
bool SameTask(const char* image, const std::string& wanted) {
    if (lstrcmpiA(image, wanted.c_str()) == 0) return true;
    return lstrcmpiA(image, (wanted + ".exe").c_str()) == 0;
}

int TrimByName(const std::string& name) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "Cannot list processes (error %lu).\n", GetLastError());
        return 2;
    }
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int found = 0, failed = 0;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (!SameTask(entry.szExeFile, name)) continue;
        ++found;
        if (!TrimProcess(entry.th32ProcessID)) {
            ++failed;
            std::fprintf(stderr, "Cannot empty the working set of process %lu (error %lu).\n",
                         entry.th32ProcessID, GetLastError());
        }
    }
    CloseHandle(snapshot);
    if (!found) {
        std::fprintf(stderr, "No process named %s.\n", name.c_str());
        return 2;
    }
    return failed ? 2 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 || !argv[1][0]) return Usage();
    DWORD pid = 0;
    if (ParsePid(argv[1], pid)) {
        if (TrimProcess(pid)) return 0;
        std::fprintf(stderr, "Cannot empty the working set of process %lu (error %lu).\n", pid, GetLastError());
        return 2;
    }
    if (std::strspn(argv[1], "0123456789") == std::strlen(argv[1])) return Usage();  // 0 or out of range
    return TrimByName(argv[1]);
}
