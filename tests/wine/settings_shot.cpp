// Shows the cleaning settings window on the real API, one tab after another, so that each can be
// looked at. The program folder gets a few settings, custom items and plug-ins first (plug-ins
// and the skin are copied in beside it by the caller). For every view it writes "ready-N.txt"
// beside itself and waits until "shot-N.txt" appears (a screenshot was taken) or 20 seconds
// pass; after the last view it writes "done.txt" and exits 0.
#include <windows.h>

#include <fstream>
#include <memory>
#include <string>

#include "engine/inifun.h"
#include "platform/win32/win32_machine.h"
#include "platform/win32/win32_ui.h"
#include "ui/frm_settings.h"
#include "wine/window_program.h"

namespace {

using namespace hv;
using namespace hv::wine_check;

// Handles the window's messages for a while.
void pump(DWORD ms) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
}

void prepare(Platform& os, const std::string& folder) {
    const std::string settings = SettingsFile(os.system);
    for (const char* key : {"location", "history", "cache", "cookies"})
        WriteIni(os.profile, settings, "EXPLORER", key, "1");
    for (const char* key : {"recent", "temp", "recycle", "picturelocation", "userassist"})
        WriteIni(os.profile, settings, "WINDOWS", key, "1");
    WriteIni(os.profile, settings, "OFFICE", "word", "1");
    WriteIni(os.profile, settings, "Custom", "Custom", "1");
    WriteIni(os.profile, settings, "Messenger", "icqsign", "1");
    WriteIni(os.profile, settings, "outlook", "address", "1");

    CreateDirectoryA((folder + "\\Old reports").c_str(), nullptr);
    std::ofstream(folder + "\\Old reports\\march.txt") << std::string(70000, 'x');
    std::ofstream(folder + "\\notes.txt") << "notes\n";
    std::ofstream(folder + "\\cusd.dat", std::ios::binary) << folder << "\\notes.txt\tFile\r\n"
                                                           << folder << "\\Old reports\tFolder\r\n";
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    win32::Win32Machine machine;
    Platform os = machine.platform();
    win32::Win32Ui ui;
    const std::string folder = os.system.applicationFolder();
    prepare(os, folder);

    SettingsWindow window(ui, os);
    window.form().show();

    // Outer tab, and the browser tab shown on the first outer tab.
    const struct {
        int outer;
        int inner;
    } views[] = {{0, 0}, {0, 5}, {0, 9}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}};
    int shot = 0;
    for (const auto& view : views) {
        ui::TabStrip* outer = nullptr;
        ui::TabStrip* inner = nullptr;
        ui::forEachControl(window.form(), [&](ui::Control& control) {
            if (control.name() == "SSTab1") outer = dynamic_cast<ui::TabStrip*>(&control);
            if (control.name() == "SSTab2") inner = dynamic_cast<ui::TabStrip*>(&control);
        });
        outer->setSelectedIndex(view.outer);
        inner->setSelectedIndex(view.inner);
        pump(600);
        const std::string n = std::to_string(++shot);
        std::ofstream(folder + "\\ready-" + n + ".txt") << "ready\n";
        const DWORD start = GetTickCount();
        while (!exists(folder + "\\shot-" + n + ".txt") && GetTickCount() - start < 20000)
            pump(100);
    }
    std::ofstream(folder + "\\done.txt") << "done\n";
    return 0;
}
