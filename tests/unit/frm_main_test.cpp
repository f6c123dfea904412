#include "ui/frm_main.h"

#include <gtest/gtest.h>

#include "engine/inifun.h"
#include "platform/dialogs.h"
#include "platform/sim/machine.h"
#include "ui/app_windows.h"
#include "ui/frm_splash.h"

namespace hv {
namespace {

using sim::SimButton;
using sim::SimForm;
using sim::SimFrame;
using sim::SimImage;
using sim::SimLabel;
using sim::SimListView;
using sim::SimProgressBar;

const char* const kRecentFolder = R"(C:\Users\ann\AppData\Roaming\Microsoft\Windows\Recent\)";
const char* const kRunMru = R"(Software\Microsoft\Windows\CurrentVersion\Explorer\RunMRU)";

class MainWindowTest : public ::testing::Test {
  protected:
    // The window as the splash leaves it: loaded, then shown.
    frmMainCode& open(const std::string& commandLine = "") {
        main = std::make_unique<frmMainCode>(machine.ui, os, commandLine);
        main->show();
        return *main;
    }
    SimForm& form() { return machine.ui.form(kMainCaption); }
    template <class T>
    T& find(const std::string& name) {
        return form().find<T>(name);
    }
    SimListView& list() { return find<SimListView>("ListView1"); }
    std::vector<std::vector<std::string>> rows() {
        std::vector<std::vector<std::string>> out;
        for (int row = 0; row < list().rowCount(); ++row)
            out.push_back({list().text(row, 0), list().text(row, 1)});
        return out;
    }
    // Two Windows items with something to remove: 3.5 MB of recent-document links and the
    // Run history key.
    void prepareTwoItems() {
        machine.setSetting("WINDOWS", "recent", "1");
        machine.setSetting("WINDOWS", "run", "1");
        machine.addFiles(std::string(kRecentFolder) + "a.lnk | size=3670016");
        machine.addRegistry(std::string("[HKEY_CURRENT_USER\\") + kRunMru + "]\n\"a\"=\"cmd\"\n");
    }
    bool popupRaised() {
        return main->notifications().popupShown() || main->notifications().queuedCount() > 0;
    }
    std::string setting(const std::string& key) {
        return ReadIni(machine.profile, machine.settingsFile(), "Options", key);
    }

    sim::Machine machine;
    Platform os = machine.platform();
    std::unique_ptr<frmMainCode> main;
};

TEST_F(MainWindowTest, LoadShowsTheHomeViewTheLastRunsFiguresAndTheTrayIcon) {
    machine.setSetting("Options", "lastclean", "12/10/2026 8:15:00 PM");
    machine.setSetting("Options", "regnum", "12");
    machine.setSetting("Options", "filesize", "3670016");
    open();

    EXPECT_TRUE(form().visible());
    EXPECT_TRUE(find<SimFrame>("Frame2").visible());
    EXPECT_FALSE(find<SimFrame>("Frame4").visible());
    EXPECT_EQ(find<SimFrame>("Frame4").caption(), "Status");
    EXPECT_EQ(find<SimLabel>("SkinLabel10").text(), "Last Cleaned at:");
    EXPECT_EQ(find<SimLabel>("Label12").text(), "12/10/2026 8:15:00 PM");
    EXPECT_EQ(find<SimLabel>("Label14").text(),
              "  Cleaned Registry Keys: 12     Released HD Space:3.50MB");
    EXPECT_EQ(main->cleanRun().RemovedEntries, 12);
    EXPECT_EQ(main->cleanRun().env.AppDataFolder, R"(C:\Users\ann\AppData\Roaming)");
    EXPECT_EQ(main->cleanRun().env.windowsVersion, "6.1");
    EXPECT_EQ(find<SimButton>("Command1").caption(), "Start Cleaning >>");
    EXPECT_EQ(find<SimButton>("Command1").toolTip,
              "It's highly recommended that you shut down all other programs when erase the "
              "tracks,Halvane can not erase the files which being used by other programs.");
    EXPECT_TRUE(form().trayIcon().added());
    EXPECT_EQ(form().trayIcon().args.tip, "Halvane");
    EXPECT_TRUE(machine.ui.windowManager.hotKeys.empty());
    EXPECT_FALSE(machine.ui.busy);
}

TEST_F(MainWindowTest, FiguresThatCannotBeReadShowAsZero) {
    struct Case {
        const char* regnum;
        const char* filesize;
        const char* line;
    };
    const Case cases[] = {
        {"abc", "abc", "  Cleaned Registry Keys: 0     Released HD Space:0.00MB"},
        {"", "", "  Cleaned Registry Keys: 0     Released HD Space:0.00MB"},
        {"7 keys", "1048576", "  Cleaned Registry Keys: 7     Released HD Space:1.00MB"},
    };
    for (const Case& c : cases) {
        sim::Machine fresh;
        fresh.setSetting("Options", "regnum", c.regnum);
        fresh.setSetting("Options", "filesize", c.filesize);
        Platform freshOs = fresh.platform();
        frmMainCode window(fresh.ui, freshOs, "");
        EXPECT_EQ(fresh.ui.form(kMainCaption).find<SimLabel>("Label14").text(), c.line)
            << c.regnum << " / " << c.filesize;
    }
}

TEST_F(MainWindowTest, TheBossKeyIsRegisteredAtLoadOnlyWhenItsOptionReadsAsOne) {
    struct Case {
        const char* value;
        bool registered;
    };
    const Case cases[] = {{"1", true}, {"01", true}, {"0", false}, {"", false}, {"yes", false}};
    for (const Case& c : cases) {
        sim::Machine fresh;
        fresh.setSetting("Options", "bosskey", c.value);
        Platform freshOs = fresh.platform();
        frmMainCode window(fresh.ui, freshOs, "");
        using Key = sim::SimWindowManager::HotKey;
        const std::map<int, Key> expected = c.registered
                                                ? std::map<int, Key>{{95, {8, 90}}, {111, {12, 90}}}
                                                : std::map<int, Key>{};
        EXPECT_EQ(fresh.ui.windowManager.hotKeys, expected) << "bosskey=" << c.value;
    }
}

TEST_F(MainWindowTest, StartCleaningFillsTheListRowByRowAndEndsWithTheTaskCompleteMessage) {
    prepareTwoItems();
    open();
    find<SimImage>("Image3").click();
    // Every item yields before its row is added: what the list holds at each yield.
    std::vector<std::vector<std::vector<std::string>>> seen;
    machine.events.onDoEvents = [&] {
        if (seen.empty() || seen.back() != rows()) seen.push_back(rows());
        EXPECT_TRUE(machine.ui.busy);
        EXPECT_FALSE(find<SimButton>("Command1").enabled());
    };
    find<SimButton>("Command1").click();
    machine.events.onDoEvents = nullptr;

    const std::vector<std::vector<std::string>> firstRowDone = {
        {"Recent Documents History", "Done"}};
    EXPECT_NE(std::find(seen.begin(), seen.end(), firstRowDone), seen.end());
    EXPECT_EQ(rows(), (std::vector<std::vector<std::string>>{{"Recent Documents History", "Done"},
                                                             {"Start Menu Run History", "Done"},
                                                             {"Task complete Successfully!", ""}}));
    EXPECT_EQ(list().shownRow, 2);
    EXPECT_EQ(find<SimLabel>("SkinLabel5").text(), "Task complete Successfully!");
    EXPECT_EQ(find<SimProgressBar>("coolprogressbar1").value(), 100);
    EXPECT_TRUE(find<SimButton>("Command1").enabled());
    EXPECT_FALSE(machine.ui.busy);
    EXPECT_FALSE(machine.files.exists(std::string(kRecentFolder) + "a.lnk"));
    EXPECT_FALSE(machine.registry.keyExists(kCurrentUser, kRunMru));

    ASSERT_EQ(machine.dialogs.shown.size(), 1u);
    const sim::ShownBox& box = machine.dialogs.shown[0];
    EXPECT_EQ(box.title, "Task Complete");
    EXPECT_EQ(box.style, mb::kOk | mb::kIconInformation);
    const std::string figures = setting("regnum");
    EXPECT_EQ(box.text, "Task complete Successfully! Cleaned Registry Keys: " + figures +
                            ", Released HD Space: 3.50MB");
    EXPECT_EQ(find<SimLabel>("Label12").text(), setting("lastclean"));
    EXPECT_EQ(find<SimLabel>("Label14").text(),
              "  Cleaned Registry Keys: " + figures + "     Released HD Space:3.50MB");
    EXPECT_FALSE(popupRaised());
    EXPECT_TRUE(form().visible());
}

TEST_F(MainWindowTest, StartsThatArriveDuringARunAreIgnoredWithTheirBeforeAndAfterSteps) {
    prepareTwoItems();
    machine.setSetting("Options", "CleanDays", "1111111");
    machine.setSetting("Options", "CleanTime", "9:00");
    open();
    find<SimImage>("Image3").click();
    bool tried = false;
    machine.events.onDoEvents = [&] {
        if (tried) return;
        tried = true;
        form().menu("Systray").item("Clean Now").click();
        form().menu("File(&F)").item("Clean Now").click();
        main->scheduleTick();
    };
    find<SimButton>("Command1").click();

    EXPECT_TRUE(tried);
    // One manual run: its message box, no popup, and the window was not hidden.
    EXPECT_EQ(machine.dialogs.shown.size(), 1u);
    EXPECT_FALSE(popupRaised());
    EXPECT_FALSE(main->cleanRun().AutomaticRun);
    EXPECT_TRUE(form().visible());
}

TEST_F(MainWindowTest, ATrayStartedRunIsAnnouncedByAPopupAndHidesTheWindowAfterwards) {
    prepareTwoItems();
    open();
    machine.ui.menuChoices.push_back("Clean Now");
    form().trayIcon().mouse(ui::kRightButtonUp);

    EXPECT_EQ(machine.ui.popups, std::vector<std::string>{"Systray"});
    EXPECT_EQ(rows().back(), (std::vector<std::string>{"Task complete Successfully!", ""}));
    EXPECT_TRUE(machine.dialogs.shown.empty());
    EXPECT_TRUE(popupRaised());
    EXPECT_FALSE(main->cleanRun().AutomaticRun);
    EXPECT_FALSE(form().visible());
    EXPECT_TRUE(form().loaded());
}

TEST_F(MainWindowTest, TheTrayIconRestoresOnALeftClickAndOffersItsMenuOnARightClick) {
    open();
    const int activations = form().activations;
    form().setWindowState(ui::WindowState::Minimized);
    form().hide();

    form().trayIcon().mouse(ui::kMouseMove);
    form().trayIcon().mouse(ui::kLeftButtonDown);
    EXPECT_FALSE(form().visible());
    EXPECT_TRUE(machine.ui.popups.empty());

    form().trayIcon().mouse(ui::kLeftButtonUp);
    EXPECT_TRUE(form().visible());
    EXPECT_EQ(form().windowState(), ui::WindowState::Normal);

    form().trayIcon().mouse(ui::kRightButtonUp);  // dismissed without a choice
    EXPECT_EQ(machine.ui.popups, std::vector<std::string>{"Systray"});
    EXPECT_GT(form().activations, activations + 1);

    form().hide();
    machine.ui.menuChoices.push_back("Restore");
    form().trayIcon().mouse(ui::kRightButtonUp);
    EXPECT_TRUE(form().visible());
}

TEST_F(MainWindowTest, TheCloseBoxHidesToTheTrayAndKeepsTheHotKeys) {
    machine.setSetting("Options", "bosskey", "1");
    open();
    EXPECT_FALSE(form().closeByUser());

    EXPECT_TRUE(form().loaded());
    EXPECT_FALSE(form().visible());
    EXPECT_EQ(form().windowState(), ui::WindowState::Minimized);
    EXPECT_TRUE(form().trayIcon().added());
    EXPECT_EQ(machine.ui.windowManager.hotKeys.size(), 2u);
    EXPECT_FALSE(machine.ui.quitRequested);
    EXPECT_FALSE(main->exited());
}

TEST_F(MainWindowTest, EveryExitEndsTheProgramAndGivesBackTrayIconAndHotKeys) {
    struct Case {
        const char* name;
        std::function<void(SimForm&)> exit;
    };
    const Case cases[] = {
        {"exit image", [](SimForm& f) { f.find<SimImage>("Image10").click(); }},
        {"File Exit", [](SimForm& f) { f.menu("File(&F)").item("Exit").click(); }},
        {"tray Exit",
         [](SimForm& f) {
             f.ui().menuChoices.push_back("Exit");
             f.trayIcon().mouse(ui::kRightButtonUp);
         }},
        {"session end", [](SimForm& f) { EXPECT_TRUE(f.endSession()); }},
    };
    for (const Case& c : cases) {
        sim::Machine fresh;
        fresh.setSetting("Options", "bosskey", "1");
        Platform freshOs = fresh.platform();
        frmMainCode window(fresh.ui, freshOs, "");
        window.show();
        SimForm& f = fresh.ui.form(kMainCaption);
        sim::SimTrayIcon* tray = &f.trayIcon();
        c.exit(f);

        EXPECT_TRUE(window.exited()) << c.name;
        EXPECT_FALSE(f.loaded()) << c.name;
        EXPECT_FALSE(tray->added()) << c.name;
        EXPECT_TRUE(fresh.ui.windowManager.hotKeys.empty()) << c.name;
        EXPECT_TRUE(fresh.ui.quitRequested) << c.name;
    }
}

TEST_F(MainWindowTest, TheExitOptionEndsTheProgramAfterARunWithoutAnnouncingIt) {
    prepareTwoItems();
    machine.setSetting("Options", "exit", "1");
    machine.setSetting("Options", "regnum", "5");
    open();
    find<SimImage>("Image3").click();
    find<SimButton>("Command1").click();

    EXPECT_TRUE(main->exited());
    EXPECT_TRUE(machine.ui.quitRequested);
    EXPECT_TRUE(machine.dialogs.shown.empty());
    EXPECT_FALSE(popupRaised());
    EXPECT_EQ(setting("regnum"), "5");
    EXPECT_FALSE(machine.files.exists(std::string(kRecentFolder) + "a.lnk"));
}

class BossKeyTest : public MainWindowTest {
  protected:
    BossKeyTest() {
        machine.setSetting("Options", "bosskey", "1");
        ie = windows().addWindow("IEFrame", normal);
        other = windows().addWindow("MozillaWindowClass", normal);
        folder = windows().addWindow("CabinetWClass", maximised);
        lookalike = windows().addWindow("IEFrame2", normal);
        open();
    }
    sim::SimWindowManager& windows() { return machine.ui.windowManager; }
    void hide() { EXPECT_TRUE(windows().pressHotKey(8, 90)); }
    void restore() { EXPECT_TRUE(windows().pressHotKey(12, 90)); }

    const ui::WindowPlacement normal{.showCommand = 1, .normalPosition = {10, 10, 600, 400}};
    const ui::WindowPlacement maximised{.showCommand = 3, .normalPosition = {40, 40, 700, 500}};
    ui::WindowHandle ie = 0, other = 0, folder = 0, lookalike = 0;
};

TEST_F(BossKeyTest, WinZHidesOnlyInternetExplorerAndFolderWindowsAndWinShiftZBringsThemBack) {
    hide();
    EXPECT_FALSE(windows().shown(ie));
    EXPECT_FALSE(windows().shown(folder));
    EXPECT_TRUE(windows().shown(other));
    EXPECT_TRUE(windows().shown(lookalike));
    const auto& saved = main->savedWindows();
    ASSERT_EQ(saved.size(), 3u);
    EXPECT_EQ(saved[0].handle, ie);
    EXPECT_EQ(saved[0].placement, normal);
    EXPECT_EQ(saved[1].handle, folder);
    EXPECT_EQ(saved[1].placement, maximised);
    EXPECT_EQ(saved[2].handle, 0u);

    windows().placementsSet.clear();
    restore();
    // Restored from the last slot to the first.
    EXPECT_EQ(windows().placementsSet,
              (std::vector<std::pair<ui::WindowHandle, ui::WindowPlacement>>{{folder, maximised},
                                                                             {ie, normal}}));
    restore();  // the same list applies again
    EXPECT_EQ(windows().placementsSet.size(), 4u);
    EXPECT_EQ(*windows().placement(folder), maximised);
}

TEST_F(BossKeyTest, ASecondWinZBeforeRestoringStillBringsTheWindowsBack) {
    hide();
    const ui::WindowHandle late = windows().addWindow("IEFrame", normal);
    hide();
    EXPECT_FALSE(windows().shown(late));
    EXPECT_EQ(main->savedWindows().size(), 4u);
    restore();
    for (ui::WindowHandle window : {ie, folder, late}) EXPECT_TRUE(windows().shown(window));
    EXPECT_EQ(*windows().placement(folder), maximised);
}

TEST_F(BossKeyTest, RestoreWithNothingHiddenAndOtherKeysChangeNothing) {
    restore();
    EXPECT_FALSE(windows().pressHotKey(ui::kModControl, 90));
    EXPECT_TRUE(windows().placementsSet.empty());
    EXPECT_TRUE(windows().shown(ie));
}

TEST_F(BossKeyTest, TheOptionsWindowSwitchesTheBossKeyAtOnce) {
    const int calls = windows().registerCalls;
    main->setBossKey(true);  // already on: nothing registered twice
    EXPECT_EQ(windows().registerCalls, calls);
    main->setBossKey(false);
    EXPECT_TRUE(windows().hotKeys.empty());
    EXPECT_FALSE(windows().pressHotKey(8, 90));
    EXPECT_TRUE(windows().shown(ie));
    main->setBossKey(true);
    hide();
    EXPECT_FALSE(windows().shown(ie));
}

TEST_F(MainWindowTest, AHotKeyTakenByAnotherProgramIsSimplyNeverReceived) {
    machine.setSetting("Options", "bosskey", "1");
    machine.ui.windowManager.takenByOthers.insert({8, 90});
    open();
    EXPECT_TRUE(main->bossKeyActive());
    EXPECT_EQ(machine.ui.windowManager.hotKeys.count(95), 0u);
    EXPECT_EQ(machine.ui.windowManager.hotKeys.count(111), 1u);
}

TEST_F(MainWindowTest, TheStartUpCleanNeedsExactlyMinAndAStartUpOptionReadAsOne) {
    struct Case {
        const char* commandLine;
        const char* windowsStartup;
        bool hidden;
        bool runs;
    };
    const Case cases[] = {
        {"min", "1", true, true},    {"min", "01", true, true},  {"min", "0", true, false},
        {"min", "", true, false},    {"MIN", "1", false, false}, {"min ", "1", false, false},
        {" min", "1", false, false}, {"", "1", false, false},
    };
    for (const Case& c : cases) {
        sim::Machine fresh;
        fresh.setSetting("Options", "WindowsStartup", c.windowsStartup);
        fresh.setSetting("WINDOWS", "run", "1");
        Platform freshOs = fresh.platform();
        frmMainCode window(fresh.ui, freshOs, c.commandLine);
        SimForm& f = fresh.ui.form(kMainCaption);
        bool shownDuringRun = true;
        fresh.events.onDoEvents = [&] { shownDuringRun = f.visible(); };
        window.show();
        const std::string label = std::string("'") + c.commandLine + "' " + c.windowsStartup;

        const SimListView& results = f.find<SimListView>("ListView1");
        EXPECT_EQ(results.rowCount(), c.runs ? 2 : 0) << label;
        if (c.runs) {
            EXPECT_FALSE(shownDuringRun) << label;
            EXPECT_TRUE(fresh.dialogs.shown.empty()) << label;
            EXPECT_TRUE(window.notifications().popupShown() ||
                        window.notifications().queuedCount() > 0)
                << label;
            EXPECT_TRUE(f.visible()) << label << ": the run shows the window at its end";
        } else {
            EXPECT_EQ(f.visible(), !c.hidden) << label;
        }
        // Later activations do nothing more.
        f.hide();
        window.show();
        EXPECT_EQ(results.rowCount(), c.runs ? 2 : 0) << label;
        EXPECT_TRUE(f.visible()) << label;
    }
}

TEST_F(MainWindowTest, TheScheduleStartsAnAutomaticRunInItsMinuteAndHidesTheWindowAfter) {
    // The clock starts on Friday 2026-12-11 at 09:00:00; Friday is the sixth flag.
    machine.setSetting("Options", "CleanDays", "0000010");
    machine.setSetting("Options", "CleanTime", "09:01");
    machine.setSetting("WINDOWS", "run", "1");
    open();
    machine.events.advance(30000);  // 09:00:30
    EXPECT_EQ(list().rowCount(), 0);
    EXPECT_TRUE(form().visible());

    machine.events.advance(30000);  // 09:01:00
    EXPECT_EQ(list().rowCount(), 2);
    EXPECT_FALSE(form().visible());
    EXPECT_TRUE(machine.dialogs.shown.empty());
    EXPECT_TRUE(popupRaised());
    EXPECT_FALSE(main->cleanRun().AutomaticRun);

    // The options window changes the schedule: Thursdays only.
    machine.setSetting("Options", "CleanDays", "0000100");
    main->reloadSchedule();
    list().clear();
    machine.events.advance(30000);  // 09:01:30
    EXPECT_EQ(list().rowCount(), 0);
}

TEST_F(MainWindowTest, ToolImagesAreMarkedUnderTheMouseAndClearedOverTheViews) {
    open();
    auto borders = [&] {
        std::string marked;
        for (const char* name :
             {"Image1", "Image2", "Image3", "Image4", "Image5", "Image6", "Image9", "Image10"})
            if (find<SimImage>(name).border()) marked += std::string(name) + " ";
        return marked;
    };
    find<SimImage>("Image3").hover();
    EXPECT_EQ(borders(), "Image3 ");
    find<SimImage>("Image9").hover();
    EXPECT_EQ(borders(), "Image9 ");
    find<SimImage>("Image11").hover();
    EXPECT_TRUE(find<SimImage>("Image11").border());
    for (const char* area : {"Frame2", "Frame4", "Picture1", "Picture7"}) {
        find<SimImage>("Image5").hover();
        find<SimFrame>(area).hover();
        EXPECT_EQ(borders(), "") << area;
    }
    EXPECT_TRUE(find<SimImage>("Image11").border());
    find<SimFrame>("Picture2").hover();
    EXPECT_FALSE(find<SimImage>("Image11").border());
}

TEST_F(MainWindowTest, TheViewImagesSwitchBetweenHomeAndCleaningView) {
    open();
    find<SimImage>("Image3").click();
    EXPECT_TRUE(find<SimFrame>("Frame4").visible());
    EXPECT_FALSE(find<SimFrame>("Frame2").visible());
    find<SimImage>("Image1").click();
    EXPECT_TRUE(find<SimFrame>("Frame2").visible());
    EXPECT_FALSE(find<SimFrame>("Frame4").visible());
    form().menu("File(&F)").item("Clean Now").click();
    EXPECT_TRUE(find<SimFrame>("Frame4").visible());
    EXPECT_EQ(machine.dialogs.shown.size(), 1u);
}

TEST_F(MainWindowTest, LinksHelpAndCompanionToolsOpenThroughTheShell) {
    open();
    const std::string app = R"(C:\Program Files\Halvane\)";
    struct Case {
        std::function<void()> act;
        std::string opened;
    };
    const Case cases[] = {
        {[&] { find<SimLabel>("Label51").click(); }, "https://halvane.example"},
        {[&] { form().menu("Help(&H)").item("Our Website").click(); }, "https://halvane.example"},
        {[&] { form().menu("Systray").item("Halvane On the Web").click(); },
         "https://halvane.example"},
        {[&] { form().menu("Help(&H)").item("Tell a Friend").click(); }, "mailto:"},
        {[&] { find<SimImage>("Image11").click(); }, app + "Halvane.htm"},
        {[&] { form().menu("Systray").item("Help").click(); }, app + "Halvane.htm"},
        {[&] { find<SimImage>("Image6").click(); }, app + "Fennick.exe"},
        {[&] { form().menu("Tool(&T)").item("Fennick").click(); }, app + "Fennick.exe"},
        {[&] { find<SimImage>("Image9").click(); }, app + "Rusholt.exe"},
        {[&] { form().menu("Tool(&T)").item("Clean Registry").click(); }, app + "Rusholt.exe"},
    };
    for (const Case& c : cases) {
        machine.ui.opened.clear();
        c.act();
        EXPECT_EQ(machine.ui.opened, std::vector<std::string>{c.opened});
    }
}

TEST_F(MainWindowTest, SettingsOptionsAndFinderOpenWhatTheProgramWiredIn) {
    open();
    struct Case {
        std::function<void()> act;
        const char* window;
    };
    const Case cases[] = {
        {[&] { find<SimImage>("Image2").click(); }, "settings"},
        {[&] { form().menu("File(&F)").item("Clean Settings").click(); }, "settings"},
        {[&] { form().menu("Systray").item("Settings").click(); }, "settings"},
        {[&] { find<SimImage>("Image5").click(); }, "options"},
        {[&] { form().menu("File(&F)").item("Clean Options").click(); }, "options"},
        {[&] { form().menu("Systray").item("Options").click(); }, "options"},
        {[&] { find<SimImage>("Image4").click(); }, "finder"},
        {[&] { form().menu("Tool(&T)").item("Search and Erase").click(); }, "finder"},
    };
    for (const Case& c : cases) c.act();  // nothing wired yet: nothing happens

    std::vector<std::string> opened;
    main->openSettings = [&] { opened.push_back("settings"); };
    main->openOptions = [&] { opened.push_back("options"); };
    main->openFinder = [&] { opened.push_back("finder"); };
    for (const Case& c : cases) {
        opened.clear();
        c.act();
        EXPECT_EQ(opened, std::vector<std::string>{c.window});
    }
}

TEST_F(MainWindowTest, TheMenusHoldTheirEntriesInOrder) {
    open();
    auto captions = [&](const std::string& menu) {
        std::vector<std::string> out;
        for (ui::MenuItem* item : form().menu(menu).items()) out.push_back(item->caption());
        return out;
    };
    using Texts = std::vector<std::string>;
    EXPECT_EQ(captions("File(&F)"),
              (Texts{"Clean Now", "-", "Clean Settings", "-", "Clean Options", "-", "Exit"}));
    EXPECT_EQ(captions("Tool(&T)"),
              (Texts{"Clean Registry", "-", "Search and Erase", "-", "Fennick"}));
    EXPECT_EQ(captions("Help(&H)"),
              (Texts{"Help", "-", "Our Website", "-", "Tell a Friend", "About"}));
    EXPECT_EQ(captions("Systray"),
              (Texts{"Halvane On the Web", "Help", "-", "Options", "-", "Settings", "-", "Restore",
                     "-", "Clean Now", "-", "Exit"}));
    EXPECT_FALSE(form().menu("Systray").args.inMenuBar);
}

TEST_F(MainWindowTest, AboutOpensModallyAndClosesWithOk) {
    open();
    machine.ui.whenModal("About Halvane", [](SimForm& about) {
        EXPECT_EQ(about.find<SimLabel>("lblVersion").text(), "Version 6.50");
        about.find<SimButton>("cmdOK").click();
    });
    form().menu("Help(&H)").item("About").click();
    EXPECT_EQ(machine.ui.modalShown, std::vector<std::string>{"About Halvane"});
    EXPECT_TRUE(machine.ui.problems.empty());
    EXPECT_FALSE(machine.ui.hasForm("About Halvane"));
}

TEST(SplashTest, ShowsTheMainWindowAfterTwoSecondsAndUnloadsItself) {
    sim::Machine machine;
    Platform os = machine.platform();
    frmSplash splash(machine.ui, os, "");
    SimForm& main = machine.ui.form(kMainCaption);
    EXPECT_TRUE(machine.ui.form("frmSplash").visible());
    EXPECT_TRUE(main.loaded());
    EXPECT_FALSE(main.visible());
    EXPECT_TRUE(main.trayIcon().added());

    machine.events.advance(1999);
    EXPECT_FALSE(main.visible());
    machine.events.advance(1);
    EXPECT_TRUE(main.visible());
    EXPECT_FALSE(splash.loaded());
    machine.events.advance(10000);
    EXPECT_TRUE(main.visible());
}

TEST(SplashTest, AnExitBeforeTheMainWindowShowsUnloadsTheSplashToo) {
    sim::Machine machine;
    Platform os = machine.platform();
    frmSplash splash(machine.ui, os, "");
    SimForm& main = machine.ui.form(kMainCaption);
    machine.ui.menuChoices.push_back("Exit");
    main.trayIcon().mouse(ui::kRightButtonUp);
    EXPECT_FALSE(splash.loaded());
    machine.events.advance(5000);
    EXPECT_FALSE(main.visible());
    EXPECT_TRUE(machine.ui.quitRequested);
}

}  // namespace
}  // namespace hv

namespace hv {
namespace {

TEST(AppWindowsTest, TheImagesOpenTheSettingsOptionsAndFinderWindowsModally) {
    sim::Machine machine;
    Platform os = machine.platform();
    frmMainCode main(machine.ui, os, "");
    AppWindows windows(machine.ui, os, main);
    main.show();
    sim::SimForm& form = machine.ui.form(kMainCaption);
    for (const char* image : {"Image2", "Image5", "Image4"})
        form.find<sim::SimImage>(image).click();
    EXPECT_EQ(machine.ui.modalShown,
              (std::vector<std::string>{"Cleaning Settings", "Options", "Search & Erase"}));
}

TEST(AppWindowsTest, ARunCleansThePlugInsTickedInTheSettingsWindowSavedOrNot) {
    sim::Machine machine;
    machine.files.addTextFile("C:\\Program Files\\Halvane\\plus-in\\Tool.hve",
                              "[name]\r\nappname=Tool\r\n[swich]\r\non=0\r\n");
    Platform os = machine.platform();
    frmMainCode main(machine.ui, os, "");
    AppWindows windows(machine.ui, os, main);
    main.show();
    const sim::SimListView& results =
        machine.ui.form(kMainCaption).find<sim::SimListView>("ListView1");
    auto pluginRows = [&] {
        int rows = 0;
        for (int row = 0; row < results.rowCount(); ++row) rows += results.text(row, 0) == "Tool";
        return rows;
    };

    // Ticked in the open window and not saved: a run started now (from the tray or the
    // schedule) cleans it.
    machine.ui.whenModal("Cleaning Settings", [&](sim::SimForm& settings) {
        settings.find<sim::SimListView>("ListView1").checkRow(0, true);
        main.cleanRun().CleanNow();
        settings.find<sim::SimButton>("Command3").click();  // Cancel
    });
    machine.ui.form(kMainCaption).find<sim::SimImage>("Image2").click();
    EXPECT_EQ(pluginRows(), 1);

    // Cancel dropped the tick: the next run reads the list from the file again.
    main.cleanRun().CleanNow();
    EXPECT_EQ(pluginRows(), 0);
}

}  // namespace
}  // namespace hv
