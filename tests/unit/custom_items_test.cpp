#include "engine/custom_items.h"

#include <gtest/gtest.h>

#include "engine/clean_run.h"
#include "engine/inifun.h"
#include "platform/sim/machine.h"
#include "support/recording_report.h"

namespace hv {
namespace {

const std::string kCusd = "C:\\Program Files\\Halvane\\cusd.dat";

class CustomItemsTest : public ::testing::Test {
  protected:
    CustomItemsTest() {
        run.env = ComputeEnvironment(os);
        run.setItems({&CustomItem(), 1});
    }
    void writeList(const std::string& text) { machine.files.addTextFile(kCusd, text); }

    sim::Machine machine;
    Platform os = machine.platform();
    test::RecordingReport report;
    CleanRun run{os, report};
};

TEST(CustomItemSizes, BothPatterns) {
    const struct {
        double bytes;
        SizePattern pattern;
        const char* text;
    } cases[] = {
        {0, SizePattern::Optional, ".MB"},
        {3000, SizePattern::Optional, ".MB"},  // below 0.005 MB: a lone point
        {52429, SizePattern::Optional, ".05MB"},
        {1048576, SizePattern::Optional, "1.MB"},
        {1572864, SizePattern::Optional, "1.5MB"},
        {129453015, SizePattern::Optional, "123.46MB"},
        {0, SizePattern::Fixed, "00.00MB"},
        {1572864, SizePattern::Fixed, "01.50MB"},
        {129453015, SizePattern::Fixed, "123.46MB"},
    };
    for (const auto& c : cases) EXPECT_EQ(SizeText(c.bytes, c.pattern), c.text) << c.bytes;
}

TEST(CustomItemDialog, SplitsOneOrSeveralChosenFiles) {
    using namespace std::string_literals;
    const struct {
        std::string currentDirectory;
        std::string result;
        std::string folder;
        std::vector<std::string> names;
    } cases[] = {
        {"C:\\Docs", "C:\\Docs\\a.txt", "C:\\Docs\\", {"a.txt"}},
        {"C:\\", "C:\\a.txt", "C:\\", {"a.txt"}},
        {"C:\\Docs",
         "C:\\Docs\0a.txt\0b c.txt\0d.doc"s,
         "C:\\Docs\\",
         {"a.txt", "b c.txt", "d.doc"}},
        {"C:\\Docs", "C:\\Docs\0a.txt\0b.txt\0\0"s, "C:\\Docs\\", {"a.txt", "b.txt"}},
    };
    for (const auto& c : cases) {
        const auto info = GetDlgSelectFileInfo(c.currentDirectory, c.result);
        EXPECT_EQ(info.folder, c.folder);
        EXPECT_EQ(info.names, c.names);
        EXPECT_EQ(info.count, static_cast<std::int16_t>(c.names.size()));
    }
}

TEST_F(CustomItemsTest, LoadListsEntriesThatExistWithTheirSizesAndDates) {
    machine.addFiles(R"(
        C:\Data\report.pdf | size=1572864 | modified=2026-05-01 14:30
        C:\Data\Old\a.bin | size=1048576
        C:\Data\Old\b.bin | size=524288
        C:\Data\hidden.txt | attr=H
        C:\Data\system.txt | attr=S
        C:\Data\lower.txt | size=1
        C:\Data\notab.txt | size=1
        C:\Elsewhere\x.txt | size=1
    )");
    machine.files.addFolderLink("C:\\Data\\Link", "C:\\Elsewhere");
    writeList(
        "C:\\Data\\report.pdf\tFile\r\n"
        "C:\\Data\\Old\tFolder\r\n"
        "C:\\Data\\gone.txt\tFile\r\n"
        "C:\\Data\\hidden.txt\tFile\r\n"
        "C:\\Data\\system.txt\tFile\r\n"
        "C:\\Data\\lower.txt\tfile\r\n"
        "C:\\Data\\notab.txt\r\n"
        "C:\\Data\\Link\tFolder\r\n"
        "C:\\Data\\Link\\x.txt\tFile\r\n"
        "C:\\Data\\Old\tFile\r\n");
    const auto rows = LoadCustomItems(os);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].name, "C:\\Data\\report.pdf");
    EXPECT_EQ(rows[0].type, "File");
    EXPECT_EQ(rows[0].size, "01.50MB");
    EXPECT_EQ(rows[0].modified, "5/1/2026 2:30:00 PM");
    EXPECT_EQ(rows[1].type, "Folder");
    EXPECT_EQ(rows[1].size, "01.50MB");
    // Other types keep the path alone, and a type that does not fit the path no size.
    EXPECT_EQ(rows[2].name, "C:\\Data\\lower.txt");
    EXPECT_EQ(rows[2].type, "");
    EXPECT_EQ(rows[2].size, "");
    EXPECT_EQ(rows[3].name, "C:\\Data\\notab.txt");
    EXPECT_EQ(rows[3].type, "");
    EXPECT_EQ(rows[4].name, "C:\\Data\\Old");
    EXPECT_EQ(rows[4].type, "File");
    EXPECT_EQ(rows[4].size, "");
}

TEST_F(CustomItemsTest, AddedRowsUseTheOptionalPattern) {
    machine.addFiles("C:\\Data\\tiny.txt | size=100\nC:\\Data\\Pics\\p.jpg | size=2097152");
    EXPECT_EQ(DescribeCustomItem(os, "C:\\Data\\tiny.txt", "File", SizePattern::Optional).size,
              ".MB");
    EXPECT_EQ(DescribeCustomItem(os, "C:\\Data\\Pics", "Folder", SizePattern::Optional).size,
              "2.MB");
    machine.files.setUnreadable("C:\\Data\\Pics");
    EXPECT_EQ(DescribeCustomItem(os, "C:\\Data\\Pics", "Folder", SizePattern::Optional).size, "");
}

TEST_F(CustomItemsTest, MissingListLoadsEmpty) {
    EXPECT_TRUE(LoadCustomItems(os).empty());
}

TEST_F(CustomItemsTest, SaveWritesOneLinePerRowAndKeepsTheOldListWhenItFails) {
    const std::vector<CustomRow> rows = {{"C:\\Data\\a.txt", "File", "01.00MB", "x"},
                                         {"C:\\Data\\Old", "Folder", "", ""},
                                         {"C:\\Data\\other", "", "", ""}};
    ASSERT_TRUE(SaveCustomItems(os, rows));
    EXPECT_EQ(machine.files.text(kCusd),
              "C:\\Data\\a.txt\tFile\r\nC:\\Data\\Old\tFolder\r\nC:\\Data\\other\t\r\n");

    machine.files.faults = [](std::string_view op, const std::string&) {
        return op == "replaceFile" ? kDiskFull : kSuccess;
    };
    EXPECT_FALSE(SaveCustomItems(os, {}));
    EXPECT_EQ(machine.files.text(kCusd),
              "C:\\Data\\a.txt\tFile\r\nC:\\Data\\Old\tFolder\r\nC:\\Data\\other\t\r\n");
    machine.files.faults = nullptr;
    std::vector<FileInfo> left;
    machine.files.list("C:\\Program Files\\Halvane", left);
    EXPECT_EQ(left.size(), 1u);  // no temporary file stays behind

    ASSERT_TRUE(SaveCustomItems(os, {}));
    EXPECT_TRUE(machine.files.exists(kCusd));
    EXPECT_EQ(machine.files.text(kCusd), "");
}

TEST_F(CustomItemsTest, RunRemovesListedFilesAndFoldersWithoutForce) {
    machine.setSetting("Custom", "Custom", "1");
    machine.addFiles(R"(
        C:\Data\a.txt | size=100
        C:\Data\locked.txt | size=20 | attr=R
        C:\Data\hidden.txt | size=4 | attr=H
        C:\Data\lower.txt | size=8
        C:\Data\Old\x.bin | size=1000
        C:\Data\Old\Sub\y.bin | size=300
        C:\Data\Mixed\ro.bin | size=50 | attr=R
        C:\Data\Mixed\rw.bin | size=7
        C:\Elsewhere\e.txt | size=3
    )");
    machine.files.addFolderLink("C:\\Data\\Link", "C:\\Elsewhere");
    writeList(
        "C:\\Data\\a.txt\tFile\r\n"
        "C:\\Data\\locked.txt\tFile\r\n"
        "C:\\Data\\hidden.txt\tFile\r\n"
        "C:\\Data\\lower.txt\tfile\r\n"
        "C:\\Data\\gone.txt\tFile\r\n"
        "C:\\Data\\Old\tFolder\r\n"
        "C:\\Data\\Mixed\tFolder\r\n"
        "C:\\Data\\Link\tFolder\r\n"
        "C:\\Data\\Link\\e.txt\tFile\r\n");
    run.CleanNow();

    ASSERT_EQ(report.rows.size(), 2u);
    EXPECT_EQ(report.rows[0].item, "Custom Item");
    EXPECT_EQ(report.rows[0].status, "Done");
    EXPECT_EQ(report.progress, (std::vector<int>{1, 80, 97, 100}));
    EXPECT_EQ(run.RemovedEntries, 0);
    // The read-only file is counted though it stays.
    EXPECT_EQ(run.ReleasedBytes, 100 + 20 + 1300 + 57);
    EXPECT_FALSE(machine.files.exists("C:\\Data\\a.txt"));
    EXPECT_TRUE(machine.files.exists("C:\\Data\\locked.txt"));
    EXPECT_TRUE(machine.files.exists("C:\\Data\\hidden.txt"));
    EXPECT_TRUE(machine.files.exists("C:\\Data\\lower.txt"));
    EXPECT_FALSE(machine.files.exists("C:\\Data\\Old"));
    EXPECT_TRUE(machine.files.exists("C:\\Data\\Mixed\\ro.bin"));
    EXPECT_FALSE(machine.files.exists("C:\\Data\\Mixed\\rw.bin"));
    EXPECT_TRUE(machine.files.exists("C:\\Data\\Link"));
    EXPECT_TRUE(machine.files.exists("C:\\Elsewhere\\e.txt"));
    // The list itself stays as it was.
    EXPECT_NE(machine.files.text(kCusd).find("C:\\Data\\Old\tFolder"), std::string::npos);
}

TEST_F(CustomItemsTest, RunNeverRemovesTheUsersOwnFoldersOrTheFoldersAboveThem) {
    machine.setSetting("Custom", "Custom", "1");
    const std::vector<std::string> sentinels = {"C:\\Users\\ann\\ann.dat",
                                                "C:\\Users\\ann\\Documents\\letter.doc",
                                                "C:\\Users\\ann\\AppData\\Roaming\\r.dat",
                                                "C:\\Users\\bob\\bob.dat",
                                                "C:\\Windows\\win.ini",
                                                "C:\\Program Files\\Halvane\\hvset.dat"};
    for (const auto& file : sentinels) machine.addFiles(file + " | size=10");
    writeList(
        "C:\\Users\tFolder\r\n"
        "C:\\Users\\ann\tFolder\r\n"
        "C:\\Users\\ann\\AppData\tFolder\r\n"
        "C:\\Users\\ann\\AppData\\Roaming\\\\\tFolder\r\n"
        "C:\\Users\\ann\\Documents\tFolder\r\n"
        "C:\\Users\\ann\\Documents\\..\tFolder\r\n"
        "C:\\Windows\tFolder\r\n"
        "C:\\Program Files\tFolder\r\n"
        "C:\\\tFolder\r\n"
        "Users\\ann\tFolder\r\n");
    run.CleanNow();
    for (const auto& file : sentinels) EXPECT_TRUE(machine.files.exists(file)) << file;
    EXPECT_EQ(run.ReleasedBytes, 0);
}

TEST_F(CustomItemsTest, SwitchAndMissingList) {
    machine.setSetting("Custom", "Custom", "01");
    run.CleanNow();
    EXPECT_EQ(report.items(), std::vector<std::string>{"Task complete Successfully!"});

    machine.setSetting("Custom", "Custom", "1");
    run.CleanNow();
    ASSERT_EQ(report.rows.size(), 2u);
    EXPECT_EQ(report.rows[0].item, "Custom Item");
    EXPECT_EQ(report.rows[0].status, "Fail, Can't find file!");
}

}  // namespace
}  // namespace hv
