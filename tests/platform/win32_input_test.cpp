// The program on Windows Terminal reached through ssh: the terminal answers
// the device attributes query but not kitty's, so the game asks for
// win32-input-mode and then gets key downs and key ups.

#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include "support/pseudo_terminal.h"

namespace {

constexpr int patienceMs = 4000;
const std::string downKeyDown = "\x1b[40;80;0;1;256;1_";
const std::string downKeyUp = "\x1b[40;80;0;0;256;1_";

TEST(WindowsTerminal, KeyDownsAndUpsMakeTheKeysExactAndTheModeIsTurnedOffOnTheWayOut) {
    PseudoTerminal term(DRIFTER_DEMO_BINARY, 80, 25, {"LC_ALL=C.UTF-8"});
    ASSERT_TRUE(term.waitFor("\x1b[?u\x1b[c", patienceMs)) << term.transcript();
    term.type("\x1b[?61;6;7;22;23;24;28;32;42c");
    ASSERT_TRUE(term.waitFor("\x1b[?9001h", patienceMs)) << term.transcript();
    ASSERT_TRUE(term.waitFor("Keys: ", patienceMs)) << term.transcript();

    // Down held: once key ups are seen to come, the menu moves only on the key up.
    term.type(downKeyDown + downKeyUp);
    ASSERT_TRUE(term.waitFor("42m Quit", patienceMs)) << term.sinceLastMatch();
    term.type(downKeyDown + downKeyDown);
    term.drain(300);
    EXPECT_EQ(term.sinceLastMatch().find(" Type a number"), std::string::npos) << "moved before the key up";
    term.type(downKeyUp);
    ASSERT_TRUE(term.waitFor(" Type a number", patienceMs)) << term.sinceLastMatch();

    // Left Ctrl with C stops the game, which turns the mode off on its own screen.
    term.type("\x1b[17;29;0;1;8;1_\x1b[67;46;3;1;8;1_");
    EXPECT_EQ(term.waitForExit(patienceMs), 128 + SIGINT);
    const std::string& all = term.transcript();
    const auto off = all.rfind("\x1b[?9001l");
    ASSERT_NE(off, std::string::npos);
    EXPECT_LT(off, all.rfind("\x1b[?1049l"));
}

}  // namespace
