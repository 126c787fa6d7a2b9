#include <string>
#include <vector>

#include "support/rolls.h"
#include "support/test_player.h"
#include "screens/bar.h"

namespace {

using Bar = PlayerTest;

TEST_F(Bar, LeavingBringsBackTheStreetMusic) {
    script.choose(1);
    visitBar(player, possessions);
    EXPECT_EQ(music.calls,
              (std::vector<std::string>{"stop", "play .\\Music\\battle.wav", "stop", "play .\\Music\\moody2.wav"}));
    EXPECT_FALSE(battleMusicPlaying);  // the next fight in the street plays its own
    EXPECT_TRUE(screenIsBlank());
}

// A brawler has strength 5 + roll % 5 and 250 + roll % 100 hit points: the
// fist blows he survives show his hit points, the blows he deals his strength.
TEST_F(Bar, FightsGoOnToTheBarsMusicUntilOneIsLost) {
    player.setStrength(100);
    player.setAccuracy(0);  // no getting away
    player.setHp(40);
    ScriptedRandom rolls({4, 99, 0, 0,  // strength 9, 349 hit points, where he stands
                          82, 0, 8, 0,  // a blow of (5 + 82) * 4 leaves him 1; his of 8 % 9 + 20
                          0, 0, 0,      // a blow that fells him; the reward
                          0, 0, 0, 0,   // strength 5, 250 hit points
                          8, 0});       // his blow of 8 % 5 + 20
    script.choose(0).choose(0).tap(VK::Enter).tap(VK::Enter);  // a blow each
    script.choose(0).tap(VK::Enter).tap(VK::Enter);            // the fight won
    script.choose(0).choose(3).tap(VK::Enter);                 // a flight that fails, and the fight lost
    barMenu(player, possessions);
    EXPECT_TRUE(script.saw("You were dealt 28 damage of HP."));
    EXPECT_TRUE(script.saw("You defeated Bounty Hunter!"));
    EXPECT_TRUE(script.saw("You were dealt 23 damage of HP."));
    EXPECT_FALSE(battleMusicPlaying);
    // The bar's music runs through both fights; only the loss ends it.
    EXPECT_EQ(music.calls, (std::vector<std::string>{"stop", "play .\\Music\\battle.wav", "stop",
                                                     "play .\\Music\\finaldeposit.wav"}));
    EXPECT_TRUE(script.scriptDone() && rolls.allUsed());
}

}  // namespace
