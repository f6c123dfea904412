#pragma once
// A machine and a clean run for the Internet Explorer family's tests: state the machine, switch
// items on, clean, then read the rows, the figures and what is left.
#include <algorithm>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "engine/clean_run.h"
#include "engine/environment.h"
#include "platform/sim/machine.h"
#include "support/recording_report.h"

namespace hv::test {

inline constexpr const char* kCacheFolder =
    R"(C:\Users\ann\AppData\Local\Microsoft\Windows\INetCache)";
inline constexpr const char* kCookieFolder =
    R"(C:\Users\ann\AppData\Roaming\Microsoft\Windows\Cookies)";
inline constexpr const char* kTypedUrls = R"(Software\Microsoft\Internet Explorer\TypedURLs)";

struct IeBench {
    void ieVersion(const std::string& version) {
        machine.addRegistry(
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Internet Explorer]\n"
            "\"Version\"=\"" +
            version + "\"\n");
    }
    void windows(int major, int minor) {
        machine.system.major = major;
        machine.system.minor = minor;
    }
    // The environment is taken when the run starts, after the test has set the machine up.
    void clean(std::span<const CleanItem> items, const std::string& section,
               std::initializer_list<std::string> keys) {
        for (const auto& key : keys) machine.setSetting(section, key, "1");
        run.env = ComputeEnvironment(os);
        run.setItems(items);
        run.CleanNow();
    }
    // The rows the items added, without the completion row.
    std::vector<RecordedRow> itemRows() const {
        return {report.rows.begin(), report.rows.end() - 1};
    }
    std::vector<std::string> removedSorted() const {
        auto out = machine.files.removed;
        std::sort(out.begin(), out.end());
        return out;
    }
    bool exists(const std::string& path) { return machine.files.exists(path); }

    sim::Machine machine;
    Platform os = machine.platform();
    RecordingReport report;
    CleanRun run{os, report};
};

}  // namespace hv::test
