#include "model/possessions.h"

#include <algorithm>

#include "model/game_values.h"

namespace {

// The index as the list sees it; a bad one throws errorBounds with the index
// and the largest valid index, as every list of the game does.
template <typename P>
std::size_t checkedIndex(const std::vector<P>& list, int index) {
    auto wanted = static_cast<std::uint32_t>(index);
    auto count = static_cast<std::uint32_t>(list.size());
    if (index < 0 || wanted >= count) throw errorBounds{wanted, count - 1};
    return wanted;
}

template <typename P>
P takeOut(std::vector<P>& list, std::size_t i) {
    P taken = std::move(list[i]);
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
    return taken;
}

template <typename P>
int findByName(const std::vector<P>& list, const String& name) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i]->getName() == name) return static_cast<int>(i);
    return -1;
}

template <typename P>
Array<String> namesOf(const std::vector<P>& list) {
    Array<String> names;
    for (const P& entry : list) names.append(entry->getName());
    return names;
}

}  // namespace

Possessions::Possessions() { weapons.push_back(std::make_unique<Fist>()); }

Possessions::~Possessions() = default;

Item* Possessions::getItem(int index) const { return items[checkedIndex(items, index)].get(); }

std::unique_ptr<Item> Possessions::removeItem(int index) { return takeOut(items, checkedIndex(items, index)); }

int Possessions::findItem(const String& name) const { return findByName(items, name); }

Array<String> Possessions::itemNames() const { return namesOf(items); }

bool Possessions::acceptsWeapon(const String& name) const {
    return isDisposableWeapon(name) || findWeapon(name) == -1;
}

Weapon* Possessions::getWeapon(int index) const { return weapons[checkedIndex(weapons, index)].get(); }

std::unique_ptr<Weapon> Possessions::removeWeapon(int index) {
    return takeOut(weapons, checkedIndex(weapons, index));
}

int Possessions::findWeapon(const String& name) const { return findByName(weapons, name); }

Array<String> Possessions::weaponNames() const { return namesOf(weapons); }

int Possessions::findKeyItem(const String& name) const { return findByName(keyItems, name); }

std::unique_ptr<Item> Possessions::removeKeyItem(int index) {
    if (index < 0 || index >= keyItemCount()) return nullptr;
    return takeOut(keyItems, static_cast<std::size_t>(index));
}

Array<String> Possessions::keyItemNames() const { return namesOf(keyItems); }

namespace {

// Whatever happened before, the equipped index ends on a weapon that exists
// (0 when there is none at all).
void keepEquippedInList(const Possessions& possessions) {
    equippedWeapon = std::max(0, std::min(equippedWeapon, possessions.weaponCount() - 1));
}

}  // namespace

std::unique_ptr<Weapon> removeWeaponKeepingEquipped(Possessions& possessions, int index) {
    std::unique_ptr<Weapon> removed = possessions.removeWeapon(index);
    if (index <= equippedWeapon) --equippedWeapon;
    keepEquippedInList(possessions);
    return removed;
}

std::unique_ptr<Weapon> removeSpentWeapon(Possessions& possessions, int index) {
    std::unique_ptr<Weapon> removed = possessions.removeWeapon(index);
    keepEquippedInList(possessions);
    return removed;
}
