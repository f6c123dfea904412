// GetDlgSelectFileInfo over any dialog result and current directory (the first byte of the
// input gives the directory's length): the folder is the directory ending with one backslash,
// the count matches the names, no name is empty or holds a NUL, and a multiple selection's
// names are its NUL-separated pieces in order.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/custom_items.h"
#include "fuzz/fuzz_machine.h"
#include "platform/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace hv;
    if (size == 0) return 0;
    const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string directory = input.substr(0, std::min<std::size_t>(data[0], input.size()));
    const std::string result = input.substr(directory.size());
    const std::string dialogResult = directory + result;

    const DlgSelectFileInfo info = GetDlgSelectFileInfo(directory, dialogResult);
    fuzz::Require(info.folder.starts_with(directory) && info.folder.ends_with('\\') &&
                      info.folder.size() <= directory.size() + 1,
                  "the folder is not the directory with one backslash");
    fuzz::Require(info.count == static_cast<std::int16_t>(info.names.size()),
                  "the count does not match the names");
    if (!result.empty() && result[0] == '\0') {
        std::vector<std::string> pieces;
        for (const auto& piece : splitAll(std::string_view(result).substr(1), '\0'))
            if (!piece.empty()) pieces.push_back(piece);
        fuzz::Require(info.names == pieces, "the names are not the selection's pieces");
    } else {
        fuzz::Require(info.names.size() == 1, "one file chosen, not one name");
        fuzz::Require(!info.names[0].starts_with('\\') || result.starts_with("\\\\"),
                      "the single name keeps its leading backslash");
    }
    return 0;
}
