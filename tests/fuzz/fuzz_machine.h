#pragma once
// The machine every fuzz target cleans: a little of everything a clean meets (plain, hidden and
// read-only files, sub-folders, links out of cleaned folders to the user's own files) and the
// helpers that stop a fuzz run at the first broken invariant.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/clean_item.h"
#include "engine/clean_run.h"
#include "fuzz/removal_checks.h"
#include "platform/sim/machine.h"
#include "support/recording_report.h"

namespace hv::fuzz {

inline void Require(bool ok, const std::string& what) {
    if (ok) return;
    std::fprintf(stderr, "invariant broken: %s\n", what.c_str());
    std::abort();
}

inline void RequireNone(const std::vector<std::string>& violations) {
    for (const auto& v : violations) std::fprintf(stderr, "invariant broken: %s\n", v.c_str());
    if (!violations.empty()) std::abort();
}

inline const char* const kPrecious[] = {
    "C:\\Precious\\Linked\\p1.dat",
    "C:\\Precious\\Linked\\p2.log",
    "C:\\Precious\\Linked\\deep\\p3.dat",
    "C:\\Users\\ann\\Documents\\Keep\\letter.doc",
    "C:\\Users\\ann\\Documents\\Keep\\photo.jpg",
};

inline void PlantFixture(sim::Machine& machine) {
    machine.addFiles(R"(
C:\Users\ann\AppData\Roaming\Vendor\Tool\a.dat | size=100
C:\Users\ann\AppData\Roaming\Vendor\Tool\b.log | size=200 | attr=H
C:\Users\ann\AppData\Roaming\Vendor\Tool\ro.dat | size=50 | attr=R
C:\Users\ann\AppData\Roaming\Vendor\Tool\sub\c.dat | size=300
C:\Users\ann\AppData\Roaming\Vendor\Tool\Inner\ | link=C:\Users\ann\Documents\Keep
C:\Users\ann\AppData\Roaming\Vendor\Tool\flink.dat | link=C:\Precious\Linked\p1.dat
C:\Users\ann\AppData\Roaming\Vendor\Link\ | link=C:\Precious\Linked
C:\Users\ann\AppData\Local\Cache\x.tmp | size=10
C:\Users\ann\AppData\Local\Cache\Out\ | link=C:\Precious
C:\Users\ann\AppData\Roaming\Microsoft\Windows\Cookies\ann@a.txt | size=11
C:\Users\ann\AppData\Roaming\Microsoft\Windows\Cookies\ann@b.txt | size=12 | attr=H
C:\Users\ann\AppData\Roaming\Microsoft\Windows\Cookies\ro@c.txt | size=13 | attr=R
C:\Users\ann\AppData\Roaming\Microsoft\Windows\Cookies\index.dat | size=14
C:\Users\ann\AppData\Roaming\Microsoft\Windows\Cookies\sub\deep.txt | size=15
C:\Users\ann\AppData\Roaming\Microsoft\Windows\Cookies\Out\ | link=C:\Precious\Linked
C:\Precious\Linked\p1.dat | size=1000
C:\Precious\Linked\p2.log | size=1000
C:\Precious\Linked\deep\p3.dat | size=1000
C:\Users\ann\Documents\Keep\letter.doc | size=1000
C:\Users\ann\Documents\Keep\photo.jpg | size=1000
C:\Windows\system.ini | size=10
C:\Program Files\Halvane\halvane.exe | size=10
)");
    machine.addRegistry(R"(
[HKEY_CURRENT_USER\Software\Vendor\Tool]
"last"="x"
"other"="y"
[HKEY_CURRENT_USER\Software\Vendor\Tool\Sub]
"deep"="z"
[HKEY_CURRENT_USER\Software\Precious]
"keep"="me"
[HKEY_LOCAL_MACHINE\SOFTWARE\Precious]
"keep"="me"
)");
}

// The key folders are all still there, whatever the run was told.
inline void RequireKeyFolders(sim::Machine& machine) {
    for (const auto& folder : test::KeyFolders(machine))
        Require(machine.files.exists(folder), "a key folder went: " + folder);
}

// A run of the given items (and plug-ins) on the machine, as the program sets one up.
inline void RunItems(sim::Machine& machine, std::span<const CleanItem> items,
                     std::function<std::vector<std::string>()> plugins = {},
                     std::function<void(CleanRun&, const std::string&)> processshell = {}) {
    Platform os = machine.platform();
    test::RecordingReport report;
    CleanRun run(os, report);
    run.env = ComputeEnvironment(os);
    run.setItems(items);
    run.tickedPlugins = std::move(plugins);
    run.processshell = std::move(processshell);
    run.CleanNow();
    Require(!report.rows.empty() && report.rows.back().item == "Task complete Successfully!",
            "the run did not finish");
}

}  // namespace hv::fuzz
