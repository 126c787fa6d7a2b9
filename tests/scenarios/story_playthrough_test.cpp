// The whole story played through the headless console with keys alone, on
// the shipped maps: a player made of code walks, fights, shops and reads the
// screens until the credits have rolled.

#include <gtest/gtest.h>

#include <memory>

#include "model/city_places.h"
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
    // Healed and stocked up as far as the money goes.
    Goal heal() {
        return Goal{"hospitalmenu", [this] {
                        const int money = state.possessions.getMoney();
                        return state.player.getHp() == state.player.getMaxHp() && (state.possessions.itemCount() >= 4 || money < 100);
                    }, {}};
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

TEST_F(Playthrough, MissionsWithoutMailOrAirport) {
    loadAllMaps(state.maps, state.mapNames);
    spawnBountyHunters(state.maps, state.enemies);
    resetToNewGame(state);
    auto fly = [this](int city, int mission) {
        return Goal{"city", [this, city, mission] {
                        if (currentCity != city) {
                            currentCity = city;
                            missionNumber = mission;
                            mailWaiting = false;
                            state.possessions.addWeapon(makeWeaponByName("C4"));
                            for (int i = 0; i < 2; ++i) state.possessions.addItem(std::make_unique<Medkit>());
                        }
                        const CityPlace& e = cityEntry(city);
                        state.currentMap = state.mapNames.indexOf(e.mapName);
                        state.player.setX(e.x);
                        state.player.setY(e.y);
                        return true;
                    }, {}};
    };
    missionNumber = 1;
    mailWaiting = false;
    state.possessions.addWeapon(makeWeaponByName("C4"));
    player.add(keyItem("level 1 bomb", "level 1 bomb"));
    player.add(heal());
    player.add(fly(2, 2));
    player.add(keyItem("map 2 key", "map 2 key"));
    player.add(keyItem("boom", "shuttle plans"));
    player.add(fly(3, 3));
    for (const char* k : {"map 3 switch 1", "map 3 switch 2", "map 3 keycard 1", "map 3 mod chip"}) player.add(keyItem(k, k));
    player.add(fly(4, 4));
    for (const char* k : {"map 4 power 1", "map 4 power 2", "map 4 power 3", "map 4 data disk"}) player.add(keyItem(k, k));
    player.add(Goal{"map 4 railgun", [this] { return state.possessions.findWeapon("Railgun") != -1; }, {}});
    player.add(fly(6, 6));
    player.add(heal());
    player.add(Goal{"abbott gates", [] { return missionNumber == 0; }, {{"Reply?", [](const maptools::ShownMenu&) { return std::string("No, won't sink to his level"); }}}});
    play();
}

}  // namespace
