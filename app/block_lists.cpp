#include "app/block_lists.h"

namespace {

#define CRLF "\r\n"
// Every line but the last of the tudou list carries one trailing space, as the
// lists have always been written; only the last tudou line ends bare.
#define TUDOU_LIST                                  \
    "127.0.0.1 adplayer.tudou.com " CRLF            \
    "127.0.0.1 adcontrol.tudou.com " CRLF           \
    "127.0.0.1 statistics.tudou.com " CRLF          \
    "127.0.0.1 val.atm.tudou.com " CRLF             \
    "127.0.0.1 *.adsend.tudou.com* " CRLF           \
    "127.0.0.1 adcdn1.tdimg.com " CRLF              \
    "127.0.0.1 adcdn2.tdimg.com " CRLF              \
    "127.0.0.1 adcdn3.tdimg.com"
#define SOHU_LIST                                   \
    "127.0.0.1 agn.aTy.sohu.com " CRLF              \
    "#From ad-hosts.cn "
#define SINA_LIST "127.0.0.1 adbox.sina.com.cn "
#define WOLE_LIST                                   \
    "127.0.0.1 analytics.56.com " CRLF              \
    "127.0.0.1 v16.stat.56.com " CRLF               \
    "127.0.0.1 acs.ad.56.com " CRLF                 \
    "127.0.0.1 Union.ad.56.com " CRLF               \
    "127.0.0.1 adfeed.56.com " CRLF                 \
    "127.0.0.1 adserver.56.com " CRLF               \
    "127.0.0.1 stat2.56.com " CRLF                  \
    "127.0.0.1 adpic.56img.com " CRLF               \
    "127.0.0.1 adv1.56img.com " CRLF                \
    "127.0.0.1 adimg2.56img.com "
#define YOUKU_LIST                                  \
    "127.0.0.1 atm.youku.com " CRLF                 \
    "127.0.0.1 fvid.atm.youku.com " CRLF            \
    "127.0.0.1 html.atm.youku.com " CRLF            \
    "127.0.0.1 valb.atm.youku.com " CRLF            \
    "127.0.0.1 valf.atm.youku.com " CRLF            \
    "127.0.0.1 valo.atm.youku.com " CRLF            \
    "127.0.0.1 valp.atm.youku.com " CRLF            \
    "127.0.0.1 Lstat.youku.com " CRLF               \
    "127.0.0.1 speed.lstat.youku.com " CRLF         \
    "127.0.0.1 urchin.lstat.youku.com " CRLF        \
    "127.0.0.1 stat.youku.com " CRLF                \
    "127.0.0.1 static.lstat.youku.com " CRLF        \
    "127.0.0.1 valc.atm.youku.com " CRLF            \
    "127.0.0.1 vid.atm.youku.com " CRLF             \
    "127.0.0.1 walp.atm.youku.com "

constexpr std::string_view kTudou = TUDOU_LIST;
constexpr std::string_view kSohu = SOHU_LIST;
constexpr std::string_view kSina = SINA_LIST;
constexpr std::string_view kWole = WOLE_LIST;
constexpr std::string_view kYouku = YOUKU_LIST;
constexpr std::string_view kAllSites =
    TUDOU_LIST CRLF SOHU_LIST CRLF SINA_LIST CRLF WOLE_LIST CRLF YOUKU_LIST;

}  // namespace

std::string_view BlockListText(SiteList list) {
    switch (list) {
    case SiteList::Tudou: return kTudou;
    case SiteList::Sohu: return kSohu;
    case SiteList::Sina: return kSina;
    case SiteList::Wole: return kWole;
    case SiteList::Youku: return kYouku;
    case SiteList::AllSites: return kAllSites;
    }
    return {};
}
