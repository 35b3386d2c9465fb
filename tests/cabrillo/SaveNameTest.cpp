#include "cabrillo/SaveName.h"

#include <gtest/gtest.h>

namespace kerolt {
namespace {

TEST(SaveName, SlashesBecomeDashesAndShortCallsProposeNothingInSave) {
    const struct {
        const char* call;
        const char* onExit;
        const char* inSave;
    } cases[] = {
        {"SM5QQQ/P", "SM5QQQ-P.log", "SM5QQQ-P.log"},
        {"OH/SM5QQQ/M", "OH-SM5QQQ-M.log", "OH-SM5QQQ-M.log"},
        {"SM5 ", "SM5 .log", "SM5 .log"},
        {"ABC", "ABC.log", "ABC.log"},
        {"AB", "AB.log", ""},
        {"", ".log", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProposedLogName(c.call), c.onExit) << c.call;
        EXPECT_EQ(SaveCommandLogName(c.call), c.inSave) << c.call;
    }
}

}  // namespace
}  // namespace kerolt
