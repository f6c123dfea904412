#include "ui/frm_settings_groups.h"

#include "catalogue/catalogue.h"
#include "engine/custom_items.h"

namespace hv::settings {

namespace {

using namespace hv::catalogue;

std::span<const CleanItem> CustomItemTable() {
    return {&CustomItem(), 1};
}

// Frames of the browser tabs fill the page under the two rows of browser tabs; the others sit
// on the outer tab's page, two side by side where a tab holds two columns of frames.
constexpr ui::Rect kBrowserFrame{120, 60, 9600, 0};
constexpr ui::Rect kWholePage{120, 60, 9840, 0};
constexpr ui::Rect kLeftTop{120, 60, 4860, 0};
constexpr ui::Rect kRightTop{5100, 60, 4860, 0};

}  // namespace

const std::vector<SwitchGroup>& SwitchGroups() {
    static const std::vector<SwitchGroup> groups{
        {.caption = "Internet Explorer",
         .section = "EXPLORER",
         .table = InternetExplorerItems,
         .selectAll = "Check9",
         // The two questions come in the middle, the history of downloads near the end.
         .toggleKeys = {"location", "history", "cache", "cookies", "favorites", "autocomplete",
                        "downloaded", "index", "inprivate", "downloadedhistory", "addons"},
         .innerTab = 0,
         .place = kBrowserFrame},
        {.caption = "Mozilla Firefox",
         .section = "FIREFOX",
         .table = FirefoxItems,
         .selectAll = "Check46",
         .innerTab = 1,
         .place = kBrowserFrame},
        {.caption = "Opera",
         .section = "OPERA",
         .table = OperaItems,
         .selectAll = "Check13",
         .innerTab = 2,
         .place = kBrowserFrame},
        {.caption = "Netscape Navigator",
         .section = "NETSCAPE",
         .table = NetscapeItems,
         .selectAll = "Check14",
         .innerTab = 3,
         .place = kBrowserFrame},
        {.caption = "AOL Explorer",
         .section = "AOL",
         .table = AolExplorerItems,
         .selectAll = "Check47",
         .innerTab = 4,
         .place = kBrowserFrame},
        {.caption = "MSN Exploer",
         .section = "MSN",
         .table = MsnExplorerItems,
         .selectAll = "Check19",
         .innerTab = 5,
         .place = kBrowserFrame},
        {.caption = "Mozilla",
         .section = "Mozilla",
         .table = MozillaItems,
         .selectAll = "Check68",
         .innerTab = 6,
         .place = kBrowserFrame},
        {.caption = "Maxthon Browser",
         .section = "Maxthon",
         .table = MaxthonItems,
         .selectAll = "Check133",
         .innerTab = 7,
         .place = kBrowserFrame},
        {.caption = "Google Chrome",
         .section = "Chrome",
         .table = ChromeItems,
         .selectAll = "Check140",
         .innerTab = 8,
         .place = kBrowserFrame},
        {.caption = "Safari",
         .section = "Safari",
         .table = SafariItems,
         .keys = {"History", "pages", "Cache", "Cookies", "download", "Autocomplete",
                  "RecentSearches", "Images"},
         .selectAll = "Check145",
         .innerTab = 9,
         .place = kBrowserFrame},
        {.caption = "Windows",
         .section = "WINDOWS",
         .table = WindowsItems,
         .keys = {"recent",         "run",           "search",
                  "temp",           "recycle",       "open",
                  "scandisk",       "passwords",     "clip",
                  "wordpad",        "paint",         "thumbs",
                  "swap",           "unread",        "picturelocation",
                  "DirectX",        "findcomputer",  "findfiles",
                  "mapnetwork",     "management",    "notification",
                  "registryeditor", "searchfolders", "menuorder",
                  "recentlyused",   "streams",       "userassist"},
         .leftColumnRows = 14,
         .rightColumnLeft = 3600,
         .selectAll = "Check31",
         .outerTab = 1,
         .place = kWholePage},
        {.caption = "MS Office(support 97, 2000, XP, 2003, 2007,2010, 2013)",
         .section = "OFFICE",
         .table = OfficeItems,
         .keys = {"word", "excel", "Powerpoint", "FrontPage", "Access", "Publisher", "InfoPath",
                  "Onenote", "Project", "Visio", "Organizer", "Settings", "Picture", "Viewer",
                  "Lync", "SkyDrive"},
         .leftColumnRows = 8,
         .rightColumnLeft = 4920,
         .selectAll = "Check41",
         .outerTab = 2,
         .place = kWholePage},
        {.caption = kCustomItemFrame,
         .section = "Custom",
         .table = CustomItemTable,
         .outerTab = kCustomItemTab,
         .place = {120, 60, 9840, 5220}},
        {.caption = "Windows Live Messenger",
         .section = "Messenger",
         .table = MessengerItems,
         .keys = {"msnchat", "msnfiles"},
         .outerTab = 5,
         .place = kLeftTop},
        {.caption = "AOL Instant Messenger",
         .section = "Messenger",
         .table = MessengerItems,
         .keys = {"aolsettings", "aolnames", "aolpassword", "aolbuddy", "aollogs"},
         .outerTab = 5,
         .place = {120, 1140, 4860, 0}},
        {.caption = "ICQ",
         .section = "Messenger",
         .table = MessengerItems,
         .keys = {"icqsign", "icquser", "icqcontact", "icqaccount", "icqfiles", "icqsearch"},
         .outerTab = 5,
         .place = kRightTop},
        {.caption = "Yahoo! Messenger",
         .section = "Messenger",
         .table = MessengerItems,
         .keys = {"yahoopage", "yahooprofiles", "yahoofiles", "yahoologs"},
         .outerTab = 5,
         .place = {5100, 2220, 4860, 0}},
        {.caption = "Outlook Express",
         .section = "outlook",
         .table = OutlookExpressItems,
         .selectAll = "Check127",
         .outerTab = 6,
         .place = kLeftTop},
        {.caption = kWindowsLiveMailFrame,
         .section = "mail",
         .table = WindowsLiveMailItems,
         .selectAll = "Check128",
         .outerTab = 6,
         .place = kRightTop},
    };
    return groups;
}

std::span<const BoxRun> LoadOrder() {
    // The Windows frame is read in two parts: its first eleven boxes among the browsers'
    // sections, the rest after the messengers.
    static constexpr BoxRun order[] = {
        {"Internet Explorer"},
        {"Mozilla Firefox"},
        {"AOL Explorer"},
        {"Opera"},
        {"Netscape Navigator"},
        {"MSN Exploer"},
        {"Mozilla"},
        {"Maxthon Browser"},
        {"Google Chrome"},
        {"Safari"},
        {"Windows", 0, 11},
        {"MS Office(support 97, 2000, XP, 2003, 2007,2010, 2013)"},
        {kCustomItemFrame},
        {"Windows Live Messenger"},
        {"AOL Instant Messenger"},
        {"ICQ"},
        {"Yahoo! Messenger"},
        {"Windows", 11},
        {"Outlook Express"},
    };
    return order;
}

std::span<const BoxRun> SaveOrder() {
    static constexpr BoxRun order[] = {
        {"Internet Explorer"},
        {"Mozilla Firefox"},
        {"AOL Explorer"},
        {"Opera"},
        {"Netscape Navigator"},
        {"MSN Exploer"},
        {"Mozilla"},
        {"Maxthon Browser"},
        {"Google Chrome"},
        {"Safari"},
        {"Windows"},
        {"MS Office(support 97, 2000, XP, 2003, 2007,2010, 2013)"},
        {kCustomItemFrame},
        {"Windows Live Messenger"},
        {"AOL Instant Messenger"},
        {"ICQ"},
        {"Yahoo! Messenger"},
        {"Outlook Express"},
        {kWindowsLiveMailFrame},
    };
    return order;
}

std::span<const Confirmation> Confirmations() {
    static constexpr Confirmation confirmations[] = {
        {"EXPLORER", "favorites", "Are you sure delete IE Favorites?"},
        {"EXPLORER", "downloaded", "Are you sure delete Downloaded Files?"},
    };
    return confirmations;
}

}  // namespace hv::settings
