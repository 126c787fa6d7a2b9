#include <gtest/gtest.h>

#include "model/game_state.h"

namespace {

TEST(GameState, ANewGameForgetsTheLastOneBaggageIncluded) {
    GameState state;
    state.possessions.setMoney(70);
    state.possessions.addWeapon(makeWeaponByName("Uzi"));
    state.currentMap = 5;
    baggage.addItem(std::make_unique<Medkit>());
    currentCity = 4;
    missionNumber = 3;
    mailWaiting = false;
    vitaminPrice = 40;

    resetToNewGame(state);
    EXPECT_EQ(state.possessions.getMoney(), 0);
    ASSERT_EQ(state.possessions.weaponCount(), 1);
    EXPECT_TRUE(state.possessions.getWeapon(0)->getName() == "Fist");
    EXPECT_EQ(state.currentMap, 1);
    EXPECT_EQ(baggage.itemCount(), 0);
    EXPECT_EQ(baggage.weaponCount(), 1);  // the store keeps a Fist of its own
    EXPECT_EQ(currentCity, 1);
    EXPECT_EQ(missionNumber, 0);
    EXPECT_TRUE(mailWaiting);
    EXPECT_EQ(vitaminPrice, 10);
}

}  // namespace
