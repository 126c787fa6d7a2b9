#include "screens/exploration_loop.h"

#include <iostream>

#include "console/console.h"
#include "console/host.h"
#include "model/city_places.h"
#include "model/enemy.h"
#include "screens/encounters.h"
#include "screens/help_screen.h"
#include "model/game_state.h"
#include "screens/location_events.h"
#include "screens/status_panel.h"

namespace {

constexpr int tickMs = 90;

Map& currentMapOf(GameState& state) { return state.maps.at(static_cast<std::uint32_t>(state.currentMap)); }

// Everything is drawn over the last frame; nothing is cleared, so nothing flickers.
void drawFrame(GameState& state) {
    const Map& map = currentMapOf(state);
    gotoXY(0, 0);
    setColor(0, 8);
    printBlock(std::cout, map.getLines()) << '\n';
    drawCharacter(std::cout, state.player);
    drawStatusPanel(state.statusPanel, state.player, state.possessions);
    const String here = map.getName();
    for (const Enemy& enemy : state.enemies)
        if (enemy.getMapName() == here) drawCharacter(std::cout, enemy);
    // The screens that open from the tick clear in the current colour: black,
    // not whatever colour the panel's last escape left behind.
    setColor(0, 15);
}

// A "city" link leads out to the streets of the city the player is in.
void enterCity(GameState& state) {
    const CityPlace& entry = cityEntry(currentCity);
    clearScreen();
    state.currentMap = state.mapNames.indexOf(String(entry.mapName));
    Map& map = currentMapOf(state);
    if (map.isWalkable(entry.x, entry.y)) state.player.moveTo(map, entry.x, entry.y);
}

// A link that names a map: its target in the map being left gives the new
// position; a 0 keeps the player's own coordinate.
void enterMap(GameState& state, const String& link, int mapIndex) {
    const LinkTarget target = currentMapOf(state).linkTarget(link);
    const int x = target.x != 0 ? target.x : state.player.getX();
    const int y = target.y != 0 ? target.y : state.player.getY();
    state.currentMap = mapIndex;
    state.player.moveTo(currentMapOf(state), x, y);
    clearScreen();
}

void followLink(GameState& state, String link) {
    if (link == "") return;
    if (link == "city") return enterCity(state);
    if (link == "police") return policeLinkFight(state);
    if (runLocationEvent(link, state.player, state.possessions, state.enemies, state.mapNames, state.maps,
                         state.currentMap))
        return;
    const int mapIndex = state.mapNames.indexOf(link);
    if (mapIndex >= 0) return enterMap(state, link, mapIndex);
    ambush(state);
}

void walk(GameState& state) {
    using Move = String (Character::*)(const Map&);
    static const struct {
        int key;
        Move move;
    } arrows[] = {{VK::Left, &Character::moveLeft},
                  {VK::Right, &Character::moveRight},
                  {VK::Up, &Character::moveUp},
                  {VK::Down, &Character::moveDown}};
    for (const auto& arrow : arrows)
        if (keyPressed(arrow.key, true)) followLink(state, (state.player.*arrow.move)(currentMapOf(state)));
}

void enemyTurn(GameState& state) {
    std::uint32_t i = 0;
    while (i < state.enemies.size() && state.player.getHp() > 0) {
        Enemy& enemy = state.enemies.at(i);
        const Map& map = currentMapOf(state);
        if (enemy.getMapName() != map.getName()) {
            ++i;
            continue;
        }
        placeOnWalkableTile(enemy, map);  // one found on a wall (a map changed under it)
        enemy.chase(map, state.player);
        if (!enemyFight(state, i)) ++i;  // a beaten enemy's place is taken by the next
    }
}

}  // namespace

void explorationTick(GameState& state) {
    drawFrame(state);
    pauseOnEscape(state);
    const WalkingInto walkingInto;
    if (keyPressed(VK::F1, false)) helpScreen(state);
    walk(state);
    if (state.player.getHp() > 0) enemyTurn(state);
    wakeInHospitalIfDown(state);
}

void explorationLoop(GameState& state) {
    Host& h = host();
    std::int64_t lastTick = h.now() - tickMs;
    for (;;) {
        h.waitUntil(lastTick + tickMs);
        lastTick = h.now();
        explorationTick(state);
    }
}
