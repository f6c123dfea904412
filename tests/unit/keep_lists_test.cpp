#include "catalogue/keep_lists.h"

#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "engine/text_file.h"
#include "ie_bench.h"

namespace hv {
namespace {

using catalogue::InternetExplorerItems;
using Strings = std::vector<std::string>;

const std::string kKeepUrl = "C:\\Program Files\\Halvane\\keepurl.dat";
const std::string kKeepCook = "C:\\Program Files\\Halvane\\keepcook.dat";
const std::string kCookies = std::string(test::kCookieFolder) + "\\";
const char* const kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

TEST(KeepFiles, LiveInTheApplicationFolder) {
    sim::Machine machine;
    EXPECT_EQ(KeepUrlFile(machine.system), kKeepUrl);
    EXPECT_EQ(KeepCookieFile(machine.system), kKeepCook);
}

TEST(KeepFiles, LinesAreReadAsTheyStandAndShownRightTrimmed) {
    const struct {
        const char* name;
        const char* content;  // nullptr: no file
        Strings read;
        Strings shown;
    } cases[] = {
        {"missing file", nullptr, {}, {}},
        {"empty file", "", {}, {}},
        {"one line without a line end", "http://a/", {"http://a/"}, {"http://a/"}},
        {"blanks and empty lines",
         "http://a/  \r\n\r\n  http://b/\r\nc\t\r\n",
         {"http://a/  ", "", "  http://b/", "c\t"},
         {"http://a/", "", "  http://b/", "c\t"}},
        {"duplicates stay", "x\r\nx\r\n", {"x", "x"}, {"x", "x"}},
        {"a blank line", "   \r\n", {"   "}, {""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sim::Machine machine;
        if (c.content) machine.files.addTextFile(kKeepUrl, c.content);
        EXPECT_EQ(ReadKeepFile(machine.files, kKeepUrl), c.read);
        EXPECT_EQ(LoadKeepList(machine.files, kKeepUrl), c.shown);
    }
}

TEST(KeepFiles, SavingWritesEveryEntryWithCrLfInListOrder) {
    sim::Machine machine;
    machine.files.addTextFile(kKeepCook, "old\r\n");
    EXPECT_EQ(SaveKeepList(machine.files, kKeepCook, {"b", "", "a"}), kSuccess);
    EXPECT_EQ(machine.files.text(kKeepCook), "b\r\n\r\na\r\n");
    EXPECT_FALSE(machine.files.exists("C:\\Program Files\\Halvane\\~keepcook.dat.tmp"));
    EXPECT_EQ(SaveKeepList(machine.files, kKeepCook, {}), kSuccess);
    EXPECT_EQ(machine.files.text(kKeepCook), "");
}

TEST(WriteTextFileSafely, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    for (const char* failing : {"writeFile", "replaceFile"}) {
        SCOPED_TRACE(failing);
        sim::Machine machine;
        machine.files.addTextFile(kKeepUrl, "http://kept/\r\n");
        machine.files.faults = [&](std::string_view op, const std::string&) {
            return op == failing ? kDiskFull : kSuccess;
        };
        EXPECT_EQ(WriteTextFileSafely(machine.files, kKeepUrl, "new\r\n"), kDiskFull);
        machine.files.faults = nullptr;
        EXPECT_EQ(machine.files.text(kKeepUrl), "http://kept/\r\n");
        EXPECT_FALSE(machine.files.exists("C:\\Program Files\\Halvane\\~keepurl.dat.tmp"));
    }
}

// The keep-list steps run inside Internet Explorer's address-bar and cookie items.
struct KeepBench : test::IeBench {
    KeepBench() {
        machine.addRegistry(R"([HKEY_CURRENT_USER\Software\Microsoft\Internet Explorer\TypedURLs]
"url1"="http://old.example/"
"url7"="http://older.example/"
)");
    }
    std::vector<NamedRegValue> typedUrls() {
        std::vector<NamedRegValue> values;
        machine.registry.enumValues(kCurrentUser, test::kTypedUrls, values);
        return values;
    }
    void cleanIe(const char* key) { clean(InternetExplorerItems(), "EXPLORER", {key}); }
};

TEST(RestoreKeptUrls, WritesTheKeptAddressesAsUrl1UpwardsInFileOrder) {
    KeepBench bench;
    bench.machine.files.addTextFile(
        kKeepUrl, "http://c.example/  \r\nhttp://a.example/\r\nhttp://c.example/\r\n");
    bench.cleanIe("location");
    const auto values = bench.typedUrls();
    ASSERT_EQ(values.size(), 3u);
    const Strings names{"url1", "url2", "url3"};
    const Strings texts{"http://c.example/", "http://a.example/", "http://c.example/"};
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(values[i].name, names[i]);
        EXPECT_EQ(values[i].value.type, RegType::Sz);
        EXPECT_EQ(values[i].value.data, texts[i]);
    }
    EXPECT_EQ(bench.run.RemovedEntries, 3);
}

TEST(RestoreKeptUrls, AnEmptyOrMissingKeepListLeavesAnEmptyKey) {
    for (const char* content : {static_cast<const char*>(nullptr), ""}) {
        SCOPED_TRACE(content ? "empty file" : "no file");
        KeepBench bench;
        if (content) bench.machine.files.addTextFile(kKeepUrl, content);
        bench.cleanIe("location");
        EXPECT_TRUE(bench.machine.registry.keyExists(kCurrentUser, test::kTypedUrls));
        EXPECT_TRUE(bench.typedUrls().empty());
    }
}

TEST(RestoreKeptUrls, CreatesTheKeyWhenItWasMissing) {
    test::IeBench bench;
    bench.machine.files.addTextFile(kKeepUrl, "http://a.example/\r\n");
    bench.clean(InternetExplorerItems(), "EXPLORER", {"location"});
    std::vector<NamedRegValue> values;
    bench.machine.registry.enumValues(kCurrentUser, test::kTypedUrls, values);
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].value.data, "http://a.example/");
}

TEST(DeleteCookiesExceptKept, KeepsOnlyExactPathsAndUnhidesEveryFile) {
    KeepBench bench;
    bench.machine.addFiles(R"(
        C:\Users\ann\AppData\Roaming\Microsoft\Windows\Cookies\ann@kept.txt | size=10 | attr=HA
        C:\Users\ann\AppData\Roaming\Microsoft\Windows\Cookies\ann@case.txt | size=20
        C:\Users\ann\AppData\Roaming\Microsoft\Windows\Cookies\ann@blank.txt | size=30
        C:\Users\ann\AppData\Roaming\Microsoft\Windows\Cookies\ann@hidden.txt | size=40 | attr=H
        C:\Users\ann\AppData\Roaming\Microsoft\Windows\Cookies\index.dat | size=50
        C:\Users\ann\AppData\Roaming\Microsoft\Windows\Cookies\locked.txt | size=60 | attr=R
        C:\Users\ann\AppData\Roaming\Microsoft\Windows\Cookies\Low\deep.txt | size=70
        C:\Users\ann\Documents\secret.txt | size=80
        C:\Users\ann\AppData\Roaming\Microsoft\Windows\Cookies\link.txt | link=C:\Users\ann\Documents\secret.txt
    )");
    // An exact line keeps its file; another letter case or a trailing blank does not.
    bench.machine.files.addTextFile(kKeepCook, kCookies + "ann@kept.txt\r\n" + kCookies +
                                                   "ANN@case.txt\r\n" + kCookies +
                                                   "ann@blank.txt \r\n");
    bench.cleanIe("cookies");
    EXPECT_EQ(bench.removedSorted(),
              (Strings{kCookies + "ann@blank.txt", kCookies + "ann@case.txt",
                       kCookies + "ann@hidden.txt", kCookies + "index.dat"}));
    const auto kept = bench.machine.files.stat(kCookies + "ann@kept.txt");
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->attributes, attr::kNormal);
    // A read-only cookie cannot be deleted, yet its size was counted before the try.
    EXPECT_TRUE(bench.exists(kCookies + "locked.txt"));
    EXPECT_EQ(bench.run.ReleasedBytes, 20 + 30 + 40 + 50 + 60);
    EXPECT_TRUE(bench.exists(kCookies + "Low\\deep.txt"));
    EXPECT_TRUE(bench.exists(kCookies + "link.txt"));
    EXPECT_TRUE(bench.exists("C:\\Users\\ann\\Documents\\secret.txt"));
}

TEST(DeleteCookiesExceptKept, WithoutAKeepListEveryFileOfTheFolderGoes) {
    KeepBench bench;
    bench.machine.addFiles(R"(
        C:\Users\ann\AppData\Roaming\Microsoft\Windows\Cookies\a.txt | size=1
        C:\Users\ann\AppData\Roaming\Microsoft\Windows\Cookies\index.dat | size=2
    )");
    bench.cleanIe("cookies");
    EXPECT_EQ(bench.removedSorted(), (Strings{kCookies + "a.txt", kCookies + "index.dat"}));
    EXPECT_EQ(bench.run.ReleasedBytes, 3);
}

TEST(DeleteCookiesExceptKept, LeavesFoldersTheGuardRefusesOrThatAreLinks) {
    const struct {
        const char* name;
        const char* cookiesValue;
    } cases[] = {
        {"a link to another folder", "C:\\Users\\ann\\CookieLink"},
        {"the profile folder itself", "%USERPROFILE%"},
        {"a relative path", "Cookies"},
        {"a drive root", "C:\\"},
        {"a path with parent parts", "C:\\Users\\ann\\AppData\\..\\Documents"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        KeepBench bench;
        bench.machine.addFiles(R"(
            C:\Users\ann\Documents\secret.txt | size=80
            C:\Users\ann\profile.txt | size=90
            C:\Users\ann\CookieLink\ | link=C:\Users\ann\Documents
        )");
        bench.machine.registry.setValue(kCurrentUser, kShellFolders, "Cookies",
                                        RegValue{RegType::ExpandSz, c.cookiesValue});
        bench.cleanIe("cookies");
        EXPECT_TRUE(bench.machine.files.removed.empty());
        EXPECT_EQ(bench.run.ReleasedBytes, 0);
        EXPECT_EQ(bench.itemRows().at(0).status, "Done");
    }
}

}  // namespace
}  // namespace hv
