#include <gtest/gtest.h>

#include <string>

#include "model/game_values.h"
#include "model/possessions.h"
#include "support/console_fixture.h"

namespace {

TEST(Possessions, KeyItemsAreUniqueAndALargeIndexIsIgnored) {
    Possessions p;
    EXPECT_TRUE(p.addKeyItem(std::make_unique<Key>("map 2 key")));
    EXPECT_FALSE(p.addKeyItem(std::make_unique<Key>("map 2 key")));
    EXPECT_TRUE(p.addKeyItem(std::make_unique<Key>("shuttle plans")));
    EXPECT_EQ(p.removeKeyItem(5), nullptr);
    EXPECT_EQ(p.removeKeyItem(-1), nullptr);
    EXPECT_EQ(joined(p.keyItemNames()), "map 2 key,shuttle plans,");
}

// A spent weapon at the end of the list gives way to the previous one, as a
// battle shows; one in the middle leaves its place to the next.
TEST(Possessions, ASpentWeaponInTheMiddleGivesWayToTheNext) {
    Possessions p;
    for (auto kind : {WeaponKind::Grenade, WeaponKind::Grenade, WeaponKind::C4}) p.addWeapon(makeWeapon(kind));
    equippedWeapon = 1;
    removeSpentWeapon(p, 1);
    EXPECT_EQ(equippedWeapon, 1);
    EXPECT_EQ(joined(p.weaponNames()), "Fist,Grenade,C4,");
}

}  // namespace
