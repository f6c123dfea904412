// The file finder over any pattern text (the input's first line) and any file names (one a
// line after it), in a folder tree with a link loop and a link out to the user's own files:
// the search ends, visits no folder twice, never enters a link, and lists only files below the
// start folder whose names match an entry by its stars.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "finder/find_files.h"
#include "fuzz/fuzz_machine.h"
#include "platform/text.h"
#include "platform/win_path.h"

namespace {

class Recorder : public hv::SearchWindow {
  public:
    void searchStarted() override {}
    bool includeSubFolders() override { return true; }
    void showFolder(const std::string&) override {}
    void listHit(const std::string& line, const std::string& path) override {
        lines.push_back(line);
        if (!path.empty()) paths.push_back(path);
    }
    int measureTextWidth(const std::string& text) override { return static_cast<int>(text.size()); }
    bool stopRequested() override { return false; }
    bool closing() override { return false; }

    std::vector<std::string> lines, paths;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace hv;
    std::string rest(reinterpret_cast<const char*>(data), size);
    const auto end = rest.find('\n');
    const std::string patterns = rest.substr(0, end);
    rest = end == std::string::npos ? "" : rest.substr(end + 1);

    sim::Machine machine;
    fuzz::PlantFixture(machine);
    int n = 0;
    for (const auto& name : splitLines(rest)) {
        if (name.empty() || name.find_first_of("\\/:") != std::string::npos || name == "." ||
            name == ".." || ++n > 40)
            continue;
        machine.files.addFile((n % 2 ? "C:\\Junk\\" : "C:\\Junk\\sub\\") + name, n);
    }
    machine.files.addFile("C:\\Junk\\sub\\deep\\x.tmp", 5);
    machine.files.addFolderLink("C:\\Junk\\sub\\loop", "C:\\Junk");
    machine.files.addFolderLink("C:\\Junk\\out", "C:\\Precious");

    Recorder window;
    const SearchResult result =
        FindFiles(machine.files, machine.events, window, "C:\\Junk", patterns);
    std::set<std::string> seen;
    for (const auto& folder : result.folders) {
        fuzz::Require(seen.insert(toLower(folder)).second, "a folder visited twice: " + folder);
        fuzz::Require(isSameOrInside(folder, "C:\\Junk") &&
                          folder.find("\\loop") == std::string::npos &&
                          folder.find("\\out") == std::string::npos,
                      "the search entered a link: " + folder);
    }
    for (const auto& path : window.paths) {
        fuzz::Require(isSameOrInside(path, "C:\\Junk") &&
                          path.find("\\loop\\") == std::string::npos &&
                          path.find("\\out\\") == std::string::npos,
                      "a hit outside the start folder: " + path);
        bool matches = false;
        for (const auto& entry : result.entries)
            matches = matches || MatchesByName(entry, leafName(path));
        fuzz::Require(matches, "a hit matching no entry: " + path);
    }
    return 0;
}
