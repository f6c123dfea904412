#include "ui/frm_settings.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "catalogue/catalogue.h"
#include "engine/custom_items.h"
#include "engine/inifun.h"
#include "engine/plugins.h"
#include "platform/sim/machine.h"
#include "platform/text.h"

namespace hv {
namespace {

using sim::SimButton;
using sim::SimCheckBox;
using sim::SimForm;
using sim::SimListView;
using sim::SimTabStrip;

const char* const kCaption = "Cleaning Settings";
const std::string kCusd = "C:\\Program Files\\Halvane\\cusd.dat";
const std::string kPlugins = "C:\\Program Files\\Halvane\\plus-in";
const char* const kFavoritesQuestion = "Are you sure delete IE Favorites?";
const char* const kDownloadedQuestion = "Are you sure delete Downloaded Files?";

// A box as the window shows it: its frame, its text and the switch it stands for.
struct ShownBox {
    std::string frame;
    SimCheckBox* box;
};

class SettingsWindowTest : public ::testing::Test {
  protected:
    void withMailStore() {
        machine.addRegistry(
            "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows Mail]\n"
            "\"Store Root\"=\"C:\\\\Users\\\\ann\\\\AppData\\\\Local\\\\Microsoft\\\\Windows "
            "Mail\"\n");
    }

    SettingsWindow& open() {
        window = std::make_unique<SettingsWindow>(machine.ui, os);
        window->showModal();
        return *window;
    }
    SimForm& form() { return machine.ui.form(kCaption); }
    SimCheckBox& check(const std::string& name) { return form().find<SimCheckBox>(name); }
    SimButton& button(const std::string& name) { return form().find<SimButton>(name); }
    SimListView& list(const std::string& name) { return form().find<SimListView>(name); }
    SimTabStrip& tabs(const std::string& name) { return form().find<SimTabStrip>(name); }

    // Every box of a frame in the order it was made (display order), the select-all box last.
    std::vector<SimCheckBox*> boxesOf(const std::string& frameCaption) {
        std::vector<SimCheckBox*> boxes;
        ui::forEachControl(form(), [&](ui::Control& control) {
            auto* frame = dynamic_cast<ui::Frame*>(&control);
            if (frame == nullptr || frame->caption() != frameCaption) return;
            for (ui::Control* child : frame->controls())
                if (auto* box = dynamic_cast<SimCheckBox*>(child)) boxes.push_back(box);
        });
        return boxes;
    }
    SimCheckBox& box(const std::string& frameCaption, const std::string& caption) {
        for (SimCheckBox* each : boxesOf(frameCaption))
            if (each->caption() == caption) return *each;
        throw std::out_of_range("no box " + caption + " in " + frameCaption);
    }
    // Every switch box (not the select-all boxes) with its frame.
    std::vector<ShownBox> switchBoxes() {
        std::vector<ShownBox> boxes;
        ui::forEachControl(form(), [&](ui::Control& control) {
            auto* frame = dynamic_cast<ui::Frame*>(&control);
            if (frame == nullptr) return;
            for (ui::Control* child : frame->controls())
                if (auto* each = dynamic_cast<SimCheckBox*>(child);
                    each && each->caption() != "Select all of the above")
                    boxes.push_back({frame->caption(), each});
        });
        return boxes;
    }
    // The catalogue item a box stands for, found by its section and caption.
    static const CleanItem* itemOf(const std::string& frame, const std::string& caption) {
        static const std::map<std::string, std::string> sections = {
            {"Internet Explorer", "EXPLORER"},
            {"Mozilla Firefox", "FIREFOX"},
            {"Opera", "OPERA"},
            {"Netscape Navigator", "NETSCAPE"},
            {"AOL Explorer", "AOL"},
            {"MSN Exploer", "MSN"},
            {"Mozilla", "Mozilla"},
            {"Maxthon Browser", "Maxthon"},
            {"Google Chrome", "Chrome"},
            {"Safari", "Safari"},
            {"Windows", "WINDOWS"},
            {"MS Office(support 97, 2000, XP, 2003, 2007,2010, 2013)", "OFFICE"},
            {"Select Folder and Files That will Be Erased", "Custom"},
            {"Windows Live Messenger", "Messenger"},
            {"AOL Instant Messenger", "Messenger"},
            {"ICQ", "Messenger"},
            {"Yahoo! Messenger", "Messenger"},
            {"Outlook Express", "outlook"},
            {"Windows Live Mail", "mail"},
        };
        const std::string section = sections.at(frame);
        if (section == "Custom") return &CustomItem();
        for (const auto& item : catalogue::Catalogue())
            if (equalsNoCase(item.section, section) && item.caption == caption) return &item;
        return nullptr;
    }
    std::string setting(const std::string& section, const std::string& key) {
        return ReadIni(os.profile, machine.settingsFile(), section, key);
    }
    void pressOk() { button("Command1").click(); }

    sim::Machine machine;
    Platform os = machine.platform();
    std::unique_ptr<SettingsWindow> window;
};

TEST_F(SettingsWindowTest, EveryCatalogueItemHasOneBoxWithItsCaption) {
    open();
    EXPECT_TRUE(form().shownModal());
    EXPECT_EQ(machine.ui.modalShown, std::vector<std::string>{kCaption});

    std::set<const CleanItem*> seen;
    std::set<std::string> names;
    for (const auto& [frame, each] : switchBoxes()) {
        const CleanItem* item = itemOf(frame, each->caption());
        ASSERT_NE(item, nullptr) << frame << ": " << each->caption();
        EXPECT_TRUE(seen.insert(item).second) << "twice: " << each->caption();
        EXPECT_TRUE(names.insert(each->name()).second) << "name used twice: " << each->name();
        EXPECT_FALSE(each->checked());
    }
    for (const auto& item : catalogue::Catalogue()) {
        if (!item.section.empty()) {
            EXPECT_TRUE(seen.count(&item)) << item.caption;
        }
    }
    EXPECT_TRUE(seen.count(&CustomItem()));
    EXPECT_EQ(seen.size(), 143u);

    // The names other code and the description rely on.
    EXPECT_EQ(check("Check5").caption(), "IE Favorites");
    EXPECT_EQ(check("Check7").caption(), "IE Downloaded Files(Only IE9, IE10)");
    const std::map<std::string, std::string> selectAll = {
        {"Check9", "Internet Explorer"},
        {"Check46", "Mozilla Firefox"},
        {"Check13", "Opera"},
        {"Check14", "Netscape Navigator"},
        {"Check47", "AOL Explorer"},
        {"Check19", "MSN Exploer"},
        {"Check68", "Mozilla"},
        {"Check133", "Maxthon Browser"},
        {"Check140", "Google Chrome"},
        {"Check145", "Safari"},
        {"Check31", "Windows"},
        {"Check41", "MS Office(support 97, 2000, XP, 2003, 2007,2010, 2013)"},
        {"Check127", "Outlook Express"},
        {"Check128", "Windows Live Mail"},
    };
    for (const auto& [name, frame] : selectAll) {
        const auto boxes = boxesOf(frame);
        ASSERT_FALSE(boxes.empty()) << frame;
        EXPECT_EQ(boxes.back()->name(), name) << "shown last in " << frame;
        EXPECT_EQ(boxes.back()->caption(), "Select all of the above");
        EXPECT_EQ(boxes.back()->backColor, ui::kHighlightColor);
    }
    for (const char* frame : {"Windows Live Messenger", "AOL Instant Messenger", "ICQ",
                              "Yahoo! Messenger", "Select Folder and Files That will Be Erased"})
        for (SimCheckBox* each : boxesOf(frame))
            EXPECT_NE(each->caption(), "Select all of the above") << frame;
}

TEST_F(SettingsWindowTest, FramesShowTheirBoxesInDisplayOrder) {
    open();
    const auto captions = [&](const std::string& frame) {
        std::vector<std::string> out;
        for (SimCheckBox* each : boxesOf(frame)) out.push_back(each->caption());
        return out;
    };
    const auto safari = captions("Safari");
    EXPECT_EQ(safari[6], "Recent Searches");
    EXPECT_EQ(safari[7], "Webpage Previews Image");

    // Two columns, the left one first; the select-all box under the longer column.
    const auto windows = boxesOf("Windows");
    ASSERT_EQ(windows.size(), 28u);
    EXPECT_EQ(windows[13]->caption(), "Windows unread mail count");
    EXPECT_EQ(windows[14]->caption(), "The Custom Locations From Picture Location Drop-down Box");
    EXPECT_EQ(windows[23]->caption(), "Start Menu Programs And Favorites Menu Order");
    EXPECT_EQ(windows[13]->bounds().left, windows[0]->bounds().left);
    EXPECT_GT(windows[14]->bounds().left, windows[13]->bounds().right() - 1);
    EXPECT_EQ(windows[14]->bounds().top, windows[0]->bounds().top);
    EXPECT_GT(windows[27]->bounds().top, windows[13]->bounds().top);

    const auto office = captions("MS Office(support 97, 2000, XP, 2003, 2007,2010, 2013)");
    EXPECT_EQ(office[7], "Microsoft OneNote");
    EXPECT_EQ(office[8], "Microsoft Project");
    EXPECT_EQ(office[14], "Microsoft Lync Settings");
    EXPECT_EQ(office[15], "Microsoft SkyDrive Setting");

    EXPECT_EQ(captions("Yahoo! Messenger"),
              (std::vector<std::string>{"Page settings", "Reset Yahoo! profiles",
                                        "Temporary Internet Files", "log Files"}));
    EXPECT_EQ(tabs("SSTab1").tabs,
              (std::vector<std::string>{"Browsers", "Windows", "Microsoft Office", "Applications",
                                        "Custom Item", "Instant Messaging", "Email Readers"}));
    EXPECT_EQ(tabs("SSTab2").tabCount(), 10);
    EXPECT_EQ(tabs("SSTab2").tabs[9], "Safari");
}

TEST_F(SettingsWindowTest, NoSettingsFileShowsEverythingOffAndOkWritesEveryKeyInOrder) {
    open();
    for (const auto& [frame, each] : switchBoxes()) EXPECT_FALSE(each->checked());
    EXPECT_EQ(tabs("SSTab1").selectedIndex(), 0);  // empty tab values read as 0
    EXPECT_EQ(tabs("SSTab2").selectedIndex(), 0);
    pressOk();
    EXPECT_FALSE(window->loaded());

    for (const auto& item : catalogue::Catalogue()) {
        if (!item.section.empty()) {
            EXPECT_EQ(setting(std::string(item.section), std::string(item.key)), "0")
                << item.caption;
        }
    }
    EXPECT_EQ(setting("Custom", "Custom"), "0");
    EXPECT_EQ(setting("setting", "tab1"), "0");
    EXPECT_EQ(setting("setting", "tab2"), "0");

    // Sections in the order they are written, and the Windows keys in display order.
    const std::string text = machine.files.text(machine.settingsFile());
    std::size_t at = 0;
    for (const char* header : {"[EXPLORER]",   "[FIREFOX]",     "[AOL]",     "[OPERA]",
                               "[NETSCAPE]",   "[MSN]",         "[Mozilla]", "[Maxthon]",
                               "[Chrome]",     "[Safari]",      "[WINDOWS]", "recent=0",
                               "paint=0",      "thumbs=0",      "unread=0",  "picturelocation=0",
                               "userassist=0", "[OFFICE]",      "[Custom]",  "[Messenger]",
                               "msnchat=0",    "aolsettings=0", "icqsign=0", "yahoopage=0",
                               "[outlook]",    "[mail]",        "[setting]"}) {
        const auto found = text.find(header, at);
        ASSERT_NE(found, std::string::npos) << header << " after offset " << at << "\n" << text;
        at = found;
    }
}

TEST_F(SettingsWindowTest, EveryBoxShowsItsOwnSwitch) {
    withMailStore();
    // Every other item on, so that a box reading another item's key shows.
    std::map<const CleanItem*, bool> on;
    bool next = true;
    for (const auto& item : catalogue::Catalogue()) {
        if (item.section.empty()) continue;
        machine.setSetting(std::string(item.section), std::string(item.key), next ? "1" : "0");
        on[&item] = next;
        next = !next;
    }
    machine.setSetting("Custom", "Custom", "1");
    on[&CustomItem()] = true;
    open();
    for (const auto& [frame, each] : switchBoxes())
        EXPECT_EQ(each->checked(), on.at(itemOf(frame, each->caption())))
            << frame << ": " << each->caption();
}

TEST_F(SettingsWindowTest, ABoxIsCheckedExactlyWhenItsValueReadsAsTheNumberOne) {
    const struct {
        const char* value;
        bool checked;
    } cases[] = {
        {"1", true},   {" 1 ", true},  {"1.0", true}, {"01", true}, {"1e0", true}, {"2", false},
        {"-1", false}, {"yes", false}, {"", false},   {"0", false}, {"1x", false}, {"0.5", false},
    };
    for (const auto& c : cases) {
        sim::Machine fresh;
        Platform freshOs = fresh.platform();
        fresh.setSetting("FIREFOX", "Cookies", c.value);
        fresh.setSetting("Messenger", "icqfiles", c.value);
        SettingsWindow settings(fresh.ui, freshOs);
        SimForm& shown = fresh.ui.form(kCaption);
        EXPECT_EQ(shown.find<SimCheckBox>("Check16").caption(), "Cookies");
        EXPECT_EQ(shown.find<SimCheckBox>("Check16").checked(), c.checked) << "'" << c.value << "'";
        int checkedBoxes = 0;
        ui::forEachControl(shown, [&](ui::Control& control) {
            if (auto* each = dynamic_cast<ui::CheckBox*>(&control); each && each->checked())
                ++checkedBoxes;
        });
        EXPECT_EQ(checkedBoxes, c.checked ? 2 : 0) << "'" << c.value << "'";
    }
}

TEST_F(SettingsWindowTest, WithoutTheMailStoreTheMailGroupIsOffDisabledAndSavedAsZero) {
    for (const auto& item : catalogue::WindowsLiveMailItems())
        machine.setSetting("mail", std::string(item.key), "1");
    open();
    const auto mail = boxesOf("Windows Live Mail");
    ASSERT_EQ(mail.size(), 8u);
    for (SimCheckBox* each : mail) {
        EXPECT_FALSE(each->checked()) << each->caption();
        EXPECT_FALSE(each->enabled()) << each->caption();
    }
    EXPECT_THROW(check("Check128").click(), std::logic_error);
    // The Outlook Express group has no such gate.
    EXPECT_TRUE(check("Check127").enabled());

    pressOk();
    for (const auto& item : catalogue::WindowsLiveMailItems())
        EXPECT_EQ(setting("mail", std::string(item.key)), "0") << item.caption;
}

TEST_F(SettingsWindowTest, WithTheMailStoreTheMailGroupLoadsAndToggles) {
    withMailStore();
    machine.setSetting("mail", "Safe", "1");
    open();
    EXPECT_TRUE(box("Windows Live Mail", "Junk Mail Safe Senders list").checked());
    EXPECT_FALSE(box("Windows Live Mail", "Junk Mail Block Senders list").checked());
    check("Check128").click();
    for (SimCheckBox* each : boxesOf("Windows Live Mail")) EXPECT_TRUE(each->checked());
    pressOk();
    EXPECT_EQ(setting("mail", "Block"), "1");
}

TEST_F(SettingsWindowTest, EachSelectAllBoxSetsItsWholeGroupAndNothingElse) {
    withMailStore();
    open();
    const std::vector<std::pair<std::string, std::string>> groups = {
        {"Check46", "Mozilla Firefox"},
        {"Check13", "Opera"},
        {"Check14", "Netscape Navigator"},
        {"Check47", "AOL Explorer"},
        {"Check19", "MSN Exploer"},
        {"Check68", "Mozilla"},
        {"Check133", "Maxthon Browser"},
        {"Check140", "Google Chrome"},
        {"Check145", "Safari"},
        {"Check31", "Windows"},
        {"Check41", "MS Office(support 97, 2000, XP, 2003, 2007,2010, 2013)"},
        {"Check127", "Outlook Express"},
        {"Check128", "Windows Live Mail"},
    };
    for (const auto& [name, frame] : groups) {
        auto members = boxesOf(frame);
        members.pop_back();  // the select-all box itself
        check(name).click();
        int checkedElsewhere = 0;
        for (const auto& [other, each] : switchBoxes()) {
            if (other == frame)
                EXPECT_TRUE(each->checked()) << frame << ": " << each->caption();
            else if (each->checked())
                ++checkedElsewhere;
        }
        EXPECT_EQ(checkedElsewhere, 0) << frame;

        // Unchecking clears the group, boxes the user set by hand too; the boxes never move
        // the select-all box.
        members.front()->click();
        members.front()->click();
        EXPECT_TRUE(check(name).checked());
        members.back()->click();
        EXPECT_FALSE(members.back()->checked());
        EXPECT_TRUE(check(name).checked());
        check(name).click();
        for (SimCheckBox* each : members) EXPECT_FALSE(each->checked()) << each->caption();
    }
    EXPECT_TRUE(machine.dialogs.shown.empty());
}

TEST_F(SettingsWindowTest, InternetExplorerSelectAllAsksAboutFavoritesAndDownloadedFiles) {
    const struct {
        int favoritesAnswer;
        int downloadedAnswer;
    } cases[] = {
        {mb::kIdOk, mb::kIdOk},
        {mb::kIdCancel, mb::kIdOk},
        {mb::kIdOk, mb::kIdCancel},
        {mb::kIdCancel, mb::kIdCancel},
    };
    for (const auto& c : cases) {
        sim::Machine fresh;
        Platform freshOs = fresh.platform();
        SettingsWindow settings(fresh.ui, freshOs);
        SimForm& shown = fresh.ui.form(kCaption);
        fresh.dialogs.answers = {c.favoritesAnswer, c.downloadedAnswer};
        shown.find<SimCheckBox>("Check9").click();

        ASSERT_EQ(fresh.dialogs.shown.size(), 2u);
        EXPECT_EQ(fresh.dialogs.shown[0].text, kFavoritesQuestion);
        EXPECT_EQ(fresh.dialogs.shown[1].text, kDownloadedQuestion);
        for (const auto& question : fresh.dialogs.shown) {
            EXPECT_EQ(question.title, "Halvane");
            EXPECT_EQ(question.style, mb::kOkCancel);
        }
        EXPECT_TRUE(shown.find<SimCheckBox>("Check9").checked());
        EXPECT_EQ(shown.find<SimCheckBox>("Check5").checked(), c.favoritesAnswer == mb::kIdOk);
        EXPECT_EQ(shown.find<SimCheckBox>("Check7").checked(), c.downloadedAnswer == mb::kIdOk);
        int others = 0;
        ui::forEachControl(shown, [&](ui::Control& control) {
            auto* frame = dynamic_cast<ui::Frame*>(&control);
            if (frame == nullptr || frame->caption() != "Internet Explorer") return;
            for (ui::Control* child : frame->controls())
                if (auto* each = dynamic_cast<ui::CheckBox*>(child);
                    each && each->name() != "Check5" && each->name() != "Check7" &&
                    each->name() != "Check9" && each->checked())
                    ++others;
        });
        EXPECT_EQ(others, 9);

        // Unchecking asks nothing and clears all eleven.
        fresh.dialogs.shown.clear();
        shown.find<SimCheckBox>("Check9").setChecked(false);
        EXPECT_TRUE(fresh.dialogs.shown.empty());
        EXPECT_FALSE(shown.find<SimCheckBox>("Check1").checked());
        EXPECT_FALSE(shown.find<SimCheckBox>("Check5").checked());
    }
}

TEST_F(SettingsWindowTest, LeavingACheckedFavoritesOrDownloadedFilesBoxAsks) {
    machine.setSetting("EXPLORER", "favorites", "1");
    open();
    EXPECT_TRUE(machine.dialogs.shown.empty());  // loading asks nothing

    // Focus moves from the box the window set to another: nothing was focused before.
    check("Check1").click();
    EXPECT_TRUE(machine.dialogs.shown.empty());

    machine.dialogs.answers = {mb::kIdCancel};
    check("Check5").click();  // off, then on again
    check("Check5").click();
    EXPECT_TRUE(machine.dialogs.shown.empty());
    check("Check2").click();
    ASSERT_EQ(machine.dialogs.shown.size(), 1u);
    EXPECT_EQ(machine.dialogs.shown[0].text, kFavoritesQuestion);
    EXPECT_FALSE(check("Check5").checked());
    EXPECT_EQ(form().focused()->name(), "Check2");  // the focus moves on all the same

    machine.dialogs.answers = {mb::kIdOk};
    check("Check7").click();
    button("Command8").click();
    ASSERT_EQ(machine.dialogs.shown.size(), 2u);
    EXPECT_EQ(machine.dialogs.shown[1].text, kDownloadedQuestion);
    EXPECT_TRUE(check("Check7").checked());

    // Leaving an unchecked box asks nothing.
    check("Check5").click();
    check("Check5").click();
    check("Check3").click();
    EXPECT_EQ(machine.dialogs.shown.size(), 2u);
}

TEST_F(SettingsWindowTest, RememberedTabsAreAppliedWhenInRange) {
    const struct {
        const char* tab1;
        const char* tab2;
        int outer;
        int inner;
    } cases[] = {
        {"9", "9", 2, 9},     {"3", "-1", 3, 5},     {"", "", 0, 0},
        {"abc", "2x", 0, 2},  {"6", "10", 6, 5},     {"7", "0", 2, 0},
        {"5.6", "4.4", 6, 4}, {"1e9", "-0.4", 2, 0}, {" 4 ", "&H3", 4, 3},
    };
    for (const auto& c : cases) {
        sim::Machine fresh;
        Platform freshOs = fresh.platform();
        fresh.setSetting("setting", "tab1", c.tab1);
        fresh.setSetting("setting", "tab2", c.tab2);
        SettingsWindow settings(fresh.ui, freshOs);
        SimForm& shown = fresh.ui.form(kCaption);
        EXPECT_EQ(shown.find<SimTabStrip>("SSTab1").selectedIndex(), c.outer) << c.tab1;
        EXPECT_EQ(shown.find<SimTabStrip>("SSTab2").selectedIndex(), c.inner) << c.tab2;
    }
}

TEST_F(SettingsWindowTest, OkRemembersTheTabsShown) {
    open();
    tabs("SSTab1").clickTab(5);
    tabs("SSTab2").clickTab(8);
    pressOk();
    EXPECT_EQ(setting("setting", "tab1"), "5");
    EXPECT_EQ(setting("setting", "tab2"), "8");
}

TEST_F(SettingsWindowTest, CancelAndTheCloseBoxWriteNothing) {
    machine.setSetting("FIREFOX", "Cookies", "1");
    machine.files.addTextFile(kCusd, "C:\\Data\\a.txt\tFile\r\n");
    machine.addFiles("C:\\Data\\a.txt | size=10");
    machine.files.addTextFile(kPlugins + "\\Tool.hve",
                              "[name]\r\nappname=Tool\r\n[swich]\r\non=1\r\n");
    const std::string before = machine.files.text(machine.settingsFile());
    for (const char* how : {"Cancel", "close box"}) {
        open();
        check("Check16").click();
        check("Check46").click();
        list("ListView1").checkRow(0, false);
        button("Command2").click();  // Clear
        EXPECT_EQ(list("ListView2").rowCount(), 0);
        if (std::string(how) == "Cancel")
            button("Command3").click();
        else
            form().closeByUser();
        EXPECT_FALSE(window->loaded()) << how;
        EXPECT_EQ(machine.files.text(machine.settingsFile()), before) << how;
        EXPECT_EQ(machine.files.text(kCusd), "C:\\Data\\a.txt\tFile\r\n") << how;
        EXPECT_EQ(ReadIni(os.profile, kPlugins + "\\Tool.hve", "swich", "on"), "1") << how;
    }
    // The next opening shows the old list.
    open();
    ASSERT_EQ(list("ListView2").rowCount(), 1);
    EXPECT_EQ(list("ListView2").text(0, 0), "C:\\Data\\a.txt");
}

TEST_F(SettingsWindowTest, CustomItemsLoadWithFixedSizesAndSaveInListOrder) {
    machine.addFiles(R"(
C:\Data\a.txt | size=3000 | modified=2026-05-01 12:30
C:\Data\Old\b.bin | size=1572864
C:\Data\hidden.txt | attr=H
)");
    machine.files.addTextFile(kCusd,
                              "C:\\Data\\a.txt\tFile\r\n"
                              "C:\\Data\\Old\tFolder\r\n"
                              "C:\\Data\\gone.txt\tFile\r\n"
                              "C:\\Data\\hidden.txt\tFile\r\n"
                              "C:\\Data\\a.txt\tfile\r\n");
    machine.setSetting("Custom", "Custom", "1");
    open();
    EXPECT_TRUE(box("Select Folder and Files That will Be Erased", "Custom Clean Items").checked());
    SimListView& rows = list("ListView2");
    EXPECT_EQ(rows.columns.size(), 4u);
    EXPECT_EQ(rows.columns[3].caption, "Modified");
    ASSERT_EQ(rows.rowCount(), 3);
    EXPECT_EQ(rows.text(0, 1), "File");
    EXPECT_EQ(rows.text(0, 2), "00.00MB");
    EXPECT_EQ(rows.text(0, 3), "5/1/2026 12:30:00 PM");
    EXPECT_EQ(rows.text(1, 2), "01.50MB");
    EXPECT_EQ(rows.text(2, 0), "C:\\Data\\a.txt");
    EXPECT_EQ(rows.text(2, 1), "");  // another type: the path alone

    rows.clickRow(1);
    button("Command102").click();  // Remove
    pressOk();
    EXPECT_EQ(machine.files.text(kCusd), "C:\\Data\\a.txt\tFile\r\nC:\\Data\\a.txt\t\r\n");
}

TEST_F(SettingsWindowTest, AddFilesTakesOneOrSeveralFilesFromTheDialog) {
    machine.addFiles(R"(
C:\Data\a.txt | size=3000
C:\Data\b.txt | size=52429
C:\Data\c.txt | size=1048576
)");
    open();
    SimListView& rows = list("ListView2");

    machine.ui.menuChoices = {"Add Files"};
    machine.ui.fileDialogAnswers.push_back({"C:\\Data\\a.txt", "C:\\Data"});
    button("Command101").click();
    EXPECT_EQ(machine.ui.popups, std::vector<std::string>{"options"});
    ASSERT_EQ(machine.ui.fileDialogs.size(), 1u);
    EXPECT_EQ(machine.ui.fileDialogs[0].title, "Open File");
    EXPECT_EQ(machine.ui.fileDialogs[0].filter, "All files (*.*)|*.*|");
    EXPECT_TRUE(machine.ui.fileDialogs[0].multiSelect);
    ASSERT_EQ(rows.rowCount(), 1);
    EXPECT_EQ(rows.text(0, 0), "C:\\Data\\a.txt");
    EXPECT_EQ(rows.text(0, 2), ".MB");  // rows the user adds drop the zeros

    using namespace std::string_literals;
    machine.ui.menuChoices = {"addfiles"};
    machine.ui.fileDialogAnswers.push_back({"C:\\Data\0a.txt\0b.txt\0c.txt"s, "C:\\Data"});
    button("Command101").click();
    ASSERT_EQ(rows.rowCount(), 4);
    EXPECT_EQ(rows.text(1, 0), "C:\\Data\\a.txt");
    EXPECT_EQ(rows.text(2, 0), "C:\\Data\\b.txt");
    EXPECT_EQ(rows.text(2, 2), ".05MB");
    EXPECT_EQ(rows.text(3, 0), "C:\\Data\\c.txt");
    EXPECT_EQ(rows.text(3, 2), "1.MB");

    // Cancelling the dialog, or dismissing the menu, adds nothing.
    machine.ui.menuChoices = {"Add Files"};
    button("Command101").click();
    button("Command101").click();
    EXPECT_EQ(rows.rowCount(), 4);

    pressOk();
    EXPECT_EQ(machine.files.text(kCusd),
              "C:\\Data\\a.txt\tFile\r\nC:\\Data\\a.txt\tFile\r\nC:\\Data\\b.txt\tFile\r\n"
              "C:\\Data\\c.txt\tFile\r\n");
}

TEST_F(SettingsWindowTest, AddFoldersTakesTheChosenFolder) {
    machine.addFiles(R"(
C:\Data\Old\b.bin | size=1572864
)");
    open();
    machine.ui.menuChoices = {"Add Folders", "Add Folders"};
    machine.ui.folderAnswers = {std::string("C:\\Data\\Old\0junk", 17), std::nullopt};
    button("Command101").click();
    button("Command101").click();
    EXPECT_EQ(machine.ui.folderDialogs, (std::vector<std::string>{"Halvane", "Halvane"}));
    SimListView& rows = list("ListView2");
    ASSERT_EQ(rows.rowCount(), 1);
    EXPECT_EQ(rows.text(0, 0), "C:\\Data\\Old");
    EXPECT_EQ(rows.text(0, 1), "Folder");
    EXPECT_EQ(rows.text(0, 2), "1.5MB");
}

TEST_F(SettingsWindowTest, RemoveNeedsASelectedRowAndClearEmptiesTheFileOnOk) {
    machine.addFiles("C:\\Data\\a.txt | size=10\nC:\\Data\\b.txt | size=10");
    machine.files.addTextFile(kCusd, "C:\\Data\\a.txt\tFile\r\nC:\\Data\\b.txt\tFile\r\n");
    open();
    SimListView& rows = list("ListView2");
    button("Command102").click();
    EXPECT_EQ(rows.rowCount(), 2);
    rows.clickRow(0);
    button("Command102").click();
    ASSERT_EQ(rows.rowCount(), 1);
    EXPECT_EQ(rows.text(0, 0), "C:\\Data\\b.txt");

    button("Command2").click();
    EXPECT_TRUE(machine.dialogs.shown.empty());  // no question
    pressOk();
    EXPECT_TRUE(machine.files.exists(kCusd));
    EXPECT_EQ(machine.files.text(kCusd), "");
}

TEST_F(SettingsWindowTest, AFailedCustomItemWriteSaysSoKeepsTheOldFileAndStaysOpen) {
    machine.addFiles("C:\\Data\\a.txt | size=10");
    machine.files.addTextFile(kCusd, "C:\\Data\\a.txt\tFile\r\n");
    open();
    button("Command2").click();
    check("Check16").click();
    machine.files.faults = [](std::string_view op, const std::string&) {
        return op == "replaceFile" ? kDiskFull : kSuccess;
    };
    pressOk();
    ASSERT_EQ(machine.dialogs.shown.size(), 1u);
    EXPECT_TRUE(machine.dialogs.shown[0].text.starts_with("Could not save"));
    EXPECT_NE(machine.dialogs.shown[0].text.find(kCusd), std::string::npos);
    EXPECT_EQ(machine.dialogs.shown[0].title, "Halvane");
    EXPECT_TRUE(window->loaded());
    EXPECT_EQ(machine.files.text(kCusd), "C:\\Data\\a.txt\tFile\r\n");
    EXPECT_EQ(setting("FIREFOX", "Cookies"), "1");  // the switches are written before

    machine.files.faults = nullptr;
    pressOk();
    EXPECT_FALSE(window->loaded());
    EXPECT_EQ(machine.files.text(kCusd), "");
}

TEST_F(SettingsWindowTest, PluginListShowsThePluginsAndOkSavesTheirCheckMarks) {
    machine.files.addTextFile(kPlugins + "\\Tool.hve",
                              "[name]\r\nappname=Tool\r\n[version]\r\nappver=2.1\r\n"
                              "[dec]\r\ndecs=Tool traces\r\n[swich]\r\non=1\r\n");
    machine.files.addTextFile(kPlugins + "\\Other.HVE",
                              "[name]\r\nappname=Other\r\n[swich]\r\non=0\r\n");
    machine.files.addTextFile(kPlugins + "\\notes.txt", "[name]\r\nappname=Notes\r\n");
    // A list text that reaches out of the plug-in folder (to a file that is there), and one
    // whose file is not there.
    machine.files.addTextFile("C:\\Program Files\\Halvane\\plus-in\\..\\..\\Evil.hve", "");
    machine.files.addTextFile(kPlugins + "\\Evil.hve", "[name]\r\nappname=..\\..\\Evil\r\n");
    machine.files.addTextFile(kPlugins + "\\Renamed.hve", "[name]\r\nappname=Missing\r\n");
    open();
    SimListView& rows = list("ListView1");
    EXPECT_EQ(rows.columns.size(), 3u);
    EXPECT_EQ(rows.columns[0].caption, "Applications Name");
    std::map<std::string, int> row;
    for (int i = 0; i < rows.rowCount(); ++i) row[rows.text(i, 0)] = i;
    ASSERT_EQ(row.size(), 4u);
    EXPECT_EQ(rows.text(row["Tool"], 1), "2.1");
    EXPECT_EQ(rows.text(row["Tool"], 2), "Tool 2.1 Tool traces");
    EXPECT_TRUE(rows.checked(row["Tool"]));
    EXPECT_FALSE(rows.checked(row["Other"]));
    EXPECT_EQ(window->TickedPluginTexts(), std::vector<std::string>{"Tool"});

    rows.checkRow(row["Tool"], false);
    rows.checkRow(row["Other"], true);
    rows.checkRow(row["..\\..\\Evil"], true);
    rows.checkRow(row["Missing"], true);
    // The run reads the marks as shown, before they are saved.
    EXPECT_EQ(window->TickedPluginTexts().size(), 3u);
    std::vector<std::string> written;
    machine.files.faults = [&](std::string_view op, const std::string& path) {
        if (op == "writeFile") written.push_back(path);
        return kSuccess;
    };
    pressOk();
    machine.files.faults = nullptr;
    for (const auto& path : written) EXPECT_EQ(path.find(".."), std::string::npos) << path;
    EXPECT_EQ(ReadIni(os.profile, kPlugins + "\\Tool.hve", "swich", "on"), "0");
    EXPECT_EQ(ReadIni(os.profile, kPlugins + "\\Other.HVE", "swich", "on"), "1");
    EXPECT_FALSE(machine.files.exists("C:\\Program Files\\Evil.hve"));
    EXPECT_FALSE(machine.files.exists(kPlugins + "\\Missing.hve"));
}

TEST_F(SettingsWindowTest, OptionsButtonsOpenTheKeepListWindows) {
    open();
    std::vector<std::string> opened;
    window->openUrlOptions = [&] { opened.push_back("urls"); };
    window->openCookieOptions = [&] { opened.push_back("cookies"); };
    button("Command7").click();
    button("Command8").click();
    EXPECT_EQ(opened, (std::vector<std::string>{"urls", "cookies"}));
    EXPECT_EQ(button("Command7").caption(), "Options");
}

TEST_F(SettingsWindowTest, OutlookExpressFolderGoesIntoTheScratchBox) {
    machine.addRegistry(
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Outlook Express]\n"
        "\"InstallRoot\"=\"  C:\\\\Program Files\\\\Outlook Express  \"\n");
    open();
    auto& scratch = form().find<sim::SimTextBox>("Text102");
    EXPECT_EQ(scratch.text(), "C:\\Program Files\\Outlook Express");
    EXPECT_FALSE(scratch.visible());
}

TEST_F(SettingsWindowTest, SlotSharesOneWindowUntilItIsUnloaded) {
    machine.setSetting("FIREFOX", "Cookies", "1");
    int prepared = 0;
    SettingsWindowSlot slot(machine.ui, os, [&](SettingsWindow&) { ++prepared; });

    // The clean run's look loads a hidden window.
    EXPECT_TRUE(slot.TickedPluginTexts().empty());
    EXPECT_FALSE(form().visible());
    EXPECT_EQ(prepared, 1);

    // Opening shows that window as it is, without loading it again.
    machine.setSetting("FIREFOX", "Cookies", "0");
    machine.ui.whenModal(kCaption, [](SimForm& shown) {
        EXPECT_TRUE(shown.find<SimCheckBox>("Check16").checked());
        shown.find<SimButton>("Command3").click();
    });
    slot.open();
    EXPECT_EQ(prepared, 1);
    EXPECT_TRUE(machine.ui.problems.empty());

    // Once unloaded, the next look loads a new window from the file.
    machine.ui.whenModal(kCaption, [](SimForm& shown) {
        EXPECT_FALSE(shown.find<SimCheckBox>("Check16").checked());
        shown.find<SimButton>("Command1").click();
    });
    slot.open();
    EXPECT_EQ(prepared, 2);
    EXPECT_EQ(machine.ui.modalShown.size(), 2u);
    EXPECT_TRUE(machine.ui.modalSteps.empty());
}

TEST_F(SettingsWindowTest, LoadingForARunKeepsTheMessagesFlowingAndOpensNoSecondWindow) {
    machine.files.addTextFile(kPlugins + "\\Tool.hve",
                              "[name]\r\nappname=Tool\r\n[swich]\r\non=1\r\n");
    // Every read of a file takes 5 ms, so loading the window takes far longer than a yield's
    // interval.
    machine.files.faults = [&](std::string_view op, const std::string&) {
        if (op == "readFile") machine.clock.advanceMs(5);
        return 0L;
    };
    SettingsWindowSlot slot(machine.ui, os);
    int yields = 0;
    machine.events.onDoEvents = [&] {
        if (++yields == 1) slot.open();  // the user's click while the run loads the window
    };

    EXPECT_EQ(slot.TickedPluginTexts(), std::vector<std::string>{"Tool"});
    EXPECT_GT(yields, 5);
    EXPECT_TRUE(machine.ui.modalShown.empty());

    // Afterwards the click opens the window the run loaded.
    machine.events.onDoEvents = nullptr;
    machine.ui.whenModal(kCaption, [](SimForm& shown) {
        EXPECT_TRUE(shown.find<SimListView>("ListView1").checked(0));
        shown.find<SimButton>("Command3").click();
    });
    slot.open();
    EXPECT_EQ(machine.ui.modalShown.size(), 1u);
}

}  // namespace
}  // namespace hv
