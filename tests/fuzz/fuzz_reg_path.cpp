// SplitRegPath and RootKeyFromName over any text: a malformed path shows "Incorrect Format:"
// and changes nothing; a well-formed one splits at its first backslash into a known root (or
// none) and the rest; only the seven upper-case root names give a root.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/regfun.h"
#include "fuzz/fuzz_machine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace hv;
    const std::string text(reinterpret_cast<const char*>(data), size);
    sim::SimDialogs dialogs;

    const RootKey named = RootKeyFromName(text);
    fuzz::Require(named == kNoRoot || (named >= kClassesRoot && named <= kDynData),
                  "an unknown root handle");
    fuzz::Require(named == kNoRoot || text.starts_with("HKEY_"), "a root for a name without HKEY_");

    std::string path = text;
    RootKey root = 0x12345678u;
    SplitRegPath(dialogs, path, root);
    const bool malformed = !text.starts_with("HKEY_") || text.ends_with('\\');
    if (malformed) {
        fuzz::Require(
            dialogs.shown.size() == 1 && dialogs.shown[0].text == "Incorrect Format:\n\n" + text,
            "a malformed path without its message");
        fuzz::Require(path == text && root == 0x12345678u, "a malformed path changed something");
    } else {
        fuzz::Require(dialogs.shown.empty(), "a message for a well-formed path");
        const auto slash = text.find('\\');
        fuzz::Require(root == RootKeyFromName(text.substr(0, slash)), "the wrong root");
        fuzz::Require(path == (slash == std::string::npos ? "" : text.substr(slash + 1)),
                      "the wrong sub-key");
    }
    return 0;
}
