#include "finder/find_files.h"

#include <limits>

#include "engine/clean_run.h"
#include "engine/pacer.h"
#include "platform/file_time.h"
#include "platform/text.h"

namespace hv {

namespace {

constexpr std::int16_t kMaxHits = std::numeric_limits<std::int16_t>::max();
constexpr std::int32_t kMaxTotal = std::numeric_limits<std::int32_t>::max();

void CountHit(PatternEntry& entry) {
    if (entry.hits < kMaxHits) ++entry.hits;
}

// The swap file of old Windows and the recycle bins of FAT drives are never offered for
// deletion. The bin's name is compared with its exact capitals, as it always was.
bool IsExcluded(const std::string& path) {
    return toLower(path).find("win386.swp") != std::string::npos ||
           path.find("Recycled") != std::string::npos;
}

}  // namespace

std::vector<PatternEntry> SplitPatternList(std::string_view patternText) {
    std::vector<PatternEntry> entries;
    for (auto& piece : splitAll(patternText, ';')) {
        PatternEntry entry;
        if (!piece.empty() && piece.front() == '*') {
            entry.leadingStar = true;
            piece.erase(0, 1);
        }
        if (!piece.empty() && piece.back() == '*') {
            entry.trailingStar = true;
            piece.pop_back();
        }
        entry.core = std::move(piece);
        entries.push_back(std::move(entry));
    }
    return entries;
}

bool MatchesByName(const PatternEntry& entry, std::string_view fileName) {
    if (entry.core.size() >= fileName.size()) return false;
    const std::string name = toLower(fileName);
    const std::string core = toLower(entry.core);
    if (entry.leadingStar && entry.trailingStar) return name.find(core) != std::string::npos;
    if (entry.leadingStar) return name.ends_with(core);
    if (entry.trailingStar) return name.starts_with(core);
    return false;
}

std::string AddBackslash(std::string_view path) {
    std::string out(path);
    if (out.empty() || out.back() != '\\') out += '\\';
    return out;
}

SearchResult FindFiles(FileSystem& files, EventLoop& events, SearchWindow& window,
                       const std::string& startFolder, const std::string& patternText) {
    SearchResult result;
    if (patternText.empty()) return result;
    window.searchStarted();
    result.entries = SplitPatternList(patternText);
    result.folders.push_back(AddBackslash(startFolder));
    Pacer pacer(events);
    const auto ended = [&](SearchResult::End end) {
        result.end = end;
        return result;
    };

    // The list grows while it is walked: breadth first.
    for (std::size_t next = 0; next < result.folders.size(); ++next) {
        const std::string folder = result.folders[next];
        pacer.yieldNow();
        if (window.closing()) return ended(SearchResult::End::Closed);

        // A folder that cannot be read gives neither sub-folders nor hits.
        std::vector<FileInfo> listing;
        if (files.list(folder, listing) != kSuccess) listing.clear();
        // A link to a folder is never queued: a junction that leads back up would make the
        // walk endless, and one that leads elsewhere is not below the start folder.
        if (window.includeSubFolders())
            for (const auto& sub : listing)
                if (sub.isFolder() && !sub.isLink())
                    result.folders.push_back(folder + sub.name + "\\");

        window.showFolder(folder);
        pacer.yieldNow();
        if (window.closing()) return ended(SearchResult::End::Closed);

        for (const auto& file : listing) {
            if (file.isFolder()) continue;
            pacer.yieldPaced();
            if (window.closing()) return ended(SearchResult::End::Closed);
            const std::string path = folder + file.name;
            for (auto& entry : result.entries) {
                // A name without stars is looked for as a file of the folder, once per search.
                if (!entry.leadingStar && !entry.trailingStar && !entry.exactNameFound) {
                    const auto named = files.stat(folder + entry.core);
                    if (named && !named->isFolder()) {
                        window.listHit(folder + entry.core, "");
                        CountHit(entry);
                        entry.exactNameFound = true;
                    }
                }
                if (MatchesByName(entry, file.name)) {
                    if (!IsExcluded(path)) {
                        const std::string size = std::to_string(file.size);
                        const std::string date = GeneralDateTime(CalendarTimeOf(file.modified));
                        window.listHit(path + "   Size:" + size + "   LastModyfied:" + date, path);
                        if (file.size <= static_cast<std::uint64_t>(kMaxTotal - result.totalBytes))
                            result.totalBytes += static_cast<std::int32_t>(file.size);
                        const int width =
                            window.measureTextWidth(path + "   " + size + "   " + date);
                        if (width > result.widestWidth) result.widestWidth = width;
                        CountHit(entry);
                    }
                    break;
                }
                if (window.stopRequested()) return ended(SearchResult::End::Stopped);
            }
        }
    }
    return ended(SearchResult::End::Finished);
}

std::string SearchSummary(int lineCount, const SearchResult& result) {
    std::string text = std::to_string(lineCount) + "  Files Found  ";
    for (const auto& entry : result.entries)
        text += "    " + entry.core + " - " + std::to_string(entry.hits);
    text += "\r\nTotal size: " + formatNumber(result.totalBytes / 1000.0) + "kb";
    return text;
}

}  // namespace hv
