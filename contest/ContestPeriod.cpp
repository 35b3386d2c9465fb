#include "contest/ContestPeriod.h"

#include <chrono>

#include "common/Text.h"
#include "contest/ContestRules.h"
#include "contest/LogEntry.h"

namespace kerolt {

bool IsCalendarDate(std::string_view date) {
    if (date.size() != 10 || date[4] != '-' || date[7] != '-')
        return false;
    const int year = DigitsValue(date.substr(0, 4));
    const int month = DigitsValue(date.substr(5, 2));
    const int day = DigitsValue(date.substr(8, 2));
    return year >= 1 && month >= 1 && day >= 1 &&
           std::chrono::year_month_day{std::chrono::year{year},
                                       std::chrono::month{static_cast<unsigned>(month)},
                                       std::chrono::day{static_cast<unsigned>(day)}}
               .ok();
}

std::string ContestPeriodStart(int contestEntry, std::string_view date) {
    return ContestCalendarDate(contestEntry, DigitsValue(Copy(date, 1, 4)));
}

std::string ContestWeekendOf(int contestEntry, std::string_view date, std::string_view time) {
    if (!IsCalendarDate(date) || !IsValidTime(time))
        return {};
    // The day the contest started, if the QSO was in it: the day before for a time before 1200.
    std::string start = ContestDateFromFirstQso(date, time);
    if (start != ContestPeriodStart(contestEntry, date))
        return {};
    return start;
}

bool InContestPeriod(int contestEntry, std::string_view date, std::string_view time) {
    return !ContestWeekendOf(contestEntry, date, time).empty();
}

Message ContestPeriodText(std::string_view contestDate) {
    return Message(KT("Import", "%1 %2 to %3 %4 UTC"),
                   {std::string(contestDate), std::string(ContestStartTime),
                    QsoDate(contestDate, ContestEndTime), std::string(ContestEndTime)});
}

std::optional<int> ContestMinute(std::string_view contestDate, std::string_view time) {
    if (!IsValidTime(time))
        return std::nullopt;
    const int hour = DigitsValue(time.substr(0, 2));
    const int minute = DigitsValue(time.substr(2, 2));
    const bool secondDay = contestDate.empty() ? TextLess(time, ContestStartTime)
                                               : QsoDate(contestDate, time) != contestDate;
    return (secondDay ? ContestMinutes : 0) + (hour - ContestStartHour) * 60 + minute;
}

}  // namespace kerolt
