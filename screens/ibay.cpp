#include "screens/ibay.h"

#include <iostream>

#include "console/console.h"
#include "console/dialogs.h"
#include "console/menu.h"
#include "model/possessions.h"
#include "screens/ibay_catalogue.h"
#include "screens/ibay_sell.h"
#include "screens/money_lines.h"

namespace {

// The pictures never reach the bottom row, so the money stays readable there
// whatever the weapon.
constexpr int balanceRow = 24;

Array<String> catalogueOptions() {
    Array<String> choices;
    for (const CatalogueEntry& entry : catalogue) choices.append(entry.option);
    choices.append(" Back             ");
    return choices;
}

// The weapon's page: money, picture, description and question; true when the
// player confirms.
bool wantsToBuy(int choice, const Possessions& possessions) {
    gotoXY(0, balanceRow);
    showCash(possessions);
    drawPicture(pictures[choice]);
    gotoXY(0, 0);
    std::cout << descriptions[choice] << '\n' << catalogue[choice].question << std::endl;
    return confirmedPurchase();
}

// Pays for the weapon when the cash covers it and the player may hold another.
void buy(const CatalogueEntry& entry, Possessions& possessions) {
    if (possessions.getMoney() < entry.price) {
        clearScreen();
        tell("You don't have enough money!");
        return;
    }
    if (!possessions.addWeapon(makeWeapon(entry.kind))) {
        clearScreen();
        std::cout << "You already have that reusable weapon!" << std::endl;
        waitForEnter();
        return;
    }
    possessions.setMoney(possessions.getMoney() - entry.price);
}

}  // namespace

void iBayMenu(Possessions& possessions) {
    menuUntilLeft("iBay",
                  {{" Buy  ", [&] { iBayBuy(possessions); }}, {" Sell ", [&] { iBaySellMenu(possessions); }}},
                  " Back ");
}

void iBayBuy(Possessions& possessions) {
    const Array<String> choices = catalogueOptions();
    for (;;) {
        clearScreen();
        const int choice = menu("iBay Buy", choices, false);
        clearScreen();
        if (choice >= catalogueSize) return;
        if (wantsToBuy(choice, possessions)) buy(catalogue[choice], possessions);
    }
}
