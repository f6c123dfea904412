#include "engine/regfun.h"

#include <gtest/gtest.h>

#include "platform/sim/machine.h"

namespace hv {
namespace {

class RegfunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        machine.addRegistry(R"([HKEY_CURRENT_USER\Software\Microsoft\Internet Explorer\Main]
"Start Page"="  http://example.org/  "
"Empty"=""
)");
    }
    sim::Machine machine;
    Platform os = machine.platform();
    const std::string main = "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main";
};

TEST_F(RegfunTest, RootNamesAreMatchedExactly) {
    EXPECT_EQ(RootKeyFromName("HKEY_CURRENT_USER"), kCurrentUser);
    EXPECT_EQ(RootKeyFromName("HKEY_LOCAL_MACHINE"), kLocalMachine);
    EXPECT_EQ(RootKeyFromName("HKEY_DYN_DATA"), kDynData);
    EXPECT_EQ(RootKeyFromName("hkey_current_user"), kNoRoot);
    EXPECT_EQ(RootKeyFromName("HKCU"), kNoRoot);
}

TEST_F(RegfunTest, SplitRegPathSeparatesRootAndSubKey) {
    const struct {
        const char* path;
        RootKey root;
        const char* subKey;
        bool complains;
    } cases[] = {
        {"HKEY_USERS", kUsers, "", false},
        {"HKEY_CURRENT_USER\\Software\\A", kCurrentUser, "Software\\A", false},
        {"HKEY_NOSUCH\\Software", kNoRoot, "Software", false},
        {"Software\\A", kNoRoot, "Software\\A", true},
        {"HKEY_CURRENT_USER\\Software\\", kNoRoot, "HKEY_CURRENT_USER\\Software\\", true},
        {"hkey_users\\x", kNoRoot, "hkey_users\\x", true},
    };
    for (const auto& c : cases) {
        machine.dialogs.shown.clear();
        std::string path = c.path;
        RootKey root = kNoRoot;
        SplitRegPath(machine.dialogs, path, root);
        EXPECT_EQ(root, c.root) << c.path;
        EXPECT_EQ(path, c.subKey) << c.path;
        ASSERT_EQ(machine.dialogs.shown.size(), c.complains ? 1u : 0u) << c.path;
        if (c.complains) {
            EXPECT_EQ(machine.dialogs.shown[0].text, std::string("Incorrect Format:\n\n") + c.path);
            EXPECT_EQ(machine.dialogs.shown[0].title, "Halvane");
        }
    }
}

TEST_F(RegfunTest, ReadStringGivesTrimmedTextOrError) {
    machine.registry.setString(kCurrentUser, "Software\\Microsoft\\Internet Explorer\\Main", "Long",
                               std::string(300, 'x'));
    machine.registry.setString(kCurrentUser, "Software\\Microsoft\\Internet Explorer\\Main", "Fits",
                               std::string(254, 'y'));
    EXPECT_EQ(RegReadString(os, main, "Start Page"), "http://example.org/");
    EXPECT_EQ(RegReadString(os, main, "Empty"), "");
    EXPECT_EQ(RegReadString(os, main, "Missing"), "Error");
    EXPECT_EQ(RegReadString(os, main + "\\Nokey", "Start Page"), "Error");
    EXPECT_EQ(RegReadString(os, main, "Long"), "Error");
    EXPECT_EQ(RegReadString(os, main, "Fits"), std::string(254, 'y'));
    EXPECT_EQ(RegReadString(os, "HKEY_NOSUCH\\Software", "x"), "");
}

TEST_F(RegfunTest, WriteStringNeedsAnExistingKey) {
    const std::string key = "HKEY_CURRENT_USER\\Software\\Halvane\\New";
    RegWriteString(os, key, "Value", "text");
    EXPECT_FALSE(machine.registry.keyExists(kCurrentUser, "Software\\Halvane\\New"));
    RegCreatePath(os, key);
    RegWriteString(os, key, "Value", "text");
    EXPECT_EQ(RegReadString(os, key, "Value"), "text");
}

TEST_F(RegfunTest, QueryStringReportsTypeOrLowerCaseError) {
    RegType type = RegType::None;
    EXPECT_EQ(RegQueryString(machine.registry, kCurrentUser,
                             "Software\\Microsoft\\Internet Explorer\\Main", "Start Page", type),
              "  http://example.org/  ");
    EXPECT_EQ(type, RegType::Sz);
    EXPECT_EQ(RegQueryString(machine.registry, kCurrentUser, "Software\\Nothing", "x", type),
              "error");
    EXPECT_EQ(StripNulls(std::string("ab\0cd", 5)), "ab");
    EXPECT_EQ(StripNulls("abc"), "abc");
}

}  // namespace
}  // namespace hv
