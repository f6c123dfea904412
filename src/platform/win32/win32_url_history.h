#pragma once
// The URL history store through CUrlHistory's IUrlHistoryStg2.
#include <memory>

#include "platform/url_history.h"

namespace hv::win32 {

class Win32UrlHistory final : public UrlHistory {
  public:
    Win32UrlHistory();
    ~Win32UrlHistory() override;
    Win32UrlHistory(const Win32UrlHistory&) = delete;
    Win32UrlHistory& operator=(const Win32UrlHistory&) = delete;

    long open() override;
    void close() override;
    long addUrl(const std::string& url, const std::string& title, std::uint32_t flags) override;
    long deleteUrl(const std::string& url, std::uint32_t flags) override;
    long clearHistory() override;
    long enumUrls(const std::string& prefix, std::uint32_t flags,
                  std::vector<StatUrl>& out) override;
    std::int64_t toLocalFileTime(std::int64_t utcTicks) override;

  private:
    struct Store;  // the COM objects, kept out of this header
    std::unique_ptr<Store> store_;
};

}  // namespace hv::win32
