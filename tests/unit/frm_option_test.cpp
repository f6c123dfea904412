#include "ui/frm_option.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/inifun.h"
#include "platform/sim/machine.h"

namespace hv {
namespace {

using sim::SimButton;
using sim::SimCheckBox;
using sim::SimComboBox;
using sim::SimForm;
using sim::SimTextBox;

const char* const kIeMain = "Software\\Microsoft\\Internet Explorer\\Main";
const char* const kUsersIeMain = ".DEFAULT\\Software\\Microsoft\\Internet Explorer\\Main";
const char* const kRunData = "\"C:\\Program Files\\Halvane\\halvane.exe\" min";
const char* const kDays[] = {"chkSunday",   "chkMonday", "chkTuesday", "chkWednesday",
                             "chkThursday", "chkFriday", "chkSaturday"};

// The main window as the options window sees it: what it was asked to do, and the schedule
// as hvset.dat held it at the moment of the reload.
struct FakeHost : OptionsHost {
    explicit FakeHost(sim::Machine& machine) : machine(machine) {}
    void setBossKey(bool on) override { bossKeyCalls.push_back(on); }
    void reloadSchedule() override {
        reloaded.push_back(option("CleanDays") + " " + option("CleanTime"));
    }
    std::string option(const std::string& key) {
        return ReadIni(machine.profile, machine.settingsFile(), "Options", key);
    }

    sim::Machine& machine;
    std::vector<bool> bossKeyCalls;
    std::vector<std::string> reloaded;
};

struct OptionsBench {
    OptionsBench() {
        machine.addRegistry(R"([HKEY_USERS\.DEFAULT\Software\Microsoft\Internet Explorer\Main]
"Start Page"="about:blank"
[HKEY_CURRENT_USER\Software\Microsoft\Internet Explorer\Main]
"Start Page"="http://start.example/"
"Window Title"="Browser"
[HKEY_LOCAL_MACHINE\Software\Microsoft\Internet Explorer\Main]
"Start Page"="http://machine.example/"
)");
    }
    // Opens the window modally; the user does what act says while it is shown.
    void open(std::function<void(SimForm&)> act) {
        machine.ui.whenModal("Options", std::move(act));
        window.emplace(machine.ui, os, host);
        window->showModal();
    }
    // Opens the window and leaves it shown, to look at what it loaded.
    SimForm& load() {
        window.emplace(machine.ui, os, host);
        window->showModal();
        return machine.ui.form("Options");
    }
    std::string option(const std::string& key) { return host.option(key); }
    std::optional<std::string> ieValue(RootKey root, const char* key, const char* name) {
        return machine.registry.value(root, key, name);
    }
    std::optional<std::string> runValue() {
        return machine.registry.value(kLocalMachine, kRunKey, kRunValueName);
    }

    sim::Machine machine;
    Platform os = machine.platform();
    FakeHost host{machine};
    std::optional<Frmoption> window;
};

TEST(Frmoption, LoadShowsTheStoredOptionsAndTheHomePage) {
    OptionsBench bench;
    bench.machine.setSetting("Options", "bosskey", "1");
    bench.machine.setSetting("Options", "exit", "1");
    bench.machine.setSetting("Options", "WindowsShutdown", "1");
    bench.machine.setSetting("Options", "CleanTime", "7:45");
    SimForm& form = bench.load();

    EXPECT_EQ(form.find<SimTextBox>("Text1").text(), "http://start.example/");
    EXPECT_EQ(form.find<SimTextBox>("Text2").text(), "Browser");
    const struct {
        const char* box;
        bool ticked;
    } boxes[] = {{"Check1", true},  {"Check2", false}, {"Check3", false}, {"Check4", true},
                 {"Check6", false}, {"Check7", false}, {"Check8", true}};
    for (const auto& b : boxes)
        EXPECT_EQ(form.find<SimCheckBox>(b.box).checked(), b.ticked) << b.box;

    auto& time = form.find<SimComboBox>("cmbStartTime");
    ASSERT_EQ(time.count(), 48);
    EXPECT_EQ(time.itemText(0), "0:00");
    EXPECT_EQ(time.itemText(1), "0:30");
    EXPECT_EQ(time.itemText(19), "9:30");
    EXPECT_EQ(time.itemText(47), "23:30");
    EXPECT_EQ(time.text(), "7:45");
}

TEST(Frmoption, AMissingStartPageShowsEmptyAndIsStoredAsOneBlankEverywhere) {
    OptionsBench bench;
    bench.machine.registry.deleteValue(kCurrentUser, kIeMain, "Start Page");
    bench.open([](SimForm& form) {
        EXPECT_EQ(form.find<SimTextBox>("Text1").text(), "");
        form.find<SimTextBox>("Text2").type("");
        form.find<SimButton>("Command1").click();
    });
    for (const auto& [root, key] :
         {std::pair{kUsers, kUsersIeMain}, {kCurrentUser, kIeMain}, {kLocalMachine, kIeMain}}) {
        EXPECT_EQ(bench.ieValue(root, key, "Start Page"), " ");
        EXPECT_EQ(bench.ieValue(root, key, "Window Title"), " ");
    }
}

TEST(Frmoption, FlagsAreReadAsNumbers) {
    const struct {
        const char* stored;  // nullptr: no key
        bool ticked;
    } cases[] = {{"1", true},  {" 1 ", true},  {"01", true},  {"1.0", true}, {"0", false},
                 {"2", false}, {"abc", false}, {"1x", false}, {"", false},   {nullptr, false}};
    const char* const keys[] = {"bosskey",  "startup",        "autoclean",      "exit",
                                "securely", "WindowsStartup", "WindowsShutdown"};
    const char* const boxes[] = {"Check1", "Check2", "Check3", "Check4",
                                 "Check6", "Check7", "Check8"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "(missing)");
        OptionsBench bench;
        if (c.stored)
            for (const char* key : keys) bench.machine.setSetting("Options", key, c.stored);
        SimForm& form = bench.load();
        for (const char* box : boxes)
            EXPECT_EQ(form.find<SimCheckBox>(box).checked(), c.ticked) << box;
    }
}

TEST(Frmoption, CleanDaysSetsTheDayBoxesSundayFirst) {
    const struct {
        const char* stored;  // nullptr: no key
        const char* ticked;  // one character per day
    } cases[] = {
        {nullptr, "0000000"},    {"0100000", "0100000"},
        {"1111111", "1111111"},  {"11", "1100000"},  // the missing days stay clear
        {"1x1a001", "1010001"},                      // other characters leave the box as it was
        {"11111111", "1111111"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "(missing)");
        OptionsBench bench;
        if (c.stored) bench.machine.setSetting("Options", "CleanDays", c.stored);
        SimForm& form = bench.load();
        std::string shown;
        for (const char* day : kDays) shown += form.find<SimCheckBox>(day).checked() ? '1' : '0';
        EXPECT_EQ(shown, c.ticked);
    }
}

TEST(Frmoption, OkStoresEverythingAndReloadsTheSchedule) {
    OptionsBench bench;
    bench.machine.setSetting("Options", "CleanDays", "0000001");
    bench.open([](SimForm& form) {
        form.find<SimCheckBox>("chkDaily").click();
        form.find<SimCheckBox>("chkMonday").click();
        form.find<SimComboBox>("cmbStartTime").type("7:45");
        form.find<SimCheckBox>("Check2").click();
        form.find<SimCheckBox>("Check4").click();
        form.find<SimCheckBox>("Check8").click();
        form.find<SimTextBox>("Text1").type("http://home.example/");
        form.find<SimTextBox>("Text2").type("Mine");
        form.find<SimButton>("Command1").click();
    });

    EXPECT_EQ(bench.option("CleanDays"), "1011111");
    EXPECT_EQ(bench.option("CleanTime"), "7:45");
    EXPECT_EQ(bench.option("startup"), "1");
    EXPECT_EQ(bench.option("autoclean"), "0");
    EXPECT_EQ(bench.option("exit"), "1");
    EXPECT_EQ(bench.option("securely"), "0");
    EXPECT_EQ(bench.option("WindowsStartup"), "0");
    EXPECT_EQ(bench.option("WindowsShutdown"), "1");
    EXPECT_EQ(bench.runValue(), kRunData);
    // The schedule is reloaded once, after both of its values are stored.
    EXPECT_EQ(bench.host.reloaded, std::vector<std::string>{"1011111 7:45"});

    for (const auto& [root, key] :
         {std::pair{kUsers, kUsersIeMain}, {kCurrentUser, kIeMain}, {kLocalMachine, kIeMain}}) {
        EXPECT_EQ(bench.ieValue(root, key, "Start Page"), "http://home.example/");
        EXPECT_EQ(bench.ieValue(root, key, "Window Title"), "Mine");
    }
    EXPECT_FALSE(bench.machine.ui.hasForm("Options"));
}

TEST(Frmoption, TheHomePageIsNotWrittenWhereInternetExplorerHasNoKey) {
    OptionsBench bench;
    bench.machine.registry.deleteKey(kLocalMachine, kIeMain);
    bench.open([](SimForm& form) { form.find<SimButton>("Command1").click(); });
    EXPECT_FALSE(bench.machine.registry.keyExists(kLocalMachine, kIeMain));
    EXPECT_EQ(bench.ieValue(kCurrentUser, kIeMain, "Start Page"), "http://start.example/");
}

TEST(Frmoption, RunDailyTicksAndClearsAllSevenDays) {
    OptionsBench bench;
    bench.machine.setSetting("Options", "CleanDays", "0100100");
    bench.open([](SimForm& form) {
        auto& daily = form.find<SimCheckBox>("chkDaily");
        daily.click();
        for (const char* day : kDays) EXPECT_TRUE(form.find<SimCheckBox>(day).checked()) << day;
        daily.click();
        for (const char* day : kDays) EXPECT_FALSE(form.find<SimCheckBox>(day).checked()) << day;
        form.find<SimButton>("Command1").click();
    });
    EXPECT_EQ(bench.option("CleanDays"), "0000000");
}

TEST(Frmoption, TheBossKeyChangesOnTheMainWindowOnlyWhenItsStateChanges) {
    const struct {
        const char* name;
        const char* stored;  // nullptr: no key
        bool click;          // the user flips Check1
        std::vector<bool> calls;
        const char* storedAfter;  // nullptr: still no key
    } cases[] = {
        {"switched on", "0", true, {true}, "1"},
        {"switched on from nothing", nullptr, true, {true}, "1"},
        {"switched off", "1", true, {false}, "0"},
        {"left on", "1", false, {}, "1"},
        {"left on, stored as 01", "01", false, {}, "01"},
        {"left off", nullptr, false, {}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OptionsBench bench;
        if (c.stored) bench.machine.setSetting("Options", "bosskey", c.stored);
        bench.open([&](SimForm& form) {
            if (c.click) form.find<SimCheckBox>("Check1").click();
            form.find<SimButton>("Command1").click();
        });
        EXPECT_EQ(bench.host.bossKeyCalls, c.calls);
        EXPECT_EQ(bench.option("bosskey"), c.storedAfter ? c.storedAfter : "");
    }
}

TEST(Frmoption, TheRunEntryFollowsTheStartUpBoxOnEveryOk) {
    const struct {
        const char* name;
        bool entryBefore;
        bool ticked;  // Check2 when OK is pressed
    } cases[] = {
        {"ticked, no entry yet", false, true},
        {"ticked, entry there", true, true},
        {"cleared, entry there", true, false},
        {"cleared, no entry", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OptionsBench bench;
        if (c.entryBefore) {
            bench.machine.registry.createKey(kLocalMachine, kRunKey);
            bench.machine.registry.setString(kLocalMachine, kRunKey, kRunValueName, "stale");
            bench.machine.setSetting("Options", "startup", "1");
        }
        bench.open([&](SimForm& form) {
            auto& box = form.find<SimCheckBox>("Check2");
            if (box.checked() != c.ticked) box.click();
            form.find<SimButton>("Command1").click();
        });
        EXPECT_EQ(bench.option("startup"), c.ticked ? "1" : "0");
        EXPECT_EQ(bench.runValue(), c.ticked ? std::optional<std::string>(kRunData) : std::nullopt);
    }
}

TEST(Frmoption, CancelAndTheCloseBoxWriteNothing) {
    for (const bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox ? "close box" : "Cancel");
        OptionsBench bench;
        bench.machine.setSetting("Options", "bosskey", "1");
        bench.machine.setSetting("Options", "CleanTime", "9:30");
        const std::string settingsBefore = bench.machine.files.text(bench.machine.settingsFile());
        bench.open([&](SimForm& form) {
            for (const char* box : {"Check1", "Check2", "Check3", "chkDaily"})
                form.find<SimCheckBox>(box).click();
            form.find<SimComboBox>("cmbStartTime").type("7:45");
            form.find<SimTextBox>("Text1").type("http://other.example/");
            if (closeBox)
                form.closeByUser();
            else
                form.find<SimButton>("Command2").click();
        });
        EXPECT_EQ(bench.machine.files.text(bench.machine.settingsFile()), settingsBefore);
        EXPECT_EQ(bench.ieValue(kCurrentUser, kIeMain, "Start Page"), "http://start.example/");
        EXPECT_FALSE(bench.runValue());
        EXPECT_TRUE(bench.host.bossKeyCalls.empty());
        EXPECT_TRUE(bench.host.reloaded.empty());
        EXPECT_FALSE(bench.machine.ui.hasForm("Options"));
    }
}

}  // namespace
}  // namespace hv
