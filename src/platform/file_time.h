#pragma once
// File times as the listings give them: FILETIME ticks (100 ns since 1601-01-01).
#include <cstdint>

#include "platform/system.h"

namespace hv {

// The ticks as a calendar date and time, weekday included; the ticks are taken as local time,
// as the file lists show them.
LocalTime CalendarTimeOf(std::int64_t ticks);

}  // namespace hv
