#include <gtest/gtest.h>

#include "tools/maps/story.h"
#include "map_test_support.h"

using namespace maptools;
using maptest::joined;
using maptest::mentions;
using maptest::PlantedWorld;

namespace {

std::size_t indexOf(const std::vector<std::string>& v, const std::string& s) {
    return static_cast<std::size_t>(std::find(v.begin(), v.end(), s) - v.begin());
}

}  // namespace

TEST(StoryWalk, TheShippedStoryCanBeFinishedWhateverGateTheTicketsName) {
    for (int gate = 0; gate <= 3; ++gate) {
        const StoryResult r = walkStory(maptest::shippedWorld(), gate);
        EXPECT_TRUE(r.problems.empty()) << "gate " << gate << ":\n" << joined(r.problems);
        const auto& m = r.milestones;
        // Story order: each mission's objective before the next mail.
        const std::vector<std::string> order = {"mission 1 mail read", "key item \"level 1 bomb\"",
                                                "mission 2 mail read", "key item \"shuttle plans\"",
                                                "mission 3 mail read", "key item \"map 3 mod chip\"",
                                                "mission 4 mail read", "key item \"map 4 data disk\"",
                                                "mission 6 mail read", "the final confrontation with Abbott Gates"};
        for (std::size_t i = 0; i + 1 < order.size(); ++i)
            EXPECT_LT(indexOf(m, order[i]), indexOf(m, order[i + 1])) << order[i] << " / " << order[i + 1];
        EXPECT_LT(indexOf(m, order.back()), m.size());
    }
}

TEST(StoryWalk, ALockedDoorWithoutItsKeyStopsTheStory) {
    PlantedWorld p;
    p.wallUp("map 2-6", "map 2 key");
    const StoryResult r = walkStory(p.load(), 0);
    EXPECT_TRUE(mentions(r.problems, "never reached: key item \"shuttle plans\"")) << joined(r.problems);
    EXPECT_TRUE(mentions(r.problems, "never reached: mission 3 mail read"));
    EXPECT_TRUE(mentions(r.problems, "never reached: the final confrontation"));
}

TEST(StoryWalk, TheCrackIsAWayIntoTheVaultWithoutTheMasterKeycard) {
    PlantedWorld p;
    p.wallUp("map 3-10", "map 3 master key");
    StoryResult r = walkStory(p.load(), 0);
    EXPECT_FALSE(mentions(r.problems, "mod chip")) << joined(r.problems);
    EXPECT_TRUE(mentions(r.problems, "never reached: key item \"map 3 master key\""));
    p.wallUp("map 3-16", "map 3 boom");
    r = walkStory(p.load(), 0);
    EXPECT_TRUE(mentions(r.problems, "never reached: key item \"map 3 mod chip\"")) << joined(r.problems);
}
