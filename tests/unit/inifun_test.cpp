#include "engine/inifun.h"

#include <gtest/gtest.h>

#include "platform/sim/machine.h"

namespace hv {
namespace {

class InifunTest : public ::testing::Test {
  protected:
    sim::Machine machine;
    std::string file = machine.settingsFile();
    Profile& profile = machine.profile;
};

TEST_F(InifunTest, MissingFileSectionOrKeyReadsEmpty) {
    EXPECT_EQ(ReadIni(profile, file, "Options", "exit"), "");
    WriteIni(profile, file, "Options", "exit", "1");
    EXPECT_EQ(ReadIni(profile, file, "Other", "exit"), "");
    EXPECT_EQ(ReadIni(profile, file, "Options", "other"), "");
    EXPECT_TRUE(ReadIniSection(profile, "Other", file).empty());
}

TEST_F(InifunTest, SectionAndKeyNamesMatchWithoutRegardToCase) {
    WriteIni(profile, file, "WINDOWS", "Recent", "1");
    EXPECT_EQ(ReadIni(profile, file, "windows", "recent"), "1");
    WriteIni(profile, file, "windows", "RECENT", "0");
    EXPECT_EQ(ReadIni(profile, file, "WINDOWS", "Recent"), "0");
    EXPECT_EQ(ReadIniSection(profile, "Windows", file), (std::vector<std::string>{"Recent=0"}));
}

TEST_F(InifunTest, LongValuesAreStoredAs128AndReadAs127Characters) {
    const std::string value(200, 'x');
    WriteIni(profile, file, "Options", "CleanTime", value);
    EXPECT_EQ(ReadIni(profile, file, "Options", "CleanTime"), std::string(127, 'x'));
    EXPECT_NE(machine.files.text(file).find(std::string(128, 'x') + "\r\n"), std::string::npos);
}

TEST_F(InifunTest, WritesKeepEveryOtherLineInPlace) {
    machine.files.addTextFile(file,
                              "; settings\r\n[EXPLORER]\r\nCache=0\r\nCookies=1\r\n[Options]\r\n"
                              "exit=0\r\n");
    WriteIni(profile, file, "EXPLORER", "Cache", "1");
    WriteIni(profile, file, "EXPLORER", "History", "1");
    EXPECT_EQ(machine.files.text(file),
              "; settings\r\n[EXPLORER]\r\nCache=1\r\nCookies=1\r\nHistory=1\r\n[Options]\r\n"
              "exit=0\r\n");
}

TEST_F(InifunTest, SwitchesAreOnOnlyForTheExactText1) {
    const struct {
        const char* stored;
        bool switchOn;  // catalogue items, custom items, the run's "exit"
        bool flagOn;    // options read as a number
    } cases[] = {
        {"1", true, true},    {" 1 ", true, true}, {"01", false, true},
        {"1.0", false, true}, {"2", false, false}, {"yes", false, false},
        {"", false, false},   {"0", false, false}, {"1x", false, false},
    };
    for (const auto& c : cases) {
        WriteIni(profile, file, "FIREFOX", "Cookies", c.stored);
        EXPECT_EQ(IsSwitchOn(profile, file, "FIREFOX", "Cookies"), c.switchOn) << c.stored;
        EXPECT_EQ(IsFlagOn(ReadIni(profile, file, "FIREFOX", "Cookies")), c.flagOn) << c.stored;
    }
}

TEST_F(InifunTest, QuotedValuesLoseTheirQuotesAndBlanksAreTrimmed) {
    machine.files.addTextFile(file,
                              "[name]\r\nappname = \"Tool\"\r\nlone=\"half\r\nsingle='x'\r\n");
    EXPECT_EQ(ReadIni(profile, file, "name", "appname"), "Tool");
    EXPECT_EQ(ReadIni(profile, file, "name", "lone"), "\"half");
    EXPECT_EQ(ReadIni(profile, file, "name", "single"), "x");
}

TEST_F(InifunTest, SectionsListTheirLinesInFileOrderWithDuplicates) {
    machine.files.addTextFile(file,
                              "[reg]\r\n1=a,b,c\r\n\r\n1 = d , e\r\n; note\r\nx=y=z\r\n[file]\r\n"
                              "2=q\r\n");
    EXPECT_EQ(ReadIniSection(profile, "reg", file),
              (std::vector<std::string>{"1=a,b,c", "1=d , e", "x=y=z"}));
}

TEST_F(InifunTest, AFailingWriteKeepsTheOldValue) {
    WriteIni(profile, file, "Options", "exit", "1");
    machine.files.setAttributes(file, attr::kReadOnly);
    WriteIni(profile, file, "Options", "exit", "0");
    EXPECT_EQ(ReadIni(profile, file, "Options", "exit"), "1");
    WriteIni(profile, "C:\\Missing\\hvset.dat", "Options", "exit", "1");
    EXPECT_FALSE(machine.files.exists("C:\\Missing"));
}

TEST_F(InifunTest, WindowsVersionJoinsMajorAndMinor) {
    machine.system.major = 5;
    machine.system.minor = 1;
    EXPECT_EQ(WindowsVersion(machine.system), "5.1");
}

}  // namespace
}  // namespace hv
