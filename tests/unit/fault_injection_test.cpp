// A full clean while the machine fails under it: denied deletes, files held open, folders that
// vanish in the middle of a walk, unreadable folders, a registry that refuses, a full disk.
// Failures are silent, so the run must look exactly like the same run without them (same rows,
// same entry count, at least the same bytes, since what stays is counted again by later
// items), remove nothing the undisturbed run would not have removed, and leave hvset.dat and
// the list files whole.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "catalogue/keep_lists.h"
#include "catalogue/run_items.h"
#include "engine/allerase.h"
#include "engine/clean_run.h"
#include "engine/custom_items.h"
#include "engine/environment.h"
#include "fuzz/removal_checks.h"
#include "platform/sim/machine.h"
#include "platform/text.h"
#include "platform/win_path.h"
#include "support/recording_report.h"

namespace hv {
namespace {

const std::string kApp = "C:\\Program Files\\Halvane";

void BuildMachine(sim::Machine& machine) {
    machine.addFiles(R"(
C:\Users\ann\AppData\Roaming\Mozilla\Firefox\Profiles\abc.default\places.sqlite | size=4000
C:\Users\ann\AppData\Roaming\Mozilla\Firefox\Profiles\abc.default\cookies.sqlite | size=3000 | attr=H
C:\Users\ann\AppData\Roaming\Mozilla\Firefox\Profiles\abc.default\prefs.js | size=100
C:\Users\ann\AppData\Local\Mozilla\Firefox\Profiles\abc.default\Cache\0\a1 | size=5000
C:\Users\ann\AppData\Local\Mozilla\Firefox\Profiles\abc.default\Cache\0\a2 | size=5000 | attr=R
C:\Users\ann\AppData\Local\Mozilla\Firefox\Profiles\abc.default\Cache\1\b1 | size=5000
C:\Users\ann\AppData\Local\Temp\setup.log | size=700
C:\Users\ann\AppData\Local\Temp\held.tmp | size=800
C:\Users\ann\AppData\Local\Temp\pkg\one.cab | size=9000
C:\Users\ann\AppData\Local\Temp\pkg\deep\two.cab | size=9000 | attr=HR
C:\Users\ann\AppData\Local\Temp\out\ | link=C:\Users\ann\Documents
C:\Windows\temp\wu.log | size=600
C:\Users\ann\AppData\Local\Microsoft\Windows\INetCache\Content.IE5\X1\p.htm | size=2000
C:\Users\ann\AppData\Roaming\Microsoft\Windows\Cookies\ann@site.txt | size=90
C:\Users\ann\AppData\Roaming\Microsoft\Windows\Cookies\ann@kept.txt | size=95
C:\Users\ann\AppData\Roaming\Microsoft\Windows\Recent\doc.lnk | size=300
C:\Users\ann\AppData\Roaming\Vendor\Tool\history.dat | size=1234
C:\Users\ann\AppData\Roaming\Vendor\Tool\Logs\l1.log | size=10
C:\Users\ann\Documents\report.doc | size=5555
C:\Users\ann\Pictures\places.sqlite | size=7777
C:\Users\ann\AppData\Roaming\Mozilla\Profiles\ | link=C:\Users\ann\Pictures
C:\Users\ann\Documents\mine\old.txt | size=10
C:\Users\ann\Documents\mine\sub\older.txt | size=10
)");
    machine.addRegistry(R"(
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\RunMRU]
"a"="cmd\\1"
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\ComDlg32\OpenSaveMRU\txt]
"a"="x"
[HKEY_CURRENT_USER\Software\Microsoft\Internet Explorer\TypedURLs]
"url1"="http://a.example/"
[HKEY_CURRENT_USER\Software\Vendor\Tool]
"last"="x"
)");
    machine.files.addTextFile(kApp + "\\keepurl.dat", "http://kept.example/\r\n");
    machine.files.addTextFile(
        kApp + "\\keepcook.dat",
        "C:\\Users\\ann\\AppData\\Roaming\\Microsoft\\Windows\\Cookies\\ann@kept.txt\r\n");
    machine.files.addTextFile(kApp + "\\cusd.dat",
                              "C:\\Users\\ann\\Documents\\report.doc\tFile\r\n"
                              "C:\\Users\\ann\\Documents\\mine\tFolder\r\n");
    machine.files.addTextFile(kApp + "\\plus-in\\Tool.hve",
                              "[name]\r\nappname=Tool\r\n[swich]\r\non=1\r\n"
                              "[regtree]\r\n1=-2147483647,Software\\Vendor\\Tool\r\n"
                              "[file]\r\n1=appdata,\\Vendor\\Tool,history.dat\r\n"
                              "[folder]\r\n1=appdata,\\Vendor\\Tool\\Logs\r\n");
    for (const auto& item : catalogue::RunItems())
        if (!item.section.empty())
            machine.setSetting(std::string(item.section), std::string(item.key), "1");
    machine.setSetting("Options", "regnum", "7");
    machine.setSetting("Options", "filesize", "1000");
}

struct Outcome {
    std::vector<test::RecordedRow> rows;
    double entries = -1;
    double megabytes = -1;
};

// Runs a clean; the figures are those the completion message announced. `arm` runs once the
// environment values are computed (the main window computes them long before any run).
Outcome RunClean(sim::Machine& machine, const std::function<void()>& arm = {}) {
    Platform os = machine.platform();
    test::RecordingReport report;
    CleanRun run(os, report);
    run.env = ComputeEnvironment(os);
    if (arm) arm();
    catalogue::ConfigureCleanRun(run);
    run.CleanNow();
    Outcome out;
    out.rows = report.rows;
    if (report.completions.size() == 1) {
        const std::string& text = report.completions[0];
        const auto keys = text.find("Cleaned Registry Keys: ");
        const auto space = text.find("Released HD Space: ");
        if (keys != std::string::npos && space != std::string::npos) {
            out.entries = leadingNumber(text.substr(keys + 23)).value_or(-1);
            out.megabytes = leadingNumber(text.substr(space + 19)).value_or(-1);
        }
    }
    return out;
}

bool IsProgramFile(const std::string& path) {
    return isSameOrInside(path, kApp);
}

// Removes a folder with everything in it, as another program would while the run walks it.
void RemoveTree(sim::SimFileSystem& files, const std::string& folder) {
    std::vector<FileInfo> entries;
    files.list(folder, entries);
    for (const auto& entry : entries) {
        const std::string path = joinPath(folder, entry.name);
        if (entry.isFolder() && !entry.isLink()) RemoveTree(files, path);
        files.setAttributes(path, 0);
        entry.isFolder() ? files.removeFolder(path) : files.deleteFile(path);
    }
    files.removeFolder(folder);
}

struct Scenario {
    const char* name;
    std::set<std::string> ops;  // the operations that may fail
    long error;
    double probability;
    bool vanish = false;  // "list" faults remove the folder first, then fail
};

const Scenario kScenarios[] = {
    {"access denied on deletes", {"deleteFile", "removeFolder"}, kAccessDenied, 0.4},
    {"files held open", {"deleteFile"}, kSharingViolation, 0.5},
    {"attributes refused", {"setAttributes"}, kAccessDenied, 0.6},
    {"folders vanish mid-walk", {"list"}, kPathNotFound, 0.25, true},
    {"unreadable folders", {"list", "stat"}, kAccessDenied, 0.25},
    {"registry refuses",
     {"deleteKey", "deleteTree", "deleteValue", "createKey", "setValue", "queryValue",
      "enumValues"},
     kAccessDenied,
     0.5},
    {"disk full", {"writeFile", "createFolder", "replaceFile"}, kDiskFull, 1.0},
    {"everything at once",
     {"list", "stat", "setAttributes", "deleteFile", "removeFolder", "createFolder", "writeFile",
      "replaceFile", "deleteKey", "deleteTree", "deleteValue", "setValue", "createKey"},
     kAccessDenied,
     0.15},
};

class FaultInjection : public ::testing::TestWithParam<Scenario> {};

TEST_P(FaultInjection, RunCompletesAsWithoutFaultsAndRemovesNothingMore) {
    const Scenario& scenario = GetParam();
    sim::Machine calm;
    BuildMachine(calm);
    const Outcome expected = RunClean(calm);
    std::set<std::string> calmRemovals, calmKeys;
    for (const auto& path : calm.files.removed) calmRemovals.insert(test::Canonical(path));
    for (const auto& key : calm.registry.removed) calmKeys.insert(test::CanonicalKey(key));
    ASSERT_EQ(expected.rows.back().item, "Task complete Successfully!");

    for (unsigned seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(std::string(scenario.name) + ", seed " + std::to_string(seed));
        sim::Machine machine;
        BuildMachine(machine);
        const std::string settingsBefore = machine.files.text(machine.settingsFile());
        std::mt19937 rng(seed);
        std::set<std::string> vanished;
        bool inHook = false;
        auto fail = [&](std::string_view op, const std::string& path) -> long {
            if (inHook || !scenario.ops.count(std::string(op))) return kSuccess;
            // The program's own files fail only where the scenario is about writing them.
            if (IsProgramFile(path) && op != "writeFile" && op != "replaceFile") return kSuccess;
            if (!std::bernoulli_distribution(scenario.probability)(rng)) return kSuccess;
            if (scenario.vanish) {
                inHook = true;
                RemoveTree(machine.files, path);
                inHook = false;
                vanished.insert(test::Canonical(path));
            }
            return scenario.error;
        };
        const Outcome got = RunClean(machine, [&] {
            machine.files.faults = fail;
            machine.registry.faults = fail;
        });
        machine.files.faults = nullptr;
        machine.registry.faults = nullptr;

        ASSERT_EQ(got.rows.size(), expected.rows.size());
        for (std::size_t i = 0; i < got.rows.size(); ++i) {
            EXPECT_EQ(got.rows[i].item, expected.rows[i].item);
            EXPECT_EQ(got.rows[i].status, expected.rows[i].status) << got.rows[i].item;
        }
        EXPECT_EQ(got.entries, expected.entries);
        if (!scenario.ops.count("list") && !scenario.ops.count("queryValue")) {
            EXPECT_GE(got.megabytes, expected.megabytes);
        }

        for (const auto& path : machine.files.removed) {
            const std::string canonical = test::Canonical(path);
            bool byHook = false;
            // What vanished went with the fault; a folder that held it may then be empty enough
            // for its own target to remove it.
            for (const auto& gone : vanished)
                byHook =
                    byHook || test::IsInside(canonical, gone) || test::IsInside(gone, canonical);
            const bool temporary = leafName(canonical).starts_with("~");
            EXPECT_TRUE(byHook || temporary || calmRemovals.count(canonical))
                << "removed only under faults: " << path;
        }
        for (const auto& key : machine.registry.removed)
            EXPECT_TRUE(calmKeys.count(test::CanonicalKey(key)))
                << "removed only under faults: " << key;
        EXPECT_TRUE(machine.files.exists("C:\\Users\\ann\\Documents"));

        // The settings: the run's figures, or, when they could not be written, the old file
        // exactly as it was.
        const std::string settingsAfter = machine.files.text(machine.settingsFile());
        if (scenario.ops.count("writeFile") && scenario.probability == 1.0) {
            EXPECT_EQ(settingsAfter, settingsBefore);
        } else {
            EXPECT_NE(settingsAfter.find("[EXPLORER]"), std::string::npos);
            EXPECT_NE(settingsAfter.find("[Options]"), std::string::npos);
        }
        for (const char* list : {"\\keepurl.dat", "\\keepcook.dat", "\\cusd.dat"})
            EXPECT_TRUE(machine.files.exists(kApp + list)) << list;
    }
}

INSTANTIATE_TEST_SUITE_P(Scenarios, FaultInjection, ::testing::ValuesIn(kScenarios),
                         [](const auto& info) {
                             std::string name;
                             for (char c : std::string(info.param.name))
                                 if (std::isalnum(static_cast<unsigned char>(c))) name += c;
                             return name;
                         });

// Saving a list while the disk fails: the old list stays whole and no temporary file is left.
// "partial" writes part of the new list before the disk fills up.
TEST(FaultInjection, SavedListsStayWholeWhenTheDiskFails) {
    struct Case {
        const char* failingOp;
        bool partial;
    };
    const Case cases[] = {{"writeFile", false}, {"writeFile", true}, {"replaceFile", false}};
    for (const auto& c : cases) {
        for (const char* list : {"keepurl.dat", "keepcook.dat", "cusd.dat"}) {
            SCOPED_TRACE(std::string(list) + " with " + c.failingOp +
                         (c.partial ? ", partial" : ""));
            sim::Machine machine;
            const std::string file = kApp + "\\" + list;
            const std::string old = "C:\\Users\\ann\\Documents\\a.txt\tFile\r\nsecond\r\n";
            machine.files.addTextFile(file, old);
            bool inHook = false;
            machine.files.faults = [&](std::string_view op, const std::string& path) -> long {
                if (inHook || op != c.failingOp) return kSuccess;
                if (c.partial) {
                    inHook = true;
                    machine.files.writeFile(path, "C:\\Users\\a");
                    inHook = false;
                }
                return kDiskFull;
            };
            Platform os = machine.platform();
            bool saved;
            if (std::string(list) == "cusd.dat") {
                const CustomRow rows[] = {{"C:\\new.txt", "File", "", ""}};
                saved = SaveCustomItems(os, rows);
            } else {
                saved = SaveKeepList(machine.files, file, {"new entry"}) == kSuccess;
            }
            machine.files.faults = nullptr;
            EXPECT_FALSE(saved);
            EXPECT_EQ(machine.files.text(file), old);
            std::vector<FileInfo> entries;
            machine.files.list(kApp, entries);
            for (const auto& entry : entries)
                EXPECT_FALSE(entry.name.starts_with("~")) << "left behind: " << entry.name;
        }
    }
}

// A cleaned folder that is itself a link stays unwalked even when its attributes cannot be
// read at that moment: the listing would follow the link.
TEST(FaultInjection, ALinkedFolderWhoseAttributesCannotBeReadIsNotWalked) {
    sim::Machine machine;
    machine.addFiles(R"(
C:\Users\ann\Pictures\history.dat | size=10
C:\Users\ann\AppData\Roaming\Mozilla\Profiles\ | link=C:\Users\ann\Pictures
)");
    const std::string root = "C:\\Users\\ann\\AppData\\Roaming\\Mozilla\\Profiles";
    machine.files.faults = [&](std::string_view op, const std::string& path) -> long {
        return op == "stat" && test::Canonical(path) == test::Canonical(root) ? kAccessDenied
                                                                              : kSuccess;
    };
    Allerase erase(machine.files, machine.registry, machine.events, PathGuard{});
    erase.DeleteFilesNamed(root, "history.dat");
    erase.DeleteAllFiles(root);
    machine.files.faults = nullptr;
    EXPECT_TRUE(machine.files.exists("C:\\Users\\ann\\Pictures\\history.dat"));
}

}  // namespace
}  // namespace hv
