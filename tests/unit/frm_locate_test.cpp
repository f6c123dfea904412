#include "ui/frm_locate.h"

#include <gtest/gtest.h>

#include "platform/sim/machine.h"

namespace hv {
namespace {

using sim::SimButton;
using sim::SimCheckBox;
using sim::SimDirList;
using sim::SimDriveList;
using sim::SimForm;
using sim::SimLabel;
using sim::SimListBox;
using sim::SimTextBox;

const std::string kExt = "C:\\Program Files\\Halvane\\Ext.txt";
const std::string kDefaultPatterns = "*.tmp;*.gid;*.swp;*.chk";

class FrmLocateTest : public ::testing::Test {
  protected:
    FrmLocateTest() { machine.files.addTextFile(kExt, "*.tmp\r\n*.gid\r\n*.swp\r\n*.chk\r\n"); }

    SimForm& open() {
        finder = std::make_unique<frmLocate>(machine.ui, os);
        finder->showModal();  // no step queued: the form stays shown for the test
        return machine.ui.form("Search & Erase");
    }
    std::optional<std::string> stored(const char* section, const char* key) {
        return machine.settingsStore.value("Tundale", section, key);
    }
    std::vector<std::string> lines(SimForm& form) {
        auto& list = form.find<SimListBox>("List1");
        std::vector<std::string> out;
        for (int i = 0; i < list.count(); ++i) out.push_back(list.text(i));
        return out;
    }
    // The path part of every line, up to the size.
    std::vector<std::string> listedPaths(SimForm& form) {
        std::vector<std::string> out;
        for (const auto& line : lines(form)) out.push_back(line.substr(0, line.find("   Size:")));
        return out;
    }
    void deleteSelected(SimForm& form) { form.find<SimButton>("cmdDelete").click(); }

    sim::Machine machine;
    Platform os = machine.platform();
    std::unique_ptr<frmLocate> finder;
};

TEST_F(FrmLocateTest, OpeningStartsFromTheDefaults) {
    machine.settingsStore.saveSetting("Tundale", "General", "Prompt", "0");
    machine.settingsStore.saveSetting("Tundale", "StartUp", "Recycele", "0");
    auto& form = open();
    EXPECT_EQ(form.find<SimDirList>("Dir1").path(), "C:\\Program Files\\Halvane");
    EXPECT_EQ(stored("StartUp", "AppPath"), "C:\\Program Files\\Halvane");
    for (const auto& [section, key] : {std::pair{"StartUp", "Recycele"},
                                       {"StartUp", "SubFolders"},
                                       {"General", "TipNumber"},
                                       {"General", "Prompt"}})
        EXPECT_EQ(stored(section, key), "1") << key;
    EXPECT_TRUE(form.find<SimCheckBox>("chkDelType").checked());
    EXPECT_TRUE(form.find<SimCheckBox>("Check1(0)").checked());
    EXPECT_EQ(form.find<SimTextBox>("Text1").text(), kDefaultPatterns);
    EXPECT_TRUE(form.find<SimButton>("cmdAction(0)").enabled());
    EXPECT_EQ(form.find<SimButton>("cmdAction(0)").caption(), "&Find Files");
    EXPECT_EQ(form.find<SimButton>("cmdAction(1)").caption(), "E&xit");
    EXPECT_EQ(form.find<SimListBox>("List1").count(), 0);
    EXPECT_EQ(form.find<SimListBox>("List1").horizontalExtent(), 700);
    EXPECT_FALSE(machine.ui.busy);
}

TEST_F(FrmLocateTest, WithoutExtTxtFindStaysDisabledAndEnterDoesNothing) {
    machine.files.deleteFile(kExt);
    machine.addFiles("C:\\Program Files\\Halvane\\a.tmp");
    auto& form = open();
    auto& text = form.find<SimTextBox>("Text1");
    EXPECT_EQ(text.text(), "");
    EXPECT_FALSE(form.find<SimButton>("cmdAction(0)").enabled());
    text.pressEnter();
    EXPECT_EQ(form.find<SimButton>("cmdAction(1)").caption(), "E&xit");
    EXPECT_EQ(form.find<SimListBox>("List1").count(), 0);
    // The first text enables "&Find Files" for good.
    text.type("*.tmp");
    text.type("");
    EXPECT_TRUE(form.find<SimButton>("cmdAction(0)").enabled());
}

TEST_F(FrmLocateTest, ASearchListsSelectsAndSummarises) {
    machine.addFiles(R"(C:\Junk\a.tmp | size=2048
C:\Junk\keep.txt | size=5
C:\Junk\sub\b.tmp | size=2048
C:\Junk\c.TMP | size=2048)");
    auto& form = open();
    form.find<SimDirList>("Dir1").open("C:\\Junk");
    EXPECT_EQ(stored("StartUp", "AppPath"), "C:\\Junk");
    EXPECT_EQ(listedPaths(form), (std::vector<std::string>{"C:\\Junk\\a.tmp", "C:\\Junk\\c.TMP",
                                                           "C:\\Junk\\sub\\b.tmp"}));
    EXPECT_EQ(form.find<SimLabel>("Status").text(),
              "3  Files Found      .tmp - 3    .gid - 0    .swp - 0    .chk - 0\r\n"
              "Total size: 6.144kb");
    auto& list = form.find<SimListBox>("List1");
    for (int i = 0; i < list.count(); ++i) EXPECT_TRUE(list.selected(i)) << i;
    // Nine times the widest "path   size   date" at 7 pixels a character.
    const std::string widest = "C:\\Junk\\sub\\b.tmp   2048   1/1/2026 12:00:00 AM";
    EXPECT_EQ(list.horizontalExtent(), 9 * 7 * static_cast<int>(widest.size()));
    EXPECT_EQ(form.find<SimButton>("cmdAction(1)").caption(), "E&xit");
    EXPECT_TRUE(form.find<SimButton>("cmdAction(0)").enabled());
    EXPECT_TRUE(form.find<SimDirList>("Dir1").enabled());
    EXPECT_FALSE(machine.ui.busy);

    form.find<SimButton>("cmdUnSelectAll").click();
    for (int i = 0; i < list.count(); ++i) EXPECT_FALSE(list.selected(i)) << i;
    form.find<SimButton>("cmdSelectAll").click();
    for (int i = 0; i < list.count(); ++i) EXPECT_TRUE(list.selected(i)) << i;
}

TEST_F(FrmLocateTest, DeleteToTheRecycleBinAfterTheWarning) {
    machine.addFiles(R"(C:\Junk\a.tmp
C:\Junk\thumbs.db | attr=HS
C:\Junk\keep.txt
C:\Junk\sub\b.tmp)");
    auto& form = open();
    form.find<SimTextBox>("Text1").type("*.tmp;thumbs.db");
    form.find<SimDirList>("Dir1").open("C:\\Junk");
    ASSERT_EQ(lines(form).size(), 3u);

    machine.dialogs.answers = {mb::kIdYes};
    deleteSelected(form);
    ASSERT_EQ(machine.dialogs.shown.size(), 1u);
    EXPECT_EQ(
        machine.dialogs.shown[0].text,
        "Deleting file from your Hard Disk is risky... make sure you know what your doing!\r\n"
        "Do you want to continue?\r\n(if you click yes, this message will no apear again)");
    EXPECT_EQ(machine.dialogs.shown[0].title, "Note");
    EXPECT_EQ(machine.dialogs.shown[0].style, mb::kYesNo | mb::kIconExclamation);
    EXPECT_EQ(stored("General", "Prompt"), "0");

    EXPECT_EQ(machine.shell.recycled,
              (std::vector<std::string>{"C:\\Junk\\a.tmp", "C:\\Junk\\sub\\b.tmp"}));
    EXPECT_FALSE(machine.files.exists("C:\\Junk\\a.tmp"));
    EXPECT_FALSE(machine.files.exists("C:\\Junk\\sub\\b.tmp"));
    EXPECT_TRUE(machine.files.exists("C:\\Junk\\thumbs.db"));
    EXPECT_TRUE(machine.files.removed.empty());
    // The new search covers the current folder only.
    EXPECT_FALSE(form.find<SimCheckBox>("Check1(0)").checked());
    EXPECT_EQ(stored("StartUp", "SubFolders"), "0");
    EXPECT_EQ(lines(form), std::vector<std::string>{"C:\\Junk\\thumbs.db"});
    EXPECT_EQ(form.find<SimButton>("cmdAction(1)").caption(), "E&xit");

    // Once answered, the warning does not come again.
    deleteSelected(form);
    EXPECT_EQ(machine.dialogs.shown.size(), 1u);
    EXPECT_TRUE(machine.files.exists("C:\\Junk\\thumbs.db"));
}

TEST_F(FrmLocateTest, DeletePermanentlySkipsWhatCannotGoAndCutsNoPathShort) {
    machine.addFiles(R"(C:\Junk\a.tmp
C:\Junk\ro.tmp | attr=R
C:\Junk\My
C:\Junk\My  Files\c.tmp
C:\Junk\unselected.tmp)");
    auto& form = open();
    form.find<SimCheckBox>("chkDelType").click();
    EXPECT_EQ(stored("StartUp", "Recycele"), "0");
    machine.settingsStore.saveSetting("Tundale", "General", "Prompt", "0");
    form.find<SimDirList>("Dir1").open("C:\\Junk");
    auto& list = form.find<SimListBox>("List1");
    ASSERT_EQ(listedPaths(form),
              (std::vector<std::string>{"C:\\Junk\\a.tmp", "C:\\Junk\\ro.tmp",
                                        "C:\\Junk\\unselected.tmp", "C:\\Junk\\My  Files\\c.tmp"}));
    list.setSelected(2, false);

    deleteSelected(form);
    EXPECT_TRUE(machine.dialogs.shown.empty());
    EXPECT_EQ(machine.files.removed,
              (std::vector<std::string>{"C:\\Junk\\a.tmp", "C:\\Junk\\My  Files\\c.tmp"}));
    EXPECT_TRUE(machine.files.exists("C:\\Junk\\ro.tmp"));
    EXPECT_TRUE(machine.files.exists("C:\\Junk\\My"));
    EXPECT_TRUE(machine.shell.recycled.empty());
    EXPECT_EQ(listedPaths(form),
              (std::vector<std::string>{"C:\\Junk\\ro.tmp", "C:\\Junk\\unselected.tmp"}));
}

TEST_F(FrmLocateTest, ThePromptSettingDecidesWhetherTheWarningComes) {
    const struct {
        const char* prompt;
        bool asks;
    } cases[] = {{"1", true},  {"True", true},   {"yes", true},    {"", true},     {"2", true},
                 {"0", false}, {"False", false}, {"false", false}, {" 0 ", false}, {"0.0", false}};
    for (const auto& c : cases) {
        sim::Machine m;
        Platform p = m.platform();
        m.files.addTextFile(kExt, "*.tmp\r\n");
        m.addFiles("C:\\Junk\\a.tmp");
        frmLocate window(m.ui, p);
        auto& form = m.ui.form("Search & Erase");
        form.find<SimDirList>("Dir1").open("C:\\Junk");
        m.settingsStore.saveSetting("Tundale", "General", "Prompt", c.prompt);
        m.dialogs.answers = {mb::kIdNo};
        form.find<SimButton>("cmdDelete").click();
        EXPECT_EQ(m.dialogs.shown.size(), c.asks ? 1u : 0u) << '"' << c.prompt << '"';
        // No keeps the file and the setting; without the question the file goes.
        EXPECT_EQ(m.files.exists("C:\\Junk\\a.tmp"), c.asks) << '"' << c.prompt << '"';
        EXPECT_EQ(m.settingsStore.value("Tundale", "General", "Prompt"), c.prompt);
    }
}

TEST_F(FrmLocateTest, ResetAllStoresTheDefaultsAndRewritesExtTxt) {
    machine.files.addTextFile(kExt, "*.bak\r\n");
    auto& form = open();
    form.find<SimCheckBox>("chkDelType").click();
    form.find<SimCheckBox>("Check1(0)").click();
    form.menu("&Options").item("&Reset All").click();
    EXPECT_TRUE(machine.dialogs.shown.empty());
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } expected[] = {
        {"StartUp", "AppPath", "C:\\Program Files\\Halvane\\"},
        {"StartUp", "Log", "1"},
        {"StartUp", "Recycele", "1"},
        {"StartUp", "SubFolders", "1"},
        {"General", "Tips", "1"},
        {"General", "TipNumber", "1"},
        {"General", "Prompt", "1"},
        {"General", "DeleteDirs", "c:\\windows\\temp\\;C:\\WINDOWS\\Temporary Internet Files\\;"},
        {"General", "MaxLogSize", "80"},
    };
    for (const auto& e : expected) EXPECT_EQ(stored(e.section, e.key), e.value) << e.key;
    EXPECT_TRUE(form.find<SimCheckBox>("chkDelType").checked());
    EXPECT_TRUE(form.find<SimCheckBox>("Check1(0)").checked());
    EXPECT_EQ(machine.files.text(kExt), "*.tmp\r\n*.gid\r\n*.swp\r\n*.chk\r\n");
    // The pattern box shows the new list only when the window opens again.
    EXPECT_EQ(form.find<SimTextBox>("Text1").text(), "*.bak");
}

TEST_F(FrmLocateTest, ResetAllAsksOnlyAfterManyUses) {
    machine.settingsStore.saveSetting("Tundale", "General", "Uses", "3");
    auto& form = open();
    machine.dialogs.answers = {mb::kIdNo};
    form.menu("&Options").item("&Reset All").click();
    ASSERT_EQ(machine.dialogs.shown.size(), 1u);
    EXPECT_EQ(machine.dialogs.shown[0].text,
              "Do you want to reset all of the parameters to default? ");
    EXPECT_EQ(machine.dialogs.shown[0].title, "Are you sure?");
    EXPECT_EQ(stored("StartUp", "Log"), std::nullopt);
    machine.dialogs.answers = {mb::kIdYes};
    form.menu("&Options").item("&Reset All").click();
    EXPECT_EQ(stored("StartUp", "Log"), "1");
}

TEST_F(FrmLocateTest, StopKeepsWhatWasFoundWithoutASummary) {
    machine.addFiles(R"(C:\Junk\a.tmp
C:\Junk\b.txt
C:\Junk\c.tmp
C:\Junk\sub\d.tmp)");
    auto& form = open();
    auto& exit = form.find<SimButton>("cmdAction(1)");
    machine.events.onDoEvents = [&] {
        if (exit.caption() == "&Stop") exit.click();
    };
    form.find<SimDirList>("Dir1").open("C:\\Junk");
    machine.events.onDoEvents = nullptr;
    EXPECT_EQ(listedPaths(form), std::vector<std::string>{"C:\\Junk\\a.tmp"});
    EXPECT_FALSE(form.find<SimListBox>("List1").selected(0));
    EXPECT_EQ(form.find<SimLabel>("Status").text(), "C:\\Junk\\");
    EXPECT_EQ(exit.caption(), "E&xit");
    EXPECT_FALSE(machine.ui.busy);
    EXPECT_TRUE(form.find<SimButton>("cmdAction(0)").enabled());
    // "&Find Files" clears the request and searches anew.
    form.find<SimButton>("cmdAction(0)").click();
    EXPECT_EQ(form.find<SimListBox>("List1").count(), 3);
}

TEST_F(FrmLocateTest, ClosingDuringASearchEndsIt) {
    for (int i = 0; i < 20; ++i) machine.addFiles("C:\\Junk\\d" + std::to_string(i) + "\\a.tmp");
    auto& form = open();
    int yields = 0;
    machine.events.onDoEvents = [&] {
        if (++yields == 3) form.closeByUser();
    };
    form.find<SimDirList>("Dir1").open("C:\\Junk");
    machine.events.onDoEvents = nullptr;
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(yields, 3);
    EXPECT_LE(form.find<SimListBox>("List1").count(), 1);
}

TEST_F(FrmLocateTest, ADriveThatIsNotReadyChangesNothing) {
    machine.ui.drives = {"a:", "c:"};
    machine.addFiles("C:\\Junk\\a.tmp");
    auto& form = open();
    form.find<SimDirList>("Dir1").open("C:\\Junk");
    form.find<SimDriveList>("Drive1").choose("a:");
    EXPECT_EQ(form.find<SimDriveList>("Drive1").drive(), "c:");
    EXPECT_EQ(form.find<SimDirList>("Dir1").path(), "C:\\Junk");
    EXPECT_EQ(lines(form).size(), 1u);
}

TEST_F(FrmLocateTest, OptionsRefreshThePatternBoxAndExitUnloads) {
    auto& form = open();
    machine.ui.whenModal("Options", [](SimForm& options) {
        options.find<SimTextBox>("txtAdd").type("*.bak");
        options.find<SimButton>("cmdAdd").click();
        options.find<SimButton>("cmdDone").click();
    });
    form.find<SimButton>("cmdOption").click();
    EXPECT_EQ(form.find<SimTextBox>("Text1").text(), kDefaultPatterns + ";*.bak");
    EXPECT_TRUE(machine.ui.problems.empty());
    form.find<SimButton>("cmdAction(1)").click();
    EXPECT_FALSE(form.loaded());
}

}  // namespace
}  // namespace hv
