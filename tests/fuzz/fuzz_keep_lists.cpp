// Both keep files of any text, and the two clean-run steps that apply them. The cookie step
// removes only files directly in the cookie folder, keeps every file a line names exactly, and
// removes every other plain file there; the address step leaves exactly the kept addresses as
// url1, url2, ...; a saved list loads back unchanged.
#include <cstddef>
#include <cstdint>
#include <string>

#include "catalogue/keep_lists.h"
#include "engine/regfun.h"
#include "fuzz/fuzz_machine.h"
#include "platform/text.h"

namespace {

constexpr const char* kCookies = "C:\\Users\\ann\\AppData\\Roaming\\Microsoft\\Windows\\Cookies";

void ApplyBothLists(hv::CleanRun& run) {
    hv::RestoreKeptUrls(run);
    hv::DeleteIeCookiesExceptKept(run);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace hv;
    sim::Machine machine;
    fuzz::PlantFixture(machine);
    machine.addRegistry(R"([HKEY_CURRENT_USER\Software\Microsoft\Internet Explorer\TypedURLs]
"url1"="http://old.example/")");
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string app = machine.appFolder();
    machine.files.addTextFile(app + "\\keepurl.dat", text);
    machine.files.addTextFile(app + "\\keepcook.dat", text);

    const auto lines = ReadKeepFile(machine.files, app + "\\keepcook.dat");
    const auto entries = LoadKeepList(machine.files, app + "\\keepurl.dat");
    fuzz::Require(lines.size() == entries.size(), "the two loaders disagree on the lines");
    for (std::size_t i = 0; i < entries.size(); ++i) {
        fuzz::Require(lines[i].find_first_of("\r\n") == std::string::npos, "a line holds a break");
        fuzz::Require(entries[i].empty() || entries[i].back() != ' ', "an entry is not trimmed");
        fuzz::Require(lines[i].starts_with(entries[i]), "an entry is not its line trimmed");
    }

    // What was in the cookie folder before.
    std::vector<FileInfo> before;
    machine.files.list(kCookies, before);

    static const std::vector<CleanItem> items{{"", "", "", "", {targets::Step(ApplyBothLists)}}};
    fuzz::RunItems(machine, items);

    test::AllowedFiles allowed;
    allowed.folders.push_back(kCookies);
    fuzz::RequireNone(test::FileRemovalViolations(machine, allowed));
    fuzz::RequireNone(test::KeyRemovalViolations(machine, {kTypedUrlsPath}));
    for (const auto& file : before) {
        if (file.isFolder() || file.isLink()) continue;
        const std::string path = std::string(kCookies) + "\\" + file.name;
        bool kept = false;
        for (const auto& line : lines) kept = kept || line == path;
        const bool stays = kept || (file.attributes & attr::kReadOnly);
        fuzz::Require(machine.files.exists(path) == stays,
                      path + (stays ? " should have stayed" : " should have gone"));
    }
    fuzz::Require(machine.files.exists(std::string(kCookies) + "\\sub\\deep.txt"),
                  "a sub-folder of the cookie folder was entered");
    for (const char* precious : fuzz::kPrecious)
        fuzz::Require(machine.files.exists(precious),
                      std::string("precious file went: ") + precious);

    // The typed addresses are exactly the kept ones, renumbered.
    std::vector<NamedRegValue> values;
    machine.registry.enumValues(kCurrentUser, kTypedUrlsKey, values);
    fuzz::Require(values.size() == entries.size(), "typed addresses are not the kept ones");
    for (std::size_t i = 0; i < values.size(); ++i)
        fuzz::Require(equalsNoCase(values[i].name, "url" + std::to_string(i + 1)) &&
                          values[i].value.data == entries[i],
                      "typed address " + std::to_string(i + 1) + " is not the kept one");

    // A list saved by the window loads back as it was.
    fuzz::Require(SaveKeepList(machine.files, app + "\\keepurl.dat", entries) == kSuccess,
                  "saving the list failed");
    fuzz::Require(LoadKeepList(machine.files, app + "\\keepurl.dat") == entries,
                  "the list changed after a save");
    return 0;
}
