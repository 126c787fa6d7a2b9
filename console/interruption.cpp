#include "console/interruption.h"

namespace {

GameKeeper installedKeeper = nullptr;

}  // namespace

void setGameKeeper(GameKeeper keeper) { installedKeeper = keeper; }

std::string keepGameInPlay() {
    const GameKeeper keeper = installedKeeper;
    installedKeeper = nullptr;  // one interruption keeps one game
    return keeper ? keeper() : std::string();
}

bool keepGameInPlaySoFar(std::string& failure) {
    if (!installedKeeper) return false;
    failure = installedKeeper();
    return true;
}
