// The real program on a real pseudo-terminal: tmux runs it in a detached
// window of 80x25, the test types keys and reads the window back, glyphs and
// colours included, and compares the terminal's settings before and after.

#include <gtest/gtest.h>

#include "support/tmux_game.h"

namespace {

const std::string demo = std::string("\"") + DRIFTER_DEMO_BINARY + "\"";

class RealTerminal : public ::testing::Test {
protected:
    void SetUp() override {
        if (!hasTmux()) GTEST_SKIP() << "tmux is not installed";
    }
};

TEST_F(RealTerminal, SigtermLeavesTheTerminalAsItWas) {
    GameInTmux game(demo, 80, 25);
    ASSERT_TRUE(eventually([&] { return game.shows("Type a number"); })) << game.screen();
    const std::string before = game.file("before");
    game.signal("TERM");
    ASSERT_TRUE(eventually([&] { return !game.file("status").empty(); }));
    EXPECT_EQ(game.file("status"), "143\n");  // ended by SIGTERM itself
    EXPECT_EQ(game.file("after"), before);
    EXPECT_FALSE(game.shows("DRIFTER")) << game.screen();
}

TEST_F(RealTerminal, StoppedTheShellComesBackAndResumedTheGameIsRedrawnWhole) {
    GameInTmux game(demo, 80, 25, GameInTmux::Shell::Interactive);
    ASSERT_TRUE(eventually([&] { return game.shows("Type a number"); })) << game.screen();
    game.signal("TSTP");
    EXPECT_TRUE(eventually([&] { return game.shows("Stopped") && !game.shows("Type a number"); })) << game.screen();
    game.type("fg");
    game.keys("Enter");
    EXPECT_TRUE(eventually([&] { return game.shows("Type a number") && game.shows("☺☻♥"); })) << game.screen();
    EXPECT_FALSE(game.shows("Stopped"));
    EXPECT_NE(game.settings(), game.file("before"));
    // The game goes on: Quit ends it as usual.
    game.keys("Down");
    EXPECT_TRUE(eventually([&] { return game.colouredLineWith("Quit").find("42m Quit") != std::string::npos; }));
    game.keys("Enter");
    EXPECT_TRUE(eventually([&] { return !game.shows("DRIFTER"); }));
    game.type("echo $? > status");
    game.keys("Enter");
    ASSERT_TRUE(eventually([&] { return !game.file("status").empty(); }));
    EXPECT_EQ(game.file("status"), "0\n");
}

TEST_F(RealTerminal, ASmallWindowIsAskedToGrowAndTheGameGoesOnWhenItFits) {
    GameInTmux game(demo, 60, 20);
    ASSERT_TRUE(eventually([&] { return game.shows("It is now 60 x 20."); })) << game.screen();
    EXPECT_TRUE(game.shows("Please enlarge the window"));
    EXPECT_FALSE(game.shows("DRIFTER"));
    game.tmux("resize-window -t game -x 80 -y 25");
    EXPECT_TRUE(eventually([&] { return game.shows("Type a number") && game.shows("DRIFTER"); })) << game.screen();
    EXPECT_FALSE(game.shows("enlarge"));
}

TEST(NoTerminal, TheProgramSaysSoInOneLineAndFails) {
    const TempFolder dir;
    const std::string d = dir.path().string();
    std::system(("cd '" + d + "' && '" DRIFTER_DEMO_BINARY "' < /dev/null > out 2> err; echo $? > code").c_str());
    EXPECT_EQ(dir.read("code"), "1\n");
    EXPECT_EQ(dir.read("out"), "");
    const std::string err = dir.read("err");
    EXPECT_NE(err.find("terminal"), std::string::npos) << err;
    EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
}

}  // namespace
