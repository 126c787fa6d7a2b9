// The internet cafe on the shipped world, reached on foot from a new game's
// start: the first mission's mail, banking, buying and selling, saving, and the saved game
// loaded back from the title and from the cafe.

#include <gtest/gtest.h>

#include <filesystem>

#include "model/save_file.h"
#include "screens/internet_cafe.h"
#include "screens/start_up.h"
#include "support/shipped_world.h"

namespace {

// The shipped maps, in a folder of its own for the saved games.
class CafeVisit : public ShippedWorldTest {
protected:
    CafeVisit() { folder.mirror(std::filesystem::path(DRIFTER_SOURCE_DIR) / "maps", "maps"); }
    // All that a saved game brings back, as the file would hold it.
    static std::string summary(const GameState& game) {
        return formatSavedGame(captureGame(game.possessions, game.player, game.currentMap));
    }

    ScratchFolder folder;
};

TEST_F(CafeVisit, MailBankBuySellSaveAndLoadFromTheTitle) {
    newGame();
    script.tap(VK::Up).tap(VK::Up);   // a step, then the cafe's door
    script.choose(1).tap(VK::Enter);  // the first mail
    script.choose(1).tap(VK::Enter);  // nothing more
    script.choose(2);                 // banking: a loan of 500, 200 of it deposited
    script.choose(2).type("500").tap(VK::Enter);
    script.choose(0).type("200").tap(VK::Enter);
    script.choose(4);
    script.choose(0).choose(0).choose(0).choose(0);             // iBay: a Baseball Bat for $20
    script.choose(16).choose(1).choose(1).choose(0).choose(0);  // a Medkit sold for $100
    script.choose(2).choose(2);
    script.choose(3).choose(0).choose(0).choose(10);  // saved to slot 1
    script.choose(5);
    script.setIdleLimit(1000);
    EXPECT_THROW(explorationLoop(state), ScriptEnded);

    EXPECT_EQ(script.at(VK::Enter, 1).text(0, 1, 23), "Mission Info: Vancouver");
    EXPECT_TRUE(script.at(VK::Enter, 3).shows("Your mailbox is empty."));
    EXPECT_EQ(missionNumber, 1);
    EXPECT_FALSE(mailWaiting);
    // City, cash, balance, loan, the medkit left, the Fist, the C4 and the bat.
    EXPECT_EQ(summary(state).rfind("1\n380\n200\n500\n1\nMedkit\n3\nFist\nC4\nBaseballbat\n", 0), 0u);
    EXPECT_EQ(player.getY(), 8);  // before the door, back on the street
    EXPECT_TRUE(script.saw("Save 1: Vancouver, $380"));

    // A later run of the game loads slot 1 from the title.
    resetGameValues();
    GameState later;
    loadAllMaps(later.maps, later.mapNames);
    resetToNewGame(later);
    script.choose(1).choose(0);  // " Load Game ", slot 1
    EXPECT_TRUE(titleMenu(later));
    EXPECT_EQ(summary(later), summary(state));
    EXPECT_EQ(missionNumber, 1);
}

TEST_F(CafeVisit, LoadingFromTheCafeReturnsToItsMenuAndLeavesOnTheLoadedMap) {
    newGame();
    state.currentMap = 3;
    player.setX(5);
    player.setY(9);
    folder.write("save/save2.sav", summary(state));
    resetToNewGame(state);
    script.choose(4).choose(1);  // Load Game, slot 2
    script.choose(5);
    visitInternetCafe(possessions, player, state.currentMap, state.maps);
    EXPECT_TRUE(script.at(VK::Enter, 2).shows(" Send\\Receive  "));
    EXPECT_EQ(state.currentMap, 3);
    EXPECT_EQ(player.getX(), 5);
    EXPECT_TRUE(screenIsBlank());  // cleared for the map
}

}  // namespace
