#include <gtest/gtest.h>

#include "console/quit.h"
#include "game/game_values.h"
#include "game/pause_menu.h"
#include "possessions/possessions.h"
#include "support/console_fixture.h"
#include "support/screen_recorder.h"
#include "support/temp_dir.h"
#include "world/character.h"
#include "world/map.h"

namespace {

class PauseScreens : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        setHost(&script);
        resetGameValues();
        possessions.setMoney(123);
    }
    void TearDown() override {
        setPauseInventoryScreen(nullptr);
        resetGameValues();
        ConsoleTest::TearDown();
    }
    void choose(int n) {
        for (int i = 0; i < n; ++i) script.tap(VK::Down);
        script.tap(VK::Enter);
    }
    void pause() { pauseMenu(player, possessions, currentMap, maps); }
    bool screenIsBlank() {
        for (int y = 0; y < ScreenModel::height; ++y)
            if (row(y) != std::string(ScreenModel::width, ' ')) return false;
        return true;
    }

    TempDir folder;  // an empty save folder for the load screen
    ScreenRecorder script;
    Character player{20, 10};
    Possessions possessions;
    Array<Map> maps;
    int currentMap = 1;
};

// Who the stand-in inventory screen was opened for.
Character* inventoryPlayer = nullptr;
Possessions* inventoryPossessions = nullptr;
void fakeInventory(Character& player, Possessions& possessions) {
    inventoryPlayer = &player;
    inventoryPossessions = &possessions;
}

TEST_F(PauseScreens, ThePauseMenuStandsAtColumn35AndContinueGoesBackOnACleanScreen) {
    choose(0);
    pause();
    const Shot& menu = script.shots.front();
    EXPECT_EQ(menu.at(35, 5, 9), "   PAUSED");
    EXPECT_EQ(menu.at(35, 7, 15), " Continue      ");
    EXPECT_EQ(menu.at(35, 8, 15), " Inventory     ");
    EXPECT_EQ(menu.at(35, 9, 15), " Mission Brief ");
    EXPECT_EQ(menu.at(35, 10, 15), " Load Game     ");
    EXPECT_EQ(menu.at(35, 11, 15), " Quit Game     ");
    EXPECT_TRUE(screenIsBlank());
    EXPECT_EQ(possessions.getMoney(), 123);
    EXPECT_EQ(currentMap, 1);
}

TEST_F(PauseScreens, EachChoiceOpensItsScreenOnceAndReturns) {
    setPauseInventoryScreen(fakeInventory);
    choose(1);
    pause();
    EXPECT_EQ(inventoryPlayer, &player);
    EXPECT_EQ(inventoryPossessions, &possessions);
    EXPECT_TRUE(screenIsBlank());

    missionNumber = 2;
    choose(2);
    script.tap(VK::Enter);
    pause();
    EXPECT_EQ(script.shots.back().at(0, 0, 26), "Mission Info: Cape Kennedy");
    EXPECT_TRUE(screenIsBlank());

    choose(3);
    script.tap(VK::Up).tap(VK::Enter);  // the slot list's "Back"
    pause();
    EXPECT_TRUE(script.shots.back().shows("Save 1: Empty"));
    EXPECT_TRUE(screenIsBlank());
    EXPECT_EQ(possessions.getMoney(), 123);
    EXPECT_TRUE(script.scriptDone());
}

TEST_F(PauseScreens, QuitEndsTheGameWithoutAnotherKey) {
    choose(4);
    EXPECT_THROW(pause(), QuitGame);
    EXPECT_TRUE(script.scriptDone());
}

TEST_F(PauseScreens, TheBriefShowsTheCurrentMissionUnderItsHeading) {
    struct Expected {
        int mission;
        const char* heading;
        const char* firstLine;
        const char* lastLine;
        int lastRow;
    };
    const Expected cases[] = {
        {0, "Mission Info: Vancouver", "You must find the internet cafe and receive your first mission objectives.",
         "You will receive any mission specific items as well.", 3},
        {1, "Mission Info: Vancouver", "Infiltrate the Canadian MacroCorp Headquarters.",
         "Just remember MSA Agents will be looking for you!", 4},
        {2, "Mission Info: Cape Kennedy", "NASA has been working on top secret shuttle design.",
         "Return with the plans, and scan in the data.", 4},
        {3, "Mission Info: Silicon Valley", "MacroCorp has created a state-of prototype mod chip.",
         "Your objective is to steal this chip by any means necessary.", 4},
        {4, "Mission Info: Roswell", "Your objective is to find the reknowned Area 51.",
         "located somewhere deep inside the facility.", 4},
        {6, "Misssion Info: Washington", "All that's left is to head to Washington and defeat Abbott Gates!",
         "All that's left is to head to Washington and defeat Abbott Gates!", 2},
    };
    for (const Expected& c : cases) {
        SCOPED_TRACE(c.mission);
        missionNumber = c.mission;
        script.tap(VK::Enter);
        missionBrief();
        const Shot& brief = script.shots.back();
        EXPECT_EQ(brief.rows[0].find(c.heading), 0u);
        EXPECT_EQ(brief.rows[1], std::string(80, ' '));
        EXPECT_EQ(brief.rows[2].find(c.firstLine), 0u);
        EXPECT_EQ(brief.rows[static_cast<std::size_t>(c.lastRow)].find(c.lastLine), 0u);
        EXPECT_EQ(brief.rows[static_cast<std::size_t>(c.lastRow) + 1], std::string(80, ' '));
        EXPECT_EQ(missionNumber, c.mission);
    }
}

TEST_F(PauseScreens, MissionFiveIsBriefedAsWashingtonAndBecomesSix) {
    missionNumber = 5;
    script.tap(VK::Enter);
    missionBrief();
    EXPECT_EQ(script.shots.back().at(0, 0, 25), "Misssion Info: Washington");
    EXPECT_EQ(missionNumber, 6);
}

TEST_F(PauseScreens, OnlyEnterEndsTheBrief) {
    missionNumber = 1;
    script.setIdleLimit(2000);
    script.tap(VK::Escape).tap(VK::Down);
    EXPECT_THROW(missionBrief(), ScriptEnded);
    EXPECT_EQ(textAt(0, 0, 23), "Mission Info: Vancouver");
}

TEST_F(PauseScreens, AnUnknownMissionNumberShowsNothingAndWaitsForNothing) {
    for (int mission : {-1, 7, 100}) {
        missionNumber = mission;
        gotoXY(10, 10);
        std::cout << "old";
        missionBrief();
        EXPECT_TRUE(screenIsBlank());
        EXPECT_EQ(missionNumber, mission);
    }
}

TEST_F(PauseScreens, GameOverOffersLoadingAndReturnsWhenTheLoadScreenIsLeft) {
    currentCity = 3;
    choose(0);
    script.tap(VK::Up).tap(VK::Enter);
    gameOverMenu(possessions, player, currentMap, maps);
    const Shot& menu = script.shots.front();
    EXPECT_EQ(menu.at(35, 5, 9), "GAME OVER");
    EXPECT_EQ(menu.at(35, 7, 11), " Load Game ");
    EXPECT_EQ(menu.at(35, 8, 11), " Quit Game ");
    EXPECT_GE(menu.time, 200);  // a pause before the menu takes keys
    EXPECT_TRUE(script.shots.back().shows("Save 10: Empty"));
    EXPECT_EQ(possessions.getMoney(), 123);
    EXPECT_EQ(currentCity, 3);
    EXPECT_EQ(player.getX(), 20);

    choose(1);
    EXPECT_THROW(gameOverMenu(possessions, player, currentMap, maps), QuitGame);
}

}  // namespace
