#include "screens/pause_menu.h"

#include <iostream>

#include "screens/save_screens.h"
#include "console/console.h"
#include "console/dialogs.h"
#include "console/menu.h"
#include "console/quit.h"
#include "model/game_values.h"
#include "screens/inventory_screen.h"

namespace {

// What the brief says for each mission number; a null line ends the body.
struct Brief {
    const char* heading;
    const char* body[4];
};

const Brief briefs[] = {
    {"Mission Info: Vancouver",
     {"You must find the internet cafe and receive your first mission objectives.",
      "You will receive any mission specific items as well.", nullptr}},
    {"Mission Info: Vancouver",
     {"Infiltrate the Canadian MacroCorp Headquarters.", "Once inside you must plant C4, and destroy the building.",
      "Just remember MSA Agents will be looking for you!", nullptr}},
    {"Mission Info: Cape Kennedy",
     {"NASA has been working on top secret shuttle design.",
      "Your job, steal the plans that are in the secured area.", "Return with the plans, and scan in the data.",
      nullptr}},
    {"Mission Info: Silicon Valley",
     {"MacroCorp has created a state-of prototype mod chip.",
      "This chip could be used to create horrible weapons of destruction.",
      "Your objective is to steal this chip by any means necessary.", nullptr}},
    {"Mission Info: Roswell",
     {"Your objective is to find the reknowned Area 51.",
      "Once you have found the facility, you must steal a data disk", "located somewhere deep inside the facility.",
      nullptr}},
    {nullptr, {nullptr}},  // mission 5 is briefed as the last one
    {"Misssion Info: Washington", {"All that's left is to head to Washington and defeat Abbott Gates!", nullptr}},
};
constexpr int briefCount = static_cast<int>(sizeof briefs / sizeof briefs[0]);

}  // namespace

void pauseMenu(Character& player, Possessions& possessions, int& currentMap, const Array<Map>& maps) {
    clearScreen();
    gotoXY(35, 5);
    const int choice = menu(
        "   PAUSED",
        options({" Continue      ", " Inventory     ", " Mission Brief ", " Load Game     ", " Quit Game     "}),
        false);
    switch (choice) {
    case 1: inventoryScreen(player, possessions); break;
    case 2: missionBrief(); break;
    case 3: loadGameScreen(possessions, player, currentMap, maps); break;
    case 4: throw QuitGame{};
    default: break;
    }
    clearScreen();
}

void missionBrief() {
    clearScreen();
    if (missionNumber == 5) missionNumber = 6;
    if (missionNumber < 0 || missionNumber >= briefCount || !briefs[missionNumber].heading) return;
    const Brief& brief = briefs[missionNumber];
    std::cout << brief.heading << "\n\n";
    for (const char* const* line = brief.body; *line; ++line) std::cout << *line << '\n';
    waitForEnter();
}

void gameOverMenu(Possessions& possessions, Character& player, int& currentMap, const Array<Map>& maps) {
    clearScreen();
    delayMs(200);
    gotoXY(35, 5);
    if (menu("GAME OVER", options({" Load Game ", " Quit Game "}), false) == 1) throw QuitGame{};
    loadGameScreen(possessions, player, currentMap, maps);
}
