#pragma once
// Possessions: everything the player owns besides his figure: cash, bank
// balance, loan, carried items (at most 15), weapons (a Fist first) and key
// items. A second instance serves as the airport's baggage store.
//
// The lists own their objects. An add that succeeds takes the object from the
// caller's pointer; one that is refused leaves it there. A removal hands the
// object back, to be passed on (baggage) or simply dropped.

#include <cstdint>
#include <memory>
#include <type_traits>
#include <vector>

#include "console/array.h"
#include "console/text.h"
#include "model/item.h"
#include "model/weapon.h"

class Possessions {
public:
    static constexpr int MaxItems = 15;

    // Zero amounts, no items or key items, and a new Fist.
    Possessions();
    Possessions(const Possessions&) = delete;
    Possessions& operator=(const Possessions&) = delete;
    Possessions(Possessions&&) = default;
    Possessions& operator=(Possessions&&) = default;
    ~Possessions();

    int getMoney() const { return money; }
    void setMoney(int amount) { money = amount; }
    int getBank() const { return bank; }
    void setBank(int amount) { bank = amount; }
    int getLoan() const { return loan; }
    void setLoan(int amount) { loan = amount; }

    // Refused (false) when 15 items are carried already.
    template <typename Owned>
    bool addItem(Owned&& item) {
        return item && itemCount() < MaxItems && take(items, item);
    }
    // The item at index, for use; a bad index throws errorBounds.
    Item* getItem(int index) const;
    std::unique_ptr<Item> removeItem(int index);
    // Index of the first item whose getName is name, or -1.
    int findItem(const String& name) const;
    Array<String> itemNames() const;
    int itemCount() const { return static_cast<int>(items.size()); }

    // Refused (false) when a weapon of the same name is held already, except
    // for the disposable kinds, of which any number may be held.
    template <typename Owned>
    bool addWeapon(Owned&& weapon) {
        return weapon && acceptsWeapon(weapon->getName()) && take(weapons, weapon);
    }
    Weapon* getWeapon(int index) const;
    std::unique_ptr<Weapon> removeWeapon(int index);
    int findWeapon(const String& name) const;
    Array<String> weaponNames() const;
    int weaponCount() const { return static_cast<int>(weapons.size()); }

    // Refused (false) when a key item of the same name is held already.
    template <typename Owned>
    bool addKeyItem(Owned&& keyItem) {
        return keyItem && findKeyItem(keyItem->getName()) == -1 && take(keyItems, keyItem);
    }
    int findKeyItem(const String& name) const;
    // An index past the end is ignored (the result is then empty).
    std::unique_ptr<Item> removeKeyItem(int index);
    Array<String> keyItemNames() const;
    int keyItemCount() const { return static_cast<int>(keyItems.size()); }

private:
    bool acceptsWeapon(const String& name) const;

    // Moves the object from the caller's pointer (a named one or a temporary)
    // to the end of the list: items, weapons and key items each hold their own kind.
    template <typename Kind, typename T>
    static bool take(std::vector<std::unique_ptr<Kind>>& list, std::unique_ptr<T>& owned) {
        static_assert(std::is_base_of<Kind, T>::value, "a list holds only its own kind");
        list.emplace_back(owned.release());
        return true;
    }

    int money = 0;
    int bank = 0;
    int loan = 0;
    std::vector<std::unique_ptr<Item>> items;
    std::vector<std::unique_ptr<Weapon>> weapons;
    std::vector<std::unique_ptr<Item>> keyItems;
};

// Removes the weapon at index for a screen that takes weapons away (a sale on
// the iBay, the C4 a mission spends) and keeps equippedWeapon on the weapon it was on: it
// is lowered by one when index is at or below it, never below 0.
std::unique_ptr<Weapon> removeWeaponKeepingEquipped(Possessions& possessions, int index);
// Removes a weapon spent in battle; equippedWeapon is lowered until it is below
// the weapon count, so the next weapon in the list (or the previous one, when
// the spent weapon was last) is equipped.
std::unique_ptr<Weapon> removeSpentWeapon(Possessions& possessions, int index);
