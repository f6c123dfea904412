#include "platform/sim/sim_url_history.h"

#include <algorithm>
#include <cstdint>

namespace hv::sim {

namespace {
// HRESULTs are 32-bit: their failure codes are negative whatever the width of long.
constexpr long hresult(std::uint32_t code) {
    return static_cast<std::int32_t>(code);
}
constexpr long kClassNotRegistered = hresult(0x80040154u);
constexpr long kNotOpen = hresult(0x8000FFFFu);  // E_UNEXPECTED
constexpr long kFail = hresult(0x80004005u);     // E_FAIL
}  // namespace

long SimUrlHistory::refusal(const char* call) const {
    if (!opened) return kNotOpen;
    if (std::find(failing.begin(), failing.end(), call) != failing.end()) return kFail;
    return 0;
}

long SimUrlHistory::open() {
    if (!available) return kClassNotRegistered;
    opened = true;
    return 0;
}

long SimUrlHistory::addUrl(const std::string& url, const std::string& title, std::uint32_t flags) {
    if (const long result = refusal("addUrl")) return result;
    StatUrl entry;
    entry.url = url;
    entry.title = title;
    entry.flags = flags;
    entries.push_back(entry);
    return 0;
}

long SimUrlHistory::deleteUrl(const std::string& url, std::uint32_t) {
    if (const long result = refusal("deleteUrl")) return result;
    std::erase_if(entries, [&](const StatUrl& e) { return e.url == url; });
    return 0;
}

long SimUrlHistory::clearHistory() {
    if (const long result = refusal("clearHistory")) return result;
    ++clears;
    entries.clear();
    return 0;
}

long SimUrlHistory::enumUrls(const std::string& prefix, std::uint32_t, std::vector<StatUrl>& out) {
    out.clear();
    if (const long result = refusal("enumUrls")) return result;
    for (const auto& e : entries)
        if (e.url.rfind(prefix, 0) == 0) out.push_back(e);
    return 0;
}

}  // namespace hv::sim
