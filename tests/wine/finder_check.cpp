// Drives the file finder on the real API: opens "Search & Erase", searches a prepared tree
// (C:\finder-tree, made by finder_check.sh), deletes the selected hits into the recycle bin
// after answering the warning, then deletes permanently with the bin box cleared. It writes
// "ready.txt" beside itself once the first search is listed and waits (20 s at most) for
// "shot.txt", so that the script can take a screenshot. Every check goes to "result.txt";
// the exit code is 0 when all held.
#include <windows.h>

#include <fstream>
#include <string>

#include "platform/ui/timer.h"
#include "platform/win32/win32_machine.h"
#include "platform/win32/win32_ui.h"
#include "ui/frm_locate.h"
#include "wine/window_program.h"

namespace {

using namespace hv;
using namespace hv::wine_check;

const std::string kTree = "C:\\finder-tree";

// Read straight from the registry, not through the store under test.
std::string storedSetting(const std::string& section, const std::string& key) {
    char data[256] = {};
    DWORD bytes = sizeof data - 1;
    const std::string subKey = "Software\\Tundale\\" + section;
    if (RegGetValueA(HKEY_CURRENT_USER, subKey.c_str(), key.c_str(), RRF_RT_REG_SZ, nullptr, data,
                     &bytes) != ERROR_SUCCESS) {
        return "(missing)";
    }
    return data;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    win32::Win32Ui ui;
    win32::Win32Machine machine;
    Platform os = machine.platform();
    const std::string folder = programFolder();
    writeFile(folder + "\\Ext.txt", "*.tmp\r\n*.chk\r\nthumbs.db\r\n");

    frmLocate finder(ui, os);
    ui::Form& form = finder.form();
    auto* dir1 = find<ui::DirList>(form, "Dir1");
    auto* list1 = find<ui::ListBox>(form, "List1");
    auto* status = find<ui::Label>(form, "Status");
    auto* text1 = find<ui::TextBox>(form, "Text1");
    auto* deleteButton = find<ui::Button>(form, "cmdDelete");
    auto* findButton = find<ui::Button>(form, "cmdAction(0)");
    auto* toBin = find<ui::CheckBox>(form, "chkDelType");
    auto* subFolders = find<ui::CheckBox>(form, "Check1(0)");
    if (!dir1 || !list1 || !status || !text1 || !deleteButton || !findButton || !toBin ||
        !subFolders) {
        writeFile(folder + "\\result.txt", "FAILED  the window lacks a control\n");
        return 1;
    }
    form.show();
    // Ext.txt lists only entries starting with "*."; an exact name is typed into the box.
    check(text1->text() == "*.tmp;*.chk", "the pattern box holds Ext.txt: " + text1->text());
    text1->setText("*.tmp;*.chk;thumbs.db");
    check(storedSetting("StartUp", "SubFolders") == "1", "opening stores SubFolders = 1");

    // The folder change searches by itself; the junction loop below the tree must not make it
    // endless.
    dir1->setPath(kTree);
    std::string lines;
    for (int i = 0; i < list1->count(); ++i) lines += "  " + list1->text(i) + "\n";
    report += "listed:\n" + lines;
    check(list1->count() == 6, "six hits: " + std::to_string(list1->count()));
    check(status->text().rfind("6  Files Found      .tmp - 5    .chk - 0    thumbs.db - 1", 0) == 0,
          "the summary: " + status->text());
    check(lines.find("loop") == std::string::npos, "nothing is listed through the junction loop");
    check(storedSetting("StartUp", "AppPath") == kTree, "the folder is stored as AppPath");

    waitForScreenshot(machine.events);

    // Into the recycle bin, answering the warning with Yes from a timer.
    bool warned = false;
    ui::Timer answer{machine.events, {.intervalMs = 100, .enabled = true}};
    answer.onTick = [&] {
        if (HWND box = FindWindowA("#32770", "Note")) {
            warned = true;
            PostMessageA(box, WM_COMMAND, IDYES, 0);
        }
    };
    deleteButton->onClick();
    answer.setEnabled(false);
    check(warned, "the warning \"Note\" was shown");
    check(storedSetting("General", "Prompt") == "0", "Yes stores Prompt = 0");
    for (const char* gone :
         {"\\a.tmp", "\\sub\\b.tmp", "\\My  Files\\c.tmp", "\\sub\\deeper\\e.tmp"})
        check(!exists(kTree + gone), std::string("recycled: ") + gone);
    check(exists(kTree + "\\thumbs.db"), "the exact-name hit stays");
    check(exists(kTree + "\\keep.txt") && exists(kTree + "\\My"), "other files stay");
    report += std::string("read-only ro.tmp after recycling: ") +
              (exists(kTree + "\\ro.tmp") ? "still there" : "gone") + "\n";
    check(!subFolders->checked() && storedSetting("StartUp", "SubFolders") == "0",
          "the delete clears Include Sub Directories");

    // Permanently, with the bin box cleared; no warning any more.
    writeFile(kTree + "\\p.tmp", "p");
    writeFile(kTree + "\\rp.tmp", "r");
    SetFileAttributesA((kTree + "\\rp.tmp").c_str(), FILE_ATTRIBUTE_READONLY);
    toBin->setChecked(false);
    check(storedSetting("StartUp", "Recycele") == "0", "clearing the box stores Recycele = 0");
    findButton->onClick();
    warned = false;
    answer.setEnabled(true);
    deleteButton->onClick();
    answer.setEnabled(false);
    check(!warned, "no warning after Yes");
    check(!exists(kTree + "\\p.tmp"), "p.tmp deleted for good");
    check(exists(kTree + "\\rp.tmp"), "the read-only rp.tmp is skipped");

    form.close();
    return finish();
}
