#pragma once
// The simulated machine's clock: a local date and time that only moves when a test (or a wait
// through the event loop) advances it.
#include <cstdint>

#include "platform/system.h"

namespace hv::sim {

class SimClock {
  public:
    // Starts on Friday 2026-12-11 09:00:00.
    SimClock();

    void set(int year, int month, int day, int hour, int minute, int second = 0);
    void advanceMs(std::uint64_t ms) { elapsedMs_ += ms; }
    std::uint64_t elapsedMs() const { return elapsedMs_; }
    LocalTime now() const;

  private:
    std::int64_t startSeconds_ = 0;  // seconds since 1970-01-01, local time
    std::uint64_t elapsedMs_ = 0;
};

}  // namespace hv::sim
