#pragma once
// One catalogue item as data: its switch, its texts, its targets in order and the progress
// checkpoint after it. The clean run walks tables of these.
#include <string>
#include <string_view>
#include <vector>

#include "platform/win_types.h"

namespace hv {

class CleanRun;

// A folder computed when the target runs ("Error\..." when a lookup failed, which the erase
// primitives treat as missing).
using FolderOf = std::string (*)(CleanRun& run);
// A step of its own for what a table cannot say; it may set the row's result text.
using ItemStep = void (*)(CleanRun& run);

enum class Op {
    DeleteFilesNamed,
    DeleteAllFiles,
    DeleteFilesByExt,
    DeleteFoldersNamed,
    EmptyFolder,
    DeleteFolderFiles,
    DeleteFolderFilesNamed,
    DeleteFolderFilesByExt,
    DeleteAtReboot,
    DeleteRegKey,
    DeleteRegTree,
    DeleteRegValue,
    AddBytes,
    AddEntries,
    Step,
};

struct Target {
    Op op;
    FolderOf base = nullptr;  // folder ops: the folder that `path` is appended to
    std::string_view path;    // folder ops: sub-path (or a whole path); registry: sub-key
    std::string_view name;    // file or folder name, extension, or registry value name
    RootKey root = kNoRoot;   // registry ops
    double amount = 0;        // AddBytes, AddEntries
    ItemStep step = nullptr;  // Step
};

inline constexpr int kNoCheckpoint = -1;

enum class SwitchTest {
    ExactOne,  // on only when the text is exactly "1"
    Numeric,   // on when the text reads as the number 1 ("01" too)
};

// An item with an empty section is a silent step of the run: its targets run on every run,
// with no switch and no row (the Office version detection is one).
struct CleanItem {
    std::string_view section;
    std::string_view key;
    std::string_view caption;     // the box's text in the settings window
    std::string_view statusText;  // the row's Item text
    std::vector<Target> targets;
    int checkpoint = kNoCheckpoint;  // progress after the item, whether or not it ran
    SwitchTest switchTest = SwitchTest::ExactOne;
};

// Builders, so that tables read like the catalogue.
namespace targets {
inline Target DeleteFilesNamed(FolderOf base, std::string_view sub, std::string_view name) {
    return {Op::DeleteFilesNamed, base, sub, name};
}
inline Target DeleteAllFiles(FolderOf base, std::string_view sub) {
    return {Op::DeleteAllFiles, base, sub, {}};
}
inline Target DeleteFilesByExt(FolderOf base, std::string_view sub, std::string_view ext) {
    return {Op::DeleteFilesByExt, base, sub, ext};
}
inline Target DeleteFoldersNamed(FolderOf base, std::string_view sub, std::string_view name) {
    return {Op::DeleteFoldersNamed, base, sub, name};
}
inline Target EmptyFolder(FolderOf base, std::string_view sub) {
    return {Op::EmptyFolder, base, sub, {}};
}
inline Target DeleteFolderFiles(FolderOf base, std::string_view sub) {
    return {Op::DeleteFolderFiles, base, sub, {}};
}
inline Target DeleteFolderFilesNamed(FolderOf base, std::string_view sub, std::string_view name) {
    return {Op::DeleteFolderFilesNamed, base, sub, name};
}
inline Target DeleteFolderFilesByExt(FolderOf base, std::string_view sub, std::string_view ext) {
    return {Op::DeleteFolderFilesByExt, base, sub, ext};
}
inline Target DeleteAtReboot(FolderOf base, std::string_view sub) {
    return {Op::DeleteAtReboot, base, sub, {}};
}
inline Target DeleteRegKey(RootKey root, std::string_view subKey) {
    return {Op::DeleteRegKey, nullptr, subKey, {}, root};
}
inline Target DeleteRegTree(RootKey root, std::string_view subKey) {
    return {Op::DeleteRegTree, nullptr, subKey, {}, root};
}
inline Target DeleteRegValue(RootKey root, std::string_view subKey, std::string_view value) {
    return {Op::DeleteRegValue, nullptr, subKey, value, root};
}
inline Target AddBytes(double bytes) {
    return {Op::AddBytes, nullptr, {}, {}, kNoRoot, bytes};
}
inline Target AddEntries(double entries) {
    return {Op::AddEntries, nullptr, {}, {}, kNoRoot, entries};
}
inline Target Step(ItemStep step) {
    return {Op::Step, nullptr, {}, {}, kNoRoot, 0, step};
}
}  // namespace targets

}  // namespace hv
