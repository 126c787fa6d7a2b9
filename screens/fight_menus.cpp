#include "screens/fight_menus.h"

#include <iostream>

#include "console/console.h"
#include "console/menu.h"
#include "model/game_values.h"
#include "model/possessions.h"
#include "model/character.h"

namespace {

// A list built from data, with "Back" last, as the sub-menus show it.
int pickFromList(const char* title, Array<String> names) {
    clearScreen();
    delayMs(100);
    names.append("Back");
    const int choice = menu(title, names, true);
    delayMs(150);
    return choice == static_cast<int>(names.size()) - 1 ? -1 : choice;
}

}  // namespace

void drawFighterStatus(const Character& player) {
    gotoXY(40, 2);
    std::cout << "HP:       " << player.getHp() << "/" << player.getMaxHp();
    gotoXY(40, 3);
    std::cout << "Accuracy: " << player.getAccuracy();
    gotoXY(40, 4);
    std::cout << "Strength: " << player.getStrength();
}

void changeWeaponMenu(const Possessions& possessions) {
    const int choice = pickFromList("Change Weapon", possessions.weaponNames());
    if (choice < 0) return;
    equippedWeapon = choice;
    delayMs(100);
    clearScreen();
    std::cout << "You selected " << possessions.getWeapon(choice)->getName() << " as your weapon." << '\n';
    waitForEnter();
}

int chooseItem(const Possessions& possessions) { return pickFromList("Use Item", possessions.itemNames()); }

void useItem(Character& player, Possessions& possessions, int index) {
    Item* item = possessions.getItem(index);
    // The cursor still stands behind "Back": the message gets a line of its own.
    std::cout << '\n' << "You used " << item->getName() << "." << '\n';
    if (item->use(player, player, possessions)) possessions.removeItem(index);
}
