#include "platform/win32/win32_shell.h"

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <vector>

#include "platform/win32/win32_key_strokes.h"

namespace hv::win32 {

// Without an owner the shell's progress window stands on its own, which also suits a run that
// started with the main window hidden. An empty root path means every drive.
long Win32Shell::emptyRecycleBin() {
    return static_cast<long>(SHEmptyRecycleBinA(nullptr, "", SHERB_NOCONFIRMATION));
}

long Win32Shell::recycleFile(const std::string& path) {
    // The source is a list of paths ended by an empty one: the path, then two NULs.
    std::string from = path;
    from.append(2, '\0');
    SHFILEOPSTRUCTA operation{};
    operation.hwnd = nullptr;
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT;
    operation.lpszProgressTitle = nullptr;
    return SHFileOperationA(&operation);
}

long Win32Shell::clearRecentDocuments() {
    // The call returns nothing; what it leaves in the thread's error code is its only answer.
    SetLastError(ERROR_SUCCESS);
    SHAddToRecentDocs(SHARD_PATHA, nullptr);
    return static_cast<long>(GetLastError());
}

bool Win32Shell::emptyClipboard() {
    if (!OpenClipboard(nullptr)) return false;
    bool emptied = EmptyClipboard() != FALSE;
    CloseClipboard();
    return emptied;
}

unsigned Win32Shell::winExec(const std::string& commandLine, int showState) {
    return WinExec(commandLine.c_str(), static_cast<UINT>(showState));
}

bool Win32Shell::startMinimized(const std::string& commandLine) {
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINIMIZED;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        return false;
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return true;
}

std::optional<WindowIdentity> Win32Shell::foregroundWindow() {
    HWND window = GetForegroundWindow();
    if (window == nullptr) return std::nullopt;
    char className[256] = {};
    GetClassNameA(window, className, sizeof className);
    std::vector<char> caption(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    GetWindowTextA(window, caption.data(), static_cast<int>(caption.size()));
    return WindowIdentity{className, caption.data()};
}

void Win32Shell::sendKeys(const std::string& keys) {
    std::vector<INPUT> inputs;
    for (const KeyStroke& stroke : parseKeyStrokes(keys)) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = stroke.virtualKey;
        input.ki.dwFlags = stroke.release ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    }
    if (inputs.empty()) return;
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    // There is no word from the receiver when it has read the keys; give it the time to, and
    // then make sure its thread has gone through its queue once.
    HWND target = GetForegroundWindow();
    for (int round = 0; round < 10; ++round) {
        MSG message{};
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));
                return;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(10);
    }
    if (target != nullptr) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(target, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &ignored);
    }
}

}  // namespace hv::win32
