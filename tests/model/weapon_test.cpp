#include <gtest/gtest.h>

#include "model/possessions.h"
#include "support/rolls.h"
#include "model/character.h"

namespace {

// The hit points an attack takes from a target of 100, given the two rolls.
int dealt(Weapon&& weapon, int strength, int strengthRoll, int hitRoll) {
    ScriptedRandom rolls({strengthRoll, hitRoll});
    Character user, target;
    Possessions owner;
    user.setStrength(strength);
    weapon.use(user, target, owner);
    return 100 - target.getHp();
}

// Saved games name weapons by their list names: every kind comes back from
// its own, and only the throwables are spent by use.
TEST(Weapons, EveryKindRebuildsFromItsListNameAndOnlyThrowablesAreSpent) {
    for (int k = 0; k < weaponKindCount; ++k) {
        const auto weapon = makeWeapon(static_cast<WeaponKind>(k));
        const auto rebuilt = makeWeaponByName(weapon->getName());
        ASSERT_NE(rebuilt, nullptr) << weapon->getName().str();
        EXPECT_EQ(rebuilt->getKind(), weapon->getKind());
        const bool throwable =
            weapon->getName() == "Grenade" || weapon->getName() == "Molotov Cocktail" || weapon->getName() == "C4";
        EXPECT_EQ(isDisposableWeapon(weapon->getName()), throwable) << weapon->getName().str();
    }
    EXPECT_EQ(makeWeaponByName("Desert Eagle"), nullptr);  // the built name is not the list text
}

TEST(Weapons, StrengthRollsAddNothingBelowTwoAndHitsStopAtTheCombinedAccuracy) {
    EXPECT_EQ(dealt(Fist(), 1, 32767, 99), 20);  // strength 1 always rolls 0
    EXPECT_EQ(dealt(Fist(), 0, 0, 0), 20);       // no strength: nothing added, no crash
    EXPECT_EQ(dealt(Fist(), -3, 0, 0), 20);
    EXPECT_EQ(dealt(RocketLauncher(), 1, 0, 49), 400);
    EXPECT_EQ(dealt(RocketLauncher(), 1, 0, 50), 0);
    EXPECT_EQ(dealt(RocketLauncher(), 1, 0, 149), 400);  // 149 % 100 = 49
}

}  // namespace
