#include "finder/extention_handller.h"

#include <gtest/gtest.h>

#include "platform/sim/machine.h"
#include "ui/frm_extentions.h"

namespace hv {
namespace {

using sim::SimButton;
using sim::SimForm;
using sim::SimListBox;
using sim::SimTextBox;

const std::string kExt = "C:\\Program Files\\Halvane\\Ext.txt";
const std::string kTemp = "C:\\Program Files\\Halvane\\temp";

std::vector<std::string> Listed(SimForm& form) {
    auto& list = form.find<SimListBox>("lstFileTypes");
    std::vector<std::string> out;
    for (int i = 0; i < list.count(); ++i) out.push_back(list.text(i));
    return out;
}

TEST(ExtentionHandller, LegalEntriesAndTheJoinedList) {
    const struct {
        const char* text;
        bool legal;
    } entries[] = {{"*.tmp", true}, {"*.b", true},   {"*.", false}, {".tmp", false},
                   {"tmp", false},  {"*tmp", false}, {"", false},   {" *.tmp", false}};
    for (const auto& e : entries) EXPECT_EQ(IsLegalExt(e.text), e.legal) << e.text;

    const struct {
        const char* content;
        const char* joined;
    } files[] = {
        {"*.tmp\r\n*.gid\r\n*.swp\r\n*.chk\r\n", "*.tmp;*.gid;*.swp;*.chk"},
        {"*.tmp\r\n\r\nchk\r\n*.chk\r\n", "*.tmp;*.chk"},
        {"*.TMP\r\n*.tmp\r\n*.tmp", "*.TMP;*.tmp;*.tmp"},
        {"tmp\r\n*.\r\n", ""},
        {"", ""},
    };
    for (const auto& f : files) {
        sim::Machine machine;
        Platform os = machine.platform();
        machine.files.addTextFile(kExt, f.content);
        EXPECT_EQ(GetExtList(os), std::optional<std::string>(f.joined)) << f.content;
    }
    sim::Machine machine;
    Platform os = machine.platform();
    EXPECT_EQ(GetExtList(os), std::nullopt);
}

TEST(ExtentionHandller, AppendKeepsAnUnendedLastLineApartAndCreatesTheFile) {
    sim::Machine machine;
    Platform os = machine.platform();
    AppendExt(os, "*.bak");
    EXPECT_EQ(machine.files.text(kExt), "*.bak\r\n");
    machine.files.addTextFile(kExt, "*.tmp\r\n*.chk");
    AppendExt(os, "*.old");
    EXPECT_EQ(machine.files.text(kExt), "*.tmp\r\n*.chk\r\n*.old\r\n");
}

TEST(ExtentionHandller, AFailedRewriteLeavesExtTxtAsItWas) {
    sim::Machine machine;
    Platform os = machine.platform();
    const std::string before = "*.tmp\r\nnotes\r\n*.chk\r\n";
    for (const char* failing : {"writeFile", "replaceFile"}) {
        machine.files.addTextFile(kExt, before);
        machine.files.faults = [failing](std::string_view op, const std::string&) -> long {
            return op == failing ? kDiskFull : 0;
        };
        EXPECT_NE(RemoveExt(os, "*.chk"), kSuccess) << failing;
        EXPECT_NE(WriteDefaultExtList(os), kSuccess) << failing;
        EXPECT_NE(AppendExt(os, "*.bak"), kSuccess) << failing;
        machine.files.faults = nullptr;
        EXPECT_EQ(machine.files.text(kExt), before) << failing;
        EXPECT_FALSE(machine.files.exists(kTemp)) << failing;
    }
}

TEST(ExtentionHandller, RemovingFromAMissingFileCreatesNothing) {
    sim::Machine machine;
    Platform os = machine.platform();
    RemoveExt(os, "*.tmp");
    EXPECT_FALSE(machine.files.exists(kExt));
    EXPECT_FALSE(machine.files.exists(kTemp));
}

// The window, opened beside a stand-in for the finder's search-pattern box.
class ExtentionsWindowTest : public ::testing::Test {
  protected:
    ExtentionsWindowTest() {
        finder = machine.ui.createForm({.name = "frmLocate", .caption = "Search & Erase"});
        patternBox = &finder->addTextBox({.name = "Text1", .text = "before"});
    }
    SimForm& open() {
        window = std::make_unique<frmExtentions>(machine.ui, os, patternBox);
        window->showModal();  // no step queued: the form stays shown for the test
        return machine.ui.form("Options");
    }
    void add(SimForm& form, const std::string& text) {
        form.find<SimTextBox>("txtAdd").type(text);
        form.find<SimButton>("cmdAdd").click();
    }

    sim::Machine machine;
    Platform os = machine.platform();
    std::unique_ptr<ui::Form> finder;
    ui::TextBox* patternBox = nullptr;
    std::unique_ptr<frmExtentions> window;
};

TEST_F(ExtentionsWindowTest, OpeningListsLegalEntriesAndSetsMaxLogSizeOnce) {
    machine.files.addTextFile(kExt, "*.tmp\r\n\r\nchk\r\n*.chk\r\n");
    auto& form = open();
    EXPECT_EQ(Listed(form), (std::vector<std::string>{"*.tmp", "*.chk"}));
    EXPECT_EQ(form.find<SimTextBox>("txtAdd").text(), "*.");
    EXPECT_EQ(machine.settingsStore.value("Tundale", "General", "MaxLogSize"), "80");
    machine.settingsStore.saveSetting("Tundale", "General", "MaxLogSize", "120");
    open();
    EXPECT_EQ(machine.settingsStore.value("Tundale", "General", "MaxLogSize"), "120");
}

TEST_F(ExtentionsWindowTest, AddTrimsAppendsListsAndRefreshesThePatternBox) {
    machine.files.addTextFile(kExt, "*.tmp\r\nnotes\r\n");
    auto& form = open();
    add(form, "  *.bak  ");
    EXPECT_EQ(machine.files.text(kExt), "*.tmp\r\nnotes\r\n*.bak\r\n");
    EXPECT_EQ(Listed(form), (std::vector<std::string>{"*.tmp", "*.bak"}));
    EXPECT_EQ(patternBox->text(), "*.tmp;*.bak");
    EXPECT_EQ(form.find<SimTextBox>("txtAdd").text(), "*.");
    // The same entry again is stored and listed twice.
    add(form, "*.bak");
    EXPECT_EQ(Listed(form), (std::vector<std::string>{"*.tmp", "*.bak", "*.bak"}));
    EXPECT_TRUE(machine.dialogs.shown.empty());
}

TEST_F(ExtentionsWindowTest, AnIllegalEntryIsRefusedWithTheErrorMessage) {
    machine.files.addTextFile(kExt, "*.tmp\r\n");
    auto& form = open();
    for (const char* text : {"bak", "*bak", "*.", ".bak", "   "}) {
        add(form, text);
        ASSERT_FALSE(machine.dialogs.shown.empty());
        const auto& box = machine.dialogs.shown.back();
        EXPECT_EQ(box.text, "Please fill a legal extention name and try again!");
        EXPECT_EQ(box.title, "Error");
        EXPECT_EQ(box.style, 0x10u);
        EXPECT_EQ(form.find<SimTextBox>("txtAdd").text(), "*.");
        EXPECT_EQ(form.focused(), &form.find<SimTextBox>("txtAdd"));
    }
    EXPECT_EQ(machine.dialogs.shown.size(), 5u);
    EXPECT_EQ(machine.files.text(kExt), "*.tmp\r\n");
    EXPECT_EQ(patternBox->text(), "before");
}

TEST_F(ExtentionsWindowTest, RemoveTakesEveryCopyAndKeepsOtherLines) {
    machine.files.addTextFile(kExt, "*.tmp\r\n\r\nchk\r\n*.chk\r\n*.CHK\r\n*.chk\r\n");
    auto& form = open();
    form.find<SimListBox>("lstFileTypes").clickItem(1);
    form.find<SimButton>("cmdRemove").click();
    EXPECT_EQ(machine.files.text(kExt), "*.tmp\r\n\r\nchk\r\n*.CHK\r\n");
    EXPECT_EQ(Listed(form), (std::vector<std::string>{"*.tmp", "*.CHK"}));
    EXPECT_EQ(patternBox->text(), "*.tmp;*.CHK");
    EXPECT_FALSE(machine.files.exists(kTemp));
    // With nothing selected only the empty lines go.
    form.find<SimButton>("cmdRemove").click();
    EXPECT_EQ(machine.files.text(kExt), "*.tmp\r\nchk\r\n*.CHK\r\n");
}

TEST_F(ExtentionsWindowTest, DefaultAsksAndOnYesWritesTheFourLines) {
    machine.files.addTextFile(kExt, "*.bak\r\nrubbish\r\n");
    auto& form = open();
    machine.dialogs.answers = {mb::kIdNo, mb::kIdYes};
    form.find<SimButton>("cmdDefault").click();
    EXPECT_EQ(machine.files.text(kExt), "*.bak\r\nrubbish\r\n");
    form.find<SimButton>("cmdDefault").click();
    EXPECT_EQ(machine.files.text(kExt), "*.tmp\r\n*.gid\r\n*.swp\r\n*.chk\r\n");
    EXPECT_EQ(Listed(form), (std::vector<std::string>{"*.tmp", "*.gid", "*.swp", "*.chk"}));
    EXPECT_EQ(patternBox->text(), "*.tmp;*.gid;*.swp;*.chk");
    ASSERT_EQ(machine.dialogs.shown.size(), 2u);
    EXPECT_EQ(machine.dialogs.shown[0].text,
              "Are you sure you want to Return to the defaul settings?");
    EXPECT_EQ(machine.dialogs.shown[0].title, "Warnning:");
    EXPECT_EQ(machine.dialogs.shown[0].style, mb::kYesNo);
    form.find<SimButton>("cmdDone").click();
    EXPECT_FALSE(form.loaded());
}

TEST_F(ExtentionsWindowTest, AMissingFileGivesAnEmptyListAndAddCreatesIt) {
    auto& form = open();
    EXPECT_TRUE(Listed(form).empty());
    form.find<SimButton>("cmdRemove").click();
    EXPECT_FALSE(machine.files.exists(kExt));
    EXPECT_EQ(patternBox->text(), "before");
    add(form, "*.bak");
    EXPECT_EQ(machine.files.text(kExt), "*.bak\r\n");
    EXPECT_EQ(patternBox->text(), "*.bak");
}

TEST(ShippedExtList, IsTheFourDefaultLines) {
    sim::Machine machine;
    Platform os = machine.platform();
    WriteDefaultExtList(os);
    std::FILE* file = std::fopen(HV_SOURCE_DIR "/packaging/app/Ext.txt", "rb");
    ASSERT_NE(file, nullptr);
    std::string shipped;
    char buffer[256];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        shipped.append(buffer, n);
    std::fclose(file);
    EXPECT_EQ(shipped, machine.files.text(kExt));
}

}  // namespace
}  // namespace hv
