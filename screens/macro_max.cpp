#include "screens/macro_max.h"

#include <cstdint>
#include <iostream>
#include <memory>

#include "console/console.h"
#include "console/dialogs.h"
#include "console/menu.h"
#include "console/random.h"
#include "model/character.h"
#include "model/city_places.h"
#include "model/enemy.h"
#include "model/game_values.h"
#include "model/item.h"
#include "model/map.h"
#include "model/money_sums.h"
#include "model/possessions.h"
#include "screens/interrupted_game.h"
#include "screens/jail.h"
#include "screens/money_lines.h"
#include "screens/pause_menu.h"

namespace {

// The shelf, in the order of the buying menu.
struct Product {
    const char* label;  // as the menu and the question name it
    int price;
    const char* itemName;  // the item the player gets
    const char* gotText;   // after a theft
};

const Product shelf[] = {
    {"Y-Box", 600, "Y-Box", "You got Y-Box!"},
    {"WordScribble", 400, "WordScribble", "You got WordScribble!"},
    {"Hindsight Express", 200, "Hindsight Express", "You got Hindsight Express!"},
    {"MisManager Pro", 300, "MisManager Pro", "You got MisManager Pro!"},
    {"MS-POS", 800, "MS-POS", "You got MS-POS!"},
    {"Internet Exploder", 250, "Internet Exploder", "You got Internet Exploder!"},
    {"Ventanas FT Operating System", 750, "Ventanas FT OS", "You got Ventanas FT!"},
    {"Obfusicator Studio .not", 2100, "Obfusicater Studio .not", "You got Obfusicator Studio .not!"},
    {"C-Flat", 1200, "C-Flat", "You got C-Flat!"},
    {"Visual Complex", 1200, "Visual Complex", "You got Visual Complex!"},
    {"FlowerPoint", 900, "FlowerPoint", "You got FlowerPoint!"},
};
constexpr int shelfSize = static_cast<int>(sizeof shelf / sizeof shelf[0]);

// A theft raises the wanted level by one up to this (the missions raise it
// further); each level adds 7 in 100 to the chance of being caught and one
// more police officer after a theft.
constexpr int highestWantedFromTheft = 5;
constexpr int catchChancePerLevel = 7;
// Washington has no police maps of its own; the other cities send officers
// to their three street maps, named after the city.
constexpr int lastPolicedCity = 5;
constexpr int policeMapsPerCity = 3;

void buy(const Product& product, Possessions& possessions) {
    std::unique_ptr<Item> item = makeItemByName(product.itemName);
    if (!possessions.addItem(item)) {
        clearScreen();
        std::cout << "Your inventory is full!" << std::endl;
        waitForEnter();
        return;
    }
    possessions.setMoney(possessions.getMoney() - product.price);
}

// The loot: a few products picked at random; those that do not fit are left behind.
void grabProducts(Possessions& possessions) {
    for (int n = gameRand() % 5; n > 0; --n) {
        const Product& product = shelf[gameRand() % shelfSize];
        std::unique_ptr<Item> item = makeItemByName(product.itemName);
        if (possessions.addItem(item)) std::cout << product.gotText << std::endl;
    }
}

// One officer for each level of wanted, each on one of the city's street maps.
void sendPolice(Array<Enemy>& enemies, Array<String>& mapNames, Array<Map>& maps) {
    if (currentCity < 1 || currentCity > lastPolicedCity) return;
    for (int n = 0; n < wantedLevel; ++n) {
        const int strength = gameRand() % 15 + 10;
        const int hp = gameRand() % 75 + 175;
        enemies.append(Enemy("Police", hp, strength));
        Enemy& officer = enemies.at(enemies.size() - 1);
        String mapName = cityName(currentCity);
        mapName += " ";
        mapName += gameRand() % policeMapsPerCity + 1;
        officer.setMapName(mapName);
        placeOnWalkableTile(officer, maps.at(static_cast<std::uint32_t>(mapNames.indexOf(mapName))));
    }
}

void caught(Possessions& possessions, Character& player, Array<String>& mapNames, Array<Map>& maps,
            int& currentMap) {
    std::cout << "You got caught trying to steal!" << std::endl;
    std::cout << "The police have put you in jail!" << std::endl;
    waitForEnter();
    player.setHp(player.getMaxHp());
    // Only Vancouver's police take the thief away to their station.
    if (currentCity == 1) {
        const CityPlace& station = arrestPlace(currentCity);
        currentMap = mapNames.indexOf(String(station.mapName));
        player.moveTo(maps.at(static_cast<std::uint32_t>(currentMap)), station.x, station.y);
    }
    if (jail(possessions)) gameOverMenu(possessions, player, currentMap, maps);
}

void steal(Possessions& possessions, Array<Enemy>& enemies, Character& player, Array<String>& mapNames,
           Array<Map>& maps, int& currentMap) {
    // Caught, the thief goes to jail: an interruption before that keeps the
    // game from before the theft, not a theft without its arrest.
    const GameBeforeThis wholeTheft;
    clearScreen();
    const int loot = gameRand() % 80 + 20;
    if (wantedLevel < highestWantedFromTheft) ++wantedLevel;
    if (gameRand() % 100 <= wantedLevel * catchChancePerLevel) {
        caught(possessions, player, mapNames, maps, currentMap);
        return;
    }
    possessions.setMoney(paidIn(possessions.getMoney(), loot));
    std::cout << "You robbed the Macro Max" << std::endl;
    std::cout << "You got $" << loot << "!" << std::endl;
    grabProducts(possessions);
    sendPolice(enemies, mapNames, maps);
    waitForEnter();
    delayMs(200);
}

}  // namespace

void visitMacroMax(Possessions& possessions, Array<Enemy>& enemies, Character& player, Array<String>& mapNames,
                   Array<Map>& maps, int& currentMap) {
    clearScreen();
    macroMax(possessions, enemies, player, mapNames, maps, currentMap);
    clearScreen();
}

void macroMax(Possessions& possessions, Array<Enemy>& enemies, Character& player, Array<String>& mapNames,
              Array<Map>& maps, int& currentMap) {
    for (;;) {
        clearScreen();
        switch (menu("Macro Max", options({" Buy   ", " Steal ", " Leave "}), false)) {
        case 0: macroMaxBuy(possessions); break;
        case 1: steal(possessions, enemies, player, mapNames, maps, currentMap); return;
        default: return;
        }
    }
}

void macroMaxBuy(Possessions& possessions) {
    Array<String> labels;
    for (const Product& product : shelf) labels.append(product.label);
    labels.append("Back");
    for (;;) {
        clearScreen();
        const int choice = menu("Macro Max Items", labels, true);
        clearScreen();
        showCash(possessions);
        if (choice >= shelfSize) return;
        const Product& product = shelf[choice];
        std::cout << "Are you sure you want to purchase " << product.label << " for $" << product.price << "?"
                  << std::endl;
        if (!confirmedPurchase()) continue;
        if (possessions.getMoney() < product.price) {
            notEnoughMoney();
            return;
        }
        buy(product, possessions);
    }
}
