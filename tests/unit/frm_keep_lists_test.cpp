#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/sim/machine.h"
#include "ui/frm_cookie.h"
#include "ui/frm_url.h"

namespace hv {
namespace {

using sim::SimButton;
using sim::SimForm;
using sim::SimListBox;
using sim::SimTextBox;
using Strings = std::vector<std::string>;

const std::string kKeepUrl = "C:\\Program Files\\Halvane\\keepurl.dat";
const std::string kKeepCook = "C:\\Program Files\\Halvane\\keepcook.dat";
const std::string kCookies = "C:\\Users\\ann\\AppData\\Roaming\\Microsoft\\Windows\\Cookies";
const char* const kUrlCaption = "URL Drop-List Options";
const char* const kCookieCaption = "Cookies Options";

Strings entries(const SimListBox& list) {
    Strings out;
    for (int i = 0; i < list.count(); ++i) out.push_back(list.text(i));
    return out;
}

// The sim measures 7 pixels a character; the window adds 8 pixels of margin.
int widthOf(const std::string& longest) {
    return static_cast<int>(longest.size()) * 7 + 8;
}

// One of the two keep-list windows, shown on a machine the test has set up.
struct KeepWindowBench {
    sim::Machine machine;
    Platform os = machine.platform();
    std::unique_ptr<frmurl> urlWindow;
    std::unique_ptr<frmcookie> cookieWindow;

    SimForm& openUrl() {
        urlWindow = std::make_unique<frmurl>(machine.ui, os);
        urlWindow->showModal();  // nothing scripted: the window stays shown for the test
        return machine.ui.form(kUrlCaption);
    }
    SimForm& openCookies() {
        cookieWindow = std::make_unique<frmcookie>(machine.ui, os);
        cookieWindow->showModal();
        return machine.ui.form(kCookieCaption);
    }
    void typedUrls(const std::string& values) {
        machine.addRegistry(
            "[HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\TypedURLs]\n" + values);
    }
};

TEST(frmurl, LoadListsTheTypedAddressesAndTheKeepFile) {
    KeepWindowBench bench;
    const std::string longUrl = "http://long.example/" + std::string(240, 'q');
    bench.typedUrls("\"url1\"=\"http://a.example/\"\n\"url2\"=\"" + longUrl +
                    "\"\n\"url3\"=\"http://b.example/path\"\n");
    bench.machine.files.addTextFile(kKeepUrl, "http://kept.example/   \r\nhttp://k2/\r\n");
    SimForm& form = bench.openUrl();

    // The address too long for the reader is left out; the ones after it are still listed.
    auto& current = form.find<SimListBox>("List2");
    EXPECT_EQ(entries(current), (Strings{"http://a.example/", "http://b.example/path"}));
    auto& kept = form.find<SimListBox>("List1");
    EXPECT_EQ(entries(kept), (Strings{"http://kept.example/", "http://k2/"}));
    EXPECT_EQ(kept.horizontalExtent(), widthOf("http://kept.example/"));
    EXPECT_EQ(current.horizontalExtent(), widthOf("http://b.example/path"));
    EXPECT_EQ(kept.font.name, "Tahoma");
}

TEST(frmurl, WithoutTypedAddressesOrKeepFileBothListsAreEmpty) {
    KeepWindowBench bench;
    SimForm& form = bench.openUrl();
    for (const char* name : {"List1", "List2"}) {
        EXPECT_EQ(form.find<SimListBox>(name).count(), 0) << name;
        EXPECT_EQ(form.find<SimListBox>(name).horizontalExtent(), 0) << name;
    }
}

TEST(frmurl, AddAppendsTheSelectedAddressEvenTwice) {
    KeepWindowBench bench;
    bench.typedUrls("\"url1\"=\"http://a.example/\"\n\"url2\"=\"http://bb.example/  \"\n");
    // A hand-edited line keeps its trailing blanks: appending touches no other line.
    bench.machine.files.addTextFile(kKeepUrl, "http://old/  \r\n");
    SimForm& form = bench.openUrl();
    auto& current = form.find<SimListBox>("List2");
    auto& add = form.find<SimButton>("cmdAdd");

    current.clickItem(1);
    add.click();
    add.click();
    current.clickItem(0);
    add.click();

    EXPECT_EQ(
        entries(form.find<SimListBox>("List1")),
        (Strings{"http://old/", "http://bb.example/", "http://bb.example/", "http://a.example/"}));
    EXPECT_EQ(bench.machine.files.text(kKeepUrl),
              "http://old/  \r\nhttp://bb.example/\r\nhttp://bb.example/\r\nhttp://a.example/\r\n");
    EXPECT_EQ(current.listIndex(), 0);  // the current list keeps its selection
    EXPECT_EQ(form.find<SimListBox>("List1").horizontalExtent(), widthOf("http://bb.example/"));
}

TEST(frmurl, AddWithNothingSelectedKeepsAnEmptyEntry) {
    KeepWindowBench bench;
    bench.typedUrls("\"url1\"=\"http://a.example/\"\n");
    SimForm& form = bench.openUrl();
    form.find<SimButton>("cmdAdd").click();
    EXPECT_EQ(entries(form.find<SimListBox>("List1")), Strings{""});
    EXPECT_EQ(bench.machine.files.text(kKeepUrl), "\r\n");
}

TEST(KeepListWindows, RemoveDropsEverySelectedEntryAndWritesTheFileOnce) {
    const struct {
        const char* name;
        std::vector<int> selected;
        Strings left;
        const char* fileAfter;  // nullptr: the file as it was
    } cases[] = {
        {"several", {0, 2, 3}, {"b", "e"}, "b\r\ne\r\n"},
        {"all", {0, 1, 2, 3, 4}, {}, ""},
        {"the last one", {4}, {"a", "b", "c", "d"}, "a\r\nb\r\nc\r\nd\r\n"},
        {"none", {}, {"a", "b", "c", "d", "e"}, nullptr},
    };
    for (const bool cookies : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(cookies ? "cookie window, " : "URL window, ") + c.name);
            KeepWindowBench bench;
            const std::string& file = cookies ? kKeepCook : kKeepUrl;
            const std::string before = "a\r\nb  \r\nc\r\nd\r\ne\r\n";
            bench.machine.files.addTextFile(file, before);
            int writes = 0;
            bench.machine.files.faults = [&](std::string_view op, const std::string&) {
                if (op == "writeFile") ++writes;
                return kSuccess;
            };
            SimForm& form = cookies ? bench.openCookies() : bench.openUrl();
            auto& kept = form.find<SimListBox>("List1");
            for (int index : c.selected) kept.setSelected(index, true);
            form.find<SimButton>("cmdRemove").click();

            EXPECT_EQ(entries(kept), c.left);
            EXPECT_EQ(bench.machine.files.text(file), c.fileAfter ? c.fileAfter : before);
            EXPECT_EQ(writes, c.fileAfter ? 1 : 0);
            EXPECT_EQ(kept.horizontalExtent(), c.left.empty() ? 0 : widthOf("a"));
        }
    }
}

TEST(KeepListWindows, AFailingWriteKeepsTheFileAndTheListAndSaysSo) {
    const struct {
        const char* name;
        bool cookies;
        bool remove;
        const char* failing;
    } cases[] = {
        {"URL add, disk full", false, false, "writeFile"},
        {"URL add, rename refused", false, false, "replaceFile"},
        {"URL remove", false, true, "writeFile"},
        {"cookie add", true, false, "replaceFile"},
        {"cookie remove", true, true, "replaceFile"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        KeepWindowBench bench;
        bench.typedUrls("\"url1\"=\"http://new.example/\"\n");
        bench.machine.addFiles(kCookies + "\\ann@new[1].txt | text=cookie");
        const std::string& file = c.cookies ? kKeepCook : kKeepUrl;
        const std::string before = "kept one\r\nkept two  \r\n";
        bench.machine.files.addTextFile(file, before);
        SimForm& form = c.cookies ? bench.openCookies() : bench.openUrl();
        auto& current = form.find<SimListBox>(c.cookies ? "lstCookieList" : "List2");
        auto& kept = form.find<SimListBox>("List1");
        current.clickItem(0);
        kept.setSelected(0, true);

        bench.machine.files.faults = [&](std::string_view op, const std::string&) {
            return op == c.failing ? kDiskFull : kSuccess;
        };
        form.find<SimButton>(c.remove ? "cmdRemove" : "cmdAdd").click();
        bench.machine.files.faults = nullptr;

        EXPECT_EQ(bench.machine.files.text(file), before);
        EXPECT_FALSE(bench.machine.files.exists(file.substr(0, file.rfind('\\')) + "\\~" +
                                                file.substr(file.rfind('\\') + 1) + ".tmp"));
        EXPECT_EQ(entries(kept), (Strings{"kept one", "kept two"}));
        ASSERT_EQ(bench.machine.dialogs.shown.size(), 1u);
        EXPECT_EQ(bench.machine.dialogs.shown[0].text, "Could not save " + file + ".");
        EXPECT_EQ(bench.machine.dialogs.shown[0].title, "Halvane");
    }
}

TEST(KeepListWindows, AKeepFileThatCannotBeReadIsNeverReplaced) {
    KeepWindowBench bench;
    bench.typedUrls("\"url1\"=\"http://new.example/\"\n");
    bench.machine.files.addTextFile(kKeepUrl, "precious\r\n");
    bench.machine.files.faults = [](std::string_view op, const std::string& path) {
        return op == "readFile" && path == kKeepUrl ? kAccessDenied : kSuccess;
    };
    SimForm& form = bench.openUrl();
    form.find<SimListBox>("List2").clickItem(0);
    form.find<SimButton>("cmdAdd").click();
    form.find<SimButton>("cmdRemove").click();
    bench.machine.files.faults = nullptr;
    EXPECT_EQ(bench.machine.files.text(kKeepUrl), "precious\r\n");
    EXPECT_EQ(bench.machine.dialogs.shown.size(), 1u);
}

TEST(frmcookie, LoadListsTheTextFilesOfTheCookieFolder) {
    KeepWindowBench bench;
    bench.machine.addFiles(kCookies + R"(\ann@site[1].txt | size=10
)" + kCookies + R"(\index.dat | size=10
)" + kCookies + R"(\ann@old.txt.bak | size=10
)" + kCookies + R"(\LOUD.TXT | size=10
)" + kCookies + R"(\sub.txt\
)");
    bench.machine.files.addTextFile(kKeepCook, kCookies + "\\ann@site[1].txt  \r\n");
    SimForm& form = bench.openCookies();

    auto& current = form.find<SimListBox>("lstCookieList");
    EXPECT_EQ(entries(current),
              (Strings{kCookies + "\\ann@site[1].txt", kCookies + "\\ann@old.txt.bak"}));
    auto& kept = form.find<SimListBox>("List1");
    EXPECT_EQ(entries(kept), Strings{kCookies + "\\ann@site[1].txt"});
    EXPECT_EQ(current.horizontalExtent(), widthOf(kCookies + "\\ann@old.txt.bak"));
    EXPECT_EQ(kept.horizontalExtent(), widthOf(kCookies + "\\ann@site[1].txt"));
}

TEST(frmcookie, AMissingCookieFolderGivesAnEmptyCurrentList) {
    for (const bool unnamed : {false, true}) {
        SCOPED_TRACE(unnamed ? "no Cookies value" : "no folder");
        KeepWindowBench bench;
        if (unnamed)
            bench.machine.registry.deleteValue(
                kCurrentUser,
                "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
                "Cookies");
        SimForm& form = bench.openCookies();
        EXPECT_EQ(form.find<SimListBox>("lstCookieList").count(), 0);
    }
}

TEST(frmcookie, ClickingAnEntryShowsTheCookieFile) {
    KeepWindowBench bench;
    bench.machine.files.addTextFile(kCookies + "\\ann@a[1].txt", "id\n1234\nsite.example/\n");
    bench.machine.addFiles(kCookies + "\\ann@b[1].txt | text=second cookie");
    bench.machine.files.addTextFile(
        kKeepCook, kCookies + "\\ann@b[1].txt\r\n" + kCookies + "\\ann@gone[1].txt\r\n");
    SimForm& form = bench.openCookies();
    auto& content = form.find<SimTextBox>("Text1");

    form.find<SimListBox>("lstCookieList").clickItem(0);
    EXPECT_EQ(content.text(), "id\n1234\nsite.example/\n");
    form.find<SimListBox>("List1").clickItem(0);
    EXPECT_EQ(content.text(), "second cookie");
    form.find<SimListBox>("List1").clickItem(1);  // no longer there
    EXPECT_EQ(content.text(), "");
}

TEST(frmcookie, AddKeepsTheSelectedCookiePath) {
    KeepWindowBench bench;
    bench.machine.addFiles(kCookies + "\\ann@a[1].txt | size=5");
    SimForm& form = bench.openCookies();
    form.find<SimListBox>("lstCookieList").clickItem(0);
    form.find<SimButton>("cmdAdd").click();
    EXPECT_EQ(entries(form.find<SimListBox>("List1")), Strings{kCookies + "\\ann@a[1].txt"});
    EXPECT_EQ(bench.machine.files.text(kKeepCook), kCookies + "\\ann@a[1].txt\r\n");
}

}  // namespace
}  // namespace hv
