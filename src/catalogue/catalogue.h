#pragma once
// The fixed catalogue of cleaning items, group by group, each group a table in clean-run order.
// The clean run walks them in the order of Catalogue(); the settings window and the console
// listing read the same tables.
#include <span>
#include <vector>

#include "engine/clean_item.h"

namespace hv::catalogue {

std::span<const CleanItem> InternetExplorerItems();
std::span<const CleanItem> FirefoxItems();
std::span<const CleanItem> OperaItems();
std::span<const CleanItem> NetscapeItems();
std::span<const CleanItem> AolExplorerItems();
std::span<const CleanItem> MsnExplorerItems();
std::span<const CleanItem> MozillaItems();
std::span<const CleanItem> MaxthonItems();
std::span<const CleanItem> ChromeItems();
std::span<const CleanItem> SafariItems();
std::span<const CleanItem> WindowsItems();
std::span<const CleanItem> MessengerItems();
// Starts with the silent Office version detection.
std::span<const CleanItem> OfficeItems();
std::span<const CleanItem> OutlookExpressItems();
std::span<const CleanItem> WindowsLiveMailItems();

// Every group in clean-run order: 142 switchable items (and the silent steps).
const std::vector<CleanItem>& Catalogue();

}  // namespace hv::catalogue
