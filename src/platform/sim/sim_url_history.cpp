#include "platform/sim/sim_url_history.h"

#include <algorithm>

namespace hv::sim {

namespace {
constexpr long kClassNotRegistered = static_cast<long>(0x80040154u);
constexpr long kNotOpen = static_cast<long>(0x8000FFFFu);  // E_UNEXPECTED
}  // namespace

long SimUrlHistory::open() {
    if (!available) return kClassNotRegistered;
    opened = true;
    return 0;
}

long SimUrlHistory::addUrl(const std::string& url, const std::string& title, std::uint32_t flags) {
    if (!opened) return kNotOpen;
    StatUrl entry;
    entry.url = url;
    entry.title = title;
    entry.flags = flags;
    entries.push_back(entry);
    return 0;
}

long SimUrlHistory::deleteUrl(const std::string& url, std::uint32_t) {
    if (!opened) return kNotOpen;
    std::erase_if(entries, [&](const StatUrl& e) { return e.url == url; });
    return 0;
}

long SimUrlHistory::clearHistory() {
    if (!opened) return kNotOpen;
    ++clears;
    entries.clear();
    return 0;
}

long SimUrlHistory::enumUrls(const std::string& prefix, std::uint32_t, std::vector<StatUrl>& out) {
    out.clear();
    if (!opened) return kNotOpen;
    for (const auto& e : entries)
        if (e.url.rfind(prefix, 0) == 0) out.push_back(e);
    return 0;
}

}  // namespace hv::sim
