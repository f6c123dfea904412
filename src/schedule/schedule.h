#pragma once
// The weekday-and-time schedule of automatic clean runs, and the start-up clean test.
#include <array>
#include <string>

#include "platform/platform.h"

namespace hv {

struct Schedule {
    std::array<std::string, 7> dayFlags;  // Sunday first: one character of "CleanDays" each
    std::string cleanTime;                // "CleanTime" as stored, such as 9:30
};

// Reads "Options"/"CleanDays" and "CleanTime" from hvset.dat.
Schedule LoadSchedule(Profile& profile, const std::string& settingsFile);
// The schedule test of one tick: today's flag is on and the current minute equals the
// schedule time. A flag or time that cannot be read never matches.
bool IsScheduledNow(const Schedule& schedule, const LocalTime& now);
// The start-up clean applies only to the command line exactly "min".
bool IsStartupCommandLine(const std::string& commandLine);

}  // namespace hv
