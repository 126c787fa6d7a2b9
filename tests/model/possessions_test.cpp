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

TEST(Possessions, OnlyDisposableWeaponsMayBeHeldTwice) {
    Possessions p;
    EXPECT_TRUE(p.addWeapon(std::make_unique<Shotgun>()));
    auto second = std::make_unique<Shotgun>();
    EXPECT_FALSE(p.addWeapon(second));
    EXPECT_NE(second, nullptr);
    EXPECT_FALSE(p.addWeapon(std::make_unique<Fist>()));
    for (int i = 0; i < 2; ++i) EXPECT_TRUE(p.addWeapon(std::make_unique<Grenade>()));
    for (int i = 0; i < 2; ++i) EXPECT_TRUE(p.addWeapon(std::make_unique<C4>()));
    EXPECT_TRUE(p.addWeapon(std::make_unique<DesertEagle>()));
    EXPECT_FALSE(p.addWeapon(makeWeaponByName("Deserteagle")));
    EXPECT_EQ(joined(p.weaponNames()), "Fist,Shotgun,Grenade,Grenade,C4,C4,Deserteagle,");
    EXPECT_EQ(p.findWeapon("Grenade"), 2);
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
