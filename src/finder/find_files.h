#pragma once
// The file finder's search: a breadth-first walk from a start folder that lists every file
// whose name matches one of the junk patterns ("*.tmp;~*;*word*;thumbs.db"). The walk runs on
// the user-interface thread and yields to it twice per folder (and at most every 20 ms of
// work in between), which is how the window's "&Stop" reaches it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/event_loop.h"
#include "platform/file_system.h"

namespace hv {

// One entry of the pattern list: its core with the stars at either end taken off and
// remembered; a star anywhere else is an ordinary character of the core.
struct PatternEntry {
    std::string core;
    bool leadingStar = false;
    bool trailingStar = false;
    std::int16_t hits = 0;        // stays at 32767 once there
    bool exactNameFound = false;  // an entry without stars is looked for until found once
};

// The pattern text split at ";" into entries, in order.
std::vector<PatternEntry> SplitPatternList(std::string_view patternText);
// Whether the name matches the entry by its stars, letter case ignored. The core must be
// shorter than the name; an entry with neither star matches no name.
bool MatchesByName(const PatternEntry& entry, std::string_view fileName);
// The path with "\" appended unless it already ends in one.
std::string AddBackslash(std::string_view path);

// The window the search runs in: frmLocate, or a test's recorder.
class SearchWindow {
  public:
    virtual ~SearchWindow() = default;

    // The search begins: "E&xit" becomes "&Stop".
    virtual void searchStarted() = 0;
    // "Include Sub Directories", asked at every folder since the user may change it meanwhile.
    virtual bool includeSubFolders() = 0;
    virtual void showFolder(const std::string& folder) = 0;
    // A result line. path is the file a delete may take; empty for an exact-name line, which
    // names no file to delete.
    virtual void listHit(const std::string& line, const std::string& path) = 0;
    virtual int measureTextWidth(const std::string& text) = 0;
    // "&Stop" was pressed: honoured the next time a file fails an entry.
    virtual bool stopRequested() = 0;
    // The window is going away: the search ends at its next yield.
    virtual bool closing() = 0;
};

struct SearchResult {
    enum class End {
        NothingToSearch,  // an empty pattern text: nothing in the window changed
        Finished,
        Stopped,  // by "&Stop"; the lines listed so far stay
        Closed,
    };
    End end = End::NothingToSearch;
    std::vector<PatternEntry> entries;
    // Every folder queued, in visiting order, each ending in "\".
    std::vector<std::string> folders;
    // Bytes of the listed files, a signed 32-bit total: a file that would take it past
    // 2147483647 is not added.
    std::int32_t totalBytes = 0;
    int widestWidth = 0;  // of the widest listed hit, as the window measured it
};

// Searches startFolder (and, while the window asks for it, every folder below it; folder links
// are never entered) for files matching the pattern text.
SearchResult FindFiles(FileSystem& files, EventLoop& events, SearchWindow& window,
                       const std::string& startFolder, const std::string& patternText);

// The status text after a search: "3  Files Found      .tmp - 3    .gid - 0" CR LF
// "Total size: 6.144kb".
std::string SearchSummary(int lineCount, const SearchResult& result);

}  // namespace hv
