// The player's own keys through the real screens: h j k l and W A S D walk
// and move menus like the arrows, keys.conf rebinds them (a broken line is
// told on the title screen and changes nothing), and letters never type into
// an amount.

#include <gtest/gtest.h>

#include "console/dialogs.h"
#include "console/key_bindings.h"
#include "console/menu.h"
#include "model/game_state.h"
#include "model/world_support.h"
#include "platform/key_file.h"
#include "screens/exploration_loop.h"
#include "screens/start_up.h"
#include "support/timed_keys.h"

namespace {

class PlayerKeys : public MapFolderTest {
protected:
    void SetUp() override {
        MapFolderTest::SetUp();
        writeMap("map 0-1.map", mapText("Vancouver 3", 9, 6, room(10, 7)));
        loadAllMaps(state.maps, state.mapNames);
        resetToNewGame(state);
        state.currentMap = 0;
        state.player.setX(4);
        state.player.setY(3);
    }
    // Walks with the keys of the script; where the player ends, as x * 10 + y.
    int walk() {
        keys.setIdleLimit(500);
        EXPECT_THROW(explorationLoop(state), ScriptEnded);
        return state.player.getX() * 10 + state.player.getY();
    }

    GameState state;
};

TEST_F(PlayerKeys, LettersOfEitherCaseWalkAndMoveMenusLikeTheArrows) {
    for (int key : {'L', 'L', 'J', 'H', 'K', 'K'}) keys.tap(key);  // vi keys: east twice, south, west, north twice
    EXPECT_EQ(walk(), 52);
    keys = HeadlessHost();
    for (int key : {'D', 'S', 'S', 'A', 'A', 'A', 'W'}) keys.tap(key);
    EXPECT_EQ(walk(), 33);

    keys = HeadlessHost();
    keys.tap('J').tap('S').tap(VK::Down).tap('K').tap(VK::Enter);
    EXPECT_EQ(menu("Pick", options({" One ", " Two ", " Three ", " Four "}), false), 2);
    keys.tap('W').tap(VK::Enter);  // up wraps to the last
    EXPECT_EQ(menu("Pick", options({" One ", " Two ", " Three "}), false), 2);
}

TEST_F(PlayerKeys, AKeysFileRebindsAndABrokenLineIsToldOnTheTitleScreenWithTheDefaultsKept) {
    folder.write("keys.conf",
                 "# my keys\n"
                 "left = x, Left   # the arrow too\n"
                 "right = q\n"
                 "jump = z\n"
                 "up = k, Keypad8\n"
                 "down\n");
    readKeysFile(folder.path() / "keys.conf");
    ASSERT_EQ(keyFileProblems().size(), 3u);
    EXPECT_NE(keyFileProblems()[0].find("keys.conf line 4: \"jump\" is no action"), std::string::npos);
    EXPECT_NE(keyFileProblems()[1].find("keys.conf line 5: \"Keypad8\" is no key"), std::string::npos);
    EXPECT_NE(keyFileProblems()[2].find("keys.conf line 6"), std::string::npos);
    EXPECT_EQ(keyBindings().lines(),
              (std::vector<std::string>{"up = Up, k, w", "down = Down, j, s", "left = x, Left", "right = q",
                                        "choose = Enter", "back = Escape", "help = F1, ?"}));

    keys.tap('X').tap('X').tap('Q').tap(VK::Left).tap('K');
    EXPECT_EQ(walk(), 22);
    keys = HeadlessHost();
    keys.tap('D');  // no longer a key of the game: never polled
    EXPECT_THROW(explorationLoop(state), ScriptEnded);
    EXPECT_EQ(state.player.getX(), 2);

    keys = HeadlessHost();
    keys.tap(VK::Down).tap(VK::Down).tap(VK::Enter);  // Quit
    EXPECT_FALSE(titleMenu(state));
    EXPECT_NE(row(24).find("keys.conf line 4: \"jump\" is no action; defaults kept"), std::string::npos) << row(24);
}

TEST_F(PlayerKeys, DigitsTypeAnAmountAndLettersNever) {
    TimedKeys typed(false);  // as a terminal without key releases sends them
    setHost(&typed);
    std::int64_t t = 100;
    for (int key : {int{'1'}, int{'H'}, int{'2'}, int{'Q'}, int{'W'}, int{'3'}, VK::Enter}) typed.at(t += 400, key);
    EXPECT_EQ(readNumber(10, 5), 123u);
    EXPECT_EQ(row(5).find("123"), 10u) << row(5);
    setHost(&keys);
}

}  // namespace
