// The mission rows of the event script on the shipped world: the ways into
// the mission maps, the crack, the objectives and their waves, and the final fight with the world that follows it.

#include <gtest/gtest.h>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "screens/location_events.h"
#include "support/rolls.h"
#include "support/shipped_world.h"

namespace {

class MissionRows : public ShippedWorldTest {
protected:
    void SetUp() override {
        ShippedWorldTest::SetUp();
        newGame();
    }
    // The event on the current map; the screen is then blank when the row finished.
    bool run(const char* event) {
        link = event;
        return runLocationEvent(link, player, possessions, state.enemies, state.mapNames, state.maps,
                                state.currentMap);
    }
    void on(const char* mapName) { state.currentMap = state.mapNames.indexOf(mapName); }
    void giveKeyItem(const char* name) { possessions.addKeyItem(std::make_unique<Key>(name)); }
    bool holds(const char* keyItem) { return possessions.findKeyItem(keyItem) != -1; }

    String link;
};

TEST_F(MissionRows, AMissionsMapsOpenOnlyDuringThatMission) {
    missionNumber = 2;
    EXPECT_TRUE(run("map 3-1"));  // barred without a word
    EXPECT_TRUE(screenIsBlank());
    missionNumber = 3;
    EXPECT_FALSE(run("map 3-1"));  // through to the map of that name
    EXPECT_TRUE(run("map 5-1"));   // Redmond's campus never opens: no mission 5 is sent
}

// The story walk opens them all; here they are refused first.
TEST_F(MissionRows, DoorsAndTheElevatorRefuseUntilTheirKeyItemsAreHeld) {
    script.tap(VK::Enter).tap(VK::Enter);
    EXPECT_TRUE(run("map 2-9"));
    EXPECT_TRUE(script.at(VK::Enter, 0).shows("You need a Key to enter this door!"));
    giveKeyItem("map 3 switch 1");
    EXPECT_TRUE(run("silicon elevator 1"));
    EXPECT_TRUE(script.at(VK::Enter, 1).shows("You need to activate the elevator before you can use it!"));
    giveKeyItem("map 2 key");
    EXPECT_FALSE(run("map 2-9"));
}

TEST_F(MissionRows, PlantingC4KeepsTheEquippedWeaponAndReleasesTheWaveOnce) {
    missionNumber = 1;
    mailWaiting = false;
    script.tap(VK::Enter).tap(VK::Enter);
    EXPECT_TRUE(run("level 1 bomb"));
    EXPECT_TRUE(script.at(VK::Enter, 0).shows("You need C4 to complete your mission!"));
    missionNumber = 2;
    EXPECT_TRUE(run("level 1 bomb"));  // nothing to say once the mission is over
    EXPECT_EQ(script.shots.size(), 1u);
    missionNumber = 1;

    give(possessions, {"Baseballbat", "Machete", "C4", "Grenade"});
    equippedWeapon = 3;  // the C4
    state.enemies.clear();
    EXPECT_TRUE(run("level 1 bomb"));
    EXPECT_EQ(equippedWeapon, 2);
    EXPECT_EQ(possessions.findWeapon("C4"), -1);
    EXPECT_TRUE(holds("level 1 bomb"));
    EXPECT_TRUE(mailWaiting);
    EXPECT_EQ(wantedLevel, 3);
    EXPECT_TRUE(script.at(VK::Enter, 1).shows("Please visit the Internet Cafe to recieve your next mission."));
    EXPECT_EQ(script.at(VK::Enter, 1).attrAt(0, 0), 0x0F);
    const std::size_t wave = state.enemies.size();
    EXPECT_GT(wave, 0u);
    for (const Enemy& e : state.enemies) {
        const std::string where = e.getMapName().str();
        EXPECT_TRUE(where.rfind("map 1-", 0) == 0 || where.rfind("Vancouver ", 0) == 0) << where;
    }

    give(possessions, {"C4"});
    EXPECT_TRUE(run("level 1 bomb"));  // silent, the second C4 kept, no second wave
    EXPECT_NE(possessions.findWeapon("C4"), -1);
    EXPECT_EQ(state.enemies.size(), wave);
}

TEST_F(MissionRows, ObjectivesAnswerSilentlyTheSecondTime) {
    struct Case {
        const char* event;
        const char* keyItem;
        int enters;
    };
    for (const Case& c : {Case{"boom", "shuttle plans", 1}, Case{"map 3 mod chip", "map 3 mod chip", 2},
                          Case{"map 4 data disk", "map 4 data disk", 2}}) {
        SCOPED_TRACE(c.event);
        mailWaiting = false;
        state.enemies.clear();
        for (int i = 0; i < c.enters; ++i) script.tap(VK::Enter);
        EXPECT_TRUE(run(c.event));
        EXPECT_TRUE(screenIsBlank());
        EXPECT_TRUE(holds(c.keyItem));
        EXPECT_TRUE(mailWaiting);
        const std::size_t wave = state.enemies.size();
        EXPECT_GT(wave, 0u);
        mailWaiting = false;
        gotoXY(0, 0);
        std::cout << "the map";
        EXPECT_TRUE(run(c.event));
        EXPECT_TRUE(screenShows("the map"));
        EXPECT_FALSE(mailWaiting);
        EXPECT_EQ(state.enemies.size(), wave);
    }
    EXPECT_EQ(wantedLevel, 5);  // the mod chip's alarm
    EXPECT_TRUE(script.saw("The alarms are sounding so every MSA Agent is looking for you!"));
}

TEST_F(MissionRows, C4OpensTheCrackOnceAndItStaysOpen) {
    on("map 3-16");
    script.tap(VK::Enter);
    EXPECT_TRUE(run("map 3 boom"));  // without C4: a look, and back
    EXPECT_EQ(mapName(), "map 3-16");

    give(possessions, {"C4"});
    script.choose(0).tap(VK::Enter);
    EXPECT_TRUE(run("map 3 boom"));
    EXPECT_EQ(mapName(), "map 3-11");
    EXPECT_EQ(possessions.findWeapon("C4"), -1);
    on("map 3-16");
    EXPECT_TRUE(run("map 3 boom"));
    EXPECT_EQ(mapName(), "map 3-11");
}

// Every roll is 110 while Gates fights, then rolls move on so that the
// Bounty Hunters of the new world find floor: the Pointy Stick deals 1200 a
// blow and Gates 30 with strength 100 or 130 with strength 120.
struct FightRolls : RandomSource {
    FightRolls() { setRandomSource(this); }
    ~FightRolls() override { setRandomSource(nullptr); }
    int next() override { return ++calls < 80 ? 110 : calls * 7919 % 32768; }
    int calls = 0;
};

class FinalFight : public MissionRows {
protected:
    // Gates fought with the reply and Enter at every step (the menu's Attack
    // and every message, then the last scene); the blows he dealt.
    int fight(int reply, int enters) {
        FightRolls rolls;
        const std::size_t shown = script.shots.size();
        script.choose(reply);
        for (int i = 0; i < enters; ++i) script.tap(VK::Enter);
        EXPECT_TRUE(run("abbott gates"));
        int blows = 0;
        for (std::size_t i = shown; i < script.shots.size(); ++i)
            blows += script.shots[i].shows("You were Attacked by Abbott Gates") ? 1 : 0;
        return blows;
    }
};

TEST_F(FinalFight, TheReplySetsGatesStrengthAndHitPointsAndVictoryStartsTheWorldAfresh) {
    give(possessions, {"Pointy Stick"});
    equippedWeapon = 1;
    missionNumber = 6;
    currentCity = 6;
    wantedLevel = 4;
    on("map 6-1");
    giveKeyItem("map 4 data disk");
    Enemy agent("MSA Agent", 600, 50);
    agent.setMapName("map 1-3");
    state.enemies.append(agent);

    EXPECT_EQ(fight(1, 12), 4);  // 130 a blow: the fourth ends the player's 500
    EXPECT_TRUE(script.saw("You were dealt 130 damage of HP."));
    EXPECT_EQ(missionNumber, 6);  // a lost fight ends nothing: the loop takes the player away
    EXPECT_FALSE(script.saw("Gates has passed out from blood loss..."));

    player.setHp(500);
    EXPECT_EQ(fight(2, 32), 7);  // 9000 hit points fall to the eighth blow of 1200
    EXPECT_EQ(mapName(), "Vancouver 1");
    EXPECT_EQ(player.getX(), 20);
    EXPECT_EQ(player.getY(), 10);
    EXPECT_FALSE(mailWaiting);
    EXPECT_EQ(wantedLevel, 0);
    EXPECT_EQ(possessions.weaponCount(), 2);  // a second Pointy Stick is refused
    EXPECT_TRUE(holds("map 4 data disk"));
    EXPECT_GT(state.enemies.size(), 10u);
    for (const Enemy& e : state.enemies) EXPECT_EQ(e.getName(), "Bounty Hunter");

    player.setHp(500);
    EXPECT_EQ(fight(0, 35), 8);  // 10000 hit points take a ninth blow
}

}  // namespace
