#include <gtest/gtest.h>

#include "tools/maps/check.h"
#include "map_test_support.h"

using namespace maptools;
using maptest::joined;
using maptest::mapFromLines;
using maptest::mapNamed;
using maptest::mentions;

namespace {

// A sound little map: floor enclosed by walls, one link.
std::vector<std::string> room() {
    return {"Room", "5 3", "######", "#    #", "#   0#", "######", "end map",
            "######", "#    #", "#   0#", "######", "end collision", "map x", "0 0", "end links"};
}

World worldWith(const std::function<void(World&)>& change) {
    World w = maptest::shippedWorld();
    change(w);
    return w;
}

}  // namespace

TEST(MapChecker, ShippedMapsKeepEveryRule) {
    const World& w = maptest::shippedWorld();
    EXPECT_EQ(w.maps.size(), 74u);
    const auto faults = checkWorld(w);
    EXPECT_TRUE(faults.empty()) << joined(faults);
}

TEST(MapChecker, CatchesACollisionLayerThatDoesNotCoverTheMap) {
    auto lines = room();
    lines[10] = "#####";  // last collision row one short of width + 1
    EXPECT_TRUE(mentions(checkMap(mapFromLines(lines)), "collision row 3 has 5 columns, width 5 needs 6"));
    lines = room();
    lines.erase(lines.begin() + 10);  // one row short of height + 1
    EXPECT_TRUE(mentions(checkMap(mapFromLines(lines)), "has 3 rows, height 3 needs 4"));
    EXPECT_TRUE(checkMap(mapFromLines(room())).empty()) << joined(checkMap(mapFromLines(room())));
}

TEST(MapChecker, CatchesFloorThatIsNotEnclosed) {
    auto lines = room();
    lines[8] = "     #";  // floor on the left edge of the layer
    const auto faults = checkMap(mapFromLines(lines));
    EXPECT_TRUE(mentions(faults, "floor not enclosed: (-1, 1)")) << joined(faults);
    EXPECT_TRUE(mentions(faults, "floor outside 1..width-1"));
}

TEST(MapChecker, CatchesADigitWithoutItsLink) {
    auto lines = room();
    lines[8] = "#  1 #";
    EXPECT_TRUE(mentions(checkMap(mapFromLines(lines)), "link tile 1 has no link entry"));
}

TEST(MapChecker, CatchesAMapWhereEnemiesFindNoFloor) {
    std::vector<std::string> lines = {"Walls", "2 2", "###", "###", "###", "end map",
                                      "###", "###", "###", "end collision", "end links"};
    EXPECT_TRUE(mentions(checkMap(mapFromLines(lines)), "no floor with 1 <= x < width"));
    lines[0] = "map airport";  // the airport gets no enemies
    EXPECT_TRUE(checkMap(mapFromLines(lines)).empty());
}

TEST(MapChecker, CatchesFloorThePictureDoesNotRedraw) {
    auto lines = room();
    lines[3] = "#  ";  // a figure walking at (3, 1) would leave its glyph behind
    EXPECT_TRUE(mentions(checkMap(mapFromLines(lines)), "(3, 1): a figure can stand or look here"));
    lines = room();
    lines[2] = std::string(81, '#');
    EXPECT_TRUE(mentions(checkMap(mapFromLines(lines)), "is 81 cells wide"));
}

TEST(MapChecker, CatchesTablePositionsThatAreNotFloor) {
    // The city entry of Roswell, the arrest in Vancouver (also the new game's
    // start and the Macro Max arrest) and the airport arrival.
    const auto faults = checkWorld(worldWith([](World& w) {
        mapNamed(w, "Roswell 1").collision[9][8] = '#';
        mapNamed(w, "Vancouver 1").collision[10][20] = '#';
        mapNamed(w, "map airport").collision[9][31] = '#';
    }));
    EXPECT_TRUE(mentions(faults, "city entry of Roswell: \"Roswell 1\" (8, 9) is not floor"));
    EXPECT_TRUE(mentions(faults, "arrest in Washington: \"Vancouver 1\" (20, 10)"));
    EXPECT_TRUE(mentions(faults, "Macro Max arrest"));
    EXPECT_TRUE(mentions(faults, "new game start"));
    EXPECT_TRUE(mentions(faults, "airport arrival"));
}

TEST(MapChecker, CatchesMissingDuplicateAndMisorderedNames) {
    auto faults = checkWorld(worldWith([](World& w) { mapNamed(w, "map 3-16").name = "map 3-15"; }));
    EXPECT_TRUE(mentions(faults, "\"map 3-16\": no map has this name")) << joined(faults);
    EXPECT_TRUE(mentions(faults, "\"map 3-15\" is the name of 2 maps"));
    EXPECT_TRUE(mentions(faults, "map 3-16.map: a mission map is named after its file"));
    faults = checkWorld(worldWith([](World& w) { std::swap(w.maps[1], w.maps[2]); }));
    EXPECT_TRUE(mentions(faults, "index 1 (where a new game starts) must be \"Vancouver 1\""));
}

TEST(MapChecker, CatchesLinksThatLandOnAWall) {
    // The way out of the White House lands beside its door on "DC 3";
    // a wall there would leave the player inside a building.
    const auto faults = checkWorld(worldWith([](World& w) {
        GameMap& dc = mapNamed(w, "DC 3");
        dc.collision[8][42] = '#';
    }));
    EXPECT_TRUE(mentions(faults, "link \"DC 3\" from")) << joined(faults);
}

TEST(MapChecker, CatchesAStreetEdgeThatKeepsTheRowOnAWall) {
    // Street edges keep the player's row: every row of the edge must be floor
    // on the other side.
    const auto faults = checkWorld(worldWith([](World& w) { mapNamed(w, "Vancouver 2").collision[12][1] = '#'; }));
    EXPECT_TRUE(mentions(faults, "lands on (1, 12) of \"Vancouver 2\"")) << joined(faults);
}

TEST(MapChecker, CatchesAmbushesThatLookLikeMistypedNames) {
    const auto faults = checkWorld(worldWith([](World& w) {
        GameMap& v = mapNamed(w, "Vancouver 2");
        v.links[static_cast<std::size_t>(v.linkIndex("hospitalmenu"))] = "Hospitalmenu";
        GameMap& r = mapNamed(w, "Roswell 1");
        r.links[static_cast<std::size_t>(r.linkIndex("map airport"))] = "map  airport";
    }));
    EXPECT_TRUE(mentions(faults, "did you mean \"hospitalmenu\"")) << joined(faults);
    EXPECT_TRUE(mentions(faults, "did you mean \"map airport\""));
    EXPECT_TRUE(mentions(faults, "wake-up in Vancouver: no \"hospitalmenu\""));
    EXPECT_TRUE(mentions(faults, "Roswell: the streets have no \"map airport\""));
}

TEST(MapChecker, CatchesGatesThatDoNotLeadIntoADepartureLounge) {
    auto faults = checkWorld(worldWith([](World& w) {
        GameMap& a = mapNamed(w, "map airport");
        a.collision[2][58] = ' ';  // gate 1 (58, 3) can now be walked into from above
        a.collision[9][59] = '#';  // behind gate 2 (58, 9) lies a wall
        // the ticket counter in lounge 3: a way back out without flying
        a.collision[16][70] = static_cast<char>('0' + a.linkIndex("buyticketmenu"));
    }));
    EXPECT_TRUE(mentions(faults, "\"gate1\" must be walked into from the left only")) << joined(faults);
    EXPECT_TRUE(mentions(faults, "\"gate2\" must be walked into from the left only"));
    EXPECT_TRUE(mentions(faults, "behind \"gate3\" has another way on: \"buyticketmenu\""));
}

TEST(MapChecker, CatchesElevatorsAndTheCrackLeadingNowhere) {
    const auto faults = checkWorld(worldWith([](World& w) {
        GameMap& f2 = mapNamed(w, "map 3-4");
        f2.links[static_cast<std::size_t>(f2.linkIndex("map 3-6"))] = "map 3-5";  // no longer listed
        GameMap& vault = mapNamed(w, "map 3-11");
        vault.collision[5][25] = '#';  // under the crack (25, 6) of map 3-16
    }));
    EXPECT_TRUE(mentions(faults, "\"silicon elevator 2\" goes to \"map 3-6\", which this map does not list"))
        << joined(faults);
    EXPECT_TRUE(mentions(faults, "the crack \"map 3 boom\" from (25, 5)"));
}

TEST(MapChecker, CatchesAMissingEventAndAStatusPanelThatHidesItsTexts) {
    World w = maptest::shippedWorld();
    GameMap& lab = mapNamed(w, "map 3-2");
    lab.links[static_cast<std::size_t>(lab.linkIndex("map 3 switch 1"))] = "map 3 switch 2";
    w.panel.lines[1] = "%C11" + std::string(80, ' ');  // blue on blue
    w.panel.lines[2] = "%C1F" + std::string(30, ' ') + "X";
    auto faults = checkWorld(w);
    EXPECT_TRUE(mentions(faults, "no link tile carries the event \"map 3 switch 1\"")) << joined(faults);
    EXPECT_TRUE(mentions(faults, "Accuracy text at (25, 22) would be written over the frame at column 30"));
    w.panel.lines[4] += "%C44";
    EXPECT_TRUE(mentions(checkPanel(w.panel), "in the colour of their background"));
}
