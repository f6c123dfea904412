#include "engine/environment.h"

#include <gtest/gtest.h>

#include "engine/normal.h"
#include "platform/sim/machine.h"

namespace hv {
namespace {

TEST(ExpandUserProfile, ReplacesTheTokenAndDropsWhatComesBefore) {
    sim::Machine machine;
    machine.system.setEnvironment("USERPROFILE", "C:\\Users\\ann");
    const struct {
        const char* text;
        const char* expanded;
    } cases[] = {
        {"%USERPROFILE%\\Local Settings\\Temp", "C:\\Users\\ann\\Local Settings\\Temp"},
        {"X%USERPROFILE%\\Y", "C:\\Users\\ann\\Y"},
        {"C:\\Users\\ann\\AppData\\Roaming", "C:\\Users\\ann\\AppData\\Roaming"},
        {"%userprofile%\\x", "%userprofile%\\x"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ExpandUserProfile(machine.system, c.text), c.expanded);
}

TEST(DeleteAtReboot, AsksWindowsOnlyForFullPaths) {
    sim::Machine machine;
    DeleteAtReboot(machine.files, "C:\\Users\\ann\\index.dat");
    DeleteAtReboot(machine.files, "Error\\index.dat");
    DeleteAtReboot(machine.files, "");
    EXPECT_EQ(machine.files.rebootDeletes, std::vector<std::string>{"C:\\Users\\ann\\index.dat"});
}

TEST(Environment, FoldersComeFromTheUserShellFolders) {
    sim::Machine machine;
    machine.system.setEnvironment("USERPROFILE", "C:\\Documents and Settings\\ann");
    machine.addRegistry(
        R"([HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders]
"AppData"="  %USERPROFILE%\\Application Data "
"Local AppData"="C:\\Users\\ann\\AppData\\Local"
)");
    machine.system.windowsFolder = "C:\\WINNT";
    Platform os = machine.platform();
    const EnvironmentValues values = ComputeEnvironment(os);
    EXPECT_EQ(values.windowsVersion, "6.1");
    EXPECT_EQ(values.AppDataFolder, "C:\\Documents and Settings\\ann\\Application Data");
    EXPECT_EQ(values.LocalAppDataFolder, "C:\\Users\\ann\\AppData\\Local");
    EXPECT_EQ(values.WindowsFolder, "C:\\WINNT");
    EXPECT_EQ(values.IeMajorVersion, 9);
}

TEST(Environment, MissingShellFolderReadsAsError) {
    sim::Machine machine;
    machine.registry.deleteValue(kCurrentUser,
                                 "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User "
                                 "Shell Folders",
                                 "Personal");
    Platform os = machine.platform();
    EXPECT_EQ(DocumentsFolder(os), "Error");
}

TEST(Environment, IeMajorVersionIsTheFirstCharacterOnly) {
    const struct {
        const char* version;
        int major;
    } cases[] = {
        {"6.0.2900.5512", 6}, {"8.0.7601.17514", 8}, {"9.11.9600.18124", 9},
        {"11.0.9600", 1},     {" 7.0", 7},           {"", 0},
        {"x.1", 0},
    };
    for (const auto& c : cases) {
        sim::Machine machine;
        machine.registry.setString(kLocalMachine, "SOFTWARE\\Microsoft\\Internet Explorer",
                                   "Version", c.version);
        Platform os = machine.platform();
        EXPECT_EQ(ReadIeMajorVersion(os), c.major) << c.version;
    }
    sim::Machine noVersion;
    noVersion.registry.deleteTree(kLocalMachine, "SOFTWARE\\Microsoft\\Internet Explorer");
    Platform os = noVersion.platform();
    EXPECT_EQ(ReadIeMajorVersion(os), 0);
}

}  // namespace
}  // namespace hv
