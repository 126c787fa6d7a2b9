// A terminal that goes away while the program waits for keys: whether it was
// the program's controlling terminal (the kernel sends SIGHUP too) or only the
// one its input and output were left on (nothing is sent, input just ends),
// the program ends at once with a failing status instead of polling forever.

#include <gtest/gtest.h>
#include <signal.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/pseudo_terminal.h"

namespace {

// A program that outlived the hang-up would spin on after the test: it is
// stopped here, with the shell's other children.
void killChildren(int pid) {
    const std::string id = std::to_string(pid);
    std::ifstream children("/proc/" + id + "/task/" + id + "/children");
    for (int child = 0; children >> child;) ::kill(child, SIGKILL);
}

struct Launch {
    const char* how;
    std::string program;
    std::vector<std::string> arguments;
};

TEST(ClosedTerminal, EndsTheProgramWithinASecond) {
    const Launch launches[] = {
        {"as its controlling terminal", DRIFTER_DEMO_BINARY, {}},
        // setsid leaves the program without a controlling terminal; the shell
        // outlives the hang-up to hand on the program's status.
        {"after setsid", "/bin/sh", {"-c", "trap '' HUP; setsid \"$0\"; exit $?", DRIFTER_DEMO_BINARY}},
    };
    for (const Launch& launch : launches) {
        PseudoTerminal term(launch.program, 80, 25, {"LC_ALL=C.UTF-8"}, launch.arguments);
        ASSERT_TRUE(term.waitFor("Type a number", 4000)) << launch.how << term.transcript();
        term.hangUp();
        const int status = term.waitForExit(1000);
        if (status == -1) killChildren(term.pid());
        EXPECT_NE(status, -1) << launch.how << ": still running a second after the hang-up";
        EXPECT_NE(status, 0) << launch.how;
    }
}

}  // namespace
