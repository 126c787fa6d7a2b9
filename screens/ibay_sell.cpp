#include "screens/ibay_sell.h"

#include <cstddef>
#include <iostream>

#include "console/console.h"
#include "console/dialogs.h"
#include "console/menu.h"
#include "model/money_sums.h"
#include "model/possessions.h"

namespace {

struct SalePrice {
    const char* name;  // the getName text
    int price;
};

const SalePrice weaponPrices[] = {
    {"Brokenbottle", 1},
    {"Baseballbat", 15},
    {"Switchblade", 26},
    {"Machete", 30},
    {"Molotov Cocktail", 56},
    {"Grenade", 75},
    {"Beretta", 94},
    {"Deserteagle", 113},
    {"Dualberettas", 143},
    {"Shotgun", 150},
    {"Chainsaw", 188},
    {"Uzi", 188},
    {"M16", 225},
    {"AK47", 300},
    {"Rocketlauncher", 375},
    {"Flamethrower", 450},
    {"C4", 750},
    {"Railgun", 1500},
};

const SalePrice itemPrices[] = {
    {"Medkit", 100},          {"Y-Box", 15},          {"WordScribble", 10},
    {"Hindsight Express", 5}, {"MisManager Pro", 7},  {"MS-POS", 20},
    {"Internet Exploder", 6}, {"Ventanas FT OS", 18}, {"Obfusicater Studio .not", 55},
    {"C-Flat", 30},           {"Visual Complex", 30}, {"FlowerPoint", 25},
};

// What the iBay will not take, and what it says instead.
struct Refusal {
    const char* name;
    const char* message;
};

const Refusal weaponRefusals[] = {
    {"Fist", "What the hell is wrong with you?  You can't sell your fists!"},
    {"Pointy Stick", "You want to sell a Poity Stick?\nYou are a moron...\n"},
};

const Refusal itemRefusals[] = {
    {"Airplane ticket",
     "You cannot sell an Airplane ticket!\nIf you do not use an airplane ticket you will lose you baggage!\n"},
};

// Every kind the player can offer is listed; what is refused never gets here.
template <std::size_t N>
int priceOf(const SalePrice (&prices)[N], const String& name) {
    for (const SalePrice& entry : prices)
        if (name == entry.name) return entry.price;
    return 0;
}

// Shows the refusal for name, if there is one, and waits for Enter.
template <std::size_t N>
bool refused(const Refusal (&refusals)[N], const String& name) {
    for (const Refusal& refusal : refusals) {
        if (name != refusal.name) continue;
        clearScreen();
        std::cout << refusal.message << std::flush;
        waitForEnter();
        return true;
    }
    return false;
}

// The price of name, and the player's answer.
bool sellingFor(const String& name, int price) {
    clearScreen();
    std::cout << "Are you sure you want to sell your " << name << " for $" << price << "?" << std::endl;
    return confirmedPurchase();
}

// A list of names with Back after them, padded; -1 for Back.
int chooseFrom(const char* title, Array<String> names) {
    const int count = static_cast<int>(names.size());
    names.append("Back");
    const int choice = menu(title, names, true);
    return choice < count ? choice : -1;
}

}  // namespace

void iBaySellMenu(Possessions& possessions) {
    menuUntilLeft("iBay Sell",
                  {{" Sell Weapons ", [&] { sellWeapons(possessions); }},
                   {" Sell Items   ", [&] { sellItems(possessions); }}},
                  " Back         ");
}

void sellWeapons(Possessions& possessions) {
    clearScreen();
    const int choice = chooseFrom("iBay Sell Weapons", possessions.weaponNames());
    if (choice < 0) return;
    const String name = possessions.getWeapon(choice)->getName();
    if (refused(weaponRefusals, name)) {
        clearScreen();
        return;
    }
    const int price = priceOf(weaponPrices, name);
    delayMs(300);
    if (!sellingFor(name, price)) return;
    removeWeaponKeepingEquipped(possessions, choice);
    possessions.setMoney(paidIn(possessions.getMoney(), price));
}

void sellItems(Possessions& possessions) {
    for (;;) {
        clearScreen();
        const int choice = chooseFrom("iBay Sell Items", possessions.itemNames());
        if (choice < 0) return;
        const String name = possessions.getItem(choice)->getName();
        if (refused(itemRefusals, name)) return;
        const int price = priceOf(itemPrices, name);
        if (!sellingFor(name, price)) continue;
        possessions.removeItem(choice);
        possessions.setMoney(paidIn(possessions.getMoney(), price));
        return;
    }
}
