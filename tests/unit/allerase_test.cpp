#include "engine/allerase.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/sim/machine.h"

namespace hv {
namespace {

const std::string kRoot = "C:\\Users\\ann\\AppData\\Roaming\\Tool";

class AllEraseTest : public ::testing::Test {
  protected:
    sim::Machine machine;
    Allerase erase{machine.files, machine.registry, machine.events,
                   PathGuard({"C:\\Windows", "C:\\Users\\ann", "C:\\Users\\ann\\AppData\\Roaming",
                              "C:\\Program Files\\Halvane"})};
    bool exists(const std::string& path) { return machine.files.exists(path); }
    std::uint32_t attributes(const std::string& path) {
        return machine.files.stat(path)->attributes;
    }
};

TEST_F(AllEraseTest, RecursivePrimitivesCountOnlyTheFolderItselfPlus10000) {
    machine.addFiles(R"(
        C:\Users\ann\AppData\Roaming\Tool\index.dat | size=1000
        C:\Users\ann\AppData\Roaming\Tool\sub\index.dat | size=500
        C:\Users\ann\AppData\Roaming\Tool\INDEX.DAT2 | size=7
    )");
    EXPECT_EQ(erase.DeleteFilesNamed(kRoot, "index.dat"), 11000);
    EXPECT_FALSE(exists(kRoot + "\\index.dat"));
    EXPECT_FALSE(exists(kRoot + "\\sub\\index.dat"));
    EXPECT_TRUE(exists(kRoot + "\\INDEX.DAT2"));
    EXPECT_EQ(erase.DeleteFilesNamed(kRoot + "\\missing", "index.dat"), 10000);
    EXPECT_EQ(erase.DeleteAllFiles(kRoot + "\\missing"), 10000);
    EXPECT_EQ(erase.DeleteFilesByExt(kRoot + "\\missing", "dat"), 10000);
    EXPECT_EQ(erase.DeleteFoldersNamed(kRoot + "\\missing", "cache"), 10000);
}

TEST_F(AllEraseTest, NamesAreCaseSensitiveAndExtensionsAreNot) {
    machine.addFiles(R"(
        C:\Users\ann\AppData\Roaming\Tool\INDEX.DAT | size=1
        C:\Users\ann\AppData\Roaming\Tool\A.DAT | size=10
        C:\Users\ann\AppData\Roaming\Tool\b.dat | size=20
        C:\Users\ann\AppData\Roaming\Tool\c.data | size=40
        C:\Users\ann\AppData\Roaming\Tool\dat | size=80
    )");
    EXPECT_EQ(erase.DeleteFilesNamed(kRoot, "index.dat"), 10000);
    EXPECT_TRUE(exists(kRoot + "\\INDEX.DAT"));
    EXPECT_EQ(erase.DeleteFolderFilesByExt(kRoot, "dat"), 31);
    EXPECT_FALSE(exists(kRoot + "\\A.DAT"));
    EXPECT_FALSE(exists(kRoot + "\\b.dat"));
    EXPECT_TRUE(exists(kRoot + "\\c.data"));
    EXPECT_TRUE(exists(kRoot + "\\dat"));
}

TEST_F(AllEraseTest, VisitedFilesAreUnhiddenAndReadOnlyFilesStayButCount) {
    machine.addFiles(R"(
        C:\Users\ann\AppData\Roaming\Tool\keep.txt | size=5 | attr=HRS
        C:\Users\ann\AppData\Roaming\Tool\hidden.log | size=7 | attr=H
        C:\Users\ann\AppData\Roaming\Tool\locked.log | size=11 | attr=R
        C:\Users\ann\AppData\Roaming\Tool\system.log | size=13 | attr=S
    )");
    EXPECT_EQ(erase.DeleteFolderFilesByExt(kRoot, "log"), 31);
    EXPECT_EQ(attributes(kRoot + "\\keep.txt"), attr::kNormal);  // not matched, but unhidden
    EXPECT_FALSE(exists(kRoot + "\\hidden.log"));
    EXPECT_TRUE(exists(kRoot + "\\locked.log"));  // the plain delete refuses read-only
    EXPECT_TRUE(exists(kRoot + "\\system.log"));  // and system files
}

TEST_F(AllEraseTest, DeleteFolderFilesLeavesReadOnlyFilesAndSubFolders) {
    machine.addFiles(R"(
        C:\Users\ann\AppData\Roaming\Tool\a.tmp | size=3
        C:\Users\ann\AppData\Roaming\Tool\ro.tmp | size=4 | attr=R
        C:\Users\ann\AppData\Roaming\Tool\sys.tmp | size=8 | attr=S
        C:\Users\ann\AppData\Roaming\Tool\sub\deep.tmp | size=100
    )");
    EXPECT_EQ(erase.DeleteFolderFiles(kRoot), 15);
    EXPECT_FALSE(exists(kRoot + "\\a.tmp"));
    EXPECT_TRUE(exists(kRoot + "\\ro.tmp"));
    EXPECT_FALSE(exists(kRoot + "\\sys.tmp"));
    EXPECT_TRUE(exists(kRoot + "\\sub\\deep.tmp"));
}

TEST_F(AllEraseTest, EmptyFolderRemovesEverythingAndRecreatesTheFolder) {
    machine.addFiles(R"(
        C:\Users\ann\AppData\Roaming\Tool\cache\a | size=1048576
        C:\Users\ann\AppData\Roaming\Tool\cache\sub\b | size=1048576 | attr=R
    )");
    machine.files.setAttributes(kRoot + "\\cache", attr::kHidden);
    EXPECT_EQ(erase.EmptyFolder(kRoot + "\\cache"), 2097152);
    std::vector<FileInfo> left;
    ASSERT_EQ(machine.files.list(kRoot + "\\cache", left), kSuccess);
    EXPECT_TRUE(left.empty());
    EXPECT_EQ(attributes(kRoot + "\\cache") & attr::kHidden, 0u);

    EXPECT_EQ(erase.EmptyFolder(kRoot + "\\new"), 0);
    EXPECT_TRUE(exists(kRoot + "\\new"));
    EXPECT_EQ(erase.EmptyFolder(kRoot + "\\no\\parent"), 0);
    EXPECT_FALSE(exists(kRoot + "\\no"));
}

TEST_F(AllEraseTest, DeleteFoldersNamedRemovesMatchesAtEveryDepthButNotTheStart) {
    machine.addFiles(R"(
        C:\Users\ann\AppData\Roaming\Tool\Cache\top | size=100
        C:\Users\ann\AppData\Roaming\Tool\p1\Cache\x | size=50
        C:\Users\ann\AppData\Roaming\Tool\p1\deep\CACHE\y | size=25
        C:\Users\ann\AppData\Roaming\Tool\p2\cache\ro | size=5 | attr=R
        C:\Users\ann\AppData\Roaming\Tool\p2\cache\gone | size=6
        C:\Users\ann\AppData\Roaming\Tool\p2\cachefiles\z | size=1
    )");
    EXPECT_EQ(erase.DeleteFoldersNamed(kRoot, "cache"), 10100);
    EXPECT_FALSE(exists(kRoot + "\\Cache"));
    EXPECT_FALSE(exists(kRoot + "\\p1\\Cache"));
    EXPECT_FALSE(exists(kRoot + "\\p1\\deep\\CACHE"));
    EXPECT_TRUE(exists(kRoot + "\\p2\\cache\\ro"));  // read-only stays, and its folder
    EXPECT_FALSE(exists(kRoot + "\\p2\\cache\\gone"));
    EXPECT_TRUE(exists(kRoot + "\\p2\\cachefiles\\z"));
    EXPECT_EQ(erase.DeleteFoldersNamed(kRoot + "\\p2\\cache", "cache"), 10000);
    EXPECT_TRUE(exists(kRoot + "\\p2\\cache"));
}

TEST_F(AllEraseTest, RefusedPathsBehaveAsMissingFolders) {
    machine.addFiles(R"(
        C:\Users\ann\AppData\Roaming\precious.doc | size=9
        C:\Users\ann\notes.txt | size=9
        C:\Windows\win.ini | size=9
        C:\Program Files\Halvane\hvset.dat | size=9
        C:\Program Files\Other\app.exe | size=9
    )");
    const char* const wholeFolders[] = {"C:\\Users\\ann\\AppData\\Roaming",
                                        "C:\\Users\\ann",
                                        "C:\\Windows\\",
                                        "C:\\Program Files\\Halvane",
                                        "C:\\Program Files",
                                        "C:\\",
                                        "",
                                        "Error\\Temp"};
    for (const char* folder : wholeFolders) {
        EXPECT_EQ(erase.DeleteAllFiles(folder), 10000) << folder;
        EXPECT_EQ(erase.EmptyFolder(folder), 0) << folder;
        EXPECT_EQ(erase.DeleteFolderFiles(folder), 0) << folder;
    }
    EXPECT_TRUE(machine.files.removed.empty());
    EXPECT_FALSE(exists("Error"));
    // Named deletes may still look inside these folders: only the named files go.
    EXPECT_EQ(erase.DeleteFolderFilesNamed("C:\\Users\\ann", "notes.txt"), 9);
    EXPECT_EQ(erase.DeleteFolderFilesNamed("C:\\", "win.ini"), 0);
}

TEST_F(AllEraseTest, NoPrimitiveEntersEmptiesOrRemovesALink) {
    const std::string precious = "C:\\Users\\ann\\Documents\\Precious";
    machine.addFiles(R"(
        C:\Users\ann\Documents\Precious\cache\a.tmp | size=10
        C:\Users\ann\Documents\Precious\b.tmp | size=10 | attr=H
        C:\Users\ann\Documents\letter.tmp | size=10
        C:\Users\ann\AppData\Roaming\Tool\real.tmp | size=1
        C:\Users\ann\AppData\Roaming\Tool\link\ | link=C:\Users\ann\Documents\Precious
        C:\Users\ann\AppData\Roaming\Tool\filelink.tmp | link=C:\Users\ann\Documents\letter.tmp
        C:\Users\ann\AppData\Roaming\Tool\cache\ | link=C:\Users\ann\Documents\Precious\cache
        C:\Users\ann\AppData\Roaming\Start\ | link=C:\Users\ann\Documents\Precious
    )");
    const std::string start = "C:\\Users\\ann\\AppData\\Roaming\\Start";
    erase.DeleteAllFiles(kRoot);
    erase.DeleteFilesByExt(kRoot, "tmp");
    erase.DeleteFilesNamed(kRoot, "b.tmp");
    erase.DeleteFoldersNamed(kRoot, "cache");
    erase.DeleteFoldersNamed(kRoot, "link");
    erase.DeleteFolderFiles(kRoot);
    erase.DeleteFolderFilesByExt(kRoot, "tmp");
    erase.EmptyFolder(kRoot);
    // The start folder itself a link.
    EXPECT_EQ(erase.DeleteAllFiles(start), 10000);
    EXPECT_EQ(erase.EmptyFolder(start), 0);
    EXPECT_EQ(erase.DeleteFolderFiles(start), 0);
    EXPECT_EQ(erase.DeleteFilesNamed(start, "b.tmp"), 10000);

    EXPECT_TRUE(exists(precious + "\\cache\\a.tmp"));
    EXPECT_TRUE(exists(precious + "\\b.tmp"));
    EXPECT_EQ(attributes(precious + "\\b.tmp"), attr::kHidden);
    EXPECT_TRUE(exists("C:\\Users\\ann\\Documents\\letter.tmp"));
    EXPECT_TRUE(exists(kRoot + "\\link"));
    EXPECT_TRUE(exists(kRoot + "\\filelink.tmp"));
    EXPECT_TRUE(exists(start));
    EXPECT_FALSE(exists(kRoot + "\\real.tmp"));
}

TEST_F(AllEraseTest, AFolderReachedThroughALinkAboveItIsNotWalked) {
    // The Chrome profile is a link to the user's own folder: its "Cache" below is that
    // folder's "cache", whatever its name says.
    machine.addFiles(R"(
        C:\Users\ann\Documents\Mine\cache\photo.jpg | size=10
        C:\Users\ann\Documents\Mine\cache\deep\notes.txt | size=10
        C:\Users\ann\AppData\Roaming\Chrome\ | link=C:\Users\ann\Documents\Mine
    )");
    const std::string cache = "C:\\Users\\ann\\AppData\\Roaming\\Chrome\\Cache";
    for (const auto& walk : std::vector<std::function<double()>>{
             [&] { return erase.DeleteAllFiles(cache); },
             [&] { return erase.DeleteFilesByExt(cache, "jpg"); },
             [&] { return erase.DeleteFilesNamed(cache, "photo.jpg"); },
             [&] { return erase.DeleteFoldersNamed(cache, "deep"); },
             [&] { return erase.DeleteFolderFiles(cache); },
             [&] { return erase.EmptyFolder(cache); },
         })
        walk();
    EXPECT_TRUE(exists("C:\\Users\\ann\\Documents\\Mine\\cache\\photo.jpg"));
    EXPECT_TRUE(exists("C:\\Users\\ann\\Documents\\Mine\\cache\\deep\\notes.txt"));
}

TEST_F(AllEraseTest, AProtectedFolderThatIsALinkStillHasItsFoldersCleaned) {
    // Application data moved to another drive and linked back, as some users keep it.
    machine.addFiles(R"(
        D:\Roaming\Tool\cache.tmp | size=10
        C:\Profiles\ann\Roaming\ | link=D:\Roaming
    )");
    Allerase moved{machine.files, machine.registry, machine.events,
                   PathGuard({"C:\\Profiles\\ann", "C:\\Profiles\\ann\\Roaming"})};
    moved.DeleteAllFiles("C:\\Profiles\\ann\\Roaming\\Tool");
    EXPECT_FALSE(exists("D:\\Roaming\\Tool\\cache.tmp"));
}

TEST_F(AllEraseTest, RegistryPrimitivesCountFixedAmounts) {
    machine.addRegistry(R"([HKEY_CURRENT_USER\Software\Tool\Sub]
"v"="1"
[HKEY_CURRENT_USER\Software\Tool]
"keep"="1"
"gone"="1"
)");
    EXPECT_EQ(erase.DeleteRegKey(kCurrentUser, "Software\\Tool"), 3);
    EXPECT_TRUE(machine.registry.keyExists(kCurrentUser, "Software\\Tool"));  // has a sub-key
    EXPECT_EQ(erase.DeleteRegValue(kCurrentUser, "Software\\Tool", "gone"), 1);
    EXPECT_FALSE(machine.registry.value(kCurrentUser, "Software\\Tool", "gone"));
    EXPECT_TRUE(machine.registry.value(kCurrentUser, "Software\\Tool", "keep"));
    EXPECT_EQ(erase.DeleteRegKey(kCurrentUser, "Software\\Tool\\Sub"), 3);
    EXPECT_FALSE(machine.registry.keyExists(kCurrentUser, "Software\\Tool\\Sub"));
    EXPECT_EQ(erase.DeleteRegTree(kCurrentUser, "Software\\Tool"), 5);
    EXPECT_FALSE(machine.registry.keyExists(kCurrentUser, "Software\\Tool"));
    EXPECT_EQ(erase.DeleteRegTree(kCurrentUser, "Software\\Tool"), 5);
    EXPECT_EQ(erase.DeleteRegKey(kCurrentUser, "Software\\Nothing"), 3);
    EXPECT_EQ(erase.DeleteRegValue(kCurrentUser, "Software\\Nothing", "x"), 1);
    // An empty sub-key would be the whole root.
    EXPECT_EQ(erase.DeleteRegTree(kCurrentUser, ""), 5);
    EXPECT_TRUE(machine.registry.keyExists(kCurrentUser, "Software\\Microsoft"));
}

TEST_F(AllEraseTest, NamedFileWalksYieldAfterEveryFile) {
    machine.addFiles(R"(
        C:\Users\ann\AppData\Roaming\Tool\a | size=1
        C:\Users\ann\AppData\Roaming\Tool\b | size=1
        C:\Users\ann\AppData\Roaming\Tool\sub\c | size=1
    )");
    erase.DeleteFilesNamed(kRoot, "a");
    EXPECT_EQ(machine.events.doEventsCount, 3);
}

}  // namespace
}  // namespace hv
