#include "screens/macro_max.h"
#include "support/rolls.h"
#include "support/temp_folder.h"
#include "support/test_player.h"

namespace {

class MacroMax : public PlayerTest {
protected:
    void SetUp() override {
        PlayerTest::SetUp();
        {
            WorkingFolder inSource{DRIFTER_SOURCE_DIR};
            loadAllMaps(state.maps, state.mapNames);
        }
        resetToNewGame(state);
    }
    void visit() {
        visitMacroMax(possessions, state.enemies, player, state.mapNames, state.maps, state.currentMap);
    }

    ScratchFolder folder;  // no saved games for the game-over menu to find
};

constexpr int buy = 0, steal = 1, leave = 2, yBox = 0;

TEST_F(MacroMax, APurchaseTakesTheExactPriceAndTooLittleCashLeavesTheShop) {
    possessions.setMoney(600);
    script.choose(buy).choose(yBox).choose(0);     // " Yes  ": back to the products, no message
    script.choose(yBox).choose(0).tap(VK::Enter);  // nothing left: back to the store's menu
    script.choose(leave);
    visit();
    EXPECT_EQ(possessions.getMoney(), 0);
    EXPECT_EQ(possessions.itemCount(), 1);
    EXPECT_TRUE(script.at(VK::Enter, 5).shows("You don't have enough money."));
    EXPECT_TRUE(script.at(VK::Enter, 6).shows(" Steal "));
}

TEST_F(MacroMax, ATheftGivesLootAndSendsOnePoliceOfficerPerWantedLevelToTheCitysStreets) {
    currentCity = 4;
    wantedLevel = 2;
    fillBag(possessions, Possessions::MaxItems - 1);
    const std::uint32_t before = state.enemies.size();
    // Loot 30; 22 beats wanted level 3; two products, room for one; then for
    // each officer strength, hp, his place (2, 8) on a street, and the map.
    ScriptedRandom rolls({10, 22, 2, 0, 10, 5, 74, 1, 7, 0, 0, 0, 1, 7, 1, 14, 1, 1, 7, 2});
    script.choose(steal).tap(VK::Enter);
    visit();
    EXPECT_EQ(possessions.getMoney(), 30);
    EXPECT_TRUE(script.saw("You got Y-Box!"));
    EXPECT_FALSE(script.saw("You got FlowerPoint!"));
    ASSERT_EQ(state.enemies.size(), before + 3);
    for (std::uint32_t i = 0; i < 3; ++i) {
        const Enemy& police = state.enemies.at(before + i);
        EXPECT_EQ(police.getName(), "Police");
        EXPECT_EQ(police.getMapName().str(), "Roswell " + std::to_string(i + 1));
    }
    EXPECT_EQ(state.enemies.at(before + 2).getStrength(), 24);
    EXPECT_EQ(state.enemies.at(before).getHp(), 249);

    currentCity = 6;  // Washington sends no police
    wantedLevel = 0;
    possessions.setMoney(2147483640);  // the loot stops at the most cash can hold
    ScriptedRandom quiet({0, 8, 0});   // a roll of 8 beats wanted level 1
    script.choose(steal).tap(VK::Enter);
    visit();
    EXPECT_EQ(state.enemies.size(), before + 3);
    EXPECT_EQ(possessions.getMoney(), 2147483647);
}

TEST_F(MacroMax, ACaughtThiefIsHealedJailedInVancouverAndMayGiveUp) {
    player.setHp(12);
    state.currentMap = state.mapNames.indexOf(String("Vancouver 3"));
    ScriptedRandom rolls({0, 7, 0});  // 7 is caught at wanted level 1; the guard's price
    script.choose(steal).tap(VK::Enter);
    script.choose(2).choose(0).tap(VK::Up).tap(VK::Enter);  // give up; game over: load, Back
    visit();
    EXPECT_TRUE(script.at(VK::Enter, 1).shows("The police have put you in jail!"));
    EXPECT_TRUE(script.saw("GAME OVER"));
    EXPECT_EQ(player.getHp(), player.getMaxHp());
    EXPECT_EQ(state.currentMap, state.mapNames.indexOf(String("Vancouver 1")));
    EXPECT_EQ(std::make_pair(player.getX(), player.getY()), std::make_pair(20, 10));
    EXPECT_TRUE(rolls.allUsed() && script.scriptDone());
}

}  // namespace
