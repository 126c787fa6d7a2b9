#include <gtest/gtest.h>

#include "tools/maps/story.h"
#include "map_test_support.h"

using namespace maptools;
using maptest::joined;
using maptest::mapNamed;
using maptest::mentions;

namespace {

std::size_t indexOf(const std::vector<std::string>& v, const std::string& s) {
    return static_cast<std::size_t>(std::find(v.begin(), v.end(), s) - v.begin());
}

// Turns every tile of the link with this text into wall.
void wallUp(GameMap& m, const std::string& link) {
    const char d = static_cast<char>('0' + m.linkIndex(link));
    for (auto& row : m.collision)
        for (auto& c : row)
            if (c == d) c = '#';
}

}  // namespace

TEST(StoryWalk, TheShippedStoryCanBeFinishedWhateverGateTheTicketsName) {
    for (int gate = 0; gate <= 3; ++gate) {
        const StoryResult r = walkStory(maptest::shippedWorld(), gate);
        EXPECT_TRUE(r.problems.empty()) << "gate " << gate << ":\n" << joined(r.problems);
        const auto& m = r.milestones;
        // Story order: each mission's objective before the next mail.
        const std::vector<std::string> order = {
            "mission 1 mail read", "key item \"level 1 bomb\"",    "mission 2 mail read",
            "key item \"shuttle plans\"", "mission 3 mail read", "key item \"map 3 mod chip\"",
            "mission 4 mail read", "key item \"map 4 data disk\"", "mission 6 mail read",
            "the final confrontation with Abbott Gates"};
        for (std::size_t i = 0; i + 1 < order.size(); ++i)
            EXPECT_LT(indexOf(m, order[i]), indexOf(m, order[i + 1])) << order[i] << " / " << order[i + 1];
        EXPECT_LT(indexOf(m, order.back()), m.size());
    }
}

TEST(StoryWalk, ALockedDoorWithoutItsKeyStopsTheStory) {
    World w = maptest::shippedWorld();
    wallUp(mapNamed(w, "map 2-6"), "map 2 key");
    const StoryResult r = walkStory(w, 0);
    EXPECT_TRUE(mentions(r.problems, "never reached: key item \"shuttle plans\"")) << joined(r.problems);
    EXPECT_TRUE(mentions(r.problems, "never reached: mission 3 mail read"));
    EXPECT_TRUE(mentions(r.problems, "never reached: the final confrontation"));
}

TEST(StoryWalk, TheCrackIsAWayIntoTheVaultWithoutTheMasterKeycard) {
    World w = maptest::shippedWorld();
    wallUp(mapNamed(w, "map 3-10"), "map 3 master key");
    StoryResult r = walkStory(w, 0);
    EXPECT_FALSE(mentions(r.problems, "mod chip")) << joined(r.problems);
    EXPECT_TRUE(mentions(r.problems, "never reached: key item \"map 3 master key\""));
    wallUp(mapNamed(w, "map 3-16"), "map 3 boom");
    r = walkStory(w, 0);
    EXPECT_TRUE(mentions(r.problems, "never reached: key item \"map 3 mod chip\"")) << joined(r.problems);
}

TEST(StoryWalk, AnUnreachableShopOrAnAirportWithoutTheWayOutIsFound) {
    World w = maptest::shippedWorld();
    // Wall up the sidewalk in front of the Macro Max of Roswell.
    GameMap& r2 = mapNamed(w, "Roswell 2");
    for (int x = 11; x <= 13; ++x) r2.collision[8][static_cast<std::size_t>(x)] = '#';
    StoryResult r = walkStory(w, 0);
    EXPECT_TRUE(mentions(r.problems, "never reached: link \"macromaxmenu\" at (12, 7) of \"Roswell 2\""))
        << joined(r.problems);

    w = maptest::shippedWorld();
    wallUp(mapNamed(w, "map airport"), "city");  // travellers never leave the airport
    r = walkStory(w, 1);
    EXPECT_TRUE(mentions(r.problems, "never reached: key item \"shuttle plans\"")) << joined(r.problems);
}

TEST(StoryWalk, AnElevatorThatIsNeverSwitchedOnStrandsTheUpperFloors) {
    World w = maptest::shippedWorld();
    wallUp(mapNamed(w, "map 3-3"), "map 3 switch 2");
    const StoryResult r = walkStory(w, 0);
    EXPECT_TRUE(mentions(r.problems, "never reached: key item \"map 3 keycard 1\"")) << joined(r.problems);
    EXPECT_TRUE(mentions(r.problems, "never reached: link \"silicon elevator 2\""));
}
