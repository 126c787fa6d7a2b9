#include "screens/interrupted_game.h"

#include <memory>

#include "console/interruption.h"
#include "model/game_state.h"
#include "model/save_file.h"
#include "platform/files.h"
#include "screens/save_screens.h"

namespace {

GameState* inPlay = nullptr;
std::unique_ptr<SavedGame> before;  // the game a GameBeforeThis holds on to

}  // namespace

GameInPlay::GameInPlay(GameState& state) {
    inPlay = &state;
    setGameKeeper(keepInterruptedGame);
}

GameInPlay::~GameInPlay() {
    setGameKeeper(nullptr);
    inPlay = nullptr;
    before.reset();
}

GameBeforeThis::GameBeforeThis() : outermost(inPlay && !before) {
    if (outermost)
        before = std::make_unique<SavedGame>(captureGame(inPlay->possessions, inPlay->player, inPlay->currentMap));
}

GameBeforeThis::~GameBeforeThis() {
    if (outermost) before.reset();
}

std::string keepInterruptedGame() {
    if (!inPlay) return std::string();
    const SavedGame game = before ? *before : captureGame(inPlay->possessions, inPlay->player, inPlay->currentMap);
    std::string failure = makeDirectory("save");
    if (failure.empty() && writeFileAtomically(interruptedGameFile, formatSavedGame(game), failure)) return failure;
    // Named, so that the player can see to it (empty with saving turned off).
    const std::string where = resolveGamePath(interruptedGameFile);
    return where.empty() ? failure : where + ": " + failure;
}
