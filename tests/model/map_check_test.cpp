// Map files the game cannot use are refused when they load, naming the file
// and the line, instead of crashing or hanging later in play.

#include "model/world_support.h"

namespace {

class MapCheck : public MapFolderTest {
protected:
    // The map is refused with a message on that line of maps/map 0-1.map holding the phrase.
    void expectRefused(const std::string& text, int line, const std::string& phrase) {
        const std::string message = playableError(text);
        const std::string where = "maps/map 0-1.map, line " + std::to_string(line) + ": ";
        EXPECT_EQ(message.rfind(where, 0), 0u) << message;
        EXPECT_NE(message.find(phrase), std::string::npos) << message;
    }
};

TEST_F(MapCheck, NumbersThatCannotBeRead) {
    expectRefused("m\n99999999999 1\n", 2, "the width from -2147483648 to 2147483647, found 99999999999");
    expectRefused("m\n", 1, "the file ends before the width");
    const std::string head = "m\n3 2\n#\nend map\n####\n#  #\n####\nend collision\n";
    expectRefused(head + "a\n1 1\nmap 2-1\n5 40000\nend links\n", 12,
                  "the target y of link 1 (\"map 2-1\") from -32768 to 32767, found 40000");
    expectRefused(head + "a\n1 1\nlast", 11, "the file ends before the target x of link 1 (\"last\")");
    // The status panel, which is not checked as a map, still cannot hang on a bad number.
    writeMap("stats.map", "stats\nwide 5\n");
    EXPECT_THROW(Map().loadFromFile("maps\\stats.map"), MapError);
}

TEST_F(MapCheck, TheCollisionLayerCoversWidthPlusOneByHeightPlusOne) {
    const std::string head = "m\n4 2\n#\nend map\n";
    // The skipped empty line still counts in the line numbers.
    expectRefused(head + "#####\n\n# #\n#####\nend collision\n", 7,
                  "collision row 1 is 3 characters, the map needs 5");
    expectRefused(head + "#####\n#   #\nend collision\n", 7, "the collision layer has 2 rows, the map needs 3");
    // The read that meets the end of the file brings one empty row.
    expectRefused(head + "#####\n#   #\n", 6,
                  "row 2 is 0 characters, the map needs 5 (width + 1) (the file ends before");
}

TEST_F(MapCheck, DigitsLinksAndEnclosure) {
    EXPECT_EQ(playableError(mapText("m", 4, 2, {"#0###", "#  1#", "#####"}, {{"a", "1 1"}, {"b", "2 2"}})),
              "(no error)");
    expectRefused(mapText("m", 4, 2, {"#0###", "#  1#", "#####"}, {{"a", "1 1"}}), 8,
                  "collision row 1, column 3: link 1 has no entry");
    expectRefused(mapText("m", 3, 2, room(4, 3), {{"a", "2 -1"}}), 12, "link 0 (\"a\") leads to 2, -1");
    // Blanks past the width are no floor and need no walls; floor at x = width does.
    EXPECT_EQ(playableError(mapText("m", 3, 2, {"####  ", "#  # ", "####"})), "(no error)");
    expectRefused(mapText("m", 3, 2, {"####", "#   ", "####"}), 8,
                  "column 3 of collision row 1 is open: the tile right");
    expectRefused(mapText("m", 3, 2, {"####", "   #", "####"}), 8,
                  "column 0 of collision row 1 is open: the tile left");
    expectRefused(mapText("m", 3, 1, {"# ##", "#  #"}), 6, "column 1 of collision row 0 is open: the tile above");
    expectRefused(mapText("m", 5, 1, {"######", "#    #", "###"}), 8,
                  "column 3 of collision row 1 is open: the tile below");
}

TEST_F(MapCheck, EnemiesNeedFloorInsideWidthAndHeight) {
    const std::vector<std::string> walls(3, "####");
    expectRefused(mapText("Roswell 2", 3, 2, walls), 7, "map \"Roswell 2\" has no floor with 1 <= x < width");
    // Floor only at x = width is never chosen for an enemy.
    expectRefused(mapText("Roswell 2", 3, 2, {"#####", "### #", "#####"}), 7, "has no floor");
    EXPECT_EQ(playableError(mapText("map airport", 3, 2, walls)), "(no error)");
}

TEST_F(MapCheck, EveryFaultIsListedAndTheFirstIsThrown) {
    // Too few rows, two short rows, open floor, a digit without its link and
    // a negative target; loading for play throws the first.
    const std::string text = mapText("m", 4, 3, {"#####", "#  1", "##"}, {{"a", "-1 2"}});
    writeMap("map 0-1.map", text);
    Map map;
    const std::vector<std::string> faults = map.loadCheckedFromFile("maps\\map 0-1.map");
    ASSERT_EQ(faults.size(), 6u);
    EXPECT_EQ(faults.front().rfind("maps/map 0-1.map, line 10: the collision layer has 3 rows", 0), 0u);
    EXPECT_NE(faults.back().find("line 12: link 0 (\"a\") leads to -1, 2"), std::string::npos);
    EXPECT_EQ(playableError(text), faults.front());
    // What could be read stays readable; an unreadable file is the one fault.
    EXPECT_EQ(map.getCollision().size(), 3u);
    EXPECT_EQ(map.loadCheckedFromFile("maps\\map 0-9.map"),
              std::vector<std::string>{"maps/map 0-9.map: the file cannot be read"});
    EXPECT_EQ(map.getCollision().size(), 0u);
}

TEST_F(MapCheck, LoadingStopsAtABadFileOrWithoutFiles) {
    const auto refusal = [] {
        Array<Map> maps;
        Array<String> names;
        try {
            loadAllMaps(maps, names);
        } catch (const MapError& e) {
            return std::string(e.what());
        }
        return std::string("(loaded)");
    };
    EXPECT_EQ(refusal().rfind("No map files found in maps/", 0), 0u) << refusal();
    writeMap("map 0-1.map", mapText("a", 3, 2, room(4, 3)));
    writeMap("map 0-2.map", mapText("b", 3, 2, {"####", "#  #"}));
    EXPECT_EQ(refusal().rfind("maps/map 0-2.map, line 8: the collision layer", 0), 0u) << refusal();
}

}  // namespace
