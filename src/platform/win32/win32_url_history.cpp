#include "platform/win32/win32_url_history.h"

#include <windows.h>

#include <shlguid.h>
#include <urlhist.h>

#include "platform/win32/win32_com.h"

namespace hv::win32 {

namespace {

// Returned by every call while the store is not open, like a call on a missing object.
constexpr long kNotOpen = static_cast<long>(E_POINTER);

std::int64_t ticks(const FILETIME& time) {
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) |
                                     time.dwLowDateTime);
}

}  // namespace

struct Win32UrlHistory::Store {
    ComApartment apartment;
    IUrlHistoryStg2* history = nullptr;

    ~Store() {
        if (history != nullptr) history->Release();
    }
};

Win32UrlHistory::Win32UrlHistory() = default;

Win32UrlHistory::~Win32UrlHistory() = default;

long Win32UrlHistory::open() {
    close();
    auto store = std::make_unique<Store>();
    // A thread already in the multi-threaded apartment can use COM all the same.
    if (!store->apartment.ready() && store->apartment.result() != RPC_E_CHANGED_MODE)
        return static_cast<long>(store->apartment.result());
    HRESULT result =
        CoCreateInstance(CLSID_CUrlHistory, nullptr, CLSCTX_INPROC_SERVER, IID_IUrlHistoryStg2,
                         reinterpret_cast<void**>(&store->history));
    if (FAILED(result)) return static_cast<long>(result);
    store_ = std::move(store);
    return S_OK;
}

void Win32UrlHistory::close() {
    store_.reset();
}

long Win32UrlHistory::addUrl(const std::string& url, const std::string& title,
                             std::uint32_t flags) {
    if (!store_) return kNotOpen;
    return static_cast<long>(
        store_->history->AddUrl(wideText(url).c_str(), wideText(title).c_str(), flags));
}

long Win32UrlHistory::deleteUrl(const std::string& url, std::uint32_t flags) {
    if (!store_) return kNotOpen;
    return static_cast<long>(store_->history->DeleteUrl(wideText(url).c_str(), flags));
}

long Win32UrlHistory::clearHistory() {
    if (!store_) return kNotOpen;
    return static_cast<long>(store_->history->ClearHistory());
}

long Win32UrlHistory::enumUrls(const std::string& prefix, std::uint32_t flags,
                               std::vector<StatUrl>& out) {
    out.clear();
    if (!store_) return kNotOpen;
    IEnumSTATURL* entries = nullptr;
    HRESULT result = store_->history->EnumUrls(&entries);
    if (FAILED(result) || entries == nullptr) return static_cast<long>(result);
    std::wstring filter = wideText(prefix);
    result = entries->SetFilter(prefix.empty() ? nullptr : filter.c_str(), flags);
    while (SUCCEEDED(result)) {
        STATURL stat{};
        stat.cbSize = sizeof stat;
        ULONG fetched = 0;
        result = entries->Next(1, &stat, &fetched);
        if (result != S_OK || fetched == 0) break;
        out.push_back({ansiText(stat.pwcsUrl), ansiText(stat.pwcsTitle), ticks(stat.ftLastVisited),
                       ticks(stat.ftLastUpdated), ticks(stat.ftExpires), stat.dwFlags});
        // The entry's texts belong to us once Next has handed them over.
        CoTaskMemFree(stat.pwcsUrl);
        CoTaskMemFree(stat.pwcsTitle);
    }
    entries->Release();
    return FAILED(result) ? static_cast<long>(result) : S_OK;
}

std::int64_t Win32UrlHistory::toLocalFileTime(std::int64_t utcTicks) {
    const auto bits = static_cast<std::uint64_t>(utcTicks);
    FILETIME utc{static_cast<DWORD>(bits & 0xFFFFFFFFu), static_cast<DWORD>(bits >> 32)};
    FILETIME local{};
    if (!FileTimeToLocalFileTime(&utc, &local)) return utcTicks;
    return ticks(local);
}

}  // namespace hv::win32
