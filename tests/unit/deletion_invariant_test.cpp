// The promise every clean run keeps, checked over many random machines and settings: whatever
// is removed lies inside a target that the switched-on catalogue items, a ticked plug-in's
// lines or a custom entry named; nothing is removed through a link; the user's own files
// elsewhere (Documents, Desktop, folders beside every cleaned folder) and the key folders stay.
//
// HV_INVARIANT_RUNS sets the number of runs (default 300), HV_INVARIANT_SEED the first seed.
// A failure prints its seed; HV_INVARIANT_SEED=<seed> HV_INVARIANT_RUNS=1 repeats it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "catalogue/keep_lists.h"
#include "catalogue/run_items.h"
#include "engine/clean_run.h"
#include "engine/environment.h"
#include "engine/plugins.h"
#include "fuzz/removal_checks.h"
#include "platform/sim/machine.h"
#include "platform/text.h"
#include "platform/win_path.h"
#include "support/recording_report.h"

namespace hv {
namespace {

using test::AllowedFiles;
using test::IsInside;

const std::string kProfile = "C:\\Users\\ann";
const std::string kAppData = kProfile + "\\AppData\\Roaming";
const std::string kLocal = kProfile + "\\AppData\\Local";

// Folders that the catalogue's own steps clean, which no table states. Each comes from a
// registry value or the environment that the machine below sets; the test lists them so that
// it need not restate the steps.
struct StepFolder {
    const char* folder;
    bool tree;  // everything below; otherwise files directly in the folder
};
const StepFolder kStepFolders[] = {
    // The cookie steps of Internet Explorer and AOL Explorer: files directly in the folder.
    {"C:\\Users\\ann\\AppData\\Roaming\\Microsoft\\Windows\\Cookies", false},
    // The download folders (Internet Explorer's default and the shell's Downloads).
    {"C:\\Users\\ann\\Downloads", true},
    {"C:\\Users\\ann\\IE Downloads", true},
    // The InPrivate filter data.
    {"C:\\Users\\ann\\PrivacIE", false},
    {"C:\\Users\\ann\\AppData\\Roaming\\Microsoft\\Windows\\PrivacIE", true},
    // The temporary folders: Windows', TEMP, and the older layout's beside Application Data.
    {"C:\\Windows\\temp", true},
    {"C:\\Users\\ann\\AppData\\Local\\Temp", true},
    // The recycle bin the shell empties.
    {"C:\\$Recycle.Bin\\S-1-5-21", true},
    // Yahoo! Messenger's saved profiles, below its help folder.
    {"C:\\Program Files\\Yahoo!\\Messenger\\Help\\Profiles", true},
    // The mail store that Windows Live Mail's accounts item walks.
    {"C:\\Users\\ann\\AppData\\Local\\Microsoft\\Windows Live Mail", true},
};
// Keys that the steps remove: the typed addresses, and the Office keys of whichever version
// Word reports (the Office key and the profile wizard's, whole).
const char* const kStepKeys[] = {
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\TypedURLs",
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Office",
    "HKEY_CURRENT_USER\\Software\\Microsoft\\OfficeProfileWizard",
};

bool IsFolderOp(Op op) {
    switch (op) {
        case Op::DeleteFilesNamed:
        case Op::DeleteAllFiles:
        case Op::DeleteFilesByExt:
        case Op::DeleteFoldersNamed:
        case Op::EmptyFolder:
        case Op::DeleteFolderFiles:
        case Op::DeleteFolderFilesNamed:
        case Op::DeleteFolderFilesByExt:
        case Op::DeleteAtReboot:
            return true;
        default:
            return false;
    }
}

bool IsTreeOp(Op op) {
    return op == Op::DeleteFilesNamed || op == Op::DeleteAllFiles || op == Op::DeleteFilesByExt ||
           op == Op::DeleteFoldersNamed || op == Op::EmptyFolder;
}

// What the catalogue's tables allow, each target's folder evaluated through its base function
// for this machine. `onlyOn` limits it to the items switched on in hvset.dat.
struct Allowed {
    AllowedFiles files;
    std::vector<std::string> keys;
    std::vector<std::string> rebootFiles;
};

Allowed CatalogueTargets(sim::Machine& machine, bool onlyOn) {
    Platform os = machine.platform();
    test::RecordingReport report;
    CleanRun run(os, report);
    run.env = ComputeEnvironment(os);
    Allowed allowed;
    for (const auto& item : catalogue::RunItems()) {
        if (onlyOn && !item.section.empty() &&
            os.profile.getString(machine.settingsFile(), std::string(item.section),
                                 std::string(item.key), "", 128) != "1")
            continue;
        for (const auto& t : item.targets) {
            if (IsFolderOp(t.op)) {
                const std::string folder =
                    (t.base ? t.base(run) : std::string()) + std::string(t.path);
                if (t.op == Op::DeleteAtReboot)
                    allowed.rebootFiles.push_back(folder);
                else if (IsTreeOp(t.op))
                    allowed.files.trees.push_back(folder);
                else
                    allowed.files.folders.push_back(folder);
            } else if (t.op == Op::DeleteRegKey || t.op == Op::DeleteRegTree) {
                allowed.keys.push_back(sim::rootName(t.root) + "\\" + std::string(t.path));
            } else if (t.op == Op::DeleteRegValue) {
                allowed.keys.push_back(sim::rootName(t.root) + "\\" + std::string(t.path) + "\\" +
                                       std::string(t.name));
            }
        }
    }
    for (const auto& step : kStepFolders)
        (step.tree ? allowed.files.trees : allowed.files.folders).push_back(step.folder);
    for (const char* key : kStepKeys) allowed.keys.push_back(key);
    // The index files the run leaves to the next start.
    for (const char* index : {"C:\\Users\\ann\\AppData\\Local\\Microsoft\\Windows\\INetCache",
                              "C:\\Users\\ann\\AppData\\Local\\Microsoft\\Windows\\History",
                              "C:\\Users\\ann\\AppData\\Roaming\\Microsoft\\Windows\\Cookies"})
        allowed.rebootFiles.push_back(index);
    return allowed;
}

bool InsideAny(const std::string& path, const std::vector<std::string>& roots) {
    for (const auto& root : roots)
        if (IsInside(path, root)) return true;
    return false;
}

// One random machine and its settings.
class RandomMachine {
  public:
    RandomMachine(sim::Machine& machine, unsigned seed) : m_(machine), rng_(seed) {}

    void build() {
        setStepSources();
        // Where the catalogue cleans, with everything on: the trees are planted there, and the
        // precious files anywhere else.
        writeSwitches([] { return true; });
        const Allowed all = CatalogueTargets(m_, false);
        cleanedRoots_ = all.files.trees;
        cleanedRoots_.insert(cleanedRoots_.end(), all.files.folders.begin(),
                             all.files.folders.end());
        allKeys_ = all.keys;
        collectNames();

        for (const auto& root : cleanedRoots_) {
            if (!isAbsolutePath(root) || isDriveRoot(root) || !chance(0.35)) continue;
            plantTree(root, 0);
            preciousBeside(root);
        }
        for (const auto& key : allKeys_)
            if (chance(0.3)) plantKeys(key);
        preciousTree(kProfile + "\\Documents\\Precious");
        preciousTree(kProfile + "\\Desktop");
        preciousKey("HKEY_CURRENT_USER\\Software\\Precious");
        preciousKey("HKEY_LOCAL_MACHINE\\SOFTWARE\\Precious");
        plantLinks();
        chooseSettings();
        writePlugins();
        writeCustomItems();
    }

    // Everything the run may remove, with the settings as chosen.
    Allowed allowed() {
        Allowed a = CatalogueTargets(m_, true);
        a.files.trees.insert(a.files.trees.end(), extra_.trees.begin(), extra_.trees.end());
        a.files.folders.insert(a.files.folders.end(), extra_.folders.begin(), extra_.folders.end());
        a.files.files.insert(a.files.files.end(), extra_.files.begin(), extra_.files.end());
        a.keys.insert(a.keys.end(), extraKeys_.begin(), extraKeys_.end());
        return a;
    }

    std::vector<std::string> preciousFiles;
    std::vector<std::pair<std::string, std::string>> preciousValues;  // key path, value name

  private:
    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }
    std::size_t pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
    }
    template <class T>
    const T& any(const std::vector<T>& v) {
        return v[pick(v.size())];
    }

    void setStepSources() {
        m_.addRegistry(R"(
[HKEY_CURRENT_USER\Software\Microsoft\Internet Explorer\Main]
"Default Download Directory"="C:\\Users\\ann\\IE Downloads"
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders]
"{374DE290-123F-4565-9164-39C4925E467B}"="C:\\Users\\ann\\Downloads"
[HKEY_LOCAL_MACHINE\SOFTWARE\Classes\TypeLib\{2B323CCC-50E3-11D3-9466-00A0C9700498}\1.0\HELPDIR]
@="C:\\Program Files\\Yahoo!\\Messenger\\Help\\"
[HKEY_CURRENT_USER\Software\Microsoft\Windows Mail]
"Store Root"="C:\\Users\\ann\\AppData\\Local\\Microsoft\\Windows Live Mail"
)");
        m_.shell.recycleBins = {"C:\\$Recycle.Bin\\S-1-5-21"};
        m_.files.addFolder("C:\\$Recycle.Bin\\S-1-5-21");
        m_.word.installedVersion = chance(0.5) ? std::optional<std::string>("14.0") : std::nullopt;
    }

    // The names the catalogue looks for, so that the random trees hold matches.
    void collectNames() {
        std::set<std::string> names{"a.txt", "b.dat", "index.dat", "x.tmp", "notes.doc"};
        std::set<std::string> folders{"sub", "Cache", "deep", "cache"};
        for (const auto& item : catalogue::RunItems()) {
            for (const auto& t : item.targets) {
                if (t.name.empty()) continue;
                const std::string name(t.name);
                if (t.op == Op::DeleteFilesByExt || t.op == Op::DeleteFolderFilesByExt)
                    names.insert("f." + name);
                else if (t.op == Op::DeleteFoldersNamed)
                    folders.insert(name);
                else if (IsFolderOp(t.op))
                    names.insert(name);
            }
        }
        fileNames_.assign(names.begin(), names.end());
        folderNames_.assign(folders.begin(), folders.end());
    }

    std::uint32_t randomAttributes() {
        std::uint32_t bits = 0;
        if (chance(0.15)) bits |= attr::kHidden;
        if (chance(0.1)) bits |= attr::kReadOnly;
        if (chance(0.05)) bits |= attr::kSystem;
        return bits;
    }

    void plantTree(const std::string& folder, int depth) {
        m_.files.addFolder(folder, depth > 0 && chance(0.1) ? attr::kHidden : 0);
        cleanedFolders_.push_back(folder);
        const std::size_t files = pick(4);
        for (std::size_t i = 0; i < files; ++i) {
            const std::string path = joinPath(folder, any(fileNames_));
            m_.files.addFile(path, 1 + pick(5000), randomAttributes());
            cleanedFiles_.push_back(path);
        }
        if (depth < 2)
            for (std::size_t i = pick(3); i > 0; --i)
                plantTree(joinPath(folder, any(folderNames_)), depth + 1);
    }

    // A folder beside a cleaned one whose name starts the same way ("Temp" and "Tempx").
    void preciousBeside(const std::string& root) {
        const std::string sibling = withoutTrailingBackslash(root) + "x";
        if (!isAbsolutePath(root) || isDriveRoot(root) || isCleaned(sibling)) return;
        preciousTree(sibling);
    }

    bool isCleaned(const std::string& path) { return InsideAny(path, cleanedRoots_); }
    bool isCleanedKey(const std::string& key) {
        for (const auto& root : allKeys_)
            if (test::IsKeyInside(key, root)) return true;
        return false;
    }

    void preciousTree(const std::string& folder) {
        if (isCleaned(folder)) return;
        for (const char* name : {"keep.txt", "index.dat", "places.sqlite", "f.log"}) {
            const std::string path = joinPath(folder, name);
            m_.files.addFile(path, 100, chance(0.2) ? attr::kHidden : 0);
            preciousFiles.push_back(path);
        }
        m_.files.addFile(joinPath(folder, "cache\\inner.dat"), 100);
        preciousFiles.push_back(joinPath(folder, "cache\\inner.dat"));
        preciousFolders_.push_back(folder);
    }

    void plantKeys(const std::string& key) {
        std::string sub = key;
        RootKey root = kNoRoot;
        const auto slash = sub.find('\\');
        for (RootKey r = kClassesRoot; r <= kDynData; ++r)
            if (sim::rootName(r) == sub.substr(0, slash)) root = r;
        sub = sub.substr(slash + 1);
        m_.registry.setString(root, sub, "v" + std::to_string(pick(3)), "x");
        if (chance(0.5)) m_.registry.setString(root, sub + "\\Child", "c", "y");
        // A key beside it whose name starts the same way.
        const std::string sibling = sub + "x";
        if (!isCleanedKey(sim::rootName(root) + "\\" + sibling)) {
            m_.registry.setString(root, sibling, "keep", "me");
            preciousValues.push_back({sim::rootName(root) + "\\" + sibling, "keep"});
        }
    }

    void preciousKey(const std::string& path) {
        const auto slash = path.find('\\');
        const RootKey root =
            path.substr(0, slash) == "HKEY_CURRENT_USER" ? kCurrentUser : kLocalMachine;
        m_.registry.setString(root, path.substr(slash + 1), "keep", "me");
        m_.registry.setString(root, path.substr(slash + 1) + "\\Deep", "keep", "me");
        preciousValues.push_back({path, "keep"});
        preciousValues.push_back({path + "\\Deep", "keep"});
    }

    // Links from inside cleaned folders (and as whole cleaned folders) to precious folders
    // and files.
    void plantLinks() {
        if (preciousFolders_.empty() || cleanedFolders_.empty()) return;
        for (std::size_t i = 0, n = 3 + pick(6); i < n; ++i) {
            const std::string from = joinPath(any(cleanedFolders_), "link" + std::to_string(i));
            m_.files.addFolderLink(from, any(preciousFolders_));
            links_.push_back(from);
        }
        for (std::size_t i = 0; i < 2; ++i)
            m_.files.addFileLink(
                joinPath(any(cleanedFolders_), "flink" + std::to_string(i) + ".dat"),
                any(preciousFiles));
        // A cleaned folder that is itself a link.
        for (const auto& root : cleanedRoots_) {
            if (m_.files.exists(root) || !chance(0.05)) continue;
            m_.files.addFolderLink(root, any(preciousFolders_));
            links_.push_back(root);
        }
    }

    void chooseSettings() {
        writeSwitches([this] { return chance(0.5); });
    }

    // hvset.dat with every switch set as `on` says, written at once: one write per switch
    // would rewrite the file for each of them. Sections group without regard to case, as the
    // profile reader finds only a section's first header.
    void writeSwitches(const std::function<bool()>& on) {
        std::vector<std::pair<std::string, std::string>> sections;  // name, lines
        for (const auto& item : catalogue::RunItems()) {
            if (item.section.empty()) continue;
            const std::string section(item.section);
            auto it = std::find_if(sections.begin(), sections.end(),
                                   [&](const auto& s) { return equalsNoCase(s.first, section); });
            if (it == sections.end()) it = sections.insert(sections.end(), {section, ""});
            it->second += std::string(item.key) + "=" + (on() ? "1" : "0") + "\r\n";
        }
        std::string text;
        for (const auto& [name, lines] : sections) text += "[" + name + "]\r\n" + lines;
        m_.files.addTextFile(m_.settingsFile(), text);
    }

    // A base and sub-path for a plug-in line, hostile now and then; the folder it stands for.
    std::pair<std::string, std::string> randomFolderFields(std::string& folder) {
        const std::string plain = cleanedFolders_.empty() ? kAppData : any(cleanedFolders_);
        static const char* const kHostileSubs[] = {
            "", "\\", "\\..\\..", "\\\\", "\\.\\x", "\\..\\..\\Documents", "\\x\\", "::$DATA"};
        std::string base, sub;
        switch (pick(6)) {
            case 0:
                base = "appdata";
                sub = chance(0.5) ? kHostileSubs[pick(8)] : "\\Vendor\\Tool";
                folder = kAppData + sub;
                break;
            case 1:
                base = "localappdata";
                sub = kHostileSubs[pick(8)];
                folder = kLocal + sub;
                break;
            case 2:
                base = chance(0.5) ? "C:\\" : "C:";
                sub = chance(0.5) ? "" : "\\";
                folder = base + sub;
                break;
            case 3:
                // Through a planted link.
                base = links_.empty() ? plain : any(links_);
                sub = chance(0.5) ? "" : "\\cache";
                folder = base + sub;
                break;
            case 4: {
                // A doubled backslash inside a cleaned folder's path.
                base = plain;
                const auto at = base.rfind('\\');
                if (at != std::string::npos && at > 2) base.insert(at, "\\");
                folder = base;
                break;
            }
            default:
                base = plain;
                folder = base;
                break;
        }
        return {base, sub};
    }

    void writePlugins() {
        std::vector<std::string> names;
        for (std::size_t p = 0, n = pick(4); p < n; ++p) {
            const std::string name = "Gen" + std::to_string(p);
            std::string text = "[name]\r\nappname=" + name +
                               "\r\n[swich]\r\non=" + (chance(0.8) ? "1" : "0") + "\r\n";
            const bool ticked = text.find("on=1") != std::string::npos;
            std::string regtree = "[regtree]\r\n", reg = "[reg]\r\n", file = "[file]\r\n",
                        fileext = "[fileext]\r\n", folderSection = "[folder]\r\n";
            for (std::size_t l = 0, n = 1 + pick(5); l < n; ++l) {
                std::string folder;
                const auto [base, sub] = randomFolderFields(folder);
                const std::string line = std::to_string(l) + "=" + base + "," + sub;
                switch (pick(5)) {
                    case 0: {
                        const std::string key = allKeys_.empty()
                                                    ? "HKEY_CURRENT_USER\\Software\\Vendor"
                                                    : any(allKeys_);
                        const std::string subKey =
                            chance(0.2) ? "" : key.substr(key.find('\\') + 1);
                        regtree += std::to_string(l) + "=-2147483647," + subKey + "\r\n";
                        if (ticked) extraKeys_.push_back("HKEY_CURRENT_USER\\" + subKey);
                        break;
                    }
                    case 1:
                        reg +=
                            std::to_string(l) + "=&H80000001,Software\\Precious\\Missing,keep\r\n";
                        if (ticked)
                            extraKeys_.push_back(
                                "HKEY_CURRENT_USER\\Software\\Precious\\Missing\\keep");
                        break;
                    case 2:
                        file += line + "," + any(fileNames_) + "\r\n";
                        if (ticked && !Refused(folder)) extra_.folders.push_back(folder);
                        break;
                    case 3:
                        fileext += line + ",dat\r\n";
                        if (ticked && !Refused(folder)) extra_.folders.push_back(folder);
                        break;
                    default:
                        folderSection += line + "\r\n";
                        if (ticked && !Refused(folder)) extra_.trees.push_back(folder);
                        break;
                }
            }
            text += regtree + reg + file + fileext + folderSection;
            m_.files.addTextFile(m_.appFolder() + "\\plus-in\\" + name + ".hve", text);
        }
    }

    void writeCustomItems() {
        m_.setSetting("Custom", "Custom", chance(0.7) ? "1" : "0");
        const bool on = m_.profile.getString(m_.settingsFile(), "Custom", "Custom", "", 128) == "1";
        std::string text;
        auto add = [&](const std::string& path, const char* type) {
            text += path + "\t" + type + "\r\n";
            if (!on || Refused(path)) return;
            if (std::string(type) == "Folder") extra_.trees.push_back(path);
            if (std::string(type) == "File") extra_.files.push_back(path);
        };
        for (std::size_t i = pick(5); i > 0; --i) {
            if (!cleanedFiles_.empty() && chance(0.5)) add(any(cleanedFiles_), "File");
            if (!cleanedFolders_.empty() && chance(0.5)) add(any(cleanedFolders_), "Folder");
        }
        static const std::vector<std::string> kHostile = {
            "",
            "C:\\",
            "C:",
            kProfile,
            kAppData,
            kAppData + "\\..\\..\\Documents\\Precious",
            kProfile + "\\\\Documents\\Precious",
            "C:\\Windows",
            "C:\\Program Files\\Halvane",
            "relative\\folder",
        };
        for (std::size_t i = pick(3); i > 0; --i)
            add(any(kHostile), chance(0.7) ? "Folder" : "File");
        if (!links_.empty() && chance(0.5)) add(any(links_), "Folder");
        if (!links_.empty() && chance(0.3)) add(any(links_) + "\\keep.txt", "File");
        // Only "File" and "Folder" are types; "file" is skipped.
        if (chance(0.3)) add(kProfile + "\\Documents\\Precious", "file");
        // Now and then the list is missing altogether.
        if (!chance(0.1)) m_.files.addTextFile(m_.appFolder() + "\\cusd.dat", text);
    }

    // A target the program must refuse, so that it allows nothing: a drive root, a path
    // that climbs with "..", one that is not a full path, or one that holds a key folder.
    bool Refused(const std::string& path) {
        if (!isAbsolutePath(path) || isDriveRoot(test::Canonical(path))) return true;
        if (path.find("\\..") != std::string::npos) return true;
        for (const auto& key : test::KeyFolders(m_))
            if (IsInside(key, path)) return true;
        return false;
    }

    sim::Machine& m_;
    std::mt19937 rng_;
    std::vector<std::string> cleanedRoots_, allKeys_, cleanedFolders_, cleanedFiles_,
        preciousFolders_, links_, fileNames_, folderNames_;
    AllowedFiles extra_;
    std::vector<std::string> extraKeys_;
};

unsigned EnvNumber(const char* name, unsigned fallback) {
    const char* text = std::getenv(name);
    return text && *text ? static_cast<unsigned>(std::strtoul(text, nullptr, 10)) : fallback;
}

// Runs one seed; false (with the failures reported) when the promise was broken.
void CheckOneRun(unsigned seed) {
    SCOPED_TRACE("seed " + std::to_string(seed) + " (HV_INVARIANT_SEED=" + std::to_string(seed) +
                 " HV_INVARIANT_RUNS=1 repeats it)");
    sim::Machine machine;
    RandomMachine random(machine, seed);
    random.build();
    const Allowed allowed = random.allowed();
    machine.files.removed.clear();
    machine.files.removals.clear();
    machine.registry.removed.clear();

    Platform os = machine.platform();
    test::RecordingReport report;
    CleanRun run(os, report);
    run.env = ComputeEnvironment(os);
    catalogue::ConfigureCleanRun(run);
    run.CleanNow();

    ASSERT_FALSE(report.rows.empty());
    EXPECT_EQ(report.rows.back().item, "Task complete Successfully!");
    for (const auto& v : test::FileRemovalViolations(machine, allowed.files)) ADD_FAILURE() << v;
    for (const auto& v : test::KeyRemovalViolations(machine, allowed.keys)) ADD_FAILURE() << v;
    for (const auto& path : machine.files.rebootDeletes)
        EXPECT_TRUE(InsideAny(path, allowed.rebootFiles)) << "delete at reboot: " << path;
    for (const auto& path : random.preciousFiles)
        EXPECT_TRUE(machine.files.exists(path)) << "precious file went: " << path;
    for (const auto& [key, value] : random.preciousValues) {
        const std::string sub = key.substr(key.find('\\') + 1);
        RootKey root = kNoRoot;
        for (RootKey r = kClassesRoot; r <= kDynData; ++r)
            if (key.starts_with(sim::rootName(r) + "\\")) root = r;
        EXPECT_TRUE(machine.registry.value(root, sub, value).has_value())
            << "precious value went: " << key << " " << value;
    }
    for (const auto& folder : test::KeyFolders(machine))
        EXPECT_TRUE(machine.files.exists(folder)) << "key folder went: " << folder;
}

TEST(DeletionInvariant, RandomRunsRemoveOnlyInsideNamedTargets) {
    const unsigned first = EnvNumber("HV_INVARIANT_SEED", 20261211);
    const unsigned runs = EnvNumber("HV_INVARIANT_RUNS", 300);
    for (unsigned seed = first; seed < first + runs; ++seed) {
        CheckOneRun(seed);
        if (HasFailure()) {
            std::fprintf(stderr, "deletion invariant broken at seed %u\n", seed);
            break;
        }
    }
}

}  // namespace
}  // namespace hv
