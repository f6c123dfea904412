#pragma once
// The per-user URL history store of Windows (CUrlHistory through IUrlHistoryStg2 and
// IEnumSTATURL). Implemented by SimUrlHistory and Win32UrlHistory. Results are HRESULTs
// (0 = S_OK, negative = failure).
#include <cstdint>
#include <string>
#include <vector>

namespace hv {

// One STATURL record; times are FILETIME ticks in UTC.
struct StatUrl {
    std::string url;
    std::string title;
    std::int64_t lastVisited = 0;
    std::int64_t lastUpdated = 0;
    std::int64_t expires = 0;
    std::uint32_t flags = 0;
};

class UrlHistory {
  public:
    virtual ~UrlHistory() = default;

    // Creates the store object; a failure here makes every other call fail too.
    virtual long open() = 0;
    virtual void close() = 0;
    virtual long addUrl(const std::string& url, const std::string& title, std::uint32_t flags) = 0;
    virtual long deleteUrl(const std::string& url, std::uint32_t flags) = 0;
    virtual long clearHistory() = 0;
    // EnumUrls + SetFilter(prefix, flags) + Next until nothing more: the entries in store order.
    // An empty prefix lists every entry.
    virtual long enumUrls(const std::string& prefix, std::uint32_t flags,
                          std::vector<StatUrl>& out) = 0;
    // FileTimeToLocalFileTime: a UTC FILETIME as local time; the time unchanged when the
    // conversion fails.
    virtual std::int64_t toLocalFileTime(std::int64_t utcTicks) = 0;
};

}  // namespace hv
