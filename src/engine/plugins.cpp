#include "engine/plugins.h"

#include <cmath>
#include <optional>

#include "engine/clean_run.h"
#include "engine/inifun.h"
#include "engine/outside_paths.h"
#include "platform/text.h"
#include "platform/win_path.h"

namespace hv {

namespace {

using Kind = PluginAction::Kind;

// The action sections in the order they run, with the fields each line needs.
struct ActionSection {
    const char* section;
    Kind kind;
    std::size_t fields;
};
constexpr ActionSection kActionSections[] = {
    {"regtree", Kind::RegTree, 2},    {"reg", Kind::RegValue, 3},
    {"file", Kind::FilesNamed, 3},    {"fileext", Kind::FilesByExt, 3},
    {"folder", Kind::EmptyFolder, 2},
};

constexpr RootKey kPredefinedRoots[] = {kClassesRoot,     kCurrentUser,   kLocalMachine, kUsers,
                                        kPerformanceData, kCurrentConfig, kDynData};

struct Root {
    bool fits = true;  // the number fits a signed 32-bit value (or there is none)
    RootKey key = kNoRoot;
};

// The root field read as a plain numeric conversion reads it. A field without a number, or
// with a number that is no predefined root, names no root; the line still counts.
Root ReadRoot(const std::string& field) {
    const auto number = leadingNumber(field);
    if (!number) return {};
    const double whole = std::nearbyint(*number);
    if (!(whole >= -2147483648.0 && whole <= 2147483647.0)) return {false, kNoRoot};
    const auto key = static_cast<RootKey>(static_cast<std::int32_t>(whole));
    for (RootKey root : kPredefinedRoots)
        if (key == root) return {true, key};
    return {};
}

// Resolves the base field; `trustedLength` is the length of a known user folder it named.
std::string ReadBase(const std::string& base, const EnvironmentValues& env,
                     std::size_t& trustedLength) {
    std::string folder = base;
    if (base == "appdata")
        folder = env.AppDataFolder;
    else if (base == "localappdata")
        folder = env.LocalAppDataFolder;
    trustedLength = folder == base ? 0 : folder.size();
    return folder;
}

std::optional<PluginAction> ReadLine(const ActionSection& section, const std::string& line,
                                     const EnvironmentValues& env) {
    const auto equals = line.find('=');
    if (equals == std::string::npos) return std::nullopt;
    const auto fields = splitAll(std::string_view(line).substr(equals + 1), ',');
    if (fields.size() < section.fields) return std::nullopt;

    PluginAction action;
    action.kind = section.kind;
    switch (section.kind) {
        case Kind::RegTree:
        case Kind::RegValue: {
            const Root root = ReadRoot(fields[0]);
            if (!root.fits) return std::nullopt;
            action.root = root.key;
            action.subKey = fields[1];
            if (section.kind == Kind::RegValue) action.valueName = fields[2];
            break;
        }
        case Kind::FilesNamed:
        case Kind::FilesByExt:
        case Kind::EmptyFolder:
            action.folder = ReadBase(fields[0], env, action.trustedLength) + fields[1];
            if (section.kind != Kind::EmptyFolder) {
                // An empty extension would match every file without one.
                if (fields[2].empty()) return std::nullopt;
                action.name = fields[2];
            }
            break;
    }
    return action;
}

// A plug-in line comes from outside the program: besides the primitives' own guard, its folder
// must be a plain path that reaches no link below its base, and a folder to empty must not
// hold any of the user's or the system's own folders.
bool MayTouch(CleanRun& run, const PluginAction& action) {
    if (!IsPlainPath(action.folder)) return false;
    if (ReachesThroughLink(run.os().files, action.folder, action.trustedLength)) return false;
    return action.kind != Kind::EmptyFolder || !HoldsKeyFolder(run, action.folder);
}

void Execute(CleanRun& run, const PluginAction& action) {
    Allerase& erase = run.erase();
    switch (action.kind) {
        case Kind::RegTree:
            run.addEntries(erase.DeleteRegTree(action.root, action.subKey));
            break;
        case Kind::RegValue:
            run.addEntries(erase.DeleteRegValue(action.root, action.subKey, action.valueName));
            break;
        case Kind::FilesNamed:
            if (MayTouch(run, action))
                run.addBytes(erase.DeleteFolderFilesNamed(action.folder, action.name));
            break;
        case Kind::FilesByExt:
            if (MayTouch(run, action))
                run.addBytes(erase.DeleteFolderFilesByExt(action.folder, action.name));
            break;
        case Kind::EmptyFolder:
            if (MayTouch(run, action)) run.addBytes(erase.EmptyFolder(action.folder));
            break;
    }
}

}  // namespace

std::string PluginFolder(System& system) {
    return system.applicationFolder() + "\\plus-in";
}

std::string PluginFile(System& system, const std::string& name) {
    return PluginFolder(system) + "\\" + name + "." + kPluginExtension;
}

std::vector<PluginRow> AddList(Platform& os, const std::string& folder,
                               const std::string& extension) {
    std::vector<PluginRow> rows;
    std::vector<FileInfo> entries;
    if (os.files.list(folder, entries) != kSuccess) return rows;
    for (const auto& entry : entries) {
        if (entry.isFolder() || toUpper(extensionOf(entry.name)) != toUpper(extension)) continue;
        const std::string file = joinPath(folder, entry.name);
        PluginRow row;
        row.name = ReadIni(os.profile, file, "name", "appname");
        row.version = ReadIni(os.profile, file, "version", "appver");
        row.description =
            row.name + " " + row.version + " " + ReadIni(os.profile, file, "dec", "decs");
        row.ticked = ReadIni(os.profile, file, "swich", "on") == "1";
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<PluginRow> ListPlugins(Platform& os) {
    return AddList(os, PluginFolder(os.system), kPluginExtension);
}

std::vector<std::string> TickedPlugins(Platform& os) {
    std::vector<std::string> names;
    for (const auto& row : ListPlugins(os))
        if (row.ticked) names.push_back(row.name);
    return names;
}

void SavePluginSwitch(Platform& os, const std::string& name, bool ticked) {
    WriteIni(os.profile, PluginFile(os.system, name), "swich", "on", ticked ? "1" : "0");
}

PluginActions ReadPluginActions(Profile& profile, const EnvironmentValues& env,
                                const std::string& file) {
    PluginActions out;
    for (const auto& section : kActionSections) {
        for (const auto& line : ReadIniSection(profile, section.section, file)) {
            if (auto action = ReadLine(section, line, env))
                out.actions.push_back(std::move(*action));
            else
                out.skipped.push_back(std::string(section.section) + ": " + line);
        }
    }
    return out;
}

void processshell(CleanRun& run, const std::string& file) {
    // The file name comes from a list text ("appname"): a name that climbs out of the plug-in
    // folder ("..\..\x") or names a stream finds no plug-in.
    const std::string leaf = leafName(file);
    if (!equalsNoCase(parentPath(file), PluginFolder(run.os().system)) ||
        leaf.find_first_of("/:") != std::string::npos)
        return;
    for (const auto& action : ReadPluginActions(run.os().profile, run.env, file).actions)
        Execute(run, action);
}

void UsePlugins(CleanRun& run) {
    run.tickedPlugins = [&run] { return TickedPlugins(run.os()); };
    run.processshell = processshell;
}

}  // namespace hv
