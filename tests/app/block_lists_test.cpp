#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "app/block_lists.h"

namespace {

std::vector<std::string> SplitCrLf(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find("\r\n", start);
        lines.emplace_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) return lines;
        start = end + 2;
    }
}

std::string HostOf(const std::string& line) {
    std::string host = line.substr(10);
    if (!host.empty() && host.back() == ' ') host.pop_back();
    return host;
}

struct ListShape {
    SiteList list;
    std::size_t bytes;
    std::size_t lines;
};

TEST(BlockLists, LengthsAndLineCounts) {
    const ListShape shapes[] = {
        {SiteList::Tudou, 242, 8}, {SiteList::Sohu, 47, 2},  {SiteList::Sina, 28, 1},
        {SiteList::Wole, 272, 10}, {SiteList::Youku, 461, 15}, {SiteList::AllSites, 1058, 36},
    };
    for (const ListShape& s : shapes) {
        std::string_view text = BlockListText(s.list);
        EXPECT_EQ(text.size(), s.bytes) << static_cast<int>(s.list);
        EXPECT_EQ(SplitCrLf(text).size(), s.lines) << static_cast<int>(s.list);
        EXPECT_NE(text.back(), '\n') << "no final line break";
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::count(text.begin(), text.end(), '\r'))
            << "every line break is CR LF";
    }
}

TEST(BlockLists, EveryLineHasItsShape) {
    for (SiteList list : {SiteList::Tudou, SiteList::Sohu, SiteList::Sina, SiteList::Wole, SiteList::Youku}) {
        auto lines = SplitCrLf(BlockListText(list));
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            bool comment = line.rfind("#From ", 0) == 0;
            bool lastTudou = list == SiteList::Tudou && i == 7;
            EXPECT_TRUE(comment || line.rfind("127.0.0.1 ", 0) == 0) << line;
            EXPECT_EQ(line.back() == ' ', !lastTudou) << line;
            std::string body = line.substr(comment ? 6 : 10);
            if (!lastTudou) body.pop_back();
            EXPECT_FALSE(body.empty()) << line;
            EXPECT_EQ(body.find(' '), std::string::npos) << "one name per line: " << line;
        }
    }
}

TEST(BlockLists, SiteSpecificDetails) {
    auto tudou = SplitCrLf(BlockListText(SiteList::Tudou));
    for (int i = 0; i < 5; ++i) EXPECT_NE(tudou[i].find("tudou.com"), std::string::npos) << tudou[i];
    std::string wildcard = HostOf(tudou[4]);
    EXPECT_EQ(wildcard.substr(0, 2), "*.");
    EXPECT_EQ(wildcard.back(), '*');
    std::string imageDomain = HostOf(tudou[5]).substr(HostOf(tudou[5]).find('.'));
    for (int i = 5; i < 8; ++i) {
        std::string host = HostOf(tudou[i]);
        EXPECT_EQ(host.substr(host.find('.')), imageDomain);
        EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(host[host.find('.') - 1]))) << host;
    }

    auto sohu = SplitCrLf(BlockListText(SiteList::Sohu));
    std::string sohuHost = HostOf(sohu[0]);
    int upper = 0;
    for (char c : sohuHost) upper += std::isupper(static_cast<unsigned char>(c)) ? 1 : 0;
    EXPECT_EQ(upper, 1);
    EXPECT_FALSE(std::isupper(static_cast<unsigned char>(sohuHost[0])));
    EXPECT_EQ(sohu[1].rfind("#From ", 0), 0u);

    auto wole = SplitCrLf(BlockListText(SiteList::Wole));
    EXPECT_TRUE(std::isupper(static_cast<unsigned char>(HostOf(wole[3])[0])));
    auto youku = SplitCrLf(BlockListText(SiteList::Youku));
    EXPECT_TRUE(std::isupper(static_cast<unsigned char>(HostOf(youku[7])[0])));
}

TEST(BlockLists, AllSitesIsTheFiveListsJoined) {
    std::string joined;
    for (SiteList list : {SiteList::Tudou, SiteList::Sohu, SiteList::Sina, SiteList::Wole, SiteList::Youku}) {
        if (!joined.empty()) joined += "\r\n";
        joined += BlockListText(list);
    }
    EXPECT_EQ(BlockListText(SiteList::AllSites), joined);
    auto lines = SplitCrLf(BlockListText(SiteList::AllSites));
    EXPECT_EQ(lines[7].back(), 'm');          // end of the tudou list: no space
    EXPECT_EQ(lines[9].rfind("#From ", 0), 0u);  // the comment line keeps its space
    EXPECT_EQ(lines[9].back(), ' ');
}

}  // namespace
