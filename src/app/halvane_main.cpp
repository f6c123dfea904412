// halvane.exe: the windowed program. Keeps the command line for the main window's first
// activation, shows the splash window (which loads the main window) and runs the message loop
// until the exit action ends it.
#include <windows.h>

#include <string>

#include "platform/win32/win32_machine.h"
#include "platform/win32/win32_ui.h"
#include "ui/app_windows.h"
#include "ui/frm_splash.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    hv::win32::Win32Machine machine;
    hv::win32::Win32Ui ui;
    hv::Platform os = machine.platform();
    hv::frmSplash splash(ui, os, commandLine != nullptr ? commandLine : "");
    hv::AppWindows windows(ui, os, splash.mainWindow());
    ui.run();
    return 0;
}
