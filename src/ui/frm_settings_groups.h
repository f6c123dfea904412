#pragma once
// The frames of the cleaning settings window: the catalogue items each one shows as boxes, in
// what order and where, and the orders in which the window reads and writes their switches.
// The boxes' texts and keys come from the catalogue tables; only the frames are described here.
#include <span>
#include <string_view>
#include <vector>

#include "engine/clean_item.h"
#include "platform/ui/geometry.h"

namespace hv::settings {

inline constexpr int kNoInnerTab = -1;
inline constexpr int kToLastBox = -1;

// The tab captions of the outer strip SSTab1 and of the browser strip SSTab2 on its first tab.
inline constexpr std::string_view kOuterTabs[] = {
    "Browsers",    "Windows",           "Microsoft Office", "Applications",
    "Custom Item", "Instant Messaging", "Email Readers"};
inline constexpr std::string_view kBrowserTabs[] = {
    "Internet Explorer", "Firefox", "Opera",           "Netscape",      "AOL Explorer",
    "MSN Explorer",      "Mozilla", "Maxthon Browser", "Google Chrome", "Safari"};
inline constexpr int kPluginTab = 3;
inline constexpr int kCustomItemTab = 4;
// The frame of the custom-item tab also holds the list and its buttons.
inline constexpr std::string_view kCustomItemFrame = "Select Folder and Files That will Be Erased";
inline constexpr std::string_view kWindowsLiveMailFrame = "Windows Live Mail";
inline constexpr std::string_view kInternetExplorerFrame = "Internet Explorer";

// One frame of boxes.
struct SwitchGroup {
    std::string_view caption{};  // the frame's caption
    std::string_view section{};  // the settings section its switches are written to
    std::span<const CleanItem> (*table)() = nullptr;
    // The boxes by catalogue key, top to bottom, left column first; empty: every switchable
    // item of the table in its own order.
    std::vector<std::string_view> keys{};
    // Rows of the left column in a frame of two columns, and where the right column starts
    // (twips from the frame's left edge); 0: one column.
    int leftColumnRows = 0;
    int rightColumnLeft = 0;
    // The name of the group's "Select all of the above" box, shown last; empty: none.
    std::string_view selectAll{};
    // The order the select-all box sets the boxes in, by key; empty: display order.
    std::vector<std::string_view> toggleKeys{};
    int outerTab = 0;
    int innerTab = kNoInnerTab;  // the browser tab, for browser frames
    // Twips on its tab page; a height of 0 follows the rows.
    ui::Rect place{};
};

// Every frame, in the order of the window's description.
const std::vector<SwitchGroup>& SwitchGroups();

// A run of boxes of one frame, by display position.
struct BoxRun {
    std::string_view frame{};
    int first = 0;
    int count = kToLastBox;
};
// The order the window reads the switches in when it loads. The Windows Live Mail switches
// are read on their own, only when the mail store is there.
std::span<const BoxRun> LoadOrder();
// The order OK writes every switch in.
std::span<const BoxRun> SaveOrder();

// A box whose checking is confirmed with the user: when the select-all box checks it and when
// the keyboard focus leaves it checked.
struct Confirmation {
    std::string_view section{};
    std::string_view key;
    std::string_view question;
};
std::span<const Confirmation> Confirmations();

}  // namespace hv::settings
