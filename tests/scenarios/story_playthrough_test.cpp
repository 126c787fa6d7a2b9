// The whole story played through the headless console with keys alone, on
// the shipped maps: a player made of code walks, fights, shops and reads the
// screens until the credits have rolled.

#include <gtest/gtest.h>

#include "model/game_state.h"
#include "screens/exploration_loop.h"
#include "support/screen_recorder.h"
#include "support/temp_folder.h"
#include "tools/maps/story_player.h"

namespace {

using maptools::Goal;
using maptools::StoryPlayer;

class Playthrough : public ScreenTest {
protected:
    bool holds(const char* keyItem) { return state.possessions.findKeyItem(keyItem) != -1; }
    Goal keyItem(const char* link, const char* item) {
        return Goal{link, [this, item] { return holds(item); }, {}};
    }
    void play() {
        setHost(&player);
        try {
            explorationLoop(state);
        } catch (const ScriptEnded&) {
        }
        EXPECT_TRUE(player.finished()) << player.goalText();
        for (auto& d : player.diary) std::printf("%s\n", d.c_str());
        std::printf("t=%ld hp=%d money=%d map=%d\n", (long)player.now(), state.player.getHp(), state.possessions.getMoney(), state.currentMap);
    }

    WorkingFolder inSource{DRIFTER_SOURCE_DIR};
    RecordingMusic music;
    GameState state;
    StoryPlayer player{state};
};

TEST_F(Playthrough, SiliconValleyAndRoswell) {
    loadAllMaps(state.maps, state.mapNames);
    spawnBountyHunters(state.maps, state.enemies);
    resetToNewGame(state);
    currentCity = 3;
    missionNumber = 3;
    mailWaiting = false;
    state.currentMap = state.mapNames.indexOf("Silicon Valley 2");
    state.player.setX(19);
    state.player.setY(14);
    state.possessions.addWeapon(makeWeaponByName("C4"));
    for (const char* k : {"map 3 switch 1", "map 3 switch 2", "map 3 keycard 1", "map 3 mod chip"}) player.add(keyItem(k, k));
    play();
}

}  // namespace
