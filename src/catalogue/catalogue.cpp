#include "catalogue/catalogue.h"

namespace hv::catalogue {

const std::vector<CleanItem>& Catalogue() {
    static const std::vector<CleanItem> all = [] {
        std::vector<CleanItem> items;
        for (auto group : {InternetExplorerItems(), FirefoxItems(), OperaItems(), NetscapeItems(),
                           AolExplorerItems(), MsnExplorerItems(), MozillaItems(), MaxthonItems(),
                           ChromeItems(), SafariItems(), WindowsItems(), MessengerItems(),
                           OfficeItems(), OutlookExpressItems(), WindowsLiveMailItems()})
            items.insert(items.end(), group.begin(), group.end());
        return items;
    }();
    return all;
}

}  // namespace hv::catalogue
