#include "screens/start_up.h"

#include <iostream>

#include "screens/save_screens.h"
#include "console/console.h"
#include "console/dialogs.h"
#include "console/key_bindings.h"
#include "console/screen.h"
#include "console/menu.h"
#include "console/music.h"
#include "console/random.h"
#include "screens/exploration_loop.h"
#include "screens/interrupted_game.h"
#include "model/game_state.h"

namespace {

const char* const studioLines[] = {"\n",
                                   "\n",
                                   "\n",
                                   "\n",
                                   "\n",
                                   "                              [Kestrel Mill]",
                                   "                                   presents",
                                   nullptr};
const char* const titleLines[] = {"\n",   "\n", "\n", "\n", "\n", "                                   DRIFTER",
                                  nullptr};
const char* const introductionLines[] = {
    "\n",
    "You are aware that Abbott Gates, the leader of the multi-billion dollar",
    "corporation MacroCorp, has eliminated every member of the american government",
    "except for you, the Vice President. Gates has taken over the government and",
    "declared himself President.",
    "",
    "There is a bounty out on your head, therefore many bounty hunters will be",
    "looking for you not to mention corrupt cops and MacroCorp Security.",
    "",
    "You find yourself outside the internet cafe in Vancouver, maybe you should",
    "check your mail...",
    nullptr};

// Touching every tune once at start-up, as the game always has.
const char* const warmUpMusic[] = {".\\Music\\battle.wav", ".\\Music\\brighter.wav", ".\\Music\\moody2.wav",
                                   ".\\Music\\Wolfman.wav"};

void showPercent(const char* percent) {
    gotoXY(14, 0);
    std::cout << percent;
}

}  // namespace

void splashScreen() {
    playMusic(".\\Music\\finaldeposit.wav");
    delayMs(1000);
    fadeText(studioLines, 5000, 200, VK::Escape);
    fadeText(titleLines, 8650, 220, VK::Escape);
}

void loadingScreen(GameState& state) {
    // A splash that fades to its end leaves black text behind.
    setColor(0, 15);
    clearScreen();
    std::cout << "Starting up...0%";
    for (const char* percent : {"20%", "40%", "60%", "70%", "80%", "90%"}) showPercent(percent);
    showPercent("100%");
    std::cout << '\n';
    delayMs(500);
    std::cout << "Loading Maps..." << '\n';
    state.statusPanel.loadFromFile("maps\\stats.map");
    loadAllMaps(state.maps, state.mapNames);
    delayMs(500);
    std::cout << "Generating AI..." << '\n';
    spawnBountyHunters(state.maps, state.enemies);
}

namespace {

// The first line of the keys file that could not be read, on the last row;
// a folder too long for the row is left out, the file's name stays.
void showKeyFileProblem() {
    if (keyFileProblems().empty()) return;
    std::string text = keyFileProblems().front();
    const auto line = text.find(" line ");
    const auto folderEnd = text.find_last_of("/\\", line);
    if (text.size() >= std::size_t{ScreenModel::width} && folderEnd != std::string::npos)
        text.erase(0, folderEnd + 1);
    gotoXY(0, ScreenModel::height - 1);
    setColor(0, 12);
    std::cout << text.substr(0, std::size_t{ScreenModel::width} - 1);
    setColor(0, 15);
}

}  // namespace

bool titleMenu(GameState& state) {
    clearScreen();
    showKeyFileProblem();
    gotoXY(30, 10);
    switch (menu("  DRIFTER", options({" New Game  ", " Load Game ", " Quit      "}), false)) {
    case 0:
        clearScreen();
        // The press that cuts the story short must not also pause the game.
        if (fadeText(introductionLines, 30000, 200, VK::Escape)) keyPressed(VK::Escape, false);
        clearScreen();
        return true;
    case 1: loadGameScreen(state.possessions, state.player, state.currentMap, state.maps); return true;
    default: return false;
    }
}

void enterGame(GameState& state) {
    stopSound();
    playMusic(".\\Music\\moody2.wav");
    const GameInPlay inPlay(state);
    explorationLoop(state);
}

int startUp() {
    GameState state;
    return startUp(state);
}

int startUp(GameState& state) {
    resetToNewGame(state);
    seedRandomFromClock();
    for (const char* tune : warmUpMusic) {
        playMusic(tune);
        stopSound();
    }
    splashScreen();
    loadingScreen(state);
    if (!titleMenu(state)) return 0;
    enterGame(state);
}
