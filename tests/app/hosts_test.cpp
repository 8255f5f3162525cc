#include <gtest/gtest.h>

#include "app/block_lists.h"
#include "app/hosts.h"
#include "app/main_window.h"
#include "tests/support/fixtures.h"

using test_support::Bytes;
using test_support::ReadFileBytes;
using test_support::ScratchDir;
using test_support::WriteFileBytes;

namespace {

ByteSet ListBytes(SiteList list) {
    std::string_view t = BlockListText(list);
    return {t.begin(), t.end()};
}

ByteSet Concat(ByteSet a, const ByteSet& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct AppendCase {
    const char* name;
    bool exists;
    std::string before;
    std::string inserted;  // what goes between the old bytes and the list
};

TEST(AppendBlockList, AppendsAfterALineBreak) {
    const ByteSet list = ListBytes(SiteList::Youku);
    const AppendCase cases[] = {
        {"ends_with_crlf", true, "# 127.0.0.1 localhost\r\n", ""},
        {"ends_with_lf", true, "127.0.0.1 localhost\n", ""},
        {"no_final_break", true, "127.0.0.1 localhost", "\r\n"},
        {"empty", true, "", ""},
        {"missing", false, "", ""},
    };
    for (const AppendCase& c : cases) {
        std::string dir = ScratchDir(std::string("append_") + c.name);
        std::string hosts = dir + "\\hosts";
        if (c.exists) WriteFileBytes(hosts, Bytes(c.before));
        HostsResult r = AppendBlockList(hosts, list);
        EXPECT_TRUE(r.ok) << c.name << ": " << r.error;
        EXPECT_EQ(ReadFileBytes(hosts), Concat(Bytes(c.before + c.inserted), list)) << c.name;
        // A backup is kept only of a file that existed.
        EXPECT_EQ(GetFileAttributesA((hosts + ".bak").c_str()) != INVALID_FILE_ATTRIBUTES, c.exists) << c.name;
        // No temporary file is left behind.
        WIN32_FIND_DATAA data;
        HANDLE find = FindFirstFileA((dir + "\\*.tmp").c_str(), &data);
        EXPECT_EQ(find, INVALID_HANDLE_VALUE) << c.name;
        if (find != INVALID_HANDLE_VALUE) FindClose(find);
    }
}

TEST(AppendBlockList, SecondClickStartsOnItsOwnLineAndBackupIsKeptOnce) {
    std::string dir = ScratchDir("twice");
    std::string hosts = dir + "\\hosts";
    const ByteSet original = Bytes("# 127.0.0.1 localhost\r\n");
    WriteFileBytes(hosts, original);
    const ByteSet list = ListBytes(SiteList::AllSites);
    ASSERT_TRUE(AppendBlockList(hosts, list).ok);
    ASSERT_TRUE(AppendBlockList(hosts, list).ok);
    // The list ends without a break, so CR LF separates the two copies.
    EXPECT_EQ(ReadFileBytes(hosts), Concat(Concat(Concat(original, list), Bytes("\r\n")), list));
    EXPECT_EQ(ReadFileBytes(hosts + ".bak"), original) << "the backup holds the untouched file";
}

TEST(AppendBlockList, FailuresReportAndLeaveTheFileAsItWas) {
    const ByteSet list = ListBytes(SiteList::Sina);
    const ByteSet original = Bytes("127.0.0.1 example.test\r\n");

    {  // read-only attribute
        std::string hosts = ScratchDir("readonly") + "\\hosts";
        WriteFileBytes(hosts, original);
        SetFileAttributesA(hosts.c_str(), FILE_ATTRIBUTE_READONLY);
        HostsResult r = AppendBlockList(hosts, list);
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.error.find("只读"), std::string::npos) << r.error;
        EXPECT_EQ(ReadFileBytes(hosts), original);
        SetFileAttributesA(hosts.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    {  // locked by another program: opened without sharing
        std::string hosts = ScratchDir("locked") + "\\hosts";
        WriteFileBytes(hosts, original);
        HANDLE lock = CreateFileA(hosts.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(lock, INVALID_HANDLE_VALUE);
        HostsResult r = AppendBlockList(hosts, list);
        CloseHandle(lock);
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.error.find("占用"), std::string::npos) << r.error;
        EXPECT_EQ(ReadFileBytes(hosts), original);
    }
    {  // folder missing
        std::string hosts = ScratchDir("nofolder") + "\\absent\\hosts";
        HostsResult r = AppendBlockList(hosts, list);
        EXPECT_FALSE(r.ok);
        EXPECT_FALSE(r.error.empty());
        EXPECT_EQ(GetFileAttributesA(hosts.c_str()), INVALID_FILE_ATTRIBUTES);
    }
}

// The click handler on the real main window, with the message captured.
struct Report {
    static inline std::vector<std::string> texts;
    static void Capture(const std::string& text, const std::string& title, UINT) {
        texts.push_back(title + "|" + text);
    }
};

TEST(BlockHosts, ChoosesFromTheRadioButtonsAndKeepsTheLastChoice) {
    BlockListBytes.clear();
    HWND window = CreateMainWindow(GetModuleHandleA(nullptr));
    ASSERT_TRUE(window);
    std::string hosts = ScratchDir("click") + "\\hosts";
    WriteFileBytes(hosts, Bytes("# 127.0.0.1 localhost\r\n"));
    Report::texts.clear();

    CheckRadioButton(window, kRadioYouku, kRadioTudou, kRadioTudou);
    BlockHosts(window, hosts, Report::Capture);
    EXPECT_EQ(BlockListBytes, ListBytes(SiteList::Tudou));
    ASSERT_EQ(Report::texts.size(), 1u);
    EXPECT_EQ(Report::texts[0], std::string(kBlockedTitle) + "|" + kBlockedText);

    // No radio checked: the previous list is appended again.
    for (int id = kRadioYouku; id <= kRadioTudou; ++id) CheckDlgButton(window, id, BST_UNCHECKED);
    BlockHosts(window, hosts, Report::Capture);
    EXPECT_EQ(BlockListBytes, ListBytes(SiteList::Tudou));
    EXPECT_EQ(ReadFileBytes(hosts), Concat(Concat(Concat(Bytes("# 127.0.0.1 localhost\r\n"), ListBytes(SiteList::Tudou)),
                                                  Bytes("\r\n")),
                                           ListBytes(SiteList::Tudou)));
    EXPECT_EQ(Report::texts.size(), 2u);

    // A failed write is reported as a failure, never as success.
    std::string missing = ScratchDir("click_fail") + "\\absent\\hosts";
    BlockHosts(window, missing, Report::Capture);
    ASSERT_EQ(Report::texts.size(), 3u);
    EXPECT_EQ(Report::texts[2].find(kBlockedText), std::string::npos);
    DestroyWindow(window);
}

TEST(BlockHosts, NothingEverChosenRewritesTheFileUnchanged) {
    BlockListBytes.clear();
    HWND window = CreateMainWindow(GetModuleHandleA(nullptr));
    for (int id = kRadioYouku; id <= kRadioTudou; ++id) CheckDlgButton(window, id, BST_UNCHECKED);
    std::string hosts = ScratchDir("never") + "\\hosts";
    const ByteSet original = Bytes("127.0.0.1 localhost");
    WriteFileBytes(hosts, original);
    Report::texts.clear();
    BlockHosts(window, hosts, Report::Capture);
    EXPECT_TRUE(BlockListBytes.empty());
    EXPECT_EQ(ReadFileBytes(hosts), original) << "no line break is added when nothing is appended";
    DestroyWindow(window);
}

TEST(MainWindow, DesignedControls) {
    HWND window = CreateMainWindow(GetModuleHandleA(nullptr));
    ASSERT_TRUE(window);
    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(r.left, 50);
    EXPECT_EQ(r.top, 50);
    EXPECT_EQ(r.right - r.left, 294);
    EXPECT_EQ(r.bottom - r.top, 186);
    struct Expect { int id; const char* text; int x, y, w, h; UINT check; };
    const Expect controls[] = {
        {kRadioAll, "全部", 24, 49, 80, 24, BST_CHECKED},     {kRadioSohu, "搜狐", 120, 48, 80, 24, 0},
        {kRadioYouku, "优酷", 24, 83, 80, 24, 0},             {kRadioWole, "我乐网", 120, 83, 80, 24, 0},
        {kRadioSina, "新浪", 24, 117, 80, 24, 0},             {kRadioTudou, "土豆", 121, 114, 80, 24, 0},
        {kBlockButton, "一键拦截", 216, 43, 64, 101, 0},
        {kCreditLabel, "感谢云杉阁论坛 ID:muyang  提供协议", 40, 152, 224, 24, 0},
    };
    for (const Expect& e : controls) {
        HWND c = GetDlgItem(window, e.id);
        ASSERT_TRUE(c) << e.text;
        char text[128] = {};
        GetWindowTextA(c, text, sizeof text);
        EXPECT_STREQ(text, e.text);
        RECT cr;
        GetWindowRect(c, &cr);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&cr), 2);
        EXPECT_EQ(cr.left, e.x) << e.text;
        EXPECT_EQ(cr.top, e.y) << e.text;
        EXPECT_EQ(cr.right - cr.left, e.w) << e.text;
        EXPECT_EQ(cr.bottom - cr.top, e.h) << e.text;
        if (e.id != kBlockButton && e.id != kCreditLabel) {
            EXPECT_EQ(IsDlgButtonChecked(window, e.id), e.check) << e.text;
        }
    }
    // One group: checking another radio button unchecks "全部".
    SendMessageA(GetDlgItem(window, kRadioSina), BM_CLICK, 0, 0);
    EXPECT_EQ(IsDlgButtonChecked(window, kRadioAll), 0u);
    EXPECT_EQ(IsDlgButtonChecked(window, kRadioSina), static_cast<UINT>(BST_CHECKED));
    char caption[64] = {};
    GetWindowTextA(window, caption, sizeof caption);
    EXPECT_STREQ(caption, "视频广告拦截器 V1.0");
    DestroyWindow(window);
}

}  // namespace
