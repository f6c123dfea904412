#include "platform/sim/sim_clock.h"

namespace hv::sim {

namespace {
// Days since 1970-01-01 of a civil date (proleptic Gregorian).
std::int64_t daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy =
        (153 * static_cast<unsigned>(m + (m > 2 ? -3 : 9)) + 2) / 5 + static_cast<unsigned>(d) - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void civilFromDays(std::int64_t z, int& y, int& m, int& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe) + static_cast<int>(era) * 400 + (m <= 2);
}
}  // namespace

SimClock::SimClock() {
    set(2026, 12, 11, 9, 0, 0);
}

void SimClock::set(int year, int month, int day, int hour, int minute, int second) {
    startSeconds_ = daysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
    elapsedMs_ = 0;
}

LocalTime SimClock::now() const {
    const std::int64_t seconds = startSeconds_ + static_cast<std::int64_t>(elapsedMs_ / 1000);
    const std::int64_t days = seconds / 86400;
    const std::int64_t rest = seconds % 86400;
    LocalTime t;
    civilFromDays(days, t.year, t.month, t.day);
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    t.weekday = static_cast<int>((days % 7 + 11) % 7);  // 1970-01-01 was a Thursday
    return t;
}

}  // namespace hv::sim
