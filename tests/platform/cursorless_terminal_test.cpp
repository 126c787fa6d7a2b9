// A terminal the game cannot draw on is refused before the game sends it a
// single escape sequence, with a line that says what the game needs.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/pseudo_terminal.h"

namespace {

TEST(CursorlessTerminal, IsRefusedBeforeAnythingIsSent) {
    const std::vector<std::string> environments[] = {{"TERM=dumb"}, {"TERM="}};
    for (const auto& environment : environments) {
        PseudoTerminal term(DRIFTER_DEMO_BINARY, 80, 25, environment);
        EXPECT_EQ(term.waitForExit(4000), 1) << environment[0];
        EXPECT_NE(term.transcript().find("DRIFTER needs a terminal that can place the cursor"), std::string::npos)
            << environment[0] << term.transcript();
        EXPECT_EQ(term.transcript().find('\x1b'), std::string::npos) << environment[0];
    }
    // Without TERM at all.
    PseudoTerminal term("/usr/bin/env", 80, 25, {}, {"-u", "TERM", DRIFTER_DEMO_BINARY});
    EXPECT_EQ(term.waitForExit(4000), 1);
    EXPECT_NE(term.transcript().find("and TERM is not set"), std::string::npos) << term.transcript();
}

}  // namespace
