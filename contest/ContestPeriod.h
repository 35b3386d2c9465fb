#pragma once

// When a QSO counts: the contest weekend of its year, by the contest calendar.

#include <string>
#include <string_view>

namespace kerolt {

// A YYYY-MM-DD date that the calendar has.
bool IsCalendarDate(std::string_view date);

// The Saturday the contest starts in the year of a YYYY-MM-DD date.
std::string ContestPeriodStart(int contestEntry, std::string_view date);

// From Saturday 1200 to Sunday 1159 UTC of that weekend; false for a date that is no date.
bool InContestPeriod(int contestEntry, std::string_view date, std::string_view time);

}  // namespace kerolt
