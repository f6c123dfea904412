#pragma once
// Yields of long work to the message loop: at the points the product names (yieldNow), and
// in between at most every 20 ms of work (yieldPaced), so the window never freezes.
#include <cstdint>

#include "platform/event_loop.h"

namespace hv {

class Pacer {
  public:
    static constexpr std::uint64_t kIntervalMs = 20;

    explicit Pacer(EventLoop& events) : events_(events), lastMs_(events.tickMs()) {}

    void yieldNow() {
        events_.doEvents();
        lastMs_ = events_.tickMs();
    }
    void yieldPaced() {
        if (events_.tickMs() - lastMs_ >= kIntervalMs) yieldNow();
    }

  private:
    EventLoop& events_;
    std::uint64_t lastMs_;
};

}  // namespace hv
