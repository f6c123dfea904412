#include "catalogue/url_history.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/sim/machine.h"

namespace hv {
namespace {

// FILETIME ticks of a UTC date and time.
constexpr std::int64_t kTicksPerDay = 864000000000LL;
constexpr std::int64_t kTicksPerSecond = 10000000LL;
// 1899-12-30, the day a date value counts from, as days after 1601-01-01.
constexpr std::int64_t kDateEpochDay = 109205;

StatUrl entry(const std::string& url, const std::string& title = "") {
    StatUrl e;
    e.url = url;
    e.title = title;
    return e;
}

class UrlHistoryTest : public ::testing::Test {
  protected:
    sim::Machine machine;
    sim::SimUrlHistory& store = machine.urlHistory;
};

TEST(FileTimeToVariantDate, CountsDaysFrom30December1899WithTheTimeAsFraction) {
    const struct {
        std::int64_t ticks;
        double date;
    } cases[] = {
        {kDateEpochDay * kTicksPerDay, 0.0},
        // 1900-01-01 18:00:00.750: the milliseconds are dropped.
        {(kDateEpochDay + 2) * kTicksPerDay + 18 * 3600 * kTicksPerSecond + 7500000, 2.75},
        // 2026-12-11 12:00.
        {(kDateEpochDay + 46367) * kTicksPerDay + kTicksPerDay / 2, 46367.5},
        // 1899-12-29 06:00: whole days count back, the time of day forward.
        {(kDateEpochDay - 1) * kTicksPerDay + kTicksPerDay / 4, -1.25},
        // 1601-01-01, the first FILETIME.
        {0, -109205.0},
        // No valid time at all.
        {-1, 0.0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(FileTimeToVariantDate(c.ticks), c.date) << c.ticks;
}

TEST_F(UrlHistoryTest, CreatingReadsEveryEntryInStoreOrder) {
    store.entries = {entry("http://a.example/", "A"), entry("http://b.example/")};
    store.entries[0].lastVisited = (kDateEpochDay + 46367) * kTicksPerDay;
    store.entries[0].flags = 0x21;

    CURLHistory history(store);
    ASSERT_EQ(history.Count(), 2);
    EXPECT_EQ(history.Item(1).URL(), "http://a.example/");
    EXPECT_EQ(history.Item(1).Title(), "A");
    EXPECT_EQ(history.Item(1).FLAGS(), 0x21u);
    EXPECT_DOUBLE_EQ(history.Item(1).LastVisited(), 46367.0);
    EXPECT_DOUBLE_EQ(history.Item(1).LastVisited(), 46367.0);
    EXPECT_EQ(history.Item(2).Title(), "");
    std::vector<std::string> urls;
    for (const auto& item : history) urls.push_back(item.URL());
    EXPECT_EQ(urls, (std::vector<std::string>{"http://a.example/", "http://b.example/"}));
}

TEST_F(UrlHistoryTest, TheStoreIsOpenOnlyWhileTheCollectionLives) {
    {
        CURLHistory history(store);
        EXPECT_TRUE(store.opened);
    }
    EXPECT_FALSE(store.opened);
}

TEST_F(UrlHistoryTest, ClearEmptiesTheStoreAndTheCollectionAtOnce) {
    store.entries = {entry("http://a.example/"), entry("http://b.example/")};
    CURLHistory history(store);
    history.Clear();
    EXPECT_EQ(history.Count(), 0);
    EXPECT_TRUE(store.entries.empty());

    // An empty history clears without failing.
    history.Clear();
    EXPECT_EQ(history.Count(), 0);
    EXPECT_EQ(store.clears, 2);
}

TEST_F(UrlHistoryTest, AddLeavesTheCollectionUntilRefreshAndRefreshFiltersByPrefix) {
    CURLHistory history(store);
    history.AddURL("http://a.example/x", "X", 0);
    history.AddURL("http://b.example/y", "Y", 0);
    EXPECT_EQ(history.Count(), 0);
    history.Refresh("http://b.", 0);
    ASSERT_EQ(history.Count(), 1);
    EXPECT_EQ(history.Item(1).URL(), "http://b.example/y");
    history.Refresh("", 0);
    EXPECT_EQ(history.Count(), 2);
}

TEST_F(UrlHistoryTest, RemoveAndDeleteUrlTakeEntriesFromStoreAndCollection) {
    store.entries = {entry("http://a.example/"), entry("http://b.example/"),
                     entry("http://c.example/")};
    CURLHistory history(store);
    history.Remove(2);
    ASSERT_EQ(history.Count(), 2);
    EXPECT_EQ(history.Item(2).URL(), "http://c.example/");
    EXPECT_EQ(store.entries.size(), 2u);

    history.DeleteURL("http://a.example/", 0);
    ASSERT_EQ(history.Count(), 1);
    EXPECT_EQ(history.Item(1).URL(), "http://c.example/");
}

TEST_F(UrlHistoryTest, AnIndexOutsideTheCollectionFailsAndDeletesNothing) {
    store.entries = {entry("http://a.example/")};
    CURLHistory history(store);
    for (long index : {0L, 2L, -1L}) {
        EXPECT_THROW(history.Remove(index), std::out_of_range) << index;
        EXPECT_THROW(history.Item(index), std::out_of_range) << index;
    }
    EXPECT_EQ(history.Count(), 1);
    EXPECT_EQ(store.entries.size(), 1u);
}

TEST_F(UrlHistoryTest, FailingStoreCallsRaiseTheirResult) {
    store.entries = {entry("http://a.example/")};
    CURLHistory history(store);
    const struct {
        const char* call;
        std::function<void()> member;
    } cases[] = {
        {"addUrl", [&] { history.AddURL("http://n.example/", "", 0); }},
        {"deleteUrl", [&] { history.Remove(1); }},
        {"deleteUrl", [&] { history.DeleteURL("http://a.example/", 0); }},
        {"clearHistory", [&] { history.Clear(); }},
        {"enumUrls", [&] { history.Refresh("", 0); }},
    };
    for (const auto& c : cases) {
        store.failing = {c.call};
        try {
            c.member();
            ADD_FAILURE() << c.call << " did not fail";
        } catch (const UrlHistoryError& error) {
            EXPECT_EQ(error.result(), -2147467259L) << c.call;  // E_FAIL
        }
        // A failed call leaves the collection as it was.
        EXPECT_EQ(history.Count(), 1) << c.call;
    }
    EXPECT_EQ(store.entries.size(), 1u);
}

TEST_F(UrlHistoryTest, AStoreThatCannotBeCreatedFailsTheConstructor) {
    store.available = false;
    EXPECT_THROW(CURLHistory history(store), UrlHistoryError);
    store.available = true;
    store.failing = {"enumUrls"};
    EXPECT_THROW(CURLHistory history(store), UrlHistoryError);
    EXPECT_FALSE(store.opened);
}

}  // namespace
}  // namespace hv
