#pragma once
// The per-user URL history store as a collection: CURLHistory holds every entry of the store,
// URLHistoryItem is one of them. The clean run creates one, calls Clear and drops it.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/url_history.h"

namespace hv {

class CleanRun;

// A failing call on the store or its enumerator, with the result the call gave.
class UrlHistoryError : public std::runtime_error {
  public:
    UrlHistoryError(const char* call, long result);
    long result() const { return result_; }

  private:
    long result_;
};

// A date as days since 30 December 1899, the time of day as the fraction.
using VariantDate = double;

// FILETIME ticks to a date value through calendar fields, milliseconds dropped; 0 for ticks
// that are no valid time.
VariantDate FileTimeToVariantDate(std::int64_t ticks);

class URLHistoryItem {
  public:
    URLHistoryItem(UrlHistory& store, StatUrl entry) : store_(&store), entry_(std::move(entry)) {}

    // The times in local time; the stored times stay UTC, so every read gives the same value.
    VariantDate LastVisited() const { return localDate(entry_.lastVisited); }
    VariantDate Expires() const { return localDate(entry_.expires); }
    VariantDate LastUpdated() const { return localDate(entry_.lastUpdated); }
    const std::string& URL() const { return entry_.url; }
    std::uint32_t FLAGS() const { return entry_.flags; }
    // Empty for an entry without a title.
    const std::string& Title() const { return entry_.title; }

  private:
    VariantDate localDate(std::int64_t utcTicks) const;

    UrlHistory* store_;  // for the time-zone conversion
    StatUrl entry_;
};

// Holds the store open for as long as it lives; one instance at a time, since every instance
// opens and closes the same platform store. Every failing store call throws UrlHistoryError.
class CURLHistory {
  public:
    // Opens the store and reads every entry.
    explicit CURLHistory(UrlHistory& store);
    ~CURLHistory();
    CURLHistory(const CURLHistory&) = delete;
    CURLHistory& operator=(const CURLHistory&) = delete;

    // Adds to the store; the collection stays as it was.
    void AddURL(const std::string& url, const std::string& title, std::uint32_t flags);
    long Count() const { return static_cast<long>(items_.size()); }
    // Empties the store, then reads it again.
    void Clear();
    // Reads the entries whose address starts with prefix ("" for all) anew.
    void Refresh(const std::string& prefix, std::uint32_t flags);
    // 1-based; std::out_of_range past either end.
    const URLHistoryItem& Item(long index) const;
    // Deletes the entry at a 1-based index from the store and the collection; std::out_of_range
    // past either end, and then nothing is deleted.
    void Remove(long index);
    // Deletes an address from the store, then reads it again.
    void DeleteURL(const std::string& url, std::uint32_t flags);

    // For-each over the entries in store order.
    std::vector<URLHistoryItem>::const_iterator begin() const { return items_.begin(); }
    std::vector<URLHistoryItem>::const_iterator end() const { return items_.end(); }

  private:
    std::size_t position(long index) const;

    UrlHistory& store_;
    std::vector<URLHistoryItem> items_;
};

// The clean-run step that wipes the whole history; a failing store is passed over.
void ClearUrlHistory(CleanRun& run);

}  // namespace hv
