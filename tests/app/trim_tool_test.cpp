#include <gtest/gtest.h>

#include <string>

#include "app/memory_trim.h"
#include "app/resource_bytes.h"
#include "resources/resource_ids.h"
#include "tests/support/fixtures.h"

namespace {

struct ToolRun {
    DWORD exitCode = 0;
    std::string output;
};

// Runs the built trimming tool with a command line and captures stdout.
ToolRun RunTool(const std::string& arguments) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    CreatePipe(&readEnd, &writeEnd, &inherit, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    std::string dir(exe);
    dir.resize(dir.find_last_of('\\'));
    std::string line = "\"" + dir + "\\empty.exe\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = writeEnd;
    PROCESS_INFORMATION pi{};
    ToolRun run;
    run.exitCode = 0xFFFFFFFF;
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi)) {
        CloseHandle(writeEnd);
        writeEnd = nullptr;
        char buffer[512];
        DWORD n = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &n, nullptr) && n) run.output.append(buffer, n);
        WaitForSingleObject(pi.hProcess, INFINITE);
        GetExitCodeProcess(pi.hProcess, &run.exitCode);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    if (writeEnd) CloseHandle(writeEnd);
    CloseHandle(readEnd);
    return run;
}

TEST(TrimTool, UsageOnMissingOrBadArguments) {
    for (const std::string& args : {std::string(), std::string("1 2"), std::string("0"), std::string("99999999999")}) {
        ToolRun run = RunTool(args);
        EXPECT_NE(run.exitCode, 0u) << "[" << args << "]";
        EXPECT_NE(run.output.find("USAGE: empty.exe {pid | task-name}"), std::string::npos) << "[" << args << "]";
    }
}

TEST(TrimTool, EmptiesALiveProcessByIdAndByName) {
    ToolRun byId = RunTool(std::to_string(GetCurrentProcessId()));
    EXPECT_EQ(byId.exitCode, 0u) << byId.output;
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    std::string name = std::string(exe).substr(std::string(exe).find_last_of('\\') + 1);
    ToolRun byName = RunTool(name);
    EXPECT_EQ(byName.exitCode, 0u) << byName.output;
    ToolRun nobody = RunTool("no-such-task.exe");
    EXPECT_NE(nobody.exitCode, 0u);
}

TEST(TrimTool, IsCarriedInsideTheProgram) {
    std::vector<std::uint8_t> tool = LoadResourceBytes(IDR_TRIM_TOOL);
    ASSERT_GT(tool.size(), 1024u);
    EXPECT_EQ(tool[0], 'M');
    EXPECT_EQ(tool[1], 'Z');
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    std::string built(exe);
    built = built.substr(0, built.find_last_of('\\')) + "\\empty.exe";
    EXPECT_EQ(tool, test_support::ReadFileBytes(built));
}

TEST(MemoryTrimThread, WritesTheToolWhenMissingAndRunsIt) {
    // The thread writes to %windir%; point it at a scratch folder.
    std::string dir = test_support::ScratchDir("windir");
    char saved[MAX_PATH] = {};
    GetEnvironmentVariableA("windir", saved, sizeof saved);
    SetEnvironmentVariableA("windir", dir.c_str());
    EXPECT_EQ(MemoryTrimToolPath(), dir + "\\empty.exe");
    MemoryTrimThread(nullptr);
    EXPECT_EQ(test_support::ReadFileBytes(dir + "\\empty.exe"), LoadResourceBytes(IDR_TRIM_TOOL));

    // An existing file is reused, never rewritten.
    HANDLE keep = CreateFileA((dir + "\\empty.exe").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    FILETIME before{}, after{};
    GetFileTime(keep, nullptr, nullptr, &before);
    CloseHandle(keep);
    Sleep(20);
    MemoryTrimThread(nullptr);
    keep = CreateFileA((dir + "\\empty.exe").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                       nullptr);
    GetFileTime(keep, nullptr, nullptr, &after);
    CloseHandle(keep);
    EXPECT_EQ(CompareFileTime(&before, &after), 0);
    SetEnvironmentVariableA("windir", saved);
}

}  // namespace
