#include "cabrillo/QuickCheck.h"

#include <gtest/gtest.h>

namespace kerolt {
namespace {

TEST(QuickCheckTest, VerdictByLineCountAndQsoLines) {
    const struct {
        std::size_t lines;
        bool withQso;
        const char* verdict;
    } cases[] = {{0, false, "Empty log"},       {15, true, "Empty log"},
                 {16, true, "Pass Ok"},         {16, false, "Pass No QSO"},
                 {200, true, "Pass Ok"},        {200, false, "Pass No QSO"},
                 {201, true, "Pass, Nice job"}, {201, false, "Pass, Nice job"}};
    for (const auto& c : cases) {
        std::vector<std::string> lines(c.lines, "SOAPBOX: fine weather");
        if (c.withQso)
            lines[c.lines / 2] = "X-QSO: 14000 CW 2026-09-19 1200 SM5ABC 599 001 DL1AAA 599 005";
        EXPECT_EQ(QuickCheckVerdict(lines).English(), c.verdict)
            << c.lines << " lines, QSO " << c.withQso;
    }
}

}  // namespace
}  // namespace kerolt
