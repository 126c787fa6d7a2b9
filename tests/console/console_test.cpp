#include <gtest/gtest.h>

#include "console/console.h"
#include "support/console_fixture.h"

namespace {

class Console : public ConsoleTest {};

TEST_F(Console, ClearScreenTakesTheCurrentColourAndHomesTheCursor) {
    gotoXY(10, 5);
    std::cout << "text";
    setColor(2, 7);
    clearScreen();
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 80; ++x) {
            ASSERT_EQ(scr().charAt(x, y), ' ');
            ASSERT_EQ(scr().attrAt(x, y), 0x27);
        }
    EXPECT_EQ(scr().cursorX(), 0);
    EXPECT_EQ(scr().cursorY(), 0);
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

TEST_F(Console, PrintBlockDrawsARectangleFromTheCursor) {
    Array<String> lines;
    lines.append("%C0Cab");
    lines.append("cd");
    gotoXY(5, 2);
    printBlock(std::cout, lines);
    EXPECT_EQ(textAt(5, 2, 2), "ab");
    EXPECT_EQ(textAt(5, 3, 2), "cd");
    EXPECT_EQ(scr().attrAt(5, 3), 0x0C);
}

class Fade : public ConsoleTest {
protected:
    const char* lines[3] = {"DRIFTER", "a game", nullptr};
};

// Observes the screen each time the fade waits, through a host that records
// the colour of the first letter at every virtual moment.
class RecordingHost : public HeadlessHost {
public:
    std::vector<std::pair<std::int64_t, int>> samples;
    void waitUntil(std::int64_t deadline) override {
        samples.emplace_back(now(), screen().charAt(0, 0) == 'D' ? screen().attrAt(0, 0) : -1);
        HeadlessHost::waitUntil(deadline);
    }
    // The colour shown at moment t: the last sample taken at or before t.
    int colourAt(std::int64_t t) const {
        int colour = -2;
        for (const auto& s : samples)
            if (s.first <= t) colour = s.second;
        return colour;
    }
};

TEST_F(Fade, BrightensHoldsAndDarkensInItsPhases) {
    RecordingHost rec;
    setHost(&rec);
    EXPECT_FALSE(fadeText(lines, 1000, 200, VK::Escape));
    EXPECT_EQ(rec.now(), 1000 + 6 * 200);
    // Dark grey, grey, white after a blank step; white held; then back to black.
    const int phases[][2] = {{100, -1}, {250, 8}, {450, 7}, {650, 15}, {1500, 15}, {1650, 7}, {1850, 8}, {2050, 0}};
    for (const auto& p : phases) EXPECT_EQ(rec.colourAt(p[0]), p[1]) << p[0];
    EXPECT_EQ(textAt(0, 1, 6), "a game");
}

TEST_F(Fade, ASkipKeyPressedLaterIsNoticedWithinAPoll) {
    keys.pause(900).hold(VK::Escape, 100);
    EXPECT_TRUE(fadeText(lines, 5000, 200, VK::Escape));
    EXPECT_LT(keys.now(), 1000);
}

}  // namespace
