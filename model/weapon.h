#pragma once
// Weapons: items whose use is one attack of the user on the target. Twenty
// kinds exist; each fixes its name, damage and accuracy from one table. Three
// kinds (Grenade, Molotov Cocktail, C4) are spent by a single attack.

#include <memory>

#include "model/item.h"

// The kinds, in the order of the weapon table.
// clang-format off
enum class WeaponKind {
    Fist, Baseballbat, Brokenbottle, Switchblade, Machete, Chainsaw, Beretta,
    DualBerettas, DesertEagle, Shotgun, Uzi, AK47, M16, RocketLauncher, Grenade,
    MolotovCocktail, FlameThrower, C4, Railgun, PointyStick,
};
// clang-format on
constexpr int weaponKindCount = 20;
// The weapon every player holds and that is never lost, sold or checked in.
inline constexpr const char* fistName = "Fist";

class Weapon : public Item {
public:
    // One attack: rolls the hit and its damage and lowers the target's hit
    // points on a hit. True when the weapon is spent (disposable), hit or miss.
    bool use(Character& user, Character& target, Possessions& owner) override;
    // The kind's list text ("Deserteagle"), which may differ from the name
    // it was built with ("Desert Eagle").
    String getName() const override;

    WeaponKind getKind() const { return kind; }
    int getDamage() const { return damage; }
    int getAccuracy() const { return accuracy; }

protected:
    explicit Weapon(WeaponKind weaponKind);

    int damage;
    int accuracy;

private:
    WeaponKind kind;
};

// One line a kind, so that the list reads as a table.
// clang-format off
class Fist : public Weapon { public: Fist() : Weapon(WeaponKind::Fist) {} };
class Baseballbat : public Weapon { public: Baseballbat() : Weapon(WeaponKind::Baseballbat) {} };
class Brokenbottle : public Weapon { public: Brokenbottle() : Weapon(WeaponKind::Brokenbottle) {} };
class Switchblade : public Weapon { public: Switchblade() : Weapon(WeaponKind::Switchblade) {} };
class Machete : public Weapon { public: Machete() : Weapon(WeaponKind::Machete) {} };
class Chainsaw : public Weapon { public: Chainsaw() : Weapon(WeaponKind::Chainsaw) {} };
class Beretta : public Weapon { public: Beretta() : Weapon(WeaponKind::Beretta) {} };
class DualBerettas : public Weapon { public: DualBerettas() : Weapon(WeaponKind::DualBerettas) {} };
class DesertEagle : public Weapon { public: DesertEagle() : Weapon(WeaponKind::DesertEagle) {} };
class Shotgun : public Weapon { public: Shotgun() : Weapon(WeaponKind::Shotgun) {} };
class Uzi : public Weapon { public: Uzi() : Weapon(WeaponKind::Uzi) {} };
class AK47 : public Weapon { public: AK47() : Weapon(WeaponKind::AK47) {} };
class M16 : public Weapon { public: M16() : Weapon(WeaponKind::M16) {} };
class RocketLauncher : public Weapon { public: RocketLauncher() : Weapon(WeaponKind::RocketLauncher) {} };
class Grenade : public Weapon { public: Grenade() : Weapon(WeaponKind::Grenade) {} };
class MolotovCocktail : public Weapon { public: MolotovCocktail() : Weapon(WeaponKind::MolotovCocktail) {} };
class FlameThrower : public Weapon { public: FlameThrower() : Weapon(WeaponKind::FlameThrower) {} };
class C4 : public Weapon { public: C4() : Weapon(WeaponKind::C4) {} };
class Railgun : public Weapon { public: Railgun() : Weapon(WeaponKind::Railgun) {} };
class PointyStick : public Weapon { public: PointyStick() : Weapon(WeaponKind::PointyStick) {} };
// clang-format on

// True for the list texts of the disposable kinds, the only weapons the player
// may hold more than once.
bool isDisposableWeapon(const String& listName);

// A new weapon of the given kind.
std::unique_ptr<Weapon> makeWeapon(WeaponKind kind);
// A new weapon whose list text is listName ("Deserteagle"), or nullptr when
// no kind has that text.
std::unique_ptr<Weapon> makeWeaponByName(const String& listName);
