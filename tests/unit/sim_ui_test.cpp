#include "platform/sim/sim_ui.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/sim/machine.h"
#include "platform/ui/timer.h"

namespace hv::sim {
namespace {

class SimUiTest : public ::testing::Test {
  protected:
    std::unique_ptr<ui::Form> makeForm(const std::string& caption) {
        return ui.createForm({.name = "frm" + caption, .caption = caption});
    }

    Machine machine;
    SimUi ui{machine.dialogs, machine.files};
};

TEST_F(SimUiTest, CheckBoxRaisesClickOnEveryChangeByUserOrCode) {
    auto form = makeForm("Settings");
    ui::CheckBox& all = form->addCheckBox({.name = "Check9", .caption = "Select all of the above"});
    ui::CheckBox& one = form->addCheckBox({.name = "Check1", .caption = "IE Cookies"});
    // A select-all box that sets its group from its own click handler, as windows do.
    all.onClick = [&] { one.setChecked(all.checked()); };
    int oneClicks = 0;
    one.onClick = [&] { ++oneClicks; };

    auto& simAll = static_cast<SimCheckBox&>(all);
    simAll.click();
    EXPECT_TRUE(one.checked());
    EXPECT_EQ(oneClicks, 1);
    one.setChecked(true);  // no change, no event
    EXPECT_EQ(oneClicks, 1);
    all.setChecked(false);  // by code, still an event
    EXPECT_FALSE(one.checked());
    EXPECT_EQ(oneClicks, 2);
}

TEST_F(SimUiTest, FocusLeavingAControlRaisesLostFocusOnce) {
    auto form = makeForm("Settings");
    form->addCheckBox({.name = "Check5", .caption = "IE Favorites"});
    form->addButton({.name = "Command1", .caption = "OK"});
    auto& sim = static_cast<SimForm&>(*form);
    std::vector<std::string> events;
    sim.find<SimCheckBox>("Check5").onLostFocus = [&] { events.push_back("validate"); };
    sim.find<SimButton>("Command1").onClick = [&] { events.push_back("ok"); };

    sim.find<SimCheckBox>("Check5").click();
    sim.find<SimCheckBox>("Check5").click();  // staying on the box asks nothing
    sim.find<SimButton>("Command1").click();
    EXPECT_EQ(events, (std::vector<std::string>{"validate", "ok"}));
    EXPECT_EQ(sim.focused()->name(), "Command1");
}

TEST_F(SimUiTest, UserActionsOnDisabledControlsAreRefused) {
    auto form = makeForm("Settings");
    ui::Frame& group = form->addFrame({.name = "Frame1", .caption = "Windows Live Mail"});
    ui::TabStrip& tabs = group.addTabStrip({.name = "SSTab1", .tabs = {"A", "B"}});
    tabs.page(1)->addCheckBox({.name = "Check120"});
    auto& sim = static_cast<SimForm&>(*form);
    auto& box = sim.find<SimCheckBox>("Check120");

    group.setEnabled(false);
    EXPECT_THROW(box.click(), std::logic_error);
    group.setEnabled(true);
    box.click();
    EXPECT_TRUE(box.checked());
    box.setEnabled(false);
    EXPECT_THROW(box.click(), std::logic_error);
    EXPECT_THROW(sim.find<SimButton>("Check120"), std::out_of_range);  // wrong kind
    EXPECT_THROW(sim.find<SimCheckBox>("Check999"), std::out_of_range);
}

TEST_F(SimUiTest, ListViewKeepsRowsChecksAndSelection) {
    auto form = makeForm("Settings");
    ui::ListView& list = form->addListView(
        {.name = "ListView2", .columns = {{"Name", 3000}, {"Type", 900}}, .checkBoxes = true});
    std::vector<int> userChecks;
    list.onItemCheck = [&](int row) { userChecks.push_back(row); };
    list.addRow({"C:\\a.txt", "File"});
    list.addRow({"C:\\b"});
    list.addRow({"C:\\c.txt", "File"});
    list.setText(1, 1, "Folder");
    list.setText(1, 5, "ignored");  // no such column
    list.setChecked(0, true);       // by code: no event

    auto& sim = static_cast<SimListView&>(list);
    sim.checkRow(2, true);
    sim.checkRow(2, true);  // no change
    sim.clickRow(2);
    list.removeRow(0);

    EXPECT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.text(0, 1), "Folder");
    EXPECT_EQ(list.text(0, 5), "");
    EXPECT_EQ(list.text(9, 0), "");
    EXPECT_FALSE(list.checked(0));
    EXPECT_TRUE(list.checked(1));
    EXPECT_EQ(list.selectedRow(), 1);  // the selection moves with its row
    EXPECT_EQ(userChecks, (std::vector<int>{2}));
    list.removeRow(1);
    EXPECT_EQ(list.selectedRow(), -1);
}

TEST_F(SimUiTest, ListBoxClicksFollowTheSelectMode) {
    struct Case {
        ui::SelectMode mode;
        std::vector<bool> afterClicks;  // after clicking entries 0, 2, 0
    };
    const Case cases[] = {
        {ui::SelectMode::Single, {true, false, false}},
        {ui::SelectMode::Extended, {true, false, false}},
        {ui::SelectMode::Multi, {false, false, true}},
    };
    for (const auto& c : cases) {
        auto form = makeForm("Finder");
        auto& list =
            static_cast<SimListBox&>(form->addListBox({.name = "List1", .select = c.mode}));
        for (const char* text : {"a", "b", "c"}) list.addItem(text);
        int clicks = 0;
        list.onClick = [&] { ++clicks; };
        list.clickItem(0);
        list.clickItem(2);
        list.clickItem(0);
        std::vector<bool> selected;
        for (int i = 0; i < list.count(); ++i) selected.push_back(list.selected(i));
        EXPECT_EQ(selected, c.afterClicks) << static_cast<int>(c.mode);
        EXPECT_EQ(list.listIndex(), 0);
        EXPECT_EQ(clicks, 3);
    }
}

TEST_F(SimUiTest, ListBoxCodeSelectionAndMeasuring) {
    auto form = makeForm("Finder");
    ui::ListBox& list = form->addListBox({.name = "List1", .select = ui::SelectMode::Extended});
    for (const char* text : {"a", "bb", "ccc"}) list.addItem(text);
    for (int i = 0; i < list.count(); ++i) list.setSelected(i, true);
    list.removeItem(1);
    EXPECT_EQ(list.text(1), "ccc");
    EXPECT_TRUE(list.selected(0) && list.selected(1));
    EXPECT_EQ(list.measureTextWidth("abcd"), 4 * ui.charWidthPx);
    list.setHorizontalExtent(700);
    EXPECT_EQ(list.horizontalExtent(), 700);
}

TEST_F(SimUiTest, LabelThatSizesItselfFollowsItsText) {
    auto form = makeForm("Popup");
    ui::Label& label = form->addLabel(
        {.name = "lblDescription", .bounds = {720, 360, 100, 100}, .autoSize = true});
    label.setText("Cleaned 12 entries");
    EXPECT_EQ(label.bounds(), (ui::Rect{720, 360, 18 * 7 * 15, 13 * 15}));
}

TEST_F(SimUiTest, TimersTickOnTheVirtualClock) {
    ui::Timer timer{machine.events, {.intervalMs = 500, .enabled = true}};
    std::vector<std::uint64_t> ticks;
    timer.onTick = [&] { ticks.push_back(machine.events.tickMs()); };
    machine.events.advance(1200);
    timer.setInterval(300);  // counts from now
    machine.events.advance(700);
    timer.setEnabled(false);
    machine.events.advance(1000);
    EXPECT_EQ(ticks, (std::vector<std::uint64_t>{500, 1000, 1500, 1800}));

    ui::Timer never{machine.events, {.intervalMs = 0, .enabled = true}};
    never.onTick = [&] { ticks.push_back(0); };
    machine.events.advance(1000);
    EXPECT_EQ(ticks.size(), 4u);
}

TEST_F(SimUiTest, TimerHandlerMayDestroyItsOwnTimer) {
    auto popup = std::make_unique<ui::Timer>(machine.events, ui::TimerArgs{15, true});
    int ticks = 0;
    popup->onTick = [&] {
        ++ticks;
        popup.reset();
    };
    machine.events.advance(100);
    EXPECT_EQ(ticks, 1);
}

TEST_F(SimUiTest, ModalFormsRunTheQueuedStepsNestedInOrder) {
    // A settings window whose "Options" button opens a keep-list window modally; the code
    // after each showModal() reads what the user did.
    auto settings = makeForm("Cleaning Settings");
    ui::CheckBox& favorites = settings->addCheckBox({.name = "Check5"});
    ui::Button& options = settings->addButton({.name = "Command7", .caption = "Options"});
    ui::Button& ok = settings->addButton({.name = "Command1", .caption = "OK"});
    std::string keepListResult;
    options.onClick = [&] {
        auto keep = makeForm("URL Drop-List Options");
        ui::ListBox& kept = keep->addListBox({.name = "List1"});
        keep->showModal();
        keepListResult = kept.count() == 1 ? kept.text(0) : "?";
    };
    ok.onClick = [&] {
        if (ui.messageBox(settings.get(), "Sure?", "Halvane", mb::kOkCancel) == mb::kIdOk)
            settings->close();
    };

    ui.whenModal("Cleaning Settings", [](SimForm& form) {
        form.find<SimCheckBox>("Check5").click();
        form.find<SimButton>("Command7").click();
        form.find<SimButton>("Command1").click();
    });
    ui.whenModal("URL Drop-List Options", [](SimForm& form) {
        form.find<SimListBox>("List1").addItem("www.example.com");
        form.closeByUser();
    });
    machine.dialogs.answers = {mb::kIdOk};
    settings->showModal();

    EXPECT_TRUE(favorites.checked());
    EXPECT_EQ(keepListResult, "www.example.com");
    EXPECT_FALSE(settings->loaded());
    EXPECT_EQ(ui.modalShown,
              (std::vector<std::string>{"Cleaning Settings", "URL Drop-List Options"}));
    ASSERT_EQ(machine.dialogs.shown.size(), 1u);
    EXPECT_EQ(machine.dialogs.shown[0].text, "Sure?");
    EXPECT_TRUE(ui.modalSteps.empty());
    EXPECT_TRUE(ui.problems.empty());
}

TEST_F(SimUiTest, ModalFormWithoutAStepStaysShownAndMismatchesAreNoted) {
    auto about = makeForm("About");
    about->showModal();
    EXPECT_TRUE(about->visible());
    EXPECT_TRUE(static_cast<SimForm&>(*about).shownModal());
    EXPECT_EQ(&ui.form("About"), about.get());

    ui.whenModal("Options", [](SimForm& form) { form.close(); });
    auto finder = makeForm("Search & Erase");
    finder->showModal();
    EXPECT_TRUE(finder->loaded());
    EXPECT_EQ(ui.modalSteps.size(), 1u);
    ASSERT_EQ(ui.problems.size(), 1u);
}

TEST_F(SimUiTest, ClosingByUserCanBeCancelledAndUnloadingIsLast) {
    auto main = makeForm("Halvane V6.50");
    main->show();
    std::vector<ui::CloseReason> reasons;
    main->onCloseRequest = [&](ui::CloseReason reason, bool& cancel) {
        reasons.push_back(reason);
        cancel = reason == ui::CloseReason::User;  // the close box hides to the tray
        if (cancel) main->hide();
    };
    auto& sim = static_cast<SimForm&>(*main);
    EXPECT_FALSE(sim.closeByUser());
    EXPECT_TRUE(main->loaded());
    EXPECT_FALSE(main->visible());

    bool closed = false;
    main->onClosed = [&] {
        closed = true;
        main.reset();  // the owner may drop the window from its last event
    };
    EXPECT_TRUE(sim.close());
    EXPECT_TRUE(closed);
    EXPECT_EQ(main, nullptr);
    EXPECT_EQ(reasons,
              (std::vector<ui::CloseReason>{ui::CloseReason::User, ui::CloseReason::Code}));
    EXPECT_FALSE(ui.hasForm("Halvane V6.50"));
}

TEST_F(SimUiTest, TrayIconReportsMouseMessagesOnlyWhileAdded) {
    auto main = makeForm("Halvane V6.50");
    ui::TrayIcon& tray = main->addTrayIcon({.tip = "Halvane"});
    ui::Menu& menu = main->addMenu({.name = "Systray", .caption = "Systray", .inMenuBar = false});
    menu.addItem("Restore", "mnuRestore");
    menu.addItem("-");
    std::vector<std::string> events;
    menu.addItem("Exit", "mnuExit").onClick = [&] { events.push_back("exit"); };
    tray.onMouse = [&](int message) {
        events.push_back(std::to_string(message));
        if (message == ui::kRightButtonUp) menu.popup();
    };

    auto& sim = static_cast<SimForm&>(*main);
    sim.trayIcon().mouse(ui::kLeftButtonUp);  // not added yet
    EXPECT_TRUE(tray.add());
    EXPECT_FALSE(tray.add());
    ui.menuChoices = {"Exit", "Nonsense"};
    sim.trayIcon().mouse(ui::kRightButtonUp);
    sim.trayIcon().mouse(ui::kRightButtonUp);
    sim.trayIcon().mouse(ui::kRightButtonUp);  // no choice left: dismissed
    tray.remove();
    sim.trayIcon().mouse(ui::kLeftButtonUp);

    EXPECT_EQ(events, (std::vector<std::string>{"517", "exit", "517", "517"}));
    EXPECT_EQ(ui.popups.size(), 3u);
    EXPECT_EQ(ui.problems.size(), 1u);
    EXPECT_THROW(sim.menu("Systray").item("-"), std::out_of_range);
}

TEST_F(SimUiTest, DriveAndFolderListsFollowTheSimulatedDisk) {
    machine.addFiles(R"(
        C:\Temp\old\
        C:\Temp\new\
        C:\Temp\a.tmp | size=10
    )");
    ui.drives = {"c:", "d:"};
    auto form = makeForm("Search & Erase");
    auto& drive = static_cast<SimDriveList&>(form->addDriveList({.name = "Drive1"}));
    auto& dir = static_cast<SimDirList&>(form->addDirList({.name = "Dir1"}));
    std::vector<std::string> changes;
    drive.onChange = [&] { changes.push_back("drive " + drive.drive()); };
    dir.onChange = [&] { changes.push_back("dir " + dir.path()); };

    EXPECT_TRUE(dir.setPath("C:\\Temp\\"));
    EXPECT_TRUE(dir.open("c:\\temp"));  // the same folder: no event
    EXPECT_FALSE(dir.setPath("C:\\Missing"));
    EXPECT_TRUE(drive.choose("D:\\"));
    EXPECT_FALSE(drive.setDrive("q"));

    EXPECT_EQ(dir.path(), "C:\\Temp");
    auto folders = dir.folders();
    std::sort(folders.begin(), folders.end());
    EXPECT_EQ(folders, (std::vector<std::string>{"new", "old"}));
    EXPECT_EQ(changes, (std::vector<std::string>{"dir C:\\Temp", "drive d:"}));
}

TEST_F(SimUiTest, HotKeysReachTheProgramOnlyWhenItHoldsThem) {
    SimWindowManager& windows = ui.windowManager;
    windows.takenByOthers.insert({ui::kModWin, ui::kVkZ});
    std::vector<int> pressed;
    windows.onHotKey = [&](int id, unsigned, unsigned) { pressed.push_back(id); };

    EXPECT_FALSE(windows.registerHotKey(95, ui::kModWin, ui::kVkZ));
    EXPECT_TRUE(windows.registerHotKey(111, ui::kModWin | ui::kModShift, ui::kVkZ));
    EXPECT_FALSE(windows.registerHotKey(112, ui::kModWin | ui::kModShift, ui::kVkZ));
    EXPECT_FALSE(windows.pressHotKey(ui::kModWin, ui::kVkZ));
    EXPECT_TRUE(windows.pressHotKey(ui::kModWin | ui::kModShift, ui::kVkZ));
    EXPECT_TRUE(windows.unregisterHotKey(111));
    EXPECT_FALSE(windows.unregisterHotKey(111));
    EXPECT_FALSE(windows.pressHotKey(ui::kModWin | ui::kModShift, ui::kVkZ));
    EXPECT_EQ(pressed, (std::vector<int>{111}));
}

TEST_F(SimUiTest, WindowPlacementsHideAndRestore) {
    SimWindowManager& windows = ui.windowManager;
    const ui::WindowPlacement maximised{.showCommand = ui::kSwShowMaximized,
                                        .normalPosition = {10, 20, 400, 300}};
    const auto ie = windows.addWindow("IEFrame", maximised);
    windows.addWindow("Chrome_WidgetWin_1");
    ASSERT_EQ(windows.topLevelWindows().size(), 2u);
    EXPECT_EQ(windows.topLevelWindows()[0].className, "IEFrame");

    auto hidden = *windows.placement(ie);
    hidden.showCommand = ui::kSwHide;
    EXPECT_TRUE(windows.setPlacement(ie, hidden));
    EXPECT_FALSE(windows.shown(ie));
    EXPECT_TRUE(windows.setPlacement(ie, maximised));
    EXPECT_TRUE(windows.shown(ie));
    windows.closeWindow(ie);
    EXPECT_FALSE(windows.setPlacement(ie, maximised));
    EXPECT_FALSE(windows.placement(ie).has_value());
}

TEST_F(SimUiTest, FileDialogsAnswerFromTheQueueAndMoveTheCurrentDirectory) {
    auto form = makeForm("Cleaning Settings");
    ui.fileDialogAnswers.push_back({std::string("C:\\Docs\0a.txt\0b.txt", 19), "C:\\Docs"});
    const auto chosen = ui.openFileDialog(
        form.get(), {.title = "Open File", .filter = "All files (*.*)|*.*|", .multiSelect = true});
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, std::string("C:\\Docs\0a.txt\0b.txt", 19));
    EXPECT_EQ(ui.currentDirectory(), "C:\\Docs");
    EXPECT_FALSE(ui.openFileDialog(form.get(), {}).has_value());  // cancelled
    EXPECT_FALSE(ui.browseForFolder(form.get(), "Halvane").has_value());
    EXPECT_EQ(ui.folderDialogs, (std::vector<std::string>{"Halvane"}));
}

}  // namespace
}  // namespace hv::sim
