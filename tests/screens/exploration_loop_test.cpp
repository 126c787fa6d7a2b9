#include <gtest/gtest.h>

#include "screens/exploration_loop.h"
#include "model/game_state.h"
#include "model/world_support.h"

namespace {

// Three small maps: "Street" (index 0), "Vancouver 3" (index 1) where the game
// starts, and "Hall" (index 2). Links on "Vancouver 3": at (1, 3) "Hall" with
// target (0, 0); at (8, 3) "Street" with target (5, 1), a wall there; at (4, 1)
// "city"; at (4, 5) "nowhere" (an ambush).
class Exploration : public MapFolderTest {
protected:
    void SetUp() override {
        MapFolderTest::SetUp();
        std::vector<std::string> street = room(10, 7);
        street[1][5] = '#';
        writeMap("map 0-1.map", mapText("Street", 9, 6, street));
        std::vector<std::string> start = room(10, 7);
        start[3][0] = '0';
        start[3][9] = '1';
        start[0][4] = '2';
        start[6][4] = '3';
        writeMap("map 0-2.map", mapText("Vancouver 3", 9, 6, start,
                                        {{"Hall", "0 0"}, {"Street", "5 1"}, {"city", "0 0"}, {"nowhere", "0 0"}}));
        writeMap("map 0-3.map", mapText("Hall", 9, 6, room(10, 7)));
        loadAllMaps(state.maps, state.mapNames);
        resetToNewGame(state);
        state.player.setX(3);
        state.player.setY(3);
    }
    void play() {
        keys.setIdleLimit(1000);
        EXPECT_THROW(explorationLoop(state), ScriptEnded);
    }
    Character& player() { return state.player; }

    GameState state;
};

// A target of 0 keeps that coordinate; a target in a wall keeps the player
// where he stood.
TEST_F(Exploration, AMapLinkKeepsZeroCoordinatesAndNeverPutsThePlayerInAWall) {
    player().setX(2);
    keys.tap(VK::Left);  // steps to (1, 3), facing the "Hall" link at (0, 3)
    play();
    EXPECT_EQ(state.currentMap * 100 + player().getX() * 10 + player().getY(), 213);

    keys = HeadlessHost();  // a fresh script
    state.currentMap = 1;
    player().setX(7);
    keys.tap(VK::Right);  // steps to (8, 3), facing the "Street" link
    play();
    EXPECT_EQ(state.currentMap * 100 + player().getX() * 10 + player().getY(), 83);
}

TEST_F(Exploration, TheStatusPanelShowsThePlayersValues) {
    wantedLevel = 3;
    state.possessions.setMoney(120);
    state.possessions.setBank(-5);
    keys.pause(50);
    play();
    EXPECT_EQ(textAt(2, 22, 17), "Wanted Level: ***");
    EXPECT_EQ(textAt(44, 21, 21), "Current Money:   $120");
    EXPECT_EQ(textAt(44, 22, 20), "Account Balance: $-5");
    EXPECT_EQ(scr().charAt(3, 3), 2);  // the player's face, in yellow
    EXPECT_EQ(scr().attrAt(3, 3), 0x0E);
}

TEST_F(Exploration, OnlyTheEnemiesOfThisMapAreDrawnAndMoved) {
    Enemy here("Bounty Hunter", 100, 5), there("Bounty Hunter", 100, 5);
    here.setMapName("Vancouver 3");
    here.setX(7);
    here.setY(5);
    there.setMapName("Hall");
    there.setX(7);
    there.setY(1);
    state.enemies.append(here);
    state.enemies.append(there);
    ZeroRolls zero;  // no chase step, and a wander that stays put
    keys.pause(50);
    play();
    EXPECT_EQ(scr().charAt(7, 5), 2);
    EXPECT_EQ(scr().attrAt(7, 5), 0x0C);
    EXPECT_EQ(scr().charAt(7, 1), ' ');
}

}  // namespace
