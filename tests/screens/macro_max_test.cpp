#include <deque>

#include "model/game_state.h"
#include "screens/macro_max.h"
#include "support/rolls.h"
#include "support/screen_recorder.h"
#include "support/temp_folder.h"

namespace {

// The given rolls first, then ever-changing ones (for the police's search for
// floor on their map).
struct RollsThenAny : RandomSource {
    explicit RollsThenAny(std::deque<int> first) : rolls(std::move(first)) { setRandomSource(this); }
    ~RollsThenAny() override { setRandomSource(nullptr); }
    int next() override {
        if (rolls.empty()) return (counter = counter * 75 + 74) % 32768;
        const int roll = rolls.front();
        rolls.pop_front();
        return roll;
    }
    std::deque<int> rolls;
    int counter = 1;
};

class MacroMax : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        {
            WorkingFolder inSource{DRIFTER_SOURCE_DIR};
            loadAllMaps(state.maps, state.mapNames);
        }
        resetToNewGame(state);
    }
    void visit() {
        visitMacroMax(state.possessions, state.enemies, state.player, state.mapNames, state.maps, state.currentMap);
    }

    TempFolder folder;  // no saved games for the game-over menu to find
    WorkingFolder inFolder{folder.path()};
    GameState state;
};

constexpr int buy = 0, steal = 1, leave = 2, yBox = 0, back = 11;

TEST_F(MacroMax, APurchaseTakesTheExactPriceAndTooLittleCashLeavesTheShop) {
    Possessions& p = state.possessions;
    p.setMoney(600);
    script.choose(buy).choose(yBox).choose(0);  // " Yes  ": back to the products, no message
    script.choose(yBox).choose(1);              // " Back "
    script.choose(yBox).choose(0).tap(VK::Enter);  // no money left: back to the store's menu
    script.choose(leave);
    visit();
    EXPECT_EQ(p.getMoney(), 0);
    ASSERT_EQ(p.itemCount(), 1);
    EXPECT_TRUE(p.getItem(0)->getName() == "Y-Box");
    EXPECT_TRUE(script.saw("Are you sure you want to purchase Y-Box for $600?"));
    EXPECT_TRUE(script.at(VK::Enter, 5).shows("Macro Max Items"));
    EXPECT_TRUE(script.at(VK::Enter, 7).shows("You don't have enough money."));
    EXPECT_TRUE(script.at(VK::Enter, 8).shows(" Steal "));
    EXPECT_TRUE(script.scriptDone());
    EXPECT_TRUE(screenIsBlank());
}

TEST_F(MacroMax, ATheftGivesLootAndSendsOnePoliceOfficerPerWantedLevelToTheCitysStreets) {
    currentCity = 4;
    wantedLevel = 2;
    Possessions& p = state.possessions;
    for (int i = 1; i < Possessions::MaxItems; ++i) p.addItem(std::make_unique<Medkit>());
    const auto before = state.enemies.size();
    // loot 30, not caught (22 > 3 x 7), two products of which one fits, then
    // strength, hp, position (on the street at (2, 8)) and map for each officer.
    RollsThenAny rolls({10, 22, 2, 0, 10, 5, 74, 1, 7, 0, 0, 0, 1, 7, 1, 14, 1, 1, 7, 2});
    script.choose(steal).tap(VK::Enter);
    visit();
    EXPECT_EQ(p.getMoney(), 30);
    EXPECT_EQ(wantedLevel, 3);
    EXPECT_TRUE(script.saw("You got $30!"));
    EXPECT_TRUE(script.saw("You got Y-Box!"));
    EXPECT_FALSE(script.saw("You got FlowerPoint!"));  // no room for it
    ASSERT_EQ(state.enemies.size(), before + 3);
    const int strengths[] = {15, 10, 24}, hps[] = {249, 175, 176};
    for (int i = 0; i < 3; ++i) {
        const Enemy& police = state.enemies.at(static_cast<std::uint32_t>(before) + static_cast<std::uint32_t>(i));
        EXPECT_TRUE(police.getName() == "Police");
        EXPECT_EQ(police.getMapName().str(), "Roswell " + std::to_string(i + 1));
        EXPECT_EQ(police.getStrength(), strengths[i]);
        EXPECT_EQ(police.getHp(), hps[i]);
        const Map& map = state.maps.at(static_cast<std::uint32_t>(state.mapNames.indexOf(police.getMapName())));
        EXPECT_TRUE(map.isWalkable(police.getX(), police.getY()));
        EXPECT_EQ(police.getY(), 8);
    }

    currentCity = 6;  // Washington sends no police
    wantedLevel = 0;
    RollsThenAny quiet({0, 8, 0});  // a roll of 8 beats wanted level 1
    script.choose(steal).tap(VK::Enter);
    visit();
    EXPECT_EQ(state.enemies.size(), before + 3);
    EXPECT_EQ(p.getMoney(), 50);
}

TEST_F(MacroMax, ACaughtThiefIsHealedJailedInVancouverAndMayGiveUp) {
    state.player.setHp(12);
    state.currentMap = state.mapNames.indexOf(String("Vancouver 3"));
    state.player.setX(5);
    ScriptedRandom rolls({0, 7, 0});  // a roll of 7 is caught at wanted level 1; the guard's price
    script.choose(steal).tap(VK::Enter);
    script.choose(2).choose(0).tap(VK::Up).tap(VK::Enter);  // give up; game over: load, Back
    visit();
    EXPECT_TRUE(script.at(VK::Enter, 1).shows("The police have put you in jail!"));
    EXPECT_TRUE(script.saw("GAME OVER"));
    EXPECT_EQ(state.player.getHp(), state.player.getMaxHp());
    EXPECT_EQ(state.currentMap, state.mapNames.indexOf(String("Vancouver 1")));
    EXPECT_EQ(state.player.getX(), 20);
    EXPECT_EQ(state.player.getY(), 10);
    EXPECT_EQ(wantedLevel, 0);
    EXPECT_TRUE(rolls.allUsed());
    EXPECT_TRUE(script.scriptDone());
}

}  // namespace
