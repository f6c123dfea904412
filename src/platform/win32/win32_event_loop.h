#pragma once
// The message loop of the user-interface thread. Timers are WM_TIMER messages of a hidden
// message-only window, so they fire only while the thread pumps messages, as the program's
// long work expects.
#include <map>

#include "platform/event_loop.h"

namespace hv::win32 {

class Win32EventLoop final : public EventLoop {
  public:
    Win32EventLoop();
    ~Win32EventLoop() override;
    Win32EventLoop(const Win32EventLoop&) = delete;
    Win32EventLoop& operator=(const Win32EventLoop&) = delete;

    void doEvents() override;
    std::uint64_t tickMs() override;
    void idle(std::uint32_t ms) override;
    TimerId startTimer(std::uint32_t intervalMs, std::function<void()> onTick) override;
    void stopTimer(TimerId timer) override;

    // Runs the callback of one timer; called from the timer window's procedure.
    void fire(TimerId timer);

  private:
    void* window_ = nullptr;  // HWND, kept out of this header
    TimerId lastTimer_ = 0;
    std::map<TimerId, std::function<void()>> timers_;
};

}  // namespace hv::win32
