#include "screens/pause_menu.h"

#include <iostream>

#include "screens/save_screens.h"
#include "console/console.h"
#include "console/dialogs.h"
#include "console/menu.h"
#include "console/quit.h"
#include "model/game_values.h"
#include "model/missions.h"
#include "screens/inventory_screen.h"

namespace {

// Before the first mail the brief sends the player to the cafe.
const MissionText findTheCafe = {"Mission Info: Vancouver",
                                 {"You must find the internet cafe and receive your first mission objectives.",
                                  "You will receive any mission specific items as well."}};

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

// Mission 5 is briefed as the one after it.
const MissionText* currentBrief() {
    const int number = missionNumber == 5 ? 6 : missionNumber;
    if (number == 0) return &findTheCafe;
    const Mission* mission = missionNumbered(number);
    return mission ? &mission->text : nullptr;
}

void missionBrief() {
    clearScreen();
    if (missionNumber == 5) missionNumber = 6;
    if (!currentBrief()) return;
    const MissionText& brief = *currentBrief();
    std::cout << brief.heading << "\n\n";
    for (const char* line : brief.lines)
        if (line) std::cout << line << '\n';
    waitForEnter();
}

void gameOverMenu(Possessions& possessions, Character& player, int& currentMap, const Array<Map>& maps) {
    clearScreen();
    delayMs(200);
    gotoXY(35, 5);
    if (menu("GAME OVER", options({" Load Game ", " Quit Game "}), false) == 1) throw QuitGame{};
    loadGameScreen(possessions, player, currentMap, maps);
}
