#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/game_values.h"
#include "possessions/possessions.h"
#include "support/console_fixture.h"
#include "support/screen_recorder.h"
#include "world/bar.h"
#include "world/character.h"
#include "world/enemy.h"
#include "world/world_support.h"

namespace {

// What the stand-in fight saw of each opponent; the player loses the fight
// whose number is losingFight (from 1).
struct Opponent {
    std::string name;
    int strength;
    int hp;
    bool barMusic;
};
std::vector<Opponent> opponents;
int losingFight = 0;

void fakeFight(Character& player, Enemy& enemy, Possessions&) {
    opponents.push_back({enemy.getName().str(), enemy.getStrength(), enemy.getHp(), battleMusicPlaying});
    if (static_cast<int>(opponents.size()) == losingFight)
        player.setHp(0);
    else
        enemy.setHp(0);
}

class Bar : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        setHost(&script);
        resetGameValues();
        opponents.clear();
        losingFight = 0;
        setBarFight(fakeFight);
    }
    void TearDown() override {
        setBarFight(nullptr);
        resetGameValues();
        ConsoleTest::TearDown();
    }

    ScreenRecorder script;
    RecordingMusic music;
    Character player{20, 10};
    Possessions possessions;
};

TEST_F(Bar, LeavingRestoresTheStreetMusicAfterTheFlagIsDown) {
    script.tap(VK::Down).tap(VK::Enter);
    visitBar(player, possessions);
    const Shot& bar = script.shots.front();
    EXPECT_EQ(bar.at(0, 0, 4), "Bar ");
    EXPECT_EQ(bar.at(0, 2, 14), " Pick a fight ");
    EXPECT_EQ(bar.at(0, 3, 14), " Leave        ");
    EXPECT_EQ(music.calls, (std::vector<std::string>{"stop", "play .\\Music\\battle.wav", "stop",
                                                     "play .\\Music\\moody2.wav"}));
    EXPECT_EQ(music.barFlags, (std::vector<bool>{false, false, false, false}));
    EXPECT_FALSE(battleMusicPlaying);
    EXPECT_EQ(row(0), std::string(80, ' '));
    EXPECT_TRUE(opponents.empty());
}

TEST_F(Bar, FightsGoOnToTheBarsMusicUntilOneIsLost) {
    ScriptedRandom rolls({4, 99, 0, 0, 0, 0, 0, 0});  // strength, hit points, then the enemy's position
    losingFight = 2;
    script.tap(VK::Enter);  // pick a fight, and win
    script.tap(VK::Enter);  // pick another, and lose: out at once
    barMenu(player, possessions);
    ASSERT_EQ(opponents.size(), 2u);
    EXPECT_EQ(opponents[0].name, "Bounty Hunter");
    EXPECT_EQ(opponents[0].strength, 9);
    EXPECT_EQ(opponents[0].hp, 349);
    EXPECT_EQ(opponents[1].strength, 5);
    EXPECT_EQ(opponents[1].hp, 250);
    EXPECT_TRUE(opponents[0].barMusic);
    EXPECT_TRUE(opponents[1].barMusic);
    EXPECT_FALSE(battleMusicPlaying);
    EXPECT_EQ(music.calls, (std::vector<std::string>{"stop", "play .\\Music\\battle.wav"}));
    EXPECT_TRUE(script.scriptDone());
    EXPECT_TRUE(rolls.allUsed());
}

}  // namespace
