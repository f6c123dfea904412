#pragma once
// The URL history store held in memory, in insertion order.
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

    std::vector<StatUrl> entries;
    bool available = true;  // false: the store object cannot be created
    bool opened = false;
    int clears = 0;
};

}  // namespace hv::sim
