#include "platform/win32/win32_window_manager.h"

#include <windows.h>

namespace hv::win32 {

namespace {

constexpr char kReceiverClass[] = "HalvaneHotKeys";

LRESULT CALLBACK receiverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HOTKEY) {
        auto* manager =
            reinterpret_cast<Win32WindowManager*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (manager != nullptr && manager->onHotKey) {
            const auto handler = manager->onHotKey;
            handler(static_cast<int>(wParam), LOWORD(lParam), HIWORD(lParam));
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

BOOL CALLBACK collect(HWND window, LPARAM data) {
    auto* windows = reinterpret_cast<std::vector<ui::TopLevelWindow>*>(data);
    char className[256] = {};
    const int length = GetClassNameA(window, className, 255);
    windows->push_back({Win32WindowManager::handleOf(window),
                        std::string(className, static_cast<std::size_t>(std::max(length, 0)))});
    return TRUE;
}

}  // namespace

Win32WindowManager::Win32WindowManager() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = receiverProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kReceiverClass;
    RegisterClassA(&windowClass);
    receiver_ = CreateWindowExA(0, kReceiverClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    if (receiver_ != nullptr)
        SetWindowLongPtrA(receiver_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32WindowManager::~Win32WindowManager() {
    for (int id : registered_) UnregisterHotKey(receiver_, id);
    if (receiver_ != nullptr) DestroyWindow(receiver_);
}

ui::WindowHandle Win32WindowManager::handleOf(HWND__* window) {
    // Window handles carry 32 significant bits, also in 64-bit programs.
    return static_cast<ui::WindowHandle>(reinterpret_cast<std::uintptr_t>(window));
}

HWND__* Win32WindowManager::windowOf(ui::WindowHandle handle) {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(static_cast<std::int32_t>(handle)));
}

std::vector<ui::TopLevelWindow> Win32WindowManager::topLevelWindows() {
    std::vector<ui::TopLevelWindow> windows;
    EnumWindows(collect, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::optional<ui::WindowPlacement> Win32WindowManager::placement(ui::WindowHandle window) {
    WINDOWPLACEMENT record{};
    record.length = sizeof record;
    if (!GetWindowPlacement(windowOf(window), &record)) return std::nullopt;
    return ui::WindowPlacement{record.length,
                               record.flags,
                               record.showCmd,
                               {record.ptMinPosition.x, record.ptMinPosition.y},
                               {record.ptMaxPosition.x, record.ptMaxPosition.y},
                               {record.rcNormalPosition.left, record.rcNormalPosition.top,
                                record.rcNormalPosition.right, record.rcNormalPosition.bottom}};
}

bool Win32WindowManager::setPlacement(ui::WindowHandle window,
                                      const ui::WindowPlacement& placement) {
    WINDOWPLACEMENT record{};
    record.length = sizeof record;
    record.flags = placement.flags;
    record.showCmd = placement.showCommand;
    record.ptMinPosition = {placement.minPosition.x, placement.minPosition.y};
    record.ptMaxPosition = {placement.maxPosition.x, placement.maxPosition.y};
    record.rcNormalPosition = {placement.normalPosition.left, placement.normalPosition.top,
                               placement.normalPosition.right, placement.normalPosition.bottom};
    return SetWindowPlacement(windowOf(window), &record) != FALSE;
}

bool Win32WindowManager::setForeground(ui::WindowHandle window) {
    return SetForegroundWindow(windowOf(window)) != FALSE;
}

bool Win32WindowManager::registerHotKey(int id, unsigned modifiers, unsigned virtualKey) {
    if (!RegisterHotKey(receiver_, id, modifiers, virtualKey)) return false;
    registered_.insert(id);
    return true;
}

bool Win32WindowManager::unregisterHotKey(int id) {
    registered_.erase(id);
    return UnregisterHotKey(receiver_, id) != FALSE;
}

}  // namespace hv::win32
