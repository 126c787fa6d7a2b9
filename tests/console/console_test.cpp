#include <gtest/gtest.h>

#include "console/console.h"
#include "support/console_fixture.h"

namespace {

class Console : public ConsoleTest {};

TEST_F(Console, ClearScreenTakesTheCurrentColour) {
    gotoXY(10, 5);
    std::cout << "text";
    setColor(2, 7);
    clearScreen();
    EXPECT_EQ(textAt(10, 5, 4), "    ");
    EXPECT_EQ(scr().attrAt(79, 24), 0x27);
}

TEST_F(Console, WritingWrapsAtTheRightEdgeAndNeverScrolls) {
    gotoXY(78, 3);
    std::cout << "abc";
    EXPECT_EQ(textAt(78, 3, 2), "ab");
    EXPECT_EQ(textAt(0, 4, 1), "c");
    gotoXY(0, 24);
    std::cout << "last\n";
    EXPECT_EQ(scr().cursorY(), 25);  // below the screen until the next move
    std::cout << "hidden";
    EXPECT_EQ(textAt(0, 0, 6), "      ");  // nothing scrolled into view
    EXPECT_EQ(textAt(0, 24, 4), "last");
}

TEST_F(Console, PressWaitsForTheReleaseWhileHeldRepeats) {
    keys.hold(VK::Enter, 500);
    EXPECT_TRUE(keyPressed(VK::Enter, true));
    const auto pressedAt = host().now();
    delayMs(100);
    EXPECT_TRUE(keyPressed(VK::Enter, true));  // still down: true again
    EXPECT_TRUE(keyPressed(VK::Enter, false));
    EXPECT_EQ(host().now(), pressedAt + 500);  // returned only after the release
    EXPECT_FALSE(keyPressed(VK::Enter, false));
    EXPECT_FALSE(keyPressed(VK::Escape, true));
}

class Fade : public ConsoleTest {
protected:
    const char* lines[3] = {"DRIFTER", "a game", nullptr};
};

// Notes when the first letter changes colour (-1 while it is not drawn), as
// seen each time the fade waits.
struct FadeWatch : HeadlessHost {
    void waitUntil(std::int64_t deadline) override {
        const int colour = screen().charAt(0, 0) == 'D' ? screen().attrAt(0, 0) : -1;
        if (changes.empty() || changes.back().second != colour) changes.emplace_back(now(), colour);
        HeadlessHost::waitUntil(deadline);
    }
    std::vector<std::pair<std::int64_t, int>> changes;
};

TEST_F(Fade, BrightensHoldsAndDarkensInItsPhases) {
    FadeWatch watch;
    setHost(&watch);
    EXPECT_FALSE(fadeText(lines, 1000, 200, VK::Escape));
    EXPECT_EQ(watch.now(), 1000 + 6 * 200);
    // Dark grey, grey, white after a blank step; white held; then back to black.
    const std::vector<std::pair<std::int64_t, int>> phases = {{0, -1},   {200, 8},  {400, 7}, {600, 15},
                                                              {1600, 7}, {1800, 8}, {2000, 0}};
    EXPECT_EQ(watch.changes, phases);
    EXPECT_EQ(textAt(0, 1, 6), "a game");
}

TEST_F(Fade, ASkipKeyPressedLaterIsNoticedWithinAPoll) {
    keys.pause(900).hold(VK::Escape, 100);
    EXPECT_TRUE(fadeText(lines, 5000, 200, VK::Escape));
    EXPECT_LT(keys.now(), 1000);
}

}  // namespace
