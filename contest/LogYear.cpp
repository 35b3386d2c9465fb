#include "contest/LogYear.h"

#include "common/Text.h"

namespace kerolt {

int ContestYear(std::string_view openedContestDate, int currentYear) {
    if (openedContestDate.size() < 4 || CharAt(openedContestDate, 5) != '-')
        return currentYear;
    const int year = DigitsValue(openedContestDate.substr(0, 4));
    return year >= 1 ? year : currentYear;
}

}  // namespace kerolt
