#include "app/hosts.h"

#include <optional>

#include "app/block_lists.h"
#include "app/main_window.h"

ByteSet BlockListBytes;

const char* const kBlockedText = "恭喜拦截成功";
const char* const kBlockedTitle = " 友情提醒";

namespace {

struct Handle {
    HANDLE h = INVALID_HANDLE_VALUE;
    ~Handle() { if (h != INVALID_HANDLE_VALUE) CloseHandle(h); }
};

std::string SystemErrorText(DWORD code) {
    char* buffer = nullptr;
    DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = n && buffer ? std::string(buffer, n) : "错误代码 " + std::to_string(code);
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
    return text;
}

std::string Advice(DWORD code) {
    switch (code) {
    case ERROR_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD:
        return "请右键点击本程序，选择“以管理员身份运行”后重试。";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return "hosts 文件正被其他程序（例如安全软件）占用，请关闭该程序后重试。";
    case ERROR_PATH_NOT_FOUND:
        return "hosts 文件所在的文件夹不存在，请检查系统设置。";
    default:
        return "请以管理员身份运行本程序后重试。";
    }
}

HostsResult Failure(const std::string& what, const std::string& path, DWORD code) {
    return {false, what + "：\n" + path + "\n\n" + SystemErrorText(code) + "\n" + Advice(code) +
                       "\nhosts 文件未作任何修改。"};
}

// Reads the whole file. A missing file reads as empty: appending then
// creates it. Anything else that stops the read is a failure.
std::optional<ByteSet> ReadWholeFile(const std::string& path, DWORD& error) {
    Handle file;
    file.h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file.h == INVALID_HANDLE_VALUE) {
        error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND) return ByteSet{};
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.h, &size) || size.QuadPart > 64 * 1024 * 1024) {
        error = size.QuadPart > 64 * 1024 * 1024 ? ERROR_FILE_TOO_LARGE : GetLastError();
        return std::nullopt;
    }
    ByteSet bytes(static_cast<std::size_t>(size.QuadPart));
    DWORD done = 0;
    if (!bytes.empty() && (!ReadFile(file.h, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) ||
                           done != bytes.size())) {
        error = done != bytes.size() && GetLastError() == 0 ? ERROR_READ_FAULT : GetLastError();
        return std::nullopt;
    }
    return bytes;
}

bool WriteNewFile(const std::string& path, const ByteSet& bytes, DWORD& error) {
    Handle file;
    file.h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file.h == INVALID_HANDLE_VALUE) {
        error = GetLastError();
        return false;
    }
    DWORD done = 0;
    if ((!bytes.empty() && !WriteFile(file.h, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr)) ||
        done != bytes.size() || !FlushFileBuffers(file.h)) {
        error = GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
        return false;
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void FlushResolverCache() {
    HMODULE dns = LoadLibraryA("dnsapi.dll");
    if (!dns) return;
    using FlushFn = BOOL(WINAPI*)();
    if (auto flush = reinterpret_cast<FlushFn>(GetProcAddress(dns, "DnsFlushResolverCache"))) flush();
    FreeLibrary(dns);
}

std::optional<SiteList> CheckedList(HWND window) {
    // The fixed order in which the radio buttons are tested.
    static const std::pair<int, SiteList> order[] = {
        {kRadioAll, SiteList::AllSites}, {kRadioSohu, SiteList::Sohu}, {kRadioYouku, SiteList::Youku},
        {kRadioWole, SiteList::Wole},    {kRadioSina, SiteList::Sina}, {kRadioTudou, SiteList::Tudou},
    };
    for (const auto& [id, list] : order)
        if (IsDlgButtonChecked(window, id) == BST_CHECKED) return list;
    return std::nullopt;
}

}  // namespace

std::string SystemHostsPath() {
    char folder[MAX_PATH] = {};
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", 0,
                      KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
        char raw[MAX_PATH] = {};
        DWORD size = sizeof raw - 1, type = 0;
        if (RegQueryValueExA(key, "DataBasePath", nullptr, &type, reinterpret_cast<BYTE*>(raw), &size) ==
                ERROR_SUCCESS &&
            (type == REG_SZ || type == REG_EXPAND_SZ) && raw[0]) {
            if (!ExpandEnvironmentStringsA(raw, folder, sizeof folder)) folder[0] = 0;
        }
        RegCloseKey(key);
    }
    if (!folder[0]) {
        UINT n = GetSystemWindowsDirectoryA(folder, sizeof folder);
        if (n == 0 || n >= sizeof folder) lstrcpynA(folder, "C:\\WINDOWS", sizeof folder);
        lstrcatA(folder, "\\System32\\drivers\\etc");
    }
    std::string path = folder;
    if (!path.empty() && path.back() != '\\') path += '\\';
    return path + "hosts";
}

HostsResult AppendBlockList(const std::string& hostsPath, const ByteSet& list) {
    DWORD error = 0;
    const bool existed = FileExists(hostsPath);
    if (existed && (GetFileAttributesA(hostsPath.c_str()) & FILE_ATTRIBUTE_READONLY))
        return Failure("hosts 文件是只读的，无法写入", hostsPath, ERROR_ACCESS_DENIED);

    std::optional<ByteSet> original = ReadWholeFile(hostsPath, error);
    if (!original) return Failure("无法读取 hosts 文件", hostsPath, error);

    ByteSet contents = *original;
    // Never join the first block line to a last line that has no line break.
    if (!contents.empty() && !list.empty() && contents.back() != '\n' && contents.back() != '\r') {
        contents.push_back('\r');
        contents.push_back('\n');
    }
    contents.insert(contents.end(), list.begin(), list.end());

    if (existed) {
        const std::string backup = hostsPath + ".bak";
        if (!FileExists(backup) && !CopyFileA(hostsPath.c_str(), backup.c_str(), TRUE) &&
            GetLastError() != ERROR_FILE_EXISTS)
            return Failure("无法备份 hosts 文件", backup, GetLastError());
    }

    // Write beside the target and swap it in, so a crash or a full disk
    // never leaves a truncated hosts file behind.
    char temp[MAX_PATH] = {};
    if (!GetTempFileNameA(FolderOf(hostsPath).c_str(), "hst", 0, temp))
        return Failure("无法在 hosts 文件所在的文件夹中写入", hostsPath, GetLastError());
    if (!WriteNewFile(temp, contents, error)) {
        DeleteFileA(temp);
        return Failure("无法写入 hosts 文件", hostsPath, error);
    }
    BOOL swapped = existed ? ReplaceFileA(hostsPath.c_str(), temp, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                                          nullptr, nullptr)
                           : MoveFileExA(temp, hostsPath.c_str(), MOVEFILE_REPLACE_EXISTING);
    if (!swapped) {
        error = GetLastError();
        DeleteFileA(temp);
        return Failure("无法写入 hosts 文件", hostsPath, error);
    }
    return {true, {}};
}

void BlockHosts(HWND window, const std::string& hostsPath, ReportFn report) {
    if (std::optional<SiteList> chosen = CheckedList(window)) {
        std::string_view text = BlockListText(*chosen);
        BlockListBytes.assign(text.begin(), text.end());
    }
    HostsResult result = AppendBlockList(hostsPath, BlockListBytes);
    if (!result.ok) {
        report(result.error, "拦截失败", MB_OK | MB_ICONERROR | MB_TASKMODAL);
        return;
    }
    FlushResolverCache();
    report(kBlockedText, kBlockedTitle, MB_OK | MB_TASKMODAL);
}
