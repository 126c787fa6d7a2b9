// The whole story played through the headless console with keys only, on
// the shipped maps, by the player made of code (tools/maps/story_goals.h):
// from the title menu to the end of the credits and the world started afresh.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "screens/start_up.h"
#include "support/shipped_world.h"
#include "tools/maps/story_goals.h"

namespace {

class Playthrough : public ShippedWorldTest {
protected:
    void SetUp() override {
        ShippedWorldTest::SetUp();
        // The shipped maps, and a folder of its own for the saved game.
        folder.mirror(std::filesystem::path(DRIFTER_SOURCE_DIR) / "maps", "maps");
        setHost(&storyPlayer);
    }

    ScratchFolder folder;
    maptools::StoryPlayer storyPlayer{state};
    maptools::StoryNotes notes;
};

TEST_F(Playthrough, ANewGameToTheEndOfTheCredits) {
    maptools::addWholeStory(storyPlayer, state, notes);
    EXPECT_THROW(startUp(state), ScriptEnded);  // the player stops once the story is over
    ASSERT_TRUE(storyPlayer.finished()) << "stuck on the way to " << storyPlayer.goalText();

    const auto& d = storyPlayer.diary;
    EXPECT_EQ(std::count(d.begin(), d.end(), "airportcity"), 4);
    EXPECT_TRUE(storyPlayer.saw("Mission Info: Cape Kennedy"));
    EXPECT_TRUE(storyPlayer.saw("It looks like everything is here!"));
    EXPECT_GT(notes.savedMoney, 0);
    EXPECT_EQ(notes.moneyAfterLoad, notes.savedMoney);
    EXPECT_TRUE(storyPlayer.saw("You:       Have a nice day..."));
    EXPECT_EQ(state.currentMap, 1);
    EXPECT_EQ(currentCity, 1);
    EXPECT_EQ(missionNumber, 0);
    EXPECT_NE(possessions.findWeapon("Pointy Stick"), -1);
    EXPECT_EQ(music.calls.back(), "play .\\Music\\moody2.wav");
}

}  // namespace
