// The game itself on a real terminal: the program that `make play` runs,
// started from the build in the game's folder. The splash is skipped, a new game begun, the player walks a few
// tiles and quits from the pause menu; the terminal ends as it began.

#include <gtest/gtest.h>

#include "support/tmux_game.h"

namespace {

// The row of the screen that holds the player's yellow face, or -1.
int playerRow(GameInTmux& game) {
    std::istringstream lines(game.colouredScreen());
    std::string line;
    for (int row = 0; std::getline(lines, line); ++row)
        if (line.find("93m\xE2\x98\xBB") != std::string::npos) return row;
    return -1;
}

TEST(TheGame, StartsWalksAndQuitsLeavingTheTerminalAsItWas) {
    if (!hasTmux()) GTEST_SKIP() << "tmux is not installed";
    GameInTmux game("env -C \"" DRIFTER_SOURCE_DIR "\" \"" DRIFTER_GAME_BINARY "\"", 80, 25);
    ASSERT_TRUE(game.toANewGame()) << game.screen();
    const std::string before = game.file("before");
    game.keys("Escape");
    ASSERT_TRUE(eventually([&] { return game.shows("HP: 500/500"); })) << game.screen();
    EXPECT_EQ(playerRow(game), 10);
    EXPECT_TRUE(game.shows("\xE2\x98\xBB") && game.shows("\xE2\x95\x94")) << "code page glyphs as UTF-8";
    EXPECT_NE(game.settings(), before) << "the game runs in raw mode";
    EXPECT_TRUE(game.walk("Down", [&] { return playerRow(game) == 11; })) << game.colouredScreen();
    EXPECT_TRUE(game.walk("Down", [&] { return playerRow(game) == 12; })) << game.colouredScreen();

    game.keys("Escape");
    ASSERT_TRUE(eventually([&] { return game.shows("PAUSED"); })) << game.screen();
    for (int i = 0; i < 4; ++i) {
        game.keys("Down");  // at a person's pace: keys 5 ms apart look like a held key
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
    }
    EXPECT_TRUE(eventually([&] {
        return game.colouredLineWith("Quit Game").find("42m Quit Game") != std::string::npos;
    })) << game.colouredScreen();
    game.keys("Enter");
    ASSERT_TRUE(eventually([&] { return !game.file("status").empty(); })) << game.screen();
    EXPECT_EQ(game.file("status"), "0\n");
    EXPECT_EQ(game.file("after"), before);
    EXPECT_FALSE(game.shows("HP: ")) << game.screen();
}

}  // namespace
