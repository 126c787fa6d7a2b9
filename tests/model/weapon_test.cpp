#include <gtest/gtest.h>

#include <iterator>

#include "model/possessions.h"
#include "support/console_fixture.h"
#include "support/rolls.h"
#include "model/character.h"

namespace {

struct Row {
    WeaponKind kind;
    const char* listName;
    int damage;
    int accuracy;
    bool disposable;
};

const Row expected[] = {
    {WeaponKind::Fist, "Fist", 5, 100, false},          {WeaponKind::Baseballbat, "Baseballbat", 10, 90, false},
    {WeaponKind::Brokenbottle, "Brokenbottle", 7, 100, false},
    {WeaponKind::Switchblade, "Switchblade", 10, 90, false}, {WeaponKind::Machete, "Machete", 15, 80, false},
    {WeaponKind::Chainsaw, "Chainsaw", 40, 90, false},  {WeaponKind::Beretta, "Beretta", 30, 80, false},
    {WeaponKind::DualBerettas, "Dualberettas", 50, 85, false},
    {WeaponKind::DesertEagle, "Deserteagle", 35, 80, false}, {WeaponKind::Shotgun, "Shotgun", 50, 60, false},
    {WeaponKind::Uzi, "Uzi", 50, 80, false},            {WeaponKind::AK47, "AK47", 50, 80, false},
    {WeaponKind::M16, "M16", 50, 85, false},            {WeaponKind::RocketLauncher, "Rocketlauncher", 100, 40, false},
    {WeaponKind::Grenade, "Grenade", 75, 70, true},     {WeaponKind::MolotovCocktail, "Molotov Cocktail", 65, 60, true},
    {WeaponKind::FlameThrower, "Flamethrower", 100, 50, false}, {WeaponKind::C4, "C4", 100, 90, true},
    {WeaponKind::Railgun, "Railgun", 100, 100, false},  {WeaponKind::PointyStick, "Pointy Stick", 300, 300, false},
};

// The hit points an attack takes from a target of 100, given the two rolls.
int dealt(Weapon&& weapon, int strength, int strengthRoll, int hitRoll, bool* spent = nullptr) {
    ScriptedRandom rolls({strengthRoll, hitRoll});
    Character user, target;
    Possessions owner;
    user.setStrength(strength);
    bool used = weapon.use(user, target, owner);
    if (spent) *spent = used;
    return 100 - target.getHp();
}

TEST(Weapons, EveryKindHasItsNameValuesAndRebuildsFromItsName) {
    ASSERT_EQ(std::size(expected), static_cast<std::size_t>(weaponKindCount));
    for (const Row& row : expected) {
        auto weapon = makeWeapon(row.kind);
        EXPECT_EQ(weapon->getName().str(), row.listName);
        EXPECT_EQ(weapon->getDamage(), row.damage) << row.listName;
        EXPECT_EQ(weapon->getAccuracy(), row.accuracy) << row.listName;
        EXPECT_EQ(isDisposableWeapon(weapon->getName()), row.disposable) << row.listName;
        auto rebuilt = makeWeaponByName(row.listName);
        ASSERT_NE(rebuilt, nullptr) << row.listName;
        EXPECT_EQ(rebuilt->getKind(), row.kind);
        EXPECT_EQ(weapon->getKind(), row.kind);
    }
    EXPECT_EQ(makeWeaponByName("Desert Eagle"), nullptr);  // the built name is not the list text
}

TEST(Weapons, DamageIsTheBasePlusTheStrengthRollTimesFour) {
    EXPECT_EQ(dealt(Fist(), 1, 32767, 99), 20);  // strength 1 always rolls 0
    EXPECT_EQ(dealt(Fist(), 10, 9, 0), 56);
    EXPECT_EQ(dealt(Fist(), 10, 32767, 0), 48);  // 32767 % 10 = 7
    EXPECT_EQ(dealt(PointyStick(), 10, 19, 99), 1236);
    EXPECT_EQ(dealt(Fist(), 0, 0, 0), 20);  // no strength: nothing added, no crash
    EXPECT_EQ(dealt(Fist(), -3, 0, 0), 20);
}

TEST(Weapons, HitsBelowTheCombinedAccuracyAndDisposablesAreSpentAnyway) {
    EXPECT_EQ(dealt(RocketLauncher(), 1, 0, 49), 400);
    EXPECT_EQ(dealt(RocketLauncher(), 1, 0, 50), 0);
    EXPECT_EQ(dealt(RocketLauncher(), 1, 0, 149), 400);  // 149 % 100 = 49
    EXPECT_EQ(dealt(Shotgun(), 1, 0, 69), 200);          // hit points go below 0
    bool spent = false;
    EXPECT_EQ(dealt(Grenade(), 1, 0, 99, &spent), 0);
    EXPECT_TRUE(spent);
    dealt(Railgun(), 1, 0, 0, &spent);
    EXPECT_FALSE(spent);
}

using WeaponClock = ConsoleTest;

TEST_F(WeaponClock, AttacksInTheSameMillisecondRollAlike) {
    Character user, first;
    Possessions owner;
    user.setAccuracy(100);  // every attack hits
    Uzi().use(user, first, owner);
    for (int i = 0; i < 5; ++i) {
        Character again;
        Uzi().use(user, again, owner);
        EXPECT_EQ(again.getHp(), first.getHp());
    }
}

}  // namespace
