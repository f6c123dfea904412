#include "platform/sim/sim_event_loop.h"

#include <algorithm>

namespace hv::sim {

void SimEventLoop::doEvents() {
    ++doEventsCount;
    fireDue();
    if (onDoEvents) onDoEvents();
}

TimerId SimEventLoop::startTimer(std::uint32_t intervalMs, std::function<void()> onTick) {
    const TimerId id = next_++;
    timers_[id] = Timer{std::max<std::uint32_t>(intervalMs, 1), clock_.elapsedMs() + intervalMs,
                        std::move(onTick)};
    return id;
}

void SimEventLoop::stopTimer(TimerId timer) {
    timers_.erase(timer);
}

void SimEventLoop::fireDue() {
    for (;;) {
        // The earliest timer that is due now.
        auto due = timers_.end();
        for (auto it = timers_.begin(); it != timers_.end(); ++it)
            if (it->second.dueMs <= clock_.elapsedMs() &&
                (due == timers_.end() || it->second.dueMs < due->second.dueMs))
                due = it;
        if (due == timers_.end()) return;
        // Like WM_TIMER, one tick is delivered however late it is.
        due->second.dueMs = clock_.elapsedMs() + due->second.intervalMs;
        auto onTick = due->second.onTick;  // the handler may stop its own timer
        onTick();
    }
}

void SimEventLoop::advance(std::uint64_t ms) {
    const std::uint64_t end = clock_.elapsedMs() + ms;
    for (;;) {
        std::uint64_t nextDue = end;
        for (const auto& [id, timer] : timers_) nextDue = std::min(nextDue, timer.dueMs);
        if (nextDue > clock_.elapsedMs()) clock_.advanceMs(nextDue - clock_.elapsedMs());
        fireDue();
        if (clock_.elapsedMs() >= end) return;
    }
}

}  // namespace hv::sim
