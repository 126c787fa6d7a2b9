// Map files the game cannot use are refused when they load, naming the file
// and the line, instead of crashing or hanging later in play.

#include "world/world_support.h"

namespace {

using MapCheck = MapFolderTest;

const char* const file = "maps/map 0-1.map, ";

TEST_F(MapCheck, ValidMapsPass) {
    EXPECT_EQ(playableError(mapText("m", 4, 2, {"#0###", "#  1#", "#####"}, {{"a", "1 1"}, {"b", "2 2"}})),
              "(no error)");
    // Blanks past the width are not floor, so they need no walls around them.
    EXPECT_EQ(playableError(mapText("m", 3, 2, {"####  ", "#  # ", "####"})), "(no error)");
}

TEST_F(MapCheck, NumbersThatCannotBeReadNameTheirLine) {
    EXPECT_EQ(playableError("m\n\n20 x14\n"), std::string(file) + "line 3: expected the height, found \"x14\"");
    EXPECT_EQ(playableError("m\n99999999999 1\n"),
              std::string(file) + "line 2: expected the width from -2147483648 to 2147483647, found 99999999999");
    EXPECT_EQ(playableError("m\n"), std::string(file) + "line 1: the file ends before the width");
    const std::string head = "m\n3 2\n#\nend map\n####\n#  #\n####\nend collision\n";
    EXPECT_EQ(playableError(head + "a\n1 1\nmap 2-1\n5 40000\nend links\n"),
              std::string(file) + "line 12: expected the target y of link 1 (\"map 2-1\") from -32768 to 32767, found 40000");
    EXPECT_EQ(playableError(head + "a\nten 1\nend links\n"),
              std::string(file) + "line 10: expected the target x of link 0 (\"a\"), found \"ten\"");
    EXPECT_EQ(playableError(head + "a\n1 1\nlast"),
              std::string(file) + "line 11: the file ends before the target x of link 1 (\"last\")");
    // The same holds for the status panel, which is not checked otherwise.
    writeMap("stats.map", "stats\nwide 5\n");
    Map panel;
    EXPECT_THROW(panel.loadFromFile("maps\\stats.map"), MapError);
}

TEST_F(MapCheck, TheCollisionLayerMustCoverWidthPlusOneByHeightPlusOne) {
    // Skipped empty lines still count in the line numbers.
    const std::string picture = "m\n4 2\n#\nend map\n";
    EXPECT_EQ(playableError(picture + "#####\n\n# #\n#####\nend collision\nend links\n"),
              std::string(file) + "line 7: collision row 1 is 3 characters, the map needs 5 (width + 1)");
    EXPECT_EQ(playableError(picture + "#####\n#   #\nend collision\nend links\n"),
              std::string(file) + "line 7: the collision layer has 2 rows, the map needs 3 (height + 1)");
    // The read that meets the end of the file brings one empty row.
    EXPECT_EQ(playableError(picture + "#####\n#   #\n"),
              std::string(file) +
                  "line 6: collision row 2 is 0 characters, the map needs 5 (width + 1) (the file ends before "
                  "\"end collision\")");
}

TEST_F(MapCheck, EveryDigitNeedsItsLink) {
    EXPECT_EQ(playableError(mapText("m", 4, 2, {"#0###", "#  1#", "#####"}, {{"a", "1 1"}})),
              std::string(file) + "line 8: collision row 1, column 3: link 1 has no entry (the map lists 1 links)");
}

TEST_F(MapCheck, FloorMustBeEnclosed) {
    EXPECT_EQ(playableError(mapText("m", 3, 2, {"####", "   #", "####"})),
              std::string(file) +
                  "line 8: the floor at column 0 of collision row 1 is open: the tile left of it lies outside the "
                  "collision layer");
    // x = width is still floor: the tile beyond must exist.
    EXPECT_EQ(playableError(mapText("m", 3, 2, {"####", "#   ", "####"})),
              std::string(file) + "line 8: the floor at column 3 of collision row 1 is open: the tile right of it "
                                  "lies outside the collision layer");
    EXPECT_EQ(playableError(mapText("m", 3, 1, {"# ##", "#  #"})),
              std::string(file) + "line 6: the floor at column 1 of collision row 0 is open: the tile above it lies "
                                  "outside the collision layer");
    EXPECT_EQ(playableError(mapText("m", 3, 2, {"####", "#  #", "## #"})),
              std::string(file) + "line 9: the floor at column 2 of collision row 2 is open: the tile below it lies "
                                  "outside the collision layer");
    EXPECT_EQ(playableError(mapText("m", 5, 1, {"######", "#    #", "###"})),
              std::string(file) + "line 8: the floor at column 3 of collision row 1 is open: the tile below it lies "
                                  "outside the collision layer");
}

TEST_F(MapCheck, EnemiesNeedFloorAndLinksLeadIntoMaps) {
    const std::vector<std::string> walled = {"####", "####", "####"};
    EXPECT_EQ(playableError(mapText("Roswell 2", 3, 2, {"####", "####", "####", "####"})),
              std::string(file) +
                  "line 8: map \"Roswell 2\" has no floor with 1 <= x < width and 1 <= y < height, where enemies "
                  "are placed");
    // Floor only at x = width is never chosen for an enemy.
    EXPECT_NE(playableError(mapText("Roswell 2", 3, 2, {"#####", "### #", "#####"})), "(no error)");
    // The airport never has enemies.
    EXPECT_EQ(playableError(mapText("map airport", 3, 2, walled)), "(no error)");
    EXPECT_EQ(playableError(mapText("m", 3, 2, room(4, 3), {{"a", "2 -1"}})),
              std::string(file) + "line 12: link 0 (\"a\") leads to 2, -1: coordinates cannot be negative");
}

TEST_F(MapCheck, LoadingStopsAtTheFirstBadFileOrNoFiles) {
    Array<Map> maps;
    Array<String> names;
    try {
        loadAllMaps(maps, names);
        FAIL() << "an empty folder loaded";
    } catch (const MapError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("No map files found in maps/", 0), 0u) << e.what();
    }
    writeMap("map 0-1.map", mapText("a", 3, 2, room(4, 3)));
    writeMap("map 0-2.map", mapText("b", 3, 2, {"####", "#  #"}));
    try {
        loadAllMaps(maps, names);
        FAIL() << "a broken map loaded";
    } catch (const MapError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("maps/map 0-2.map, line ", 0), 0u) << e.what();
    }
}

}  // namespace
