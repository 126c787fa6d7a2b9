#include "screens/status_panel.h"

#include <iostream>

#include "console/console.h"
#include "model/character.h"
#include "model/game_values.h"
#include "model/map.h"
#include "model/possessions.h"
#include "model/status_panel.h"

namespace {

// The stars of the wanted level end before "Accuracy:" below "Strength:".
constexpr int maxStars = 9;

std::ostream& at(const PanelText& text) {
    gotoXY(text.x, text.row);
    return std::cout;
}

}  // namespace

void drawStatusPanel(const Map& panel, const Character& player, const Possessions& possessions) {
    gotoXY(0, panelTopRow);
    printBlock(std::cout, panel.getLines());
    at(panelHp) << "HP: " << player.getHp() << '/' << player.getMaxHp();
    at(panelAccuracy) << "Accuracy: " << player.getAccuracy();
    at(panelStrength) << "Strength: " << player.getStrength();
    at(panelWanted) << "Wanted Level: ";
    const int stars = wantedLevel < maxStars ? wantedLevel : maxStars;
    for (int i = 0; i < stars; ++i) std::cout << '*';
    at(panelMoney) << "Current Money:   $" << static_cast<unsigned>(possessions.getMoney());
    at(panelBank) << "Account Balance: $" << possessions.getBank() << '\n';
}
