#include <gtest/gtest.h>

#include "tools/maps/check.h"
#include "map_test_support.h"

using namespace maptools;
using maptest::faultsOfMap;
using maptest::joined;
using maptest::mentions;
using maptest::PlantedWorld;

namespace {

// A sound little map: floor enclosed by walls, one link.
std::vector<std::string> room() {
    return {"Room",   "5 3",    "######", "#    #",        "#   0#", "######", "end map",  "######",
            "#    #", "#   0#", "######", "end collision", "map x",  "0 0",    "end links"};
}

}  // namespace

TEST(MapChecker, ShippedMapsKeepEveryRule) {
    const World& w = maptest::shippedWorld();
    EXPECT_EQ(w.maps.size(), 74u);
    const auto faults = checkWorld(w);
    EXPECT_TRUE(faults.empty()) << joined(faults);
}

TEST(MapChecker, CatchesFloorOutsideTheInteriorAndFloorThePictureDoesNotRedraw) {
    auto lines = room();
    lines[8] = "     #";  // floor on the left edge of the layer
    auto faults = faultsOfMap(lines);
    EXPECT_TRUE(mentions(faults, "\"Room\" (0, 1): floor outside 1..width-1")) << joined(faults);
    lines = room();
    lines[3] = "#  ";  // a figure walking at (3, 1) would leave its glyph behind
    EXPECT_TRUE(mentions(faultsOfMap(lines), "(3, 1): a figure can stand or look here"));
    lines = room();
    lines[2] = std::string(81, '#');
    EXPECT_TRUE(mentions(faultsOfMap(lines), "is 81 cells wide"));
    lines = room();
    lines[1] = "0 3";
    EXPECT_TRUE(mentions(faultsOfMap(lines), "width and height must be positive"));
}

// Faults planted in one copy of the shipped maps, none in the way of another,
// and what the checker must say about each.
TEST(MapChecker, CatchesFaultsPlantedInTheShippedMaps) {
    PlantedWorld p;
    p.file("map 2-3.map") = {"map 2-3", "wide 7"};
    p.file("map 7-1.map") = p.file("map 6-1.map");
    // Table positions: the city entry of Roswell, the arrest in Vancouver and
    // the airport arrival.
    p.tile("Roswell 1", 8, 9) = '#';
    p.tile("Vancouver 1", 20, 10) = '#';
    p.tile("map airport", 31, 9) = '#';
    // The way out of the White House lands beside its door on "DC 3"; a wall
    // there would leave the player inside a building. Street edges keep the
    // player's row: every row of the edge must be floor on the other side.
    p.tile("DC 3", 42, 8) = '#';
    p.tile("Vancouver 2", 1, 12) = '#';
    p.renameLink("Vancouver 2", "hospitalmenu", "Hospitalmenu");
    p.renameLink("Roswell 1", "map airport", "map  airport");
    p.renameLink("Vancouver 1", "barmenu", "the pub");  // no near miss: an ambush all the same
    p.renameLink("map 3-2", "map 3 switch 1", "map 3 switch 2");
    auto& panel = p.file("stats.map");         // name, size, then the five rows
    panel[3] = "%C11" + std::string(80, ' ');  // blue on blue
    panel[4] = "%C1F" + std::string(30, ' ') + "X";
    const auto faults = checkWorld(p.load());
    for (const char* said :
         {"map 2-3.map, line 2: expected the width, found \"wide\"", "map 7-1.map: never loaded",
          "city entry of Roswell: \"Roswell 1\" (8, 9) is not floor",
          "arrest in Washington: \"Vancouver 1\" (20, 10)", "airport arrival", "link \"DC 3\" from",
          "lands on (1, 12) of \"Vancouver 2\"", "\"the pub\" is an ambush by accident",
          "did you mean \"hospitalmenu\"", "did you mean \"map airport\"",
          "wake-up in Vancouver: no \"hospitalmenu\"", "Roswell: the streets have no \"map airport\"",
          "no link tile carries the event \"map 3 switch 1\"",
          "Accuracy text at (25, 22) would be written over the frame at column 30"})
        EXPECT_TRUE(mentions(faults, said)) << said << " is not among\n" << joined(faults);
    panel[6] += "%C44";
    EXPECT_TRUE(mentions(checkPanel(p.load().panel), "in the colour of their background"));
}

TEST(MapChecker, CatchesMissingDuplicateAndMisorderedNames) {
    PlantedWorld p;
    p.linesOf("map 3-16")[0] = "map 3-15";
    auto faults = checkWorld(p.load());
    EXPECT_TRUE(mentions(faults, "\"map 3-16\": no map has this name")) << joined(faults);
    EXPECT_TRUE(mentions(faults, "\"map 3-15\" is the name of 2 maps"));
    EXPECT_TRUE(mentions(faults, "map 3-16.map: a mission map is named after its file"));
    PlantedWorld swapped;
    std::swap(swapped.file("map 0-2.map"), swapped.file("map 0-3.map"));
    faults = checkWorld(swapped.load());
    EXPECT_TRUE(mentions(faults, "index 1 (where a new game starts) must be \"Vancouver 1\""));
}

TEST(MapChecker, ColourEscapesFollowTheGamesPrinter) {
    Array<String> rows;
    for (const char* row : {"a%C1Fb%xyzc", "d%c4e", "50%"}) rows.append(row);
    const auto cells = renderRows(rows);
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(cells[0].size(), 6u);  // "abxyzc": the lone '%' is dropped
    EXPECT_EQ(cells[0][0].attr, 0x08);
    EXPECT_EQ(cells[0][1].attr, 0x1F);
    EXPECT_EQ(cells[1][0].attr, 0x1F);  // colours carry over to the next row
    EXPECT_EQ(cells[2].size(), 3u);     // a '%' near the end is written
    Array<String> one;
    one.append("d%c4e");
    EXPECT_EQ(finalAttr(one, 0x08), 0x4E);
}
