// The whole clean run as the program sets it up: every catalogue group, the custom items and
// the plug-ins, driven through the console companion on the simulated machine.
#include <gtest/gtest.h>

#include <sstream>

#include "catalogue/catalogue.h"
#include "catalogue/run_items.h"
#include "engine/clean_run.h"
#include "engine/custom_items.h"
#include "engine/inifun.h"
#include "platform/sim/machine.h"
#include "platform/text.h"
#include "support/recording_report.h"
#include "ui/console_companion.h"

namespace hv {
namespace {

const std::string kPlugins = "C:\\Program Files\\Halvane\\plus-in\\";

TEST(FullRun, RunItemsAreTheCatalogueThenTheCustomItem) {
    const auto& catalogue = catalogue::Catalogue();
    const auto& items = catalogue::RunItems();
    ASSERT_EQ(items.size(), catalogue.size() + 1);
    for (std::size_t i = 0; i < catalogue.size(); ++i)
        EXPECT_EQ(items[i].statusText, catalogue[i].statusText) << i;
    EXPECT_EQ(items.back().section, "Custom");
    EXPECT_EQ(items.back().key, "Custom");
    EXPECT_EQ(items.back().statusText, "Custom Item");
}

TEST(FullRun, ListingShowsEverySwitchedItemOnceInCleanRunOrder) {
    sim::Machine machine;
    Platform os = machine.platform();
    std::ostringstream out, err;
    ASSERT_EQ(console::RunCompanion(std::vector<std::string>{"--list"}, out, err, os,
                                    catalogue::RunItems()),
              0);
    const auto lines = splitLines(out.str());
    std::vector<std::string> expected;
    for (const auto& item : catalogue::RunItems())
        if (!item.section.empty())
            expected.push_back(std::string(item.section) + "\t" + std::string(item.key) + "\t" +
                               std::string(item.caption) + "\t" + std::string(item.statusText));
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(lines.back(), "Custom\tCustom\tCustom Clean Items\tCustom Item");
}

TEST(FullRun, WithEverythingOffOnlyTheTickedPluginRuns) {
    sim::Machine machine;
    Platform os = machine.platform();
    machine.files.addTextFile(kPlugins + "Tool.hve",
                              "[name]\r\nappname=Tool\r\n[swich]\r\non=1\r\n");
    machine.files.addTextFile(kPlugins + "Off.hve", "[name]\r\nappname=Off\r\n[swich]\r\non=0\r\n");
    test::RecordingReport report;
    CleanRun run(os, report);
    run.env = ComputeEnvironment(os);
    catalogue::ConfigureCleanRun(run);
    run.CleanNow();
    EXPECT_EQ(report.items(), (std::vector<std::string>{"Tool", "Task complete Successfully!"}));
    ASSERT_GE(report.progress.size(), 4u);
    EXPECT_EQ(report.progress.front(), 1);
    const std::vector<int> tail(report.progress.end() - 4, report.progress.end());
    EXPECT_EQ(tail, (std::vector<int>{70, 80, 97, 100}));
    EXPECT_EQ(run.RemovedEntries, 1);
    EXPECT_EQ(run.ReleasedBytes, 50000);
}

TEST(FullRun, ConsoleCleanWithEveryItemOnListsEveryItemAndFinishes) {
    sim::Machine machine;
    Platform os = machine.platform();
    for (const auto& item : catalogue::RunItems())
        if (!item.section.empty())
            machine.setSetting(std::string(item.section), std::string(item.key), "1");
    machine.setSetting("Options", "exit", "1");
    std::ostringstream out, err;
    ASSERT_EQ(console::RunCompanion(std::vector<std::string>{"--clean"}, out, err, os,
                                    catalogue::RunItems()),
              0);
    const auto lines = splitLines(out.str());
    std::size_t switched = 0;
    for (const auto& item : catalogue::RunItems()) switched += !item.section.empty();
    ASSERT_EQ(lines.size(), switched + 1);
    EXPECT_EQ(lines[lines.size() - 2], "Custom Item\tFail, Can't find file!");
    EXPECT_EQ(lines.back().rfind("Task complete Successfully! Cleaned Registry Keys: ", 0), 0u);
    for (const auto& line : lines) EXPECT_EQ(line.find("Cleaning "), std::string::npos) << line;
    EXPECT_FALSE(ReadIni(machine.profile, machine.settingsFile(), "Options", "regnum").empty());
    EXPECT_TRUE(machine.dialogs.shown.empty());
}

}  // namespace
}  // namespace hv
