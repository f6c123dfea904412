#pragma once
// The message loop on a virtual clock: timers fire when a test advances the clock (or when a
// wait idles), and doEvents can run a test's hook to act "during" a long operation.
#include <functional>
#include <map>

#include "platform/event_loop.h"
#include "platform/sim/sim_clock.h"

namespace hv::sim {

class SimEventLoop : public EventLoop {
  public:
    explicit SimEventLoop(SimClock& clock) : clock_(clock) {}

    void doEvents() override;
    std::uint64_t tickMs() override { return clock_.elapsedMs(); }
    void idle(std::uint32_t ms) override { advance(ms); }
    TimerId startTimer(std::uint32_t intervalMs, std::function<void()> onTick) override;
    void stopTimer(TimerId timer) override;

    // Moves the clock forward, firing every timer that falls due on the way, in time order.
    void advance(std::uint64_t ms);
    bool timerRunning(TimerId timer) const { return timers_.count(timer) != 0; }

    // Called on every doEvents: what "the user" does while long work yields.
    std::function<void()> onDoEvents;
    int doEventsCount = 0;

  private:
    struct Timer {
        std::uint32_t intervalMs;
        std::uint64_t dueMs;
        std::function<void()> onTick;
    };
    void fireDue();

    SimClock& clock_;
    std::map<TimerId, Timer> timers_;
    TimerId next_ = 1;
};

}  // namespace hv::sim
