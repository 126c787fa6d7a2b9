#include "console/quit.h"
#include "screens/pause_menu.h"
#include "support/temp_folder.h"
#include "support/test_player.h"

namespace {

class PauseScreens : public PlayerTest {
protected:
    void pause() { pauseMenu(player, possessions, state.currentMap, state.maps); }
    void gameOver() { gameOverMenu(possessions, player, state.currentMap, state.maps); }

    ScratchFolder folder;  // no saved games for the load screen to find
};

TEST_F(PauseScreens, EachChoiceOfThePauseMenuActsOnceAndReturnsToAClearedScreen) {
    missionNumber = 2;
    script.choose(0);                             // Continue
    script.choose(1).choose(2);                   // Inventory, then its Exit
    script.choose(2).tap(VK::Enter);              // Mission Brief
    script.choose(3).tap(VK::Up).tap(VK::Enter);  // Load Game, then the slot list's Back
    for (int i = 0; i < 4; ++i) {
        pause();
        EXPECT_TRUE(screenIsBlank()) << i;
    }
    EXPECT_TRUE(script.saw(" Change Equipped Weapon "));
    EXPECT_TRUE(script.saw("Mission Info: Cape Kennedy"));
    EXPECT_TRUE(script.shots.back().shows("Save 10: Empty"));
    EXPECT_TRUE(script.scriptDone());

    script.choose(4);
    EXPECT_THROW(pause(), QuitGame);
}

TEST_F(PauseScreens, TheBriefNamesTheMissionMissionFiveBecomesSixAndOnlyEnterEndsIt) {
    for (int mission : {0, 5}) {
        missionNumber = mission;
        script.tap(VK::Enter);
        missionBrief();
    }
    EXPECT_EQ(script.shots[0].rows[0].find("Mission Info: Vancouver"), 0u);
    EXPECT_EQ(missionNumber, 6);

    missionNumber = 7;  // no such mission: nothing shown, nothing waited for
    missionBrief();
    EXPECT_TRUE(screenIsBlank());

    missionNumber = 1;  // only Enter ends it
    script.setIdleLimit(2000);
    script.tap(VK::Escape).tap(VK::Down);
    EXPECT_THROW(missionBrief(), ScriptEnded);
}

TEST_F(PauseScreens, GameOverReturnsAfterTheLoadScreenOrQuits) {
    possessions.setMoney(123);
    script.choose(0).tap(VK::Up).tap(VK::Enter);
    gameOver();
    EXPECT_TRUE(script.shots.back().shows("Save 10: Empty"));  // the slots, left with Back
    EXPECT_EQ(possessions.getMoney(), 123);

    script.choose(1);
    EXPECT_THROW(gameOver(), QuitGame);
}

}  // namespace
