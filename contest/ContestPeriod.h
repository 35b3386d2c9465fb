#pragma once

// When a QSO counts: the contest weekend of its year, by the contest calendar, from Saturday
// 1200 to Sunday 1159 UTC. Every rule that needs the contest's start asks here.

#include <optional>
#include <string>
#include <string_view>

#include "common/Message.h"
namespace kerolt {

// The contest starts at this hour UTC on its first day (the Saturday) and ends a minute
// before it on the next day.
inline constexpr int ContestStartHour = 12;
// The start as an HHMM text: a time below it (compared as text) is on the second day.
inline constexpr std::string_view ContestStartTime = "1200";
// The last minute, on the second day.
inline constexpr std::string_view ContestEndTime = "1159";
inline constexpr int ContestMinutes = 24 * 60;

// A YYYY-MM-DD date that the calendar has.
bool IsCalendarDate(std::string_view date);

// The Saturday the contest starts in the year of a YYYY-MM-DD date.
std::string ContestPeriodStart(int contestEntry, std::string_view date);

// The Saturday of the contest's weekend a QSO at a YYYY-MM-DD date and HHMM time is in, by the
// calendar of its year; empty when it is in none (or the date or time is none).
std::string ContestWeekendOf(int contestEntry, std::string_view date, std::string_view time);

// From Saturday 1200 to Sunday 1159 UTC of that weekend; false for a date that is no date.
bool InContestPeriod(int contestEntry, std::string_view date, std::string_view time);

// The period that starts on a contest date, as messages name it:
// "2026-10-10 1200 to 2026-10-11 1159 UTC".
Message ContestPeriodText(std::string_view contestDate);

// The minute of the contest (0 at 1200 on the contest date, ContestMinutes - 1 at 1159 the next
// day) of a QSO logged at an HHMM time, its day by QsoDate; none for a time that is no HHMM
// time. An empty contest date puts times before 1200 on the second day.
std::optional<int> ContestMinute(std::string_view contestDate, std::string_view time);

}  // namespace kerolt
