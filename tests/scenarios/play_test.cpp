// Scenarios of play on the shipped world, driven by keys through the headless
// console: the start-up, walking, links, the pause menu, fights won, fled and
// lost, the hospital after a death and the jail after an arrest.

#include <gtest/gtest.h>

#include <utility>

#include "console/quit.h"
#include "screens/start_up.h"
#include "support/beside_link.h"
#include "support/rolls.h"
#include "support/shipped_world.h"
#include "support/timed_keys.h"

namespace {

class Play : public ShippedWorldTest {
protected:
    std::pair<int, int> spot() { return {player.getX(), player.getY()}; }

    // A Bounty Hunter standing on the player's tile.
    void hunterOnPlayer(int hp, int strength) {
        Enemy hunter("Bounty Hunter", hp, strength);
        hunter.setMapName(map().getName());
        hunter.setX(player.getX());
        hunter.setY(player.getY());
        state.enemies.append(hunter);
    }
};

TEST_F(Play, FromTheSplashToTheStreetsOfVancouver) {
    script.hold(VK::Escape, 500);  // held through both splash fades
    script.tap(VK::Enter);         // " New Game  "
    script.pause(600);
    script.tap(VK::Escape);  // ends the introduction
    script.pause(100);
    script.setIdleLimit(3000);
    EXPECT_THROW(startUp(state), ScriptEnded);

    ASSERT_EQ(script.shots.size(), 2u);  // the Enter, and the Escape during the story
    EXPECT_TRUE(script.shots[0].shows("  DRIFTER"));
    EXPECT_TRUE(script.shots[1].shows("You are aware that Abbott Gates"));
    EXPECT_LT(script.shots[0].time, 2500);  // both fades skipped at once
    EXPECT_EQ(mapName(), "Vancouver 1");
    EXPECT_EQ(spot(), std::make_pair(20, 10));
    EXPECT_EQ(scr().charAt(20, 10), 2);  // walking, not paused by the Escape that ended the story
    EXPECT_EQ(textAt(2, 21, 11), "HP: 500/500");
    EXPECT_GT(state.enemies.size(), 10u);
    for (const Enemy& hunter : state.enemies) EXPECT_FALSE(hunter.getMapName() == "map airport");
    EXPECT_EQ(music.calls.back(), "play .\\Music\\moody2.wav");
}

TEST_F(Play, HeldAndTappedArrowsWalkAndTwoArrowsGoDiagonally) {
    newGame();
    script.tap(VK::Right);                  // one tile
    script.hold(VK::Right, 275);            // a tile every 90 ms tick: four
    script.hold({VK::Down, VK::Left}, 50);  // one diagonal step
    play();
    EXPECT_EQ(spot(), std::make_pair(24, 11));
}

// Each tick ends in white on black, whatever the status panel's colours leave
// behind, so the screens it opens clear to black.
TEST_F(Play, ThePauseMenuStandsOnBlackAndTheGameGoesOnAfterIt) {
    newGame();
    script.tap(VK::Escape);
    script.choose(0);  // Continue
    play();
    ASSERT_TRUE(script.at(VK::Enter, 0).shows("   PAUSED"));
    EXPECT_EQ(script.at(VK::Enter, 0).attrs[0][0], 0x0F);
    EXPECT_EQ(player.getX(), 20);
}

// A fled enemy counts as beaten but is not paid for; a felled one is.
TEST_F(Play, FledAndFelledEnemiesLeaveTheMapAndOnlyTheFelledOneIsPaidFor) {
    newGame();
    ZeroRolls zero;
    hunterOnPlayer(300, 5);
    hunterOnPlayer(15, 5);
    script.pause(1);                                 // the first tick's walk must not take the Downs
    script.choose(3);                                // Flee: a roll of 0 gets away
    script.choose(0).tap(VK::Enter).tap(VK::Enter);  // attack, read the blow, read the victory
    play();
    EXPECT_TRUE(script.scriptDone());
    EXPECT_TRUE(script.saw("You received $10!"));
    EXPECT_EQ(possessions.getMoney(), 10);
    EXPECT_EQ(player.getHp(), 500);
    EXPECT_EQ(state.enemies.size(), 0u);
    EXPECT_EQ(music.calls.back(), "play .\\Music\\moody2.wav");
}

TEST_F(Play, DeathInRedmondWakesThePlayerInVancouversHospitalRobbed) {
    newGame();
    currentCity = 5;
    state.currentMap = mapIndex("Redmond 1");
    player.setHp(10);
    possessions.setMoney(300);
    possessions.setBank(700);
    give(possessions, {"Medkit", "Uzi"});
    possessions.addKeyItem(std::make_unique<Key>("level 1 bomb"));
    equippedWeapon = 1;
    wantedLevel = 2;
    ZeroRolls zero;
    hunterOnPlayer(1000, 5);
    script.choose(0).tap(VK::Enter).tap(VK::Enter);  // attack; the hunter's blow kills
    script.choose(2);                                // the hospital: Leave
    play();
    EXPECT_TRUE(script.saw("Hospital"));
    EXPECT_EQ(currentCity, 1);
    EXPECT_EQ(mapName(), "Vancouver 2");
    EXPECT_EQ(spot(), std::make_pair(56, 9));
    EXPECT_EQ(player.getHp(), 500);
    EXPECT_EQ(possessions.getMoney(), 0);
    EXPECT_EQ(possessions.getBank(), 700);
    EXPECT_EQ(possessions.itemCount(), 0);
    EXPECT_EQ(possessions.weaponCount(), 1);
    EXPECT_EQ(possessions.keyItemCount(), 1);
    EXPECT_EQ(equippedWeapon, 0);
    EXPECT_EQ(wantedLevel, 0);
}

TEST_F(Play, LosingToThePoliceEndsInJailWithABribe) {
    newGame();
    currentCity = 2;
    possessions.setMoney(400);
    ZeroRolls zero;
    state.currentMap = mapIndex("Cape Kennedy 3");
    const int toPolice = besideLink(state, "police");
    player.setHp(10);
    script.tap(toPolice);
    script.choose(0).tap(VK::Enter).tap(VK::Enter);  // attack; the police's blow wins
    script.choose(0).choose(0).tap(VK::Enter);       // Bribe Guard, " Yes ", read the release
    play();
    EXPECT_TRUE(script.saw("You paid the cop and have been released."));
    EXPECT_EQ(mapName(), "Cape Kennedy 3");
    EXPECT_EQ(spot(), std::make_pair(18, 11));
    EXPECT_EQ(player.getHp(), 500);
    EXPECT_LT(possessions.getMoney(), 400);
}

// Whatever the player does, the game never fails; the jail's "Give Up and
// Quit" can be mashed too, and play goes on from there.
TEST_F(Play, HalfAnHourOfMashedKeysNeverBreaksTheGame) {
    newGame();
    spawnBountyHunters(state.maps, state.enemies);
    // In each 120 ms one key (or none) is pressed for 100 ms, chosen from a fixed seed.
    const int pool[] = {VK::Left, VK::Right, VK::Up, VK::Down, VK::Enter, VK::Enter, VK::Enter, 0, 0, 0};
    TimedKeys masher(true);
    for (std::int64_t t = 0; t < 30 * 60000; t += 120) {
        const std::uint32_t h = static_cast<std::uint32_t>(t / 120) * 2654435761u;
        if (const int key = pool[(h ^ (h >> 15)) % 10]) masher.at(t, key).at(t + 100, key, KeyAction::Release);
    }
    setHost(&masher);
    for (;;) {
        try {
            explorationLoop(state);
        } catch (const ScriptEnded&) {
            break;
        } catch (const QuitGame&) {}
    }
    EXPECT_GT(masher.now(), 29 * 60000) << "the game stopped before the time was up";
}

}  // namespace
