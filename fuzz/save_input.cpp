// Save bytes: the load screen either refuses a file as damaged or loads it,
// as a slot and as the interrupted game, and a game that loaded saves to a
// file that loads back as the same game.

#include <filesystem>

#include "console/headless.h"
#include "console/host.h"
#include "console/keys.h"
#include "console/screen.h"
#include "fuzz/fuzz_checks.h"
#include "fuzz/scratch.h"
#include "fuzz/slot_loading.h"
#include "model/character.h"
#include "model/game_values.h"
#include "model/possessions.h"
#include "model/save_file.h"
#include "screens/save_screens.h"

namespace {

bool screenShows(const std::string& text) {
    for (int y = 0; y < ScreenModel::height; ++y)
        if (screen().rowText(y).find(text) != std::string::npos) return true;
    return false;
}

// The interrupted game's line follows the ten slots.
constexpr int interruptedLine = 10;

// Writes the text as the file and loads it with the choice made in the load
// screen's list (Enter after that many Downs). False when the screen refused
// it as damaged; a FuzzFinding when it did neither.
bool loadFile(const std::string& text, const char* file, int downs, Possessions& possessions, Character& player,
              int& currentMap) {
    InScratchFolder here;
    here.empty("save");
    here.write(file, text);
    HeadlessHost keys;
    for (int i = 0; i < downs; ++i) keys.tap(VK::Down);
    keys.tap(VK::Enter);
    keys.setIdleLimit(1000);
    HostInUse inUse(&keys);
    bool loaded = true;
    withoutFault("the load screen", [&] {
        saveSlotList(true);
        try {
            loadGameScreen(possessions, player, currentMap, shippedWorld().maps);
        } catch (const ScriptEnded&) {
            // Waiting for Enter after a message: only the damaged-file message may stop it.
            if (!screenShows("This saved game is damaged and cannot be loaded.")) throw FuzzFinding("load stalled");
            loaded = false;
        }
    });
    // One interruption gives one resume; a slot stays whatever happens.
    const bool gone = downs == interruptedLine && loaded;
    if (std::filesystem::exists(file) == gone)
        throw FuzzFinding(gone ? "the interrupted game stayed after it was loaded"
                               : std::string(file) + " was removed");
    return loaded;
}

// The same bytes as the interrupted game: offered after the ten slots, loaded
// or refused as a slot is, and gone once loaded.
void checkInterruptedBytes(const std::string& bytes) {
    resetGameValues();
    Possessions possessions;
    Character player(20, 10);
    int currentMap = 1;
    loadFile(bytes, "save/interrupted.sav", interruptedLine, possessions, player, currentMap);
}

}  // namespace

bool loadSlotOne(const std::string& text, Possessions& possessions, Character& player, int& currentMap) {
    return loadFile(text, "save/save1.sav", 0, possessions, player, currentMap);
}

std::string savedText(const Possessions& possessions, const Character& player, int currentMap) {
    return formatSavedGame(captureGame(possessions, player, currentMap));
}

void checkSaveBytes(const std::string& bytes) {
    checkInterruptedBytes(bytes);
    resetGameValues();
    Possessions possessions;
    Character player(20, 10);
    int currentMap = 1;
    if (!loadSlotOne(bytes, possessions, player, currentMap)) return;
    const std::string resaved = savedText(possessions, player, currentMap);
    if (!loadSlotOne(resaved, possessions, player, currentMap))
        throw FuzzFinding("a game that loaded was saved as a damaged file:\n" + resaved);
    if (savedText(possessions, player, currentMap) != resaved)
        throw FuzzFinding("a saved game loads back different:\n" + resaved);
}
