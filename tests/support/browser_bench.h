#pragma once
// One machine with its clean run, for the browser groups' tests: lay out the files, switch
// keys on, clean, look at what went.
#include <algorithm>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "engine/clean_run.h"
#include "engine/inifun.h"
#include "platform/sim/machine.h"
#include "support/recording_report.h"

namespace hv::test {

inline const std::string kAppData = "C:\\Users\\ann\\AppData\\";

struct Bench {
    explicit Bench(const std::string& files) {
        machine.addFiles(files);
        run.env = ComputeEnvironment(os);
    }
    void clean(std::span<const CleanItem> items, const std::string& section,
               std::initializer_list<std::string> keys, const std::string& value = "1") {
        for (const auto& key : keys) machine.setSetting(section, key, value);
        run.setItems(items);
        run.CleanNow();
    }
    // Every removed file and folder below AppData, sorted, without the AppData prefix.
    std::vector<std::string> removed() const {
        std::vector<std::string> out;
        for (const auto& path : machine.files.removed)
            out.push_back(path.rfind(kAppData, 0) == 0 ? path.substr(kAppData.size()) : path);
        std::sort(out.begin(), out.end());
        return out;
    }
    std::string figure(const std::string& key) {
        return ReadIni(machine.profile, machine.settingsFile(), "Options", key);
    }

    sim::Machine machine;
    Platform os = machine.platform();
    RecordingReport report;
    CleanRun run{os, report};
};

}  // namespace hv::test
