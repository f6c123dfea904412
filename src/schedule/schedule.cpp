#include "schedule/schedule.h"

#include <optional>
#include <string_view>

#include "engine/inifun.h"

namespace hv {
namespace {

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// One or two digits from pos on; nothing when there are none.
std::optional<int> ReadNumber(std::string_view text, std::size_t& pos) {
    int value = 0;
    std::size_t digits = 0;
    while (pos < text.size() && digits < 2 && text[pos] >= '0' && text[pos] <= '9') {
        value = value * 10 + (text[pos] - '0');
        ++pos;
        ++digits;
    }
    if (digits == 0) return std::nullopt;
    return value;
}

// Hours, a colon and minutes, with seconds after a second colon if any: "9:30", "09:30",
// "23:00:00". Anything else is not a time.
std::optional<TimeOfDay> ParseTimeOfDay(std::string_view text) {
    std::size_t pos = 0;
    TimeOfDay time;
    const auto hour = ReadNumber(text, pos);
    if (!hour || pos >= text.size() || text[pos] != ':') return std::nullopt;
    ++pos;
    const auto minute = ReadNumber(text, pos);
    if (!minute) return std::nullopt;
    time.hour = *hour;
    time.minute = *minute;
    if (pos < text.size() && text[pos] == ':') {
        ++pos;
        const auto second = ReadNumber(text, pos);
        if (!second) return std::nullopt;
        time.second = *second;
    }
    if (pos != text.size() || time.hour > 23 || time.minute > 59 || time.second > 59)
        return std::nullopt;
    return time;
}

}  // namespace

Schedule LoadSchedule(Profile& profile, const std::string& settingsFile) {
    std::string days = ReadIni(profile, settingsFile, "Options", "CleanDays");
    if (days.empty()) days = "0000000";
    Schedule schedule;
    // A value shorter than seven characters leaves the missing weekdays empty, which is off.
    for (std::size_t day = 0; day < schedule.dayFlags.size() && day < days.size(); ++day)
        schedule.dayFlags[day] = days.substr(day, 1);
    schedule.cleanTime = ReadIni(profile, settingsFile, "Options", "CleanTime");
    return schedule;
}

bool IsScheduledNow(const Schedule& schedule, const LocalTime& now) {
    if (now.weekday < 0 || now.weekday >= static_cast<int>(schedule.dayFlags.size())) return false;
    if (!IsFlagOn(schedule.dayFlags[now.weekday])) return false;
    const auto at = ParseTimeOfDay(schedule.cleanTime);
    // The current time is taken to the minute, so a stored time with seconds matches only
    // when they are zero.
    return at && at->hour == now.hour && at->minute == now.minute && at->second == 0;
}

bool IsStartupCommandLine(const std::string& commandLine) {
    return commandLine == "min";
}

}  // namespace hv
