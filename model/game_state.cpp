#include "model/game_state.h"

namespace {

Character newPlayer() {
    Character player(20, 10);
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
    state.currentMap = 1;
    resetGameValues();
}
