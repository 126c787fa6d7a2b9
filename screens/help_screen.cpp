#include "screens/help_screen.h"

#include <iostream>
#include <string>

#include "console/console.h"
#include "console/host.h"
#include "console/key_bindings.h"
#include "model/city_places.h"
#include "model/game_state.h"
#include "model/next_place.h"
#include "model/missions.h"
#include "screens/pause_menu.h"

namespace {

constexpr int pollMs = 75;
constexpr std::size_t lineWidth = 76;

void heading(int y, const char* text) {
    gotoXY(0, y);
    setColor(0, 14);
    std::cout << text;
    setColor(0, 15);
}

void showKeys() {
    heading(1, "Keys");
    const KeyBindings& keys = keyBindings();
    gotoXY(2, 2);
    std::cout << "Walk and move the highlight: up " << keys.keysOf(VK::Up) << "; down " << keys.keysOf(VK::Down);
    gotoXY(2, 3);
    std::cout << "left " << keys.keysOf(VK::Left) << "; right " << keys.keysOf(VK::Right);
    gotoXY(2, 4);
    std::cout << "Choose: " << keys.keysOf(VK::Enter) << ".  Pause, back: " << keys.keysOf(VK::Escape)
              << ".  Help: " << keys.keysOf(VK::F1) << '.';
    gotoXY(2, 5);
    std::cout << "Amounts: the digits and Backspace.  Your own keys: drifter --keys.";
}

void showSaving() {
    heading(7, "Saving");
    gotoXY(2, 8);
    std::cout << "Games are saved only at an internet cafe (Save Game), and loaded there or";
    gotoXY(2, 9);
    std::cout << "from the pause menu. A game cut off by a closed terminal is offered back.";
}

void showBrief() {
    const MissionText* brief = currentBrief();
    if (!brief) return;
    heading(11, brief->heading);
    int y = 12;
    for (const char* line : brief->lines)
        if (line) {
            gotoXY(2, y++);
            std::cout << line;
        }
}

void showNextPlace(const GameState& state) {
    heading(16, "Where to go next");
    const NextPlace next = nextPlace(state);
    gotoXY(2, 17);
    if (!next.name) {
        std::cout << "Nowhere in particular: the story waits for you.";
        return;
    }
    std::cout << next.name;
    if (next.flyTo) std::cout << ", then fly to " << cityName(next.flyTo);
    if (next.route.empty()) {
        gotoXY(2, 18);
        std::cout << "No way there is open from here yet.";
        return;
    }
    // A long way takes up to three lines, broken between words.
    std::string way = "From here: " + wayText(next.route, state.mapNames) + '.';
    for (int y = 18; y <= 20 && !way.empty(); ++y) {
        std::size_t cut = way.size() <= lineWidth ? way.size() : way.rfind(' ', lineWidth);
        if (cut == std::string::npos || cut == 0) cut = lineWidth;
        gotoXY(2, y);
        std::cout << way.substr(0, cut);
        way.erase(0, cut < way.size() ? cut + 1 : cut);
    }
}

}  // namespace

void helpScreen(const GameState& state) {
    clearScreen();
    heading(0, "DRIFTER Help");
    showKeys();
    showSaving();
    showBrief();
    showNextPlace(state);
    gotoXY(2, 23);
    std::cout << "Enter or Escape: back to the game";
    while (!keyPressed(VK::Enter, false) && !keyPressed(VK::Escape, false)) delayMs(pollMs);
    clearScreen();
}
