#include "screens/encounters.h"

#include "console/console.h"
#include "console/music.h"
#include "console/random.h"
#include "model/city_places.h"
#include "model/game_state.h"
#include "screens/pause_menu.h"
#include "screens/battle.h"
#include "screens/hospital.h"
#include "screens/jail.h"

namespace {

const char* const explorationMusic = ".\\Music\\moody2.wav";

// Puts the player on the table's map and position for his city.
void sendPlayerTo(GameState& state, const CityPlace& place) {
    if (place.cityAfter != 0) currentCity = place.cityAfter;
    state.currentMap = state.mapNames.indexOf(String(place.mapName));
    state.player.moveTo(state.maps.at(static_cast<std::uint32_t>(state.currentMap)), place.x, place.y);
}

// Caught by the police: healed, then taken to the city's jail.
void arrest(GameState& state) {
    delayMs(300);
    state.player.setHp(state.player.getMaxHp());
    sendPlayerTo(state, arrestPlace(currentCity));
    if (jail(state.possessions)) gameOverMenu(state.possessions, state.player, state.currentMap, state.maps);
}

void loseEverythingButKeys(GameState& state) {
    Possessions& p = state.possessions;
    p.setMoney(0);
    while (p.itemCount() > 0) p.removeItem(p.itemCount() - 1);
    while (p.weaponCount() > 1) p.removeWeapon(p.weaponCount() - 1);
    equippedWeapon = 0;
    wantedLevel = 0;
}

// Police get stronger as the missions go on; a damaged mission number counts as 0.
int policeScale() { return missionNumber >= 0 ? missionNumber + 1 : 1; }

}  // namespace

void pauseOnEscape(GameState& state) {
    if (keyPressed(VK::Escape, false)) pauseMenu(state.player, state.possessions, state.currentMap, state.maps);
}

void policeLinkFight(GameState& state) {
    const int strength = gameRand() % (policeScale() * 10) + 5;
    const int hp = gameRand() % (policeScale() * 75) + 100;
    Enemy police("Police", hp, strength);
    battle(state.player, police, state.possessions);
    const bool lost = state.player.getHp() <= 0;
    if (lost) stopSound();
    playMusic(explorationMusic);
    if (lost) arrest(state);
}

void ambush(GameState& state) {
    const int strength = gameRand() % 10 + 5;
    const int hp = gameRand() % 50 + 150;
    Enemy hunter("Bounty Hunter", hp, strength);
    battle(state.player, hunter, state.possessions);
    stopSound();
    playMusic(explorationMusic);
}

bool enemyFight(GameState& state, std::uint32_t i) {
    Enemy& enemy = state.enemies.at(i);
    if (!enemy.isAt(state.player)) return false;
    battle(state.player, enemy, state.possessions);
    stopSound();
    playMusic(explorationMusic);
    const bool byPolice = enemy.getName() == "Police";
    const bool beaten = enemy.getHp() <= 0;
    if (beaten) state.enemies.removeAt(i);
    if (state.player.getHp() <= 0 && byPolice) arrest(state);
    return beaten;
}

void wakeInHospitalIfDown(GameState& state) {
    if (state.player.getHp() > 0) return;
    delayMs(300);
    state.player.setHp(state.player.getMaxHp());
    loseEverythingButKeys(state);
    sendPlayerTo(state, deathPlace(currentCity));
    hospital(state.player, state.possessions);
}
