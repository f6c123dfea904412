#include "platform/win32/win32_event_loop.h"

#include <windows.h>

#include <utility>

namespace hv::win32 {

namespace {

constexpr char kTimerWindowClass[] = "HalvaneTimerWindow";

LRESULT CALLBACK timerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
        auto* loop = reinterpret_cast<Win32EventLoop*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (loop != nullptr) loop->fire(static_cast<TimerId>(wParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND createTimerWindow() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = timerWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kTimerWindowClass;
    // A second loop in the same program finds the class already there, which is fine.
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, kTimerWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance,
                           nullptr);
}

}  // namespace

Win32EventLoop::Win32EventLoop() {
    HWND window = createTimerWindow();
    if (window != nullptr) {
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    window_ = window;
}

Win32EventLoop::~Win32EventLoop() {
    HWND window = static_cast<HWND>(window_);
    if (window == nullptr) return;
    for (const auto& entry : timers_) KillTimer(window, entry.first);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

void Win32EventLoop::doEvents() {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The quit request belongs to the main loop: put it back and let that loop see it.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

std::uint64_t Win32EventLoop::tickMs() {
    return GetTickCount64();
}

void Win32EventLoop::idle(std::uint32_t ms) {
    Sleep(ms);
}

TimerId Win32EventLoop::startTimer(std::uint32_t intervalMs, std::function<void()> onTick) {
    HWND window = static_cast<HWND>(window_);
    if (window == nullptr) return 0;
    TimerId timer = ++lastTimer_;
    if (timer == 0) timer = ++lastTimer_;  // 0 means "no timer"
    if (SetTimer(window, timer, intervalMs, nullptr) == 0) return 0;
    timers_[timer] = std::move(onTick);
    return timer;
}

void Win32EventLoop::stopTimer(TimerId timer) {
    if (timers_.erase(timer) == 0) return;
    KillTimer(static_cast<HWND>(window_), timer);
}

void Win32EventLoop::fire(TimerId timer) {
    auto found = timers_.find(timer);
    if (found == timers_.end()) return;
    // The callback may stop its own timer or start others, so it runs from a copy.
    std::function<void()> onTick = found->second;
    onTick();
}

}  // namespace hv::win32
