#pragma once
// The one user-interface thread's message loop: yields and timers.
// Implemented by SimEventLoop (a virtual clock that tests advance) and Win32EventLoop.
#include <cstdint>
#include <functional>

namespace hv {

using TimerId = std::uint32_t;  // 0 = none

class EventLoop {
  public:
    virtual ~EventLoop() = default;

    // Handles every pending message (timers, input, paint) and returns.
    virtual void doEvents() = 0;
    // Milliseconds on a steady clock; only differences mean anything.
    virtual std::uint64_t tickMs() = 0;
    // Sleeps the thread briefly between polls so that a wait loop does not spin.
    virtual void idle(std::uint32_t ms) = 0;
    virtual TimerId startTimer(std::uint32_t intervalMs, std::function<void()> onTick) = 0;
    virtual void stopTimer(TimerId timer) = 0;
};

}  // namespace hv
