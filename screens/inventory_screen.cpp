#include "screens/inventory_screen.h"

#include "console/console.h"
#include "console/dialogs.h"
#include "console/menu.h"
#include "screens/fight_menus.h"
#include "model/possessions.h"
#include "model/character.h"

void inventoryScreen(Character& player, Possessions& possessions) {
    const Array<String> choices =
        options({" Change Equipped Weapon ", " Use Item               ", " Exit                   "});
    clearScreen();
    delayMs(200);
    while (player.getHp() > 0) {
        clearScreen();
        setColor(0, 15);
        drawFighterStatus(player);
        gotoXY(2, 2);
        const int choice = menu("Inventory", choices, false);
        if (choice == 0) {
            changeWeaponMenu(possessions);
        } else if (choice == 1) {
            const int item = chooseItem(possessions);
            if (item < 0) continue;
            // Out of battle there is time to read what the item did (the
            // ticket shows its flight).
            useItem(player, possessions, item);
            waitForEnter();
            delayMs(100);
            clearScreen();
        } else {
            clearScreen();
            return;
        }
    }
    clearScreen();
}
