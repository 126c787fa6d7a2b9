// The program on a terminal that speaks the kitty keyboard protocol: the test
// plays the terminal, answers the queries, and sends key events with their
// press and release, so held keys are exact.

#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include "support/pseudo_terminal.h"

namespace {

const char query[] = "\x1b[?u\x1b[c";
const char attributes[] = "\x1b[?62;22c";
constexpr int patienceMs = 4000;

std::string press(const std::string& key) { return "\x1b[" + key + "u"; }
std::string release(const std::string& key) { return "\x1b[" + key + ";1:3u"; }
std::string tap(const std::string& key) { return press(key) + release(key); }
const std::string downPress = "\x1b[B";
const std::string downRelease = "\x1b[1;1:3B";

// Starts the game and answers its questions as a kitty terminal that grants `granted`.
void startKitty(PseudoTerminal& term, int granted) {
    ASSERT_TRUE(term.waitFor(query, patienceMs)) << term.transcript();
    term.type(std::string("\x1b[?0u") + attributes);
    ASSERT_TRUE(term.waitFor("\x1b[>11u", patienceMs)) << term.transcript();
    ASSERT_TRUE(term.waitFor(query, patienceMs));
    term.type("\x1b[?" + std::to_string(granted) + "u" + attributes);
}

TEST(KittyTerminal, HeldKeysAreExactAndTheFlagsArePoppedOnTheWayOut) {
    PseudoTerminal term(DRIFTER_DEMO_BINARY, 80, 25, {"LC_ALL=C.UTF-8"});
    startKitty(term, 11);
    // The whole first frame, ending with the line that tells the key mode.
    ASSERT_TRUE(term.waitFor("Keys: exact", patienceMs)) << term.transcript();

    // Down held: the menu moves only when it is released.
    term.type(downPress);
    term.drain(300);
    EXPECT_EQ(term.sinceLastMatch().find(" Quit"), std::string::npos) << "moved before the release";
    term.type(downRelease);
    ASSERT_TRUE(term.waitFor("42m Quit", patienceMs)) << term.sinceLastMatch();

    // Back up, choose, type 4 2 and Enter as kitty key events.
    term.type(downPress + downRelease);
    // Its cells are sent again in the highlight (the colour is already in force).
    ASSERT_TRUE(term.waitFor(" Type a number ", patienceMs));
    term.type(tap("13"));
    ASSERT_TRUE(term.waitFor("press Enter", patienceMs)) << term.transcript();
    for (const char* key : {"52", "50"}) {
        term.type(tap(key));
        term.drain(150);
    }
    term.type(tap("13"));
    ASSERT_TRUE(term.waitFor("You typed 42.", patienceMs)) << term.transcript();

    term.type(downPress + downRelease);
    ASSERT_TRUE(term.waitFor("42m Quit", patienceMs));
    term.type(tap("13"));
    EXPECT_EQ(term.waitForExit(patienceMs), 0);
    const std::string& all = term.transcript();
    const auto pop = all.rfind("\x1b[<u");
    ASSERT_NE(pop, std::string::npos);
    EXPECT_LT(pop, all.rfind("\x1b[?1049l")) << "flags popped on the game's own screen";
    EXPECT_LT(all.rfind("\x1b[?1049h"), pop);
}

TEST(KittyTerminal, WithoutReleaseEventsTheKeysAreEmulatedAndCtrlCStillStopsTheGame) {
    PseudoTerminal term(DRIFTER_DEMO_BINARY, 80, 25, {"LC_ALL=C.UTF-8"});
    startKitty(term, 1);  // disambiguation only
    ASSERT_TRUE(term.waitFor("Keys: presses and repeats", patienceMs)) << term.transcript();
    term.type("\x1b[99;5u");  // Ctrl+C as a key
    EXPECT_EQ(term.waitForExit(patienceMs), 128 + SIGINT);
    EXPECT_NE(term.sinceLastMatch().find("\x1b[<u"), std::string::npos);
    EXPECT_NE(term.sinceLastMatch().find("\x1b[?1049l"), std::string::npos);
}

TEST(LegacyTerminal, ASilentTerminalIsGivenUpOnAsciiLocalesGetAsciiGlyphsAndAFailedStopComesBack) {
    PseudoTerminal term(DRIFTER_DEMO_BINARY, 80, 25, {"LC_ALL=C"});
    ASSERT_TRUE(term.waitFor(query, patienceMs));
    // No answer at all: the game starts after the detection gives up.
    ASSERT_TRUE(term.waitFor("@@v :%# # -|++=|", patienceMs)) << term.transcript();
    for (unsigned char c : term.transcript()) EXPECT_LT(c, 0x80);
    // Ctrl+Z where stopping is not possible (this group has no shell to
    // return to): the terminal is restored, then taken back and redrawn.
    term.signal(SIGTSTP);
    ASSERT_TRUE(term.waitFor("\x1b[?1049l", patienceMs));
    ASSERT_TRUE(term.waitFor("\x1b[?1049h", patienceMs));
    EXPECT_TRUE(term.waitFor("DRIFTER", patienceMs)) << term.sinceLastMatch();
    term.signal(SIGTERM);
    EXPECT_EQ(term.waitForExit(patienceMs), 128 + SIGTERM);
}

}  // namespace
