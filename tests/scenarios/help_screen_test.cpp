// The help screen on the shipped world at every stage of the story, as the
// player made of code leaves the game each time it reaches a goal: '?' opens
// it over the streets, it names the next place the story needs and the way
// there, and that way, walked with the arrows, leads to the place.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>

#include "model/event_rows.h"
#include "model/next_place.h"
#include "model/save_file.h"
#include "screens/start_up.h"
#include "support/shipped_world.h"
#include "tools/maps/story_goals.h"

namespace {

// The game as a save keeps it, after each goal of the story.
struct Stage {
    std::string reached;
    SavedGame game;
};

class StagePlayer : public maptools::StoryPlayer {
public:
    explicit StagePlayer(GameState& s) : StoryPlayer(s), game(s) {}
    void waitUntil(std::int64_t deadline) override {
        if (diary.size() > stages.size())
            stages.push_back({diary.back(), captureGame(game.possessions, game.player, game.currentMap)});
        StoryPlayer::waitUntil(deadline);
    }
    std::vector<Stage> stages;

private:
    GameState& game;
};

class HelpScreen : public ShippedWorldTest {
protected:
    void SetUp() override {
        ShippedWorldTest::SetUp();
        folder.mirror(std::filesystem::path(DRIFTER_SOURCE_DIR) / "maps", "maps");
    }
    std::vector<Stage> playTheStory() {
        StagePlayer stagePlayer(state);
        maptools::StoryNotes notes;
        maptools::addWholeStory(stagePlayer, state, notes);
        setHost(&stagePlayer);
        EXPECT_THROW(startUp(state), ScriptEnded);
        setHost(&script);
        return stagePlayer.stages;
    }
    // The help screen over the streets, as it stood when Enter closed it.
    Shot help() {
        script = ScreenRecorder();
        script.tap(VK::Question).tap(VK::Enter);
        explorationTick(state);
        explorationTick(state);
        EXPECT_TRUE(screenShows("HP: ")) << "play goes on";
        return script.at(VK::Enter, 0);
    }
    // Walks the route but its last step through the real ticks; true when the
    // last step then touches the place.
    bool walkReaches(const NextPlace& next) {
        script = ScreenRecorder();
        for (std::size_t i = 0; i + 1 < next.route.size(); ++i) script.tap(next.route[i].key);
        while (!script.scriptDone()) {
            script.waitUntil(script.now() + 90);
            explorationTick(state);
        }
        const RouteStep& last = next.route.back();
        if (state.currentMap != last.map || player.getX() != last.x || player.getY() != last.y) return false;
        static const std::map<int, String (Character::*)(const Map&)> moves = {{VK::Left, &Character::moveLeft},
                                                                               {VK::Right, &Character::moveRight},
                                                                               {VK::Up, &Character::moveUp},
                                                                               {VK::Down, &Character::moveDown}};
        return (player.*moves.at(last.key))(map()) == next.link;
    }

    TempFolder folder;
    WorkingFolder inFolder{folder.path()};
};

// Routes through an elevator's menu, a C4 question or a message (the
// hallway's, the arrival hall's greeting after the jet bridge) are walked by
// the story itself; the others are walked here.
bool plainWalk(const std::vector<RouteStep>& route, const Array<String>& names) {
    const EventRow* hallway = findEventRow("map 4-3");
    for (std::size_t i = 0; i + 1 < route.size(); ++i) {
        const RouteStep& a = route[i];
        const RouteStep& b = route[i + 1];
        if (a.floor >= 0 || a.useC4) return false;
        if (a.map == names.indexOf(hallway->from) && b.map == names.indexOf(hallway->opens)) return false;
        if (a.map == b.map && std::abs(a.x - b.x) + std::abs(a.y - b.y) > 1) return false;  // the jet bridge
    }
    return true;
}

// What the help names after each goal of the story, in runs.
const std::vector<std::pair<const char*, int>> expectedPlaces = {
    {"the MacroCorp building", 1},
    {"the Internet Cafe", 1},
    {"the airport, then fly to Cape Kennedy", 6},
    {"gate N, then fly to Cape Kennedy", 1},
    {"the NASA security gate", 3},
    {"the shuttle plans", 1},
    {"the Internet Cafe", 1},
    {"the airport, then fly to Silicon Valley", 2},
    {"gate N, then fly to Silicon Valley", 1},
    {"the MacroCorp Research Labs", 3},
    {"an elevator switch", 1},
    {"the Level 1 Keycard", 1},
    {"the Level 2 Keycard", 1},
    {"the Level 3 Keycard", 1},
    {"the Master Keycard", 1},
    {"the mod chip", 1},
    {"the Internet Cafe", 1},
    {"the airport, then fly to Roswell", 2},
    {"gate N, then fly to Roswell", 1},
    {"the dirt road to Area 51", 3},
    {"a power switch", 2},
    {"the data disk", 1},
    {"the Internet Cafe", 2},
    {"the airport, then fly to Washington", 2},
    {"gate N, then fly to Washington", 1},
    {"the White House", 4},
};

std::string trimmedRow(const Shot& shot, int y) {
    const std::string& r = shot.rows.at(static_cast<std::size_t>(y));
    return r.substr(2, r.find_last_not_of(' ') - 1);
}

TEST_F(HelpScreen, AtEveryStageOfTheStoryNamesTheNextPlaceAndAWayThatReachesIt) {
    std::vector<std::string> expected;
    for (const auto& [name, times] : expectedPlaces) expected.insert(expected.end(), times, name);
    std::vector<std::string> named;
    for (const Stage& stage : playTheStory()) {
        restoreGame(stage.game, possessions, player, state.currentMap);
        if (missionNumber == 0) continue;  // the end: the story starts afresh
        state.enemies.clear();
        SCOPED_TRACE("after " + stage.reached + " on " + mapName());
        const Shot shot = help();
        named.push_back(trimmedRow(shot, 17));
        if (named.back().rfind("gate ", 0) == 0) named.back()[5] = 'N';  // the gate is drawn by lot
        const NextPlace next = nextPlace(state);
        ASSERT_FALSE(next.route.empty()) << trimmedRow(shot, 18);
        const std::string way = trimmedRow(shot, 18) + " " + trimmedRow(shot, 19);
        EXPECT_EQ(way.rfind("From here: " + wayText(next.route, state.mapNames).substr(0, 20), 0), 0u) << way;
        if (plainWalk(next.route, state.mapNames)) {
            EXPECT_TRUE(walkReaches(next)) << way;
        }
    }
    EXPECT_EQ(named, expected);
}

}  // namespace
