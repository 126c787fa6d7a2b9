#pragma once
// What the inventory screen and the battle menu share: the player's status
// beside the menu, and the two lists for changing weapons and using items.

class Character;
class Possessions;

// "HP:", "Accuracy:" and "Strength:" at column 40, rows 2 to 4.
void drawFighterStatus(const Character& player);

// The "Change Weapon" list (the weapons, then "Back"). A weapon picked becomes
// equippedWeapon and is named on a cleared screen until Enter.
void changeWeaponMenu(const Possessions& possessions);

// The "Use Item" list (the carried items, then "Back"): the index of the item
// picked, or -1 for Back.
int chooseItem(const Possessions& possessions);

// Says "You used ..." and uses the item at index on the player; an item that
// is used up leaves the possessions.
void useItem(Character& player, Possessions& possessions, int index);
