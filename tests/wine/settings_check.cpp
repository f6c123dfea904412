// The cleaning settings window on the real API, from opening to the file and back: a few
// switches and a plug-in are prepared, the window is opened, a box is ticked, another cleared
// and the plug-in ticked, and OK writes them; the values are read back with the profile calls
// themselves, not through the program's own reader. A second opening shows what was saved, and
// Cancel after more changes leaves the file as it was. It writes "ready.txt" beside itself once
// the changed window is shown and waits (20 s at most) for "shot.txt", so that the script can
// take a screenshot. Every check goes to "result.txt"; the exit code is 0 when all held.
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "catalogue/catalogue.h"
#include "platform/win32/win32_machine.h"
#include "platform/win32/win32_ui.h"
#include "ui/frm_settings.h"
#include "wine/window_program.h"

namespace {

using namespace hv;
using namespace hv::wine_check;

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string profileValue(const std::string& file, const char* section, const char* key) {
    char value[256] = {};
    GetPrivateProfileStringA(section, key, "(missing)", value, sizeof value, file.c_str());
    return value;
}

// The box of a catalogue item whose caption no other box has.
ui::CheckBox* boxOf(ui::Form& form, std::string_view section, std::string_view key) {
    std::string caption;
    for (const CleanItem& item : catalogue::Catalogue())
        if (item.section == section && item.key == key) caption = item.caption;
    ui::CheckBox* found = nullptr;
    int matches = 0;
    ui::forEachControl(form, [&](ui::Control& control) {
        auto* box = dynamic_cast<ui::CheckBox*>(&control);
        if (box && box->caption() == caption) {
            found = box;
            ++matches;
        }
    });
    return matches == 1 ? found : nullptr;
}

// The controls the check uses.
struct Controls {
    ui::CheckBox* cookies;
    ui::CheckBox* recent;
    ui::ListView* plugins;
    ui::Button* ok;
    ui::Button* cancel;
};

Controls controlsOf(ui::Form& form) {
    // "Cookies" is the caption of several browsers' boxes: the Firefox one by its name.
    return {find<ui::CheckBox>(form, "Check16"), boxOf(form, "WINDOWS", "recent"),
            find<ui::ListView>(form, "ListView1"), find<ui::Button>(form, "Command1"),
            find<ui::Button>(form, "Command3")};
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    win32::Win32Ui ui;
    win32::Win32Machine machine;
    Platform os = machine.platform();
    const std::string folder = os.system.applicationFolder();
    const std::string settings = folder + "\\hvset.dat";
    const std::string plugin = folder + "\\plus-in\\Tool.hve";
    writeFile(settings, "[WINDOWS]\r\nrecent=1\r\n[FIREFOX]\r\nCookies=0\r\n");
    CreateDirectoryA((folder + "\\plus-in").c_str(), nullptr);
    writeFile(plugin, "[name]\r\nappname=Tool\r\n[swich]\r\non=0\r\n");

    {
        SettingsWindow window(ui, os);
        ui::Form& form = window.form();
        auto [cookies, recent, plugins, ok, cancel] = controlsOf(form);
        check(cookies && recent && ok, "the window has the boxes and OK");
        check(plugins && plugins->rowCount() == 1, "the plug-in list holds the plug-in");
        if (failures > 0) return finish();
        form.show();
        check(!cookies->checked() && recent->checked() && !plugins->checked(0),
              "the boxes and the plug-in list show the file");
        cookies->setChecked(true);
        recent->setChecked(false);
        plugins->setChecked(0, true);
        waitForScreenshot(machine.events);
        ok->onClick();
        check(!window.loaded(), "OK unloads the window");
    }
    check(profileValue(settings, "FIREFOX", "Cookies") == "1", "OK writes the ticked box as 1");
    check(profileValue(settings, "WINDOWS", "recent") == "0", "OK writes the cleared box as 0");
    check(profileValue(settings, "EXPLORER", "cache") == "0", "OK writes the untouched boxes too");
    check(profileValue(plugin, "swich", "on") == "1", "OK writes the plug-in's tick to its file");

    const std::string saved = fileText(settings);
    {
        SettingsWindow window(ui, os);
        ui::Form& form = window.form();
        auto [cookies, recent, plugins, ok, cancel] = controlsOf(form);
        form.show();
        check(cookies && cookies->checked() && recent && !recent->checked() && plugins &&
                  plugins->checked(0),
              "the next opening shows what was saved");
        if (cookies && cancel && plugins) {
            cookies->setChecked(false);
            plugins->setChecked(0, false);
            cancel->onClick();
        }
        check(!window.loaded(), "Cancel unloads the window");
    }
    check(fileText(settings) == saved, "Cancel leaves the settings file as it was");
    check(profileValue(plugin, "swich", "on") == "1", "Cancel leaves the plug-in file alone");

    return finish();
}
