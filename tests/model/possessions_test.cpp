#include <gtest/gtest.h>

#include <string>

#include "model/game_values.h"
#include "model/possessions.h"
#include "support/console_fixture.h"

namespace {

TEST(Possessions, CarriesAtMostFifteenItemsAndARefusedOneStaysWithTheCaller) {
    Possessions p;
    for (int i = 0; i < 14; ++i) ASSERT_TRUE(p.addItem(std::make_unique<Medkit>()));
    ASSERT_TRUE(p.addItem(std::make_unique<CFlat>()));
    auto refused = std::make_unique<YBox>();
    EXPECT_FALSE(p.addItem(refused));
    ASSERT_NE(refused, nullptr);
    EXPECT_EQ(p.itemCount(), 15);

    EXPECT_TRUE(p.removeItem(3)->getName() == "Medkit");
    EXPECT_EQ(p.findItem("C-Flat"), 13);  // later entries moved down
    EXPECT_TRUE(p.addItem(refused));
    EXPECT_EQ(refused, nullptr);
    EXPECT_EQ(p.findItem("Y-Box"), 14);
}

TEST(Possessions, KeyItemsAreUniqueAndALargeIndexIsIgnored) {
    Possessions p;
    EXPECT_TRUE(p.addKeyItem(std::make_unique<Key>("map 2 key")));
    EXPECT_FALSE(p.addKeyItem(std::make_unique<Key>("map 2 key")));
    EXPECT_TRUE(p.addKeyItem(std::make_unique<Key>("shuttle plans")));
    EXPECT_EQ(p.removeKeyItem(5), nullptr);
    EXPECT_EQ(p.removeKeyItem(-1), nullptr);
    EXPECT_EQ(joined(p.keyItemNames()), "map 2 key,shuttle plans,");
    EXPECT_TRUE(p.removeKeyItem(0)->getName() == "map 2 key");
    EXPECT_EQ(p.findKeyItem("shuttle plans"), 0);
}

class EquippedWeapon : public ::testing::Test {
protected:
    void SetUp() override {
        for (auto kind : {WeaponKind::Uzi, WeaponKind::Grenade, WeaponKind::Grenade, WeaponKind::C4})
            p.addWeapon(makeWeapon(kind));
    }
    Possessions p;  // Fist, Uzi, Grenade, Grenade, C4
};

TEST_F(EquippedWeapon, ASpentWeaponGivesWayToTheNextOrThePrevious) {
    equippedWeapon = 2;
    removeSpentWeapon(p, 2);  // the next Grenade slides into place
    EXPECT_EQ(equippedWeapon, 2);
    equippedWeapon = 3;
    removeSpentWeapon(p, 3);  // the last one: the previous is equipped
    EXPECT_EQ(equippedWeapon, 2);
    EXPECT_EQ(joined(p.weaponNames()), "Fist,Uzi,Grenade,");
}

}  // namespace
