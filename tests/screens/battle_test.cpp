#include <gtest/gtest.h>

#include <climits>

#include "screens/battle.h"
#include "screens/fight_support.h"
#include "support/rolls.h"
#include "model/enemy.h"

namespace {

using Calls = std::vector<std::string>;
const std::string battleTune = "play .\\Music\\battle.wav";
const std::string lossTune = "play .\\Music\\finaldeposit.wav";

class Battle : public FightTest {
protected:
    void fight(Enemy& enemy) { battle(player, enemy, possessions); }
    void attack() { pick(0); }
    void flee() { pick(3); }
};

// Enemies are built before the scripted rolls: their placement takes rolls of its own.
TEST_F(Battle, WinningShowsEachBlowAndPaysTheReward) {
    Enemy hunter("Bounty Hunter", 30, 10);
    possessions.setMoney(100);
    // Fist for 20; the hunter's 5 + 20 lands on a roll of 80; Fist for 56;
    // the reward roll 31 % (100 / 3) gives $41.
    ScriptedRandom rolls({0, 0, 5, 80, 9, 0, 31});
    attack(), enter(), enter(), attack(), enter(), enter();
    fight(hunter);
    EXPECT_TRUE(rolls.allUsed());
    EXPECT_EQ(player.getHp(), 475);
    EXPECT_EQ(possessions.getMoney(), 141);
    EXPECT_EQ(music.calls, (Calls{"stop", battleTune}));  // a win leaves the battle music on

    EXPECT_TRUE(script.saw("You deal 20 damage of HP."));
    EXPECT_EQ(shot(3, 40, 2, 17), "HP:       475/500");
    EXPECT_EQ(shot(5, 0, 1, 18), "You received $41! ");
}

TEST_F(Battle, AbbottGatesCannotBeFledAndABlowToExactlyZeroWins) {
    Enemy gates("Abbott Gates", 20, 100);
    gates.setMaxHp(2);                  // too small a third to share: the reward is $10
    possessions.setMoney(INT_MAX - 5);  // and a full purse stops at its limit
    ScriptedRandom rolls({0, 0});
    script.tap(VK::Up), enter();  // Up from Attack wraps to Use Item, the last option
    enter();                      // Back, the only entry: no blow comes back
    attack(), enter(), enter();   // 20 of 20: won, no blow comes back
    fight(gates);
    EXPECT_TRUE(rolls.allUsed());
    EXPECT_EQ(player.getHp(), 500);
    EXPECT_EQ(gates.getHp(), 0);
    EXPECT_EQ(possessions.getMoney(), INT_MAX);
    EXPECT_EQ(shot(0, 2, 7, 15), std::string(15, ' '));
    EXPECT_EQ(shot(1, 0, 2, 7), " Back  ");
    EXPECT_TRUE(script.saw("You received $10!"));
}

TEST_F(Battle, FleeingNeedsARollOfAtMostHalfTheAccuracy) {
    Enemy hunter("Bounty Hunter", 300, 10);
    // 6 % 10 is above 5: caught, and the hunter misses on 81; 15 % 10 = 5 gets away.
    ScriptedRandom rolls({6, 0, 81, 15});
    flee(), enter(), flee();
    fight(hunter);
    EXPECT_TRUE(rolls.allUsed());
    EXPECT_EQ(hunter.getHp(), 0);  // to the caller a flight looks like a win
    EXPECT_EQ(possessions.getMoney(), 0);
    EXPECT_EQ(music.calls, (Calls{"stop", battleTune}));
    EXPECT_EQ(shot(1, 0, 0, 19), "You couldn't flee! ");
}

TEST_F(Battle, LosingPlaysTheFinalDepositAndEndsTheBossMusic) {
    Enemy police("Police", 300, 10);
    bossMusicPlaying = true;  // the final fight's music goes on into the battle
    player.setHp(20);
    player.setAccuracy(0);  // no aim: the flight fails without a roll
    ScriptedRandom rolls({0, 0});
    flee(), enter();
    fight(police);
    EXPECT_TRUE(rolls.allUsed());
    EXPECT_EQ(player.getHp(), 0);
    EXPECT_FALSE(bossMusicPlaying);
    EXPECT_EQ(music.calls, (Calls{"stop", lossTune}));

    music.calls.clear();
    fight(police);  // entered without hit points: over before any key
    EXPECT_EQ(music.calls, (Calls{"stop", battleTune, "stop", lossTune}));
}

TEST_F(Battle, ChangingWeaponsAndBackingOutCostNoTurn) {
    Enemy hunter("Bounty Hunter", 200, 10);
    give(possessions, {"Shotgun"});
    ScriptedRandom rolls({0, 69, 0});  // the shotgun hits below 70, for 50 * 4
    pick(1), pick(2);                  // Change Weapon, Back
    pick(1), pick(1), enter();         // Change Weapon, the shotgun, its message
    attack(), enter(), enter();
    fight(hunter);
    EXPECT_TRUE(rolls.allUsed());
    EXPECT_EQ(equippedWeapon, 1);
    EXPECT_EQ(hunter.getHp(), 0);
    EXPECT_TRUE(script.saw("You selected Shotgun as your weapon."));
    EXPECT_TRUE(script.saw("You Attack Bounty Hunter with Shotgun"));
}

TEST_F(Battle, AMedkitCostsTheTurnEvenAtFullHealth) {
    Enemy hunter("Bounty Hunter", 300, 10);
    give(possessions, {"Medkit"});
    ScriptedRandom rolls({0, 0, 0, 0, 0});
    pick(2), enter(), enter();  // at full health: kept, and the hunter hits for 20
    pick(2), enter(), enter();  // hurt: healed and spent, and hit again
    flee();
    fight(hunter);
    EXPECT_TRUE(rolls.allUsed());
    EXPECT_EQ(player.getHp(), 480);
    EXPECT_EQ(possessions.itemCount(), 0);
    EXPECT_FALSE(script.saw("You used"));  // cleared before the blow: no wait in battle
}

TEST_F(Battle, ASpentGrenadeIsReplacedByTheOtherGrenade) {
    Enemy hunter("Bounty Hunter", 1000, 10);
    give(possessions, {"Baseballbat", "Shotgun", "Grenade", "Grenade"});
    equippedWeapon = 4;
    ScriptedRandom rolls({0, 99, 0, 81, 0});  // a miss spends it all the same
    attack(), enter(), enter(), flee();
    fight(hunter);
    EXPECT_TRUE(rolls.allUsed());
    EXPECT_EQ(possessions.weaponCount(), 4);
    EXPECT_EQ(equippedWeapon, 3);
    EXPECT_EQ(shot(1, 0, 3, 47), "Grenade was disposable, new weapon is Grenade. ");
}

TEST_F(Battle, AnEquippedIndexOffTheListFightsWithTheFist) {
    Enemy hunter("Bounty Hunter", 20, 10);
    equippedWeapon = 3;
    ScriptedRandom rolls({0, 0, 0});
    attack(), enter(), enter();
    fight(hunter);
    EXPECT_EQ(equippedWeapon, 0);
    EXPECT_TRUE(script.saw("You Attack Bounty Hunter with Fist"));
}

}  // namespace
