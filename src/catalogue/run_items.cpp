#include "catalogue/run_items.h"

#include "catalogue/catalogue.h"
#include "engine/clean_run.h"
#include "engine/custom_items.h"
#include "engine/plugins.h"

namespace hv::catalogue {

const std::vector<CleanItem>& RunItems() {
    static const std::vector<CleanItem> all = [] {
        std::vector<CleanItem> items = Catalogue();
        items.push_back(CustomItem());
        return items;
    }();
    return all;
}

void ConfigureCleanRun(CleanRun& run) {
    run.setItems(RunItems());
    UsePlugins(run);
}

}  // namespace hv::catalogue
