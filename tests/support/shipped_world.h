#pragma once
// Scenarios on the shipped world: the game's own maps read from its folder,
// a new game begun without the screens before it, the music noted.

#include <cstdint>
#include <string>

#include "screens/exploration_loop.h"
#include "support/temp_folder.h"
#include "support/test_player.h"

class ShippedWorldTest : public PlayerTest {
protected:
    void newGame() {
        loadAllMaps(state.maps, state.mapNames);
        resetToNewGame(state);
    }
    // Walks the streets until the keys run out.
    void play(std::int64_t idleMs = 3000) {
        script.setIdleLimit(idleMs);
        EXPECT_THROW(explorationLoop(state), ScriptEnded);
    }
    int mapIndex(const char* name) { return state.mapNames.indexOf(String(name)); }
    const Map& map() { return state.maps.at(static_cast<std::uint32_t>(state.currentMap)); }
    std::string mapName() { return map().getName().str(); }

    WorkingFolder inSource{DRIFTER_SOURCE_DIR};
};
