#include "console/interruption.h"

namespace {

GameKeeper installed = nullptr;

}  // namespace

void setGameKeeper(GameKeeper keeper) { installed = keeper; }

std::string keepGameInPlay() {
    const GameKeeper keeper = installed;
    installed = nullptr;  // one interruption keeps one game
    return keeper ? keeper() : std::string();
}

bool keepGameInPlaySoFar(std::string& failure) {
    if (!installed) return false;
    failure = installed();
    return true;
}
