#include "model/weapon.h"

#include <cstdint>

#include "console/random.h"
#include "model/character.h"

namespace {

struct WeaponRow {
    const char* listName;  // what menus, lookups and saved games use
    const char* name;      // the name the weapon is built with
    int damage;
    int accuracy;
    std::unique_ptr<Weapon> (*create)();
};

template <typename Kind>
std::unique_ptr<Weapon> make() {
    return std::make_unique<Kind>();
}

// One row per kind, in the order of WeaponKind.
// clang-format off
const WeaponRow weaponTable[weaponKindCount] = {
    {"Fist",             "Fist",             5,   100, make<Fist>},
    {"Baseballbat",      "Baseballbat",      10,  90,  make<Baseballbat>},
    {"Brokenbottle",     "Brokenbottle",     7,   100, make<Brokenbottle>},
    {"Switchblade",      "Switchblade",      10,  90,  make<Switchblade>},
    {"Machete",          "Machete",          15,  80,  make<Machete>},
    {"Chainsaw",         "Chainsaw",         40,  90,  make<Chainsaw>},
    {"Beretta",          "Beretta",          30,  80,  make<Beretta>},
    {"Dualberettas",     "Dual Berettas",    50,  85,  make<DualBerettas>},
    {"Deserteagle",      "Desert Eagle",     35,  80,  make<DesertEagle>},
    {"Shotgun",          "Shotgun",          50,  60,  make<Shotgun>},
    {"Uzi",              "Uzi",              50,  80,  make<Uzi>},
    {"AK47",             "AK47",             50,  80,  make<AK47>},
    {"M16",              "M16",              50,  85,  make<M16>},
    {"Rocketlauncher",   "Rocket Launcher",  100, 40,  make<RocketLauncher>},
    {"Grenade",          "Grenade",          75,  70,  make<Grenade>},
    {"Molotov Cocktail", "Molotov Cocktail", 65,  60,  make<MolotovCocktail>},
    {"Flamethrower",     "Flame Thrower",    100, 50,  make<FlameThrower>},
    {"C4",               "C4",               100, 90,  make<C4>},
    {"Railgun",          "Railgun",          100, 100, make<Railgun>},
    {"Pointy Stick",     "Pointy Stick",     300, 300, make<PointyStick>},
};
// clang-format on

const WeaponRow& rowOf(WeaponKind kind) { return weaponTable[static_cast<int>(kind)]; }

}  // namespace

Weapon::Weapon(WeaponKind weaponKind)
    : Item(rowOf(weaponKind).name),
      damage(rowOf(weaponKind).damage),
      accuracy(rowOf(weaponKind).accuracy),
      kind(weaponKind) {}

String Weapon::getName() const { return rowOf(kind).listName; }

bool Weapon::use(Character& user, Character& target, Possessions&) {
    // Every attack reseeds from the millisecond clock, so two attacks within
    // the same millisecond roll alike.
    seedRandomFromClock();
    // Worked out in 64 bits: no strength, accuracy or hit points wrap a sum.
    const int strength = user.getStrength();
    const std::int64_t strengthRoll = strength > 0 ? gameRand() % strength : 0;
    const std::int64_t hitDamage = (damage + strengthRoll) * 4;
    const std::int64_t threshold = static_cast<std::int64_t>(accuracy) + user.getAccuracy();
    if (threshold > gameRand() % 100) target.setHp(hitPointsAfter(target.getHp(), hitDamage));
    return isDisposableWeapon(getName());
}

bool isDisposableWeapon(const String& listName) {
    return listName == "C4" || listName == "Molotov Cocktail" || listName == "Grenade";
}

std::unique_ptr<Weapon> makeWeapon(WeaponKind kind) { return rowOf(kind).create(); }

std::unique_ptr<Weapon> makeWeaponByName(const String& listName) {
    for (const WeaponRow& row : weaponTable)
        if (listName == row.listName) return row.create();
    return nullptr;
}
