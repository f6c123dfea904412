#include "catalogue/url_history.h"

#include <cstdio>

#include "engine/clean_run.h"

namespace hv {

namespace {

constexpr std::int64_t kTicksPerSecond = 10000000;
constexpr std::int64_t kSecondsPerDay = 86400;

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar.
constexpr std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

constexpr std::int64_t kFileTimeEpoch = daysFromCivil(1601, 1, 1);
constexpr std::int64_t kDateEpoch = daysFromCivil(1899, 12, 30);
// Date values end with the year 9999.
constexpr std::int64_t kDateLimit = daysFromCivil(10000, 1, 1);

std::string describe(const char* call, long result) {
    char code[16];
    std::snprintf(code, sizeof code, "%08lX", static_cast<unsigned long>(result) & 0xFFFFFFFFul);
    return std::string("URL history: ") + call + " failed with 0x" + code;
}

// Only the low 32 bits of a result are an HRESULT; failures have the top bit set.
void check(const char* call, long result) {
    if (static_cast<std::int32_t>(static_cast<std::uint32_t>(result)) < 0)
        throw UrlHistoryError(call, result);
}

}  // namespace

UrlHistoryError::UrlHistoryError(const char* call, long result)
    : std::runtime_error(describe(call, result)), result_(result) {}

VariantDate FileTimeToVariantDate(std::int64_t ticks) {
    if (ticks < 0) return 0;
    const std::int64_t seconds = ticks / kTicksPerSecond;  // milliseconds dropped
    const std::int64_t day = kFileTimeEpoch + seconds / kSecondsPerDay;
    if (day >= kDateLimit) return 0;
    const double days = static_cast<double>(day - kDateEpoch);
    const double time = static_cast<double>(seconds % kSecondsPerDay) / kSecondsPerDay;
    // Before the epoch the whole days count backwards but the time of day still counts forwards.
    return days >= 0 ? days + time : days - time;
}

VariantDate URLHistoryItem::localDate(std::int64_t utcTicks) const {
    return FileTimeToVariantDate(store_->toLocalFileTime(utcTicks));
}

CURLHistory::CURLHistory(UrlHistory& store) : store_(store) {
    check("CoCreateInstance", store_.open());
    try {
        Refresh("", 0);
    } catch (...) {
        store_.close();
        throw;
    }
}

CURLHistory::~CURLHistory() {
    store_.close();
}

void CURLHistory::AddURL(const std::string& url, const std::string& title, std::uint32_t flags) {
    check("AddUrl", store_.addUrl(url, title, flags));
}

void CURLHistory::Clear() {
    check("ClearHistory", store_.clearHistory());
    Refresh("", 0);
}

void CURLHistory::Refresh(const std::string& prefix, std::uint32_t flags) {
    std::vector<StatUrl> entries;
    check("EnumUrls", store_.enumUrls(prefix, flags, entries));
    std::vector<URLHistoryItem> items;
    items.reserve(entries.size());
    for (auto& entry : entries) items.emplace_back(store_, std::move(entry));
    items_ = std::move(items);
}

std::size_t CURLHistory::position(long index) const {
    if (index < 1 || index > Count())
        throw std::out_of_range("URL history: no entry " + std::to_string(index));
    return static_cast<std::size_t>(index - 1);
}

const URLHistoryItem& CURLHistory::Item(long index) const {
    return items_[position(index)];
}

void CURLHistory::Remove(long index) {
    const std::size_t at = position(index);
    check("DeleteUrl", store_.deleteUrl(items_[at].URL(), 0));
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(at));
}

void CURLHistory::DeleteURL(const std::string& url, std::uint32_t flags) {
    check("DeleteUrl", store_.deleteUrl(url, flags));
    Refresh("", 0);
}

void ClearUrlHistory(CleanRun& run) {
    try {
        CURLHistory history(run.os().urlHistory);
        history.Clear();
    } catch (const UrlHistoryError&) {
        // A store that cannot be opened or cleared leaves the history as it is; the item goes on.
    }
}

}  // namespace hv
