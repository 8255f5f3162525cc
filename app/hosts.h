#pragma once
// Appending a block list to the hosts file.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

using ByteSet = std::vector<std::uint8_t>;

// The list chosen by the most recent click that had a radio button checked.
extern ByteSet BlockListBytes;

// The running system's hosts file: the TCP/IP DataBasePath setting when
// present, else <Windows>\System32\drivers\etc\hosts.
std::string SystemHostsPath();

struct HostsResult {
    bool ok = false;
    std::string error;  // what failed and what to do, for the user
};

// Appends `list` to the file at `hostsPath`, inserting CR LF first when the
// file does not end with a line break. The first change keeps the untouched
// file as hosts.bak beside it (never overwritten). The new contents replace the
// file atomically; on any failure the file is left byte for byte as it was.
HostsResult AppendBlockList(const std::string& hostsPath, const ByteSet& list);

// The click handler's work: choose the list from the radio buttons of
// `window`, append it to `hostsPath`, flush the resolver cache and tell the
// user through `report` (text, title, MessageBox type).
using ReportFn = void (*)(const std::string& text, const std::string& title, UINT type);
void BlockHosts(HWND window, const std::string& hostsPath, ReportFn report);

// The success message.
extern const char* const kBlockedText;
extern const char* const kBlockedTitle;
