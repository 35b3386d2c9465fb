#include "contest/LogYear.h"

#include <gtest/gtest.h>

namespace kerolt {
namespace {

TEST(ContestYear, OpenedLogsYearElseCurrentYear) {
    const struct {
        const char* opened;
        int year;
    } cases[] = {
        {"2019-09-21", 2019}, {"1999-10-09", 1999}, {"", 2026},
        {"20x9-09-21", 2026}, {"0000-09-21", 2026}, {"19-09-21", 2026},
    };
    for (const auto& c : cases) EXPECT_EQ(ContestYear(c.opened, 2026), c.year) << c.opened;
}

}  // namespace
}  // namespace kerolt
