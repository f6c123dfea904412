// cusd.dat of any text: the settings window's loader and the clean run's "Custom Item". Only an
// entry of type exactly "File" removes that one file, only one of type exactly "Folder" removes
// anything below that folder; nothing goes through a link; the key folders stay; the list
// loads, saves and loads again unchanged.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/custom_items.h"
#include "engine/inifun.h"
#include "fuzz/fuzz_machine.h"
#include "platform/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace hv;
    sim::Machine machine;
    fuzz::PlantFixture(machine);
    const std::string text(reinterpret_cast<const char*>(data), size);
    machine.files.addTextFile(machine.appFolder() + "\\cusd.dat", text);
    machine.setSetting("Custom", "Custom", "1");

    // What the entries allow, read here without the program's own reader.
    test::AllowedFiles allowed;
    for (const auto& line : splitLines(text)) {
        const auto tab = line.find('\t');
        if (tab == std::string::npos) continue;
        const std::string path = line.substr(0, tab);
        const std::string type = line.substr(tab + 1, line.find('\t', tab + 1) - tab - 1);
        if (type == "Folder") allowed.trees.push_back(path);
        if (type == "File") allowed.files.push_back(path);
    }

    Platform os = machine.platform();
    const auto rows = LoadCustomItems(os);
    fuzz::Require(rows.size() <= splitLines(text).size(), "more rows than lines");
    fuzz::Require(SaveCustomItems(os, rows), "saving the list failed");
    const auto again = LoadCustomItems(os);
    fuzz::Require(again.size() == rows.size(), "the list changed length after a save");
    for (std::size_t i = 0; i < rows.size(); ++i)
        fuzz::Require(again[i].name == rows[i].name && again[i].type == rows[i].type,
                      "the list changed after a save: " + rows[i].name);

    // The run reads the original text again.
    machine.files.addTextFile(machine.appFolder() + "\\cusd.dat", text);
    machine.files.removed.clear();
    machine.files.removals.clear();
    fuzz::RunItems(machine, std::span<const CleanItem>(&CustomItem(), 1));

    fuzz::RequireNone(test::FileRemovalViolations(machine, allowed));
    fuzz::RequireNone(test::KeyRemovalViolations(machine, {}));
    fuzz::RequireKeyFolders(machine);
    return 0;
}
