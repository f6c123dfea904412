#pragma once
// The URL history store held in memory, in insertion order.
#include <string>
#include <vector>

#include "platform/url_history.h"

namespace hv::sim {

class SimUrlHistory : public UrlHistory {
  public:
    long open() override;
    void close() override { opened = false; }
    long addUrl(const std::string& url, const std::string& title, std::uint32_t flags) override;
    long deleteUrl(const std::string& url, std::uint32_t flags) override;
    long clearHistory() override;
    long enumUrls(const std::string& prefix, std::uint32_t flags,
                  std::vector<StatUrl>& out) override;
    // The simulated machine's local time is UTC.
    std::int64_t toLocalFileTime(std::int64_t utcTicks) override { return utcTicks; }

    std::vector<StatUrl> entries;
    bool available = true;  // false: the store object cannot be created
    bool opened = false;
    int clears = 0;
    // Calls whose name is listed here fail with E_FAIL ("addUrl", "deleteUrl", "clearHistory",
    // "enumUrls").
    std::vector<std::string> failing;

  private:
    // The failure a call meets, or 0.
    long refusal(const char* call) const;
};

}  // namespace hv::sim
