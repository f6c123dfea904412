#include "schedule/schedule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sim/machine.h"
#include "platform/ui/timer.h"

namespace hv {
namespace {

// 2026-12-07 is a Monday.
LocalTime At(int day, int hour, int minute, int second) {
    sim::SimClock clock;
    clock.set(2026, 12, day, hour, minute, second);
    return clock.now();
}

TEST(ScheduleTest, WeekdayAndMinuteDecide) {
    struct Case {
        const char* cleanDays;
        const char* cleanTime;
        LocalTime now;
        bool runs;
    };
    const Case cases[] = {
        {"0100000", "9:30", At(7, 9, 30, 0), true},
        {"0100000", "9:30", At(7, 9, 30, 59), true},
        {"0100000", "9:30", At(7, 9, 29, 59), false},
        {"0100000", "9:30", At(7, 9, 31, 0), false},
        {"0100000", "9:30", At(6, 9, 30, 0), false},  // Sunday
        {"0100000", "9:30", At(8, 9, 30, 0), false},  // Tuesday
        {"0100000", "9:30", At(14, 9, 30, 30), true},
        {"0100000", "09:30", At(7, 9, 30, 0), true},
        {"0100000", "21:30", At(7, 9, 30, 0), false},
        {"0100000", "9:30:00", At(7, 9, 30, 10), true},
        {"0100000", "9:30:15", At(7, 9, 30, 15), false},
        {"0000001", "23:00", At(12, 23, 0, 0), true},  // Saturday is the last character
        {"1000000", "0:00", At(13, 0, 0, 0), true},    // Sunday the first
        {"1111111", "", At(7, 9, 30, 0), false},
        {"1111111", "9", At(9, 9, 0, 0), false},
        {"1111111", "9:", At(9, 9, 0, 0), false},
        {"1111111", ":30", At(9, 0, 30, 0), false},
        {"1111111", "930", At(9, 9, 30, 0), false},
        {"1111111", "nine:30", At(9, 9, 30, 0), false},
        {"1111111", "24:00", At(9, 0, 0, 0), false},
        {"1111111", "9:30 x", At(9, 9, 30, 0), false},
        {"11", "9:30", At(7, 9, 30, 0), true},   // Monday is the second character
        {"11", "9:30", At(8, 9, 30, 0), false},  // missing weekdays are off
        {"", "9:30", At(7, 9, 30, 0), false},
        {"0x00000", "9:30", At(7, 9, 30, 0), false},
        {"01000001", "9:30", At(7, 9, 30, 0), true},  // an eighth character means nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.cleanDays) + " / " + c.cleanTime + " at day " +
                     std::to_string(c.now.day) + " " + std::to_string(c.now.hour) + ":" +
                     std::to_string(c.now.minute) + ":" + std::to_string(c.now.second));
        sim::Machine machine;
        machine.setSetting("Options", "CleanDays", c.cleanDays);
        machine.setSetting("Options", "CleanTime", c.cleanTime);
        const Schedule schedule = LoadSchedule(machine.profile, machine.settingsFile());
        EXPECT_EQ(IsScheduledNow(schedule, c.now), c.runs);
    }
}

TEST(ScheduleTest, MissingSettingsNeverRun) {
    sim::Machine machine;
    const Schedule schedule = LoadSchedule(machine.profile, machine.settingsFile());
    for (const std::string& flag : schedule.dayFlags) EXPECT_EQ(flag, "0");
    EXPECT_FALSE(IsScheduledNow(schedule, At(7, 0, 0, 0)));
}

TEST(ScheduleTest, ShortDayMaskLeavesTheRestEmpty) {
    sim::Machine machine;
    machine.setSetting("Options", "CleanDays", "010");
    const Schedule schedule = LoadSchedule(machine.profile, machine.settingsFile());
    EXPECT_EQ(schedule.dayFlags, (std::array<std::string, 7>{"0", "1", "0", "", "", "", ""}));
}

TEST(ScheduleTest, TwoTicksFallInTheScheduledMinute) {
    sim::Machine machine;
    machine.setSetting("Options", "CleanDays", "0100000");
    machine.setSetting("Options", "CleanTime", "9:30");
    machine.clock.set(2026, 12, 7, 9, 28, 10);
    const Schedule schedule = LoadSchedule(machine.profile, machine.settingsFile());
    ui::Timer timer1(machine.events, {.intervalMs = 30000, .enabled = true});
    std::vector<std::string> runs;
    timer1.onTick = [&] {
        const LocalTime now = machine.system.now();
        if (IsScheduledNow(schedule, now))
            runs.push_back(std::to_string(now.minute) + ":" + std::to_string(now.second));
    };
    machine.events.advance(5 * 60 * 1000);
    EXPECT_EQ(runs, (std::vector<std::string>{"30:10", "30:40"}));
}

TEST(ScheduleTest, OnlyTheExactWordMinStartsTheStartupClean) {
    for (const char* line : {"min", "MIN", "Min", "min ", " min", "", "min min", "-min"})
        EXPECT_EQ(IsStartupCommandLine(line), std::string(line) == "min") << "[" << line << "]";
}

}  // namespace
}  // namespace hv
