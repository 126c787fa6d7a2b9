#include <gtest/gtest.h>

#include "screens/fight_support.h"
#include "screens/inventory_screen.h"

namespace {

class Inventory : public FightTest {
protected:
    void open() { inventoryScreen(player, possessions); }
    void exitScreen() { pick(2); }
};

TEST_F(Inventory, AMedkitHealsAHurtPlayerAndIsKeptAtFullHealth) {
    give(possessions, {"Medkit"});
    pick(1), enter(), enter(), exitScreen();
    open();
    EXPECT_EQ(possessions.itemCount(), 1);
    EXPECT_EQ(shot(2, 0, 4, 17), "You used Medkit. ");  // on its own line below the list

    player.setHp(120);
    pick(1), enter(), enter(), exitScreen();
    open();
    EXPECT_EQ(possessions.itemCount(), 0);
    EXPECT_EQ(shot(7, 40, 2, 17), "HP:       500/500");  // the next pass shows the cure
}

TEST_F(Inventory, APickedWeaponIsEquipped) {
    give(possessions, {"Uzi"});
    pick(0), pick(1), enter(), exitScreen();
    open();
    EXPECT_EQ(equippedWeapon, 1);
}

}  // namespace
