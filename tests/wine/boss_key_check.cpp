// The boss key on the real API: a folder window, a maximised browser window and a window of
// another program are open; the main window is made with the boss key switched on, and the two
// hot keys arrive as the system delivers them (WM_HOTKEY to the receiver of the registered
// keys). Win+Z hides the folder and browser windows and leaves the other; Win+Shift+Z brings
// them back where and as they were. It writes "ready.txt" while the windows are hidden and waits
// (20 s at most) for "shot.txt", so that the script can take a screenshot. Every check goes to
// "result.txt"; the exit code is 0 when all held.
#include <windows.h>

#include <string>

#include "platform/win32/win32_machine.h"
#include "platform/win32/win32_ui.h"
#include "ui/frm_main.h"
#include "wine/window_program.h"

namespace {

using namespace hv;
using namespace hv::wine_check;

HWND openWindow(const char* className, const char* title, int show) {
    WNDCLASSA type{};
    type.lpfnWndProc = DefWindowProcA;
    type.hInstance = GetModuleHandleA(nullptr);
    type.lpszClassName = className;
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassA(&type);
    HWND window = CreateWindowExA(0, className, title, WS_OVERLAPPEDWINDOW, 120, 90, 420, 300,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window, show);
    return window;
}

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    win32::Win32Ui ui;
    win32::Win32Machine machine;
    Platform os = machine.platform();
    writeFile(programFolder() + "\\hvset.dat", "[Options]\r\nbosskey=1\r\n");

    HWND folder = openWindow("CabinetWClass", "Documents", SW_SHOWNORMAL);
    HWND browser = openWindow("IEFrame", "Start page", SW_SHOWMAXIMIZED);
    HWND other = openWindow("HalvaneCheckOther", "Notes", SW_SHOWNORMAL);
    WINDOWPLACEMENT folderBefore{};
    folderBefore.length = sizeof folderBefore;
    GetWindowPlacement(folder, &folderBefore);

    frmMainCode main(ui, os, "");
    main.show();
    pumpUntil(
        machine.events, [] { return false; }, 300);
    check(main.bossKeyActive(), "the boss key is on after loading with bosskey = 1");
    HWND receiver = FindWindowExA(HWND_MESSAGE, nullptr, "HalvaneHotKeys", nullptr);
    check(receiver != nullptr, "the hot keys have their receiver");

    PostMessageA(receiver, WM_HOTKEY, frmMainCode::kHideKeyId, MAKELPARAM(MOD_WIN, 'Z'));
    pumpUntil(
        machine.events, [&] { return !IsWindowVisible(folder); }, 3000);
    check(!IsWindowVisible(folder), "Win+Z hides the folder window");
    check(!IsWindowVisible(browser), "Win+Z hides the browser window");
    check(IsWindowVisible(other) != FALSE, "another program's window stays");
    waitForScreenshot(machine.events);

    PostMessageA(receiver, WM_HOTKEY, frmMainCode::kRestoreKeyId,
                 MAKELPARAM(MOD_WIN | MOD_SHIFT, 'Z'));
    pumpUntil(
        machine.events, [&] { return IsWindowVisible(folder) != FALSE; }, 3000);
    WINDOWPLACEMENT folderAfter{};
    folderAfter.length = sizeof folderAfter;
    GetWindowPlacement(folder, &folderAfter);
    check(IsWindowVisible(folder) != FALSE, "Win+Shift+Z shows the folder window again");
    check(sameRect(folderBefore.rcNormalPosition, folderAfter.rcNormalPosition),
          "the folder window is back where it was");
    check(IsWindowVisible(browser) && IsZoomed(browser), "the browser window is back maximised");

    // Win+Z with Control is not the boss key.
    PostMessageA(receiver, WM_HOTKEY, frmMainCode::kHideKeyId,
                 MAKELPARAM(MOD_WIN | MOD_CONTROL, 'Z'));
    pumpUntil(
        machine.events, [] { return false; }, 300);
    check(IsWindowVisible(folder) != FALSE, "other modifiers hide nothing");

    main.setBossKey(false);
    check(!main.bossKeyActive(), "switching the boss key off releases it");
    return finish();
}
