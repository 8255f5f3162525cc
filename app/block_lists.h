#pragma once
// The block lists: "127.0.0.1 host" lines joined by CR LF, each list without
// a final line break. The all-sites list is the five site lists joined by
// CR LF.
#include <string_view>

enum class SiteList { Tudou, Sohu, Sina, Wole, Youku, AllSites };

std::string_view BlockListText(SiteList list);
