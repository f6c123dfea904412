#pragma once
// What one clean run walks: the catalogue, then the custom items; after them the ticked
// plug-ins.
#include <vector>

#include "engine/clean_item.h"

namespace hv {
class CleanRun;
}

namespace hv::catalogue {

// The catalogue in clean-run order followed by the item "Custom Item".
const std::vector<CleanItem>& RunItems();
// Sets a run up to clean everything: these items and the ticked plug-ins.
void ConfigureCleanRun(CleanRun& run);

}  // namespace hv::catalogue
