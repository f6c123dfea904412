// The browsers that keep their data in Mozilla-style profile folders: Firefox, Netscape and
// Mozilla. Every item deletes files or folders of one name anywhere below the browser's profile
// root, so all of the user's profiles are cleaned at once without reading a profile list.
#include "catalogue/catalogue.h"
#include "engine/clean_run.h"

namespace hv::catalogue {

namespace {

using namespace targets;

std::string firefoxRoamingRoot(CleanRun& run) {
    return run.env.AppDataFolder + "\\Mozilla\\Firefox\\Profiles";
}

std::string firefoxLocalRoot(CleanRun& run) {
    return run.env.LocalAppDataFolder + "\\Mozilla\\Firefox\\Profiles";
}

// Newer Netscape versions keep their profiles under NSB, older ones under Navigator. The root
// is chosen afresh by every item rather than once per run.
std::string netscapeRoot(CleanRun& run) {
    const std::string nsb = run.env.AppDataFolder + "\\Netscape\\NSB\\Profiles";
    const auto info = run.os().files.stat(nsb);
    if (info && info->isFolder()) return nsb;
    return run.env.AppDataFolder + "\\Netscape\\Navigator\\Profiles";
}

std::string mozillaRoot(CleanRun& run) {
    return run.env.AppDataFolder + "\\Mozilla\\Profiles";
}

}  // namespace

std::span<const CleanItem> FirefoxItems() {
    static const std::vector<CleanItem> items = {
        {"FIREFOX",
         "Address",
         "Address Bar History",
         "Firefox Address Bar History",
         {DeleteFilesNamed(firefoxRoamingRoot, "", "places.sqlite")},
         12},
        {"FIREFOX",
         "Cookies",
         "Cookies",
         "Firefox Cookies",
         {DeleteFilesNamed(firefoxRoamingRoot, "", "cookies.sqlite")},
         13},
        {"FIREFOX",
         "cache",
         "Cache",
         "Firefox Cache",
         {DeleteFoldersNamed(firefoxLocalRoot, "", "cache"),
          DeleteFilesNamed(firefoxLocalRoot, "", "places.sqlite")},
         14},
        {"FIREFOX",
         "History",
         "History Files",
         "Firefox History Files",
         {DeleteFilesNamed(firefoxRoamingRoot, "", "places.sqlite")},
         15},
        {"FIREFOX",
         "Download",
         "Download Manager History",
         "Firefox Download Manager History",
         {DeleteFilesNamed(firefoxRoamingRoot, "", "downloads.sqlite")},
         15},
        {"FIREFOX",
         "bookmarks",
         "Bookmarks",
         "Firefox Bookmarks Files",
         {DeleteFilesNamed(firefoxRoamingRoot, "", "places.sqlite")},
         kNoCheckpoint},
        {"FIREFOX",
         "passwords",
         "Saved Passwords",
         "Firefox Saved Passwords",
         {DeleteFilesNamed(firefoxRoamingRoot, "", "key3.db")},
         16},
    };
    return items;
}

std::span<const CleanItem> NetscapeItems() {
    static const std::vector<CleanItem> items = {
        {"Netscape",
         "Location",
         "Address Bar History",
         "Netscape Address Bar History",
         {DeleteFilesNamed(netscapeRoot, "", "history.dat")},
         21},
        {"Netscape",
         "Cookies",
         "Cookies",
         "Netscape Cookies",
         {DeleteFilesNamed(netscapeRoot, "", "cookies.txt")},
         22},
        {"Netscape",
         "Cache",
         "Cache",
         "Netscape Cache",
         {DeleteFoldersNamed(netscapeRoot, "", "cache"),
          DeleteFilesNamed(netscapeRoot, "", "localstore.rdf")},
         23},
        {"Netscape",
         "History",
         "History files",
         "Netscape History Files",
         {DeleteFilesNamed(netscapeRoot, "", "history.dat")},
         kNoCheckpoint},
        {"Netscape",
         "download",
         "Download Manager History",
         "Netscape Download Manager History",
         {DeleteFilesNamed(netscapeRoot, "", "downloads.rdf")},
         kNoCheckpoint},
        {"Netscape",
         "bookmarks",
         "Bookmarks",
         "Netscape Bookmarks",
         {DeleteFilesNamed(netscapeRoot, "", "bookmarks.html")},
         kNoCheckpoint},
        {"Netscape",
         "passwords",
         "Saved Passwords",
         "Netscape Saved Passwords",
         {DeleteFilesNamed(netscapeRoot, "", "signons2.txt"),
          DeleteFilesNamed(netscapeRoot, "", "signons.txt")},
         24},
    };
    return items;
}

std::span<const CleanItem> MozillaItems() {
    static const std::vector<CleanItem> items = {
        {"Mozilla",
         "Address",
         "Address Bar History",
         "Mozilla Address Bar History",
         {DeleteFilesNamed(mozillaRoot, "", "history.dat")}},
        {"Mozilla",
         "Cookies",
         "Cookies",
         "Mozilla Cookies",
         {DeleteFilesNamed(mozillaRoot, "", "cookies.txt")}},
        {"Mozilla",
         "cache",
         "Cache",
         "Mozilla Cache",
         {DeleteFilesNamed(mozillaRoot, "", "localstore.rdf"),
          DeleteFoldersNamed(mozillaRoot, "", "cache")}},
        {"Mozilla",
         "History",
         "History Files",
         "Mozilla History Files",
         {DeleteFilesNamed(mozillaRoot, "", "history.dat")}},
    };
    return items;
}

}  // namespace hv::catalogue
