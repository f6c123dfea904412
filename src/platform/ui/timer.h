#pragma once
// A window's timer over the platform's message-loop timers, so it ticks only while the
// user-interface thread handles messages (and, in the sim, when the virtual clock moves).
#include <cstdint>
#include <functional>

#include "platform/event_loop.h"

namespace hv::ui {

struct TimerArgs {
    std::uint32_t intervalMs = 0;  // 0 never ticks
    bool enabled = false;
};

class Timer {
  public:
    explicit Timer(EventLoop& events, TimerArgs args = {})
        : events_(events), intervalMs_(args.intervalMs), enabled_(args.enabled) {
        restart();
    }
    ~Timer() { stopRunning(); }
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) {
        if (enabled == enabled_) return;
        enabled_ = enabled;
        restart();
    }
    std::uint32_t intervalMs() const { return intervalMs_; }
    // A new interval counts from now, also for a timer that is running.
    void setInterval(std::uint32_t intervalMs) {
        intervalMs_ = intervalMs;
        restart();
    }

    // The handler may change or disable this timer, or destroy the window that owns it.
    std::function<void()> onTick;

  private:
    void restart() {
        stopRunning();
        if (!enabled_ || intervalMs_ == 0) return;
        running_ = events_.startTimer(intervalMs_, [this] {
            auto tick = onTick;  // survives the handler destroying this timer
            if (tick) tick();
        });
    }
    void stopRunning() {
        if (running_ != 0) events_.stopTimer(running_);
        running_ = 0;
    }

    EventLoop& events_;
    std::uint32_t intervalMs_;
    bool enabled_;
    TimerId running_ = 0;
};

}  // namespace hv::ui
