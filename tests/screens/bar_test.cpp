#include <string>
#include <vector>

#include "model/possessions.h"
#include "support/rolls.h"
#include "support/screen_recorder.h"
#include "screens/bar.h"
#include "model/character.h"
#include "model/enemy.h"

namespace {

// The stand-in fight notes each opponent; the player loses the second one.
struct Opponent {
    int strength;
    int hp;
    bool barMusic;
};
std::vector<Opponent> opponents;

void fakeFight(Character& player, Enemy& enemy, Possessions&) {
    opponents.push_back({enemy.getStrength(), enemy.getHp(), battleMusicPlaying});
    if (opponents.size() == 2) player.setHp(0);
}

class Bar : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        opponents.clear();
        setBarFight(fakeFight);
    }
    void TearDown() override {
        setBarFight(nullptr);
        ScreenTest::TearDown();
    }

    RecordingMusic music;
    Character player{20, 10};
    Possessions possessions;
};

TEST_F(Bar, LeavingLowersTheFlagBeforeTheStreetMusicReturns) {
    script.choose(1);
    visitBar(player, possessions);
    EXPECT_EQ(script.shots[0].rows[3].find(" Leave        "), 0u);
    EXPECT_EQ(music.calls, (std::vector<std::string>{"stop", "play .\\Music\\battle.wav", "stop",
                                                     "play .\\Music\\moody2.wav"}));
    EXPECT_FALSE(music.barFlags[3]);
    EXPECT_TRUE(screenIsBlank());
}

TEST_F(Bar, FightsGoOnToTheBarsMusicUntilOneIsLost) {
    ScriptedRandom rolls({4, 99, 0, 0, 0, 0, 0, 0});  // strength, hit points, the enemy's position
    script.choose(0).choose(0);                       // a won fight, then a lost one: out at once
    barMenu(player, possessions);
    ASSERT_EQ(opponents.size(), 2u);
    EXPECT_EQ(opponents[0].strength, 9);
    EXPECT_EQ(opponents[0].hp, 349);
    EXPECT_EQ(opponents[1].strength, 5);
    EXPECT_EQ(opponents[1].hp, 250);
    EXPECT_TRUE(opponents[0].barMusic && opponents[1].barMusic);
    EXPECT_FALSE(battleMusicPlaying);
    EXPECT_EQ(music.calls.size(), 2u);  // the bar's music was started once
    EXPECT_TRUE(script.scriptDone());
}

}  // namespace
