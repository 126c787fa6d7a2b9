#include "model/game_state.h"
#include "model/city_places.h"

namespace {

Character newPlayer() {
    Character player(newGameStart.x, newGameStart.y);
    player.setHp(500);
    player.setMaxHp(500);
    player.setAccuracy(10);
    player.setStrength(10);
    return player;
}

}  // namespace

GameState::GameState() : player(newPlayer()) {}

void resetToNewGame(GameState& state) {
    state.player = newPlayer();
    state.possessions = Possessions();
    state.currentMap = newGameMapIndex;
    resetGameValues();
}
