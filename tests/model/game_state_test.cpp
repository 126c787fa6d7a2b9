#include <gtest/gtest.h>

#include "model/game_state.h"

namespace {

TEST(GameState, ANewGameForgetsTheLastOneBaggageIncluded) {
    GameState state;
    state.possessions.addWeapon(makeWeaponByName("Uzi"));
    baggage.addItem(std::make_unique<Medkit>());
    mailWaiting = false;
    vitaminPrice = 40;

    resetToNewGame(state);
    EXPECT_EQ(state.possessions.weaponCount(), 1);  // the Fist alone
    EXPECT_EQ(baggage.itemCount(), 0);
    EXPECT_EQ(baggage.weaponCount(), 1);  // the store keeps a Fist of its own
    EXPECT_TRUE(mailWaiting);
    EXPECT_EQ(vitaminPrice, 10);
}

}  // namespace
