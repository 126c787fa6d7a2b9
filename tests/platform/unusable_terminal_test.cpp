// Terminals the game cannot go on with: one that goes away while the game
// waits for keys, and one that cannot place the cursor.

#include <gtest/gtest.h>
#include <signal.h>

#include <fstream>
#include <string>
#include <vector>

#include "support/pseudo_terminal.h"

namespace {

// A program that outlived the hang-up would spin on after the test: it is
// stopped here, with the shell's other children.
void killChildren(int pid) {
    const std::string id = std::to_string(pid);
    std::ifstream children("/proc/" + id + "/task/" + id + "/children");
    for (int child = 0; children >> child;) ::kill(child, SIGKILL);
}

// Whether it was the program's controlling terminal (the kernel sends SIGHUP
// too) or only the one its input and output were left on (nothing is sent,
// input just ends), the program ends at once with a failing status.
TEST(UnusableTerminal, AClosedOneEndsTheProgramWithinASecond) {
    const std::vector<std::string> launches[] = {
        {DRIFTER_DEMO_BINARY},
        // setsid leaves the program without a controlling terminal; the shell
        // outlives the hang-up to hand on the program's status.
        {"/bin/sh", "-c", "trap '' HUP; setsid \"$0\"; exit $?", DRIFTER_DEMO_BINARY},
    };
    for (const auto& launch : launches) {
        PseudoTerminal term(launch[0], 80, 25, {"LC_ALL=C.UTF-8"}, {launch.begin() + 1, launch.end()});
        ASSERT_TRUE(term.waitFor("Type a number", 4000)) << launch.size() << term.transcript();
        term.hangUp();
        const int status = term.waitForExit(1000);
        if (status == -1) killChildren(term.pid());
        EXPECT_NE(status, -1) << launch.size() << ": still running a second after the hang-up";
        EXPECT_NE(status, 0) << launch.size();
    }
}

// Refused before a single escape sequence is sent, with a line that says why.
TEST(UnusableTerminal, OneThatCannotPlaceTheCursorIsRefused) {
    const std::vector<std::string> settings[] = {{"TERM=dumb"}, {"TERM="}, {"-u", "TERM"}};
    for (std::vector<std::string> arguments : settings) {
        arguments.push_back(DRIFTER_DEMO_BINARY);
        PseudoTerminal game("/usr/bin/env", 80, 25, {}, arguments);
        EXPECT_EQ(game.waitForExit(4000), 1) << arguments[0];
        const std::string shown = game.transcript();
        EXPECT_NE(shown.find("needs a terminal that can place the cursor; TERM is"), std::string::npos) << shown;
        EXPECT_EQ(shown.find('\x1b'), std::string::npos) << arguments[0];
    }
}

}  // namespace
