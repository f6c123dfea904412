// processshell over any plug-in file text, on a machine with links out of the folders a plug-in
// may name: every removal lies inside a folder, key or value one of its lines named, nothing is
// removed through a link, and the user's key folders stay.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/environment.h"
#include "engine/plugins.h"
#include "fuzz/fuzz_machine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace hv;
    sim::Machine machine;
    fuzz::PlantFixture(machine);
    const std::string text(reinterpret_cast<const char*>(data), size);
    machine.files.addTextFile(machine.appFolder() + "\\plus-in\\Fuzz.hve", text);

    Platform os = machine.platform();
    const auto parsed = ReadPluginActions(os.profile, ComputeEnvironment(os),
                                          machine.appFolder() + "\\plus-in\\Fuzz.hve");
    test::AllowedFiles allowedFiles;
    std::vector<std::string> allowedKeys;
    for (const auto& action : parsed.actions) {
        switch (action.kind) {
            case PluginAction::Kind::RegTree:
                allowedKeys.push_back(sim::rootName(action.root) + "\\" + action.subKey);
                break;
            case PluginAction::Kind::RegValue:
                allowedKeys.push_back(sim::rootName(action.root) + "\\" + action.subKey + "\\" +
                                      action.valueName);
                break;
            case PluginAction::Kind::FilesNamed:
            case PluginAction::Kind::FilesByExt:
                allowedFiles.folders.push_back(action.folder);
                break;
            case PluginAction::Kind::EmptyFolder:
                allowedFiles.trees.push_back(action.folder);
                break;
        }
    }

    fuzz::RunItems(
        machine, {}, [] { return std::vector<std::string>{"Fuzz"}; }, processshell);

    fuzz::RequireNone(test::FileRemovalViolations(machine, allowedFiles));
    fuzz::RequireNone(test::KeyRemovalViolations(machine, allowedKeys));
    fuzz::RequireKeyFolders(machine);
    return 0;
}
