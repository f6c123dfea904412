#include "finder/find_files.h"

#include <gtest/gtest.h>

#include "platform/sim/machine.h"

namespace hv {
namespace {

// Records what the search shows; text is measured at one pixel per character.
class RecordingWindow : public SearchWindow {
  public:
    void searchStarted() override { ++starts; }
    bool includeSubFolders() override { return subFolders; }
    // A walk that never ends is cut short, so that it fails instead of hanging.
    void showFolder(const std::string& folder) override {
        shown.push_back(folder);
        if (shown.size() > 100) closed = true;
    }
    void listHit(const std::string& line, const std::string& path) override {
        lines.push_back(line);
        paths.push_back(path);
    }
    int measureTextWidth(const std::string& text) override { return static_cast<int>(text.size()); }
    bool stopRequested() override { return stop; }
    bool closing() override { return closed; }

    bool subFolders = true;
    bool stop = false;
    bool closed = false;
    int starts = 0;
    std::vector<std::string> shown, lines, paths;
};

class FindFilesTest : public ::testing::Test {
  protected:
    SearchResult search(const std::string& patterns, const std::string& start = "C:\\t") {
        return FindFiles(machine.files, machine.events, window, start, patterns);
    }

    sim::Machine machine;
    RecordingWindow window;
};

TEST_F(FindFilesTest, MatchesNamesByTheirCoresAndStars) {
    const struct {
        const char* patterns;
        const char* name;
        bool listed;
    } cases[] = {
        // The first entry's core is not shorter than the name; the second one matches.
        {"*.tmp;*.c", "a.c", true},
        {"*.tmp", "a.tmpx", false},
        {"*.tmp", ".tmp", false},
        {"*.tmp", "A.TMP", true},
        {"*.TMP", "b.tmp", true},
        {"~*", "~WRL0001.doc", true},
        {"~*", "a~b", false},
        {"*word*", "MyWORDfile.doc", true},
        {"*word*", "word", false},
        {"*word*", "wor.d", false},
        // A star inside an entry is an ordinary character.
        {"*.t*p", "a.tmp", false},
        // Without stars only the exact-name test can find a file.
        {"tmp", "a.tmp", false},
    };
    for (const auto& c : cases) {
        sim::Machine fresh;
        fresh.addFiles(std::string("C:\\t\\") + c.name + " | size=10");
        RecordingWindow w;
        FindFiles(fresh.files, fresh.events, w, "C:\\t", c.patterns);
        const std::string prefix = std::string("C:\\t\\") + c.name + "   Size:10   LastModyfied:";
        const bool listed = w.lines.size() == 1 && w.lines[0].rfind(prefix, 0) == 0;
        EXPECT_EQ(listed, c.listed) << c.patterns << " / " << c.name;
        EXPECT_EQ(w.lines.size(), c.listed ? 1u : 0u) << c.patterns << " / " << c.name;
    }
}

TEST_F(FindFilesTest, AHitLineCarriesPathSizeAndDateAndCounts) {
    machine.addFiles(R"(C:\t\A.TMP | size=2048 | modified=2026-05-01 12:30
C:\t\b.chk | size=1000 | modified=2025-12-24 09:05)");
    const auto result = search("*.tmp;*.gid;*.chk");
    ASSERT_EQ(result.end, SearchResult::End::Finished);
    EXPECT_EQ(window.lines, (std::vector<std::string>{
                                "C:\\t\\A.TMP   Size:2048   LastModyfied:5/1/2026 12:30:00 PM",
                                "C:\\t\\b.chk   Size:1000   LastModyfied:12/24/2025 9:05:00 AM"}));
    EXPECT_EQ(window.paths, (std::vector<std::string>{"C:\\t\\A.TMP", "C:\\t\\b.chk"}));
    EXPECT_EQ(result.totalBytes, 3048);
    EXPECT_EQ(result.widestWidth,
              static_cast<int>(std::string("C:\\t\\b.chk   1000   12/24/2025 9:05:00 AM").size()));
    ASSERT_EQ(result.entries.size(), 3u);
    EXPECT_EQ(result.entries[0].hits, 1);
    EXPECT_EQ(result.entries[1].hits, 0);
    EXPECT_EQ(result.entries[2].hits, 1);
    EXPECT_EQ(SearchSummary(2, result),
              "2  Files Found      .tmp - 1    .gid - 0    .chk - 1\r\nTotal size: 3.048kb");
}

TEST_F(FindFilesTest, AnExactNameIsListedOnceAndCannotBeDeleted) {
    machine.addFiles(R"(C:\t\thumbs.db | attr=HS
C:\t\a.tmp | modified=2026-01-02 13:00
C:\t\sub\thumbs.db
C:\t\sub\x.txt)");
    const auto result = search("*.tmp;thumbs.db");
    // thumbs.db is the folder's first file: it fails "*.tmp", then the exact name is found.
    EXPECT_EQ(window.lines,
              (std::vector<std::string>{
                  "C:\\t\\thumbs.db", "C:\\t\\a.tmp   Size:0   LastModyfied:1/2/2026 1:00:00 PM"}));
    EXPECT_EQ(window.paths, (std::vector<std::string>{"", "C:\\t\\a.tmp"}));
    EXPECT_EQ(result.entries[1].hits, 1);
    EXPECT_TRUE(result.entries[1].exactNameFound);
}

TEST_F(FindFilesTest, TheSwapFileAndRecycledFoldersAreLeftOut) {
    machine.addFiles(R"(C:\t\x\Recycled\a.tmp
C:\t\y\RECYCLED\b.tmp
C:\t\old\WIN386.SWP
C:\t\old\c.swp)");
    search("*.tmp;*.swp");
    ASSERT_EQ(window.paths,
              (std::vector<std::string>{"C:\\t\\old\\c.swp", "C:\\t\\y\\RECYCLED\\b.tmp"}));
}

TEST_F(FindFilesTest, FoldersAreVisitedBreadthFirst) {
    machine.addFiles(R"(C:\t\a\a1\
C:\t\b\x.tmp
C:\t\a\a2\y.tmp
C:\t\a\z.tmp)");
    const auto result = search("*.tmp");
    const std::vector<std::string> order{"C:\\t\\", "C:\\t\\a\\", "C:\\t\\b\\", "C:\\t\\a\\a1\\",
                                         "C:\\t\\a\\a2\\"};
    EXPECT_EQ(result.folders, order);
    EXPECT_EQ(window.shown, order);
    EXPECT_EQ(window.paths, (std::vector<std::string>{"C:\\t\\a\\z.tmp", "C:\\t\\b\\x.tmp",
                                                      "C:\\t\\a\\a2\\y.tmp"}));
}

TEST_F(FindFilesTest, WithoutSubFoldersOnlyTheStartFolderIsSearched) {
    machine.addFiles("C:\\t\\a.tmp\nC:\\t\\sub\\b.tmp");
    window.subFolders = false;
    const auto result = search("*.tmp", "C:\\t\\");
    EXPECT_EQ(result.folders, std::vector<std::string>{"C:\\t\\"});
    EXPECT_EQ(window.paths, std::vector<std::string>{"C:\\t\\a.tmp"});
}

TEST_F(FindFilesTest, AnEmptyPatternTextChangesNothing) {
    machine.addFiles("C:\\t\\a.tmp");
    const auto result = search("");
    EXPECT_EQ(result.end, SearchResult::End::NothingToSearch);
    EXPECT_EQ(window.starts, 0);
    EXPECT_TRUE(window.shown.empty());
    EXPECT_EQ(machine.events.doEventsCount, 0);
}

TEST_F(FindFilesTest, AFolderThatCannotBeReadGivesNothingAndTheSearchGoesOn) {
    machine.addFiles("C:\\t\\locked\\a.tmp\nC:\\t\\locked\\deep\\b.tmp\nC:\\t\\open\\c.tmp");
    machine.files.setUnreadable("C:\\t\\locked");
    search("*.tmp");
    EXPECT_EQ(window.paths, std::vector<std::string>{"C:\\t\\open\\c.tmp"});
}

TEST_F(FindFilesTest, StopIsHonouredWhenAFileNextFailsAnEntry) {
    // Empty folders are walked on; the stop takes effect at b.txt, after a.tmp was listed.
    machine.addFiles(R"(C:\t\e1\
C:\t\e2\
C:\t\f\a.tmp
C:\t\f\b.txt
C:\t\f\c.tmp
C:\t\g\d.tmp)");
    machine.events.onDoEvents = [this] { window.stop = true; };
    const auto result = search("*.tmp");
    EXPECT_EQ(result.end, SearchResult::End::Stopped);
    EXPECT_EQ(window.paths, std::vector<std::string>{"C:\\t\\f\\a.tmp"});
    EXPECT_EQ(window.shown,
              (std::vector<std::string>{"C:\\t\\", "C:\\t\\e1\\", "C:\\t\\e2\\", "C:\\t\\f\\"}));
}

TEST_F(FindFilesTest, AClosingWindowEndsTheSearchAtTheNextYield) {
    machine.addFiles("C:\\t\\a\\x.tmp\nC:\\t\\b\\y.tmp");
    machine.events.onDoEvents = [this] { window.closed = true; };
    const auto result = search("*.tmp");
    EXPECT_EQ(result.end, SearchResult::End::Closed);
    EXPECT_TRUE(window.lines.empty());
}

TEST_F(FindFilesTest, AFolderLinkIsNeverEnteredSoALoopEnds) {
    machine.addFiles(R"(C:\t\a.tmp
C:\t\sub\b.tmp
C:\t\sub\back\ | link=C:\t
C:\t\out\ | link=C:\Users\ann)");
    machine.addFiles("C:\\Users\\ann\\c.tmp");
    const auto result = search("*.tmp");
    EXPECT_EQ(result.end, SearchResult::End::Finished);
    EXPECT_EQ(result.folders, (std::vector<std::string>{"C:\\t\\", "C:\\t\\sub\\"}));
    EXPECT_EQ(window.paths, (std::vector<std::string>{"C:\\t\\a.tmp", "C:\\t\\sub\\b.tmp"}));
}

TEST_F(FindFilesTest, TheTotalStaysWithin32BitsAndCountersWithin16) {
    machine.addFiles("C:\\t\\big.tmp | size=2000000000\nC:\\t\\more.tmp | size=200000000");
    machine.addFiles("C:\\t\\small.tmp | size=147483647");
    auto result = search("*.tmp");
    EXPECT_EQ(window.lines.size(), 3u);
    EXPECT_EQ(result.totalBytes, 2147483647);

    // A folder of 32770 hits, listed without building them one by one on the simulated drive.
    class CrowdedFolder : public sim::SimFileSystem {
      public:
        long list(const std::string&, std::vector<FileInfo>& out) override {
            out.assign(32770, FileInfo{"f.tmp", attr::kArchive, 1, 0});
            return kSuccess;
        }
    } crowded;
    RecordingWindow w;
    w.subFolders = false;
    result = FindFiles(crowded, machine.events, w, "C:\\m", "*.tmp");
    EXPECT_EQ(w.lines.size(), 32770u);
    EXPECT_EQ(result.entries[0].hits, 32767);
}

TEST(FindFilesHelpers, AddBackslashAndSplit) {
    EXPECT_EQ(AddBackslash("C:\\t"), "C:\\t\\");
    EXPECT_EQ(AddBackslash("C:\\"), "C:\\");
    const auto entries = SplitPatternList("*.tmp;~*;*word*;thumbs.db;*");
    ASSERT_EQ(entries.size(), 5u);
    const struct {
        const char* core;
        bool leading, trailing;
    } expected[] = {{".tmp", true, false},
                    {"~", false, true},
                    {"word", true, true},
                    {"thumbs.db", false, false},
                    {"", true, false}};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].core, expected[i].core);
        EXPECT_EQ(entries[i].leadingStar, expected[i].leading) << i;
        EXPECT_EQ(entries[i].trailingStar, expected[i].trailing) << i;
    }
}

}  // namespace
}  // namespace hv
