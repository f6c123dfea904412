#pragma once
// Cleaning plug-ins: profile files with the extension "hve" in the folder "plus-in" of the
// application folder, each naming one application and the registry keys, values, files, file
// types and folders of its traces. The settings window lists them (AddList) and saves their
// switches; the clean run executes the ticked ones (processshell).
//
// A plug-in file:
//   [name]    appname=ExampleTool     the list text; the file is found again as
//                                     plus-in\<appname>.hve, so it must be the file's base name
//   [version] appver=1.0
//   [dec]     decs=What it removes
//   [swich]   on=1                    "1" when ticked
//   [regtree] any=root,sub-key               DeleteRegTree, 5 entries
//   [reg]     any=root,sub-key,value name    DeleteRegValue, 1 entry
//   [file]    any=base,sub-path,file name    DeleteFolderFilesNamed
//   [fileext] any=base,sub-path,extension    DeleteFolderFilesByExt
//   [folder]  any=base,sub-path              EmptyFolder
// A root is a predefined root-key handle as a signed 32-bit number (-2147483647 or &H80000001
// for HKEY_CURRENT_USER); a base is "appdata", "localappdata" or a folder path; the sub-path
// is appended to it unchanged.
#include <string>
#include <vector>

#include "engine/environment.h"
#include "platform/platform.h"
#include "platform/win_types.h"

namespace hv {

class CleanRun;

inline constexpr const char* kPluginExtension = "hve";

// One row of the plug-in list.
struct PluginRow {
    std::string name;         // "name"/"appname"
    std::string version;      // "version"/"appver"
    std::string description;  // name, version and "dec"/"decs", separated by blanks
    bool ticked = false;      // "swich"/"on" is exactly "1"
};

// One action line of a plug-in, resolved.
struct PluginAction {
    enum class Kind { RegTree, RegValue, FilesNamed, FilesByExt, EmptyFolder };
    Kind kind = Kind::RegTree;
    RootKey root = kNoRoot;         // registry actions; kNoRoot leaves the registry alone
    std::string subKey;             // registry actions
    std::string valueName;          // RegValue
    std::string folder;             // file actions: base folder + sub-path
    std::size_t trustedLength = 0;  // the part of `folder` that is a known user folder
    std::string name;               // FilesNamed: file name; FilesByExt: extension
};

struct PluginActions {
    std::vector<PluginAction> actions;  // in the order they run
    std::vector<std::string> skipped;   // "section: line" of every line that cannot run
};

// application folder + "\plus-in".
std::string PluginFolder(System& system);
// The file a list text stands for: plug-in folder + "\" + name + ".hve".
std::string PluginFile(System& system, const std::string& name);

// The rows of the plug-in files in `folder` whose extension is `extension` in any case, in the
// order the folder lists them. Empty when the folder is missing.
std::vector<PluginRow> AddList(Platform& os, const std::string& folder,
                               const std::string& extension);
// AddList of the plug-in folder.
std::vector<PluginRow> ListPlugins(Platform& os);
// The list texts of the ticked plug-ins, in list order.
std::vector<std::string> TickedPlugins(Platform& os);
// Writes the switch of the plug-in with that list text ("1" ticked, "0" not).
void SavePluginSwitch(Platform& os, const std::string& name, bool ticked);

// The action lines of a plug-in file, sections in the order regtree, reg, file, fileext,
// folder, lines in file order. `env` gives the folders of the bases "appdata" and
// "localappdata".
PluginActions ReadPluginActions(Profile& profile, const EnvironmentValues& env,
                                const std::string& file);
// Executes one plug-in file of the plug-in folder: every action, each result added to the
// run's counters. A missing file, or one outside the plug-in folder, does nothing.
void processshell(CleanRun& run, const std::string& file);

// Lets a run execute the ticked plug-ins of the plug-in folder.
void UsePlugins(CleanRun& run);

}  // namespace hv
