#pragma once

// Which year's contest date leaving the station page takes.

#include <string_view>

namespace kerolt {

// The year of an opened log's contest date (YYYY-MM-DD), so that mending last year's log
// keeps its QSO dates; currentYear when no log with QSOs was opened (empty date) or the date
// holds no year of four digits.
int ContestYear(std::string_view openedContestDate, int currentYear);

}  // namespace kerolt
