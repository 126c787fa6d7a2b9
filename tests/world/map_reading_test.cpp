// How map files are read: the line rules every map file is written for.

#include <functional>
#include <iostream>
#include <sstream>

#include "world/world_support.h"

namespace {

using MapReading = MapFolderTest;

std::string lineOf(const Map& map, std::uint32_t i) { return map.getLines().at(i).str(); }

TEST_F(MapReading, NameAndNumbersOnOneOrTwoLines) {
    for (const char* numbers : {"20 14\n", "20\n14\n", "  20\t\n\n 14\n"}) {
        Map map;
        readInto(map, std::string("map airport\n") + numbers + "first row\nend map\nend collision\nend links\n");
        EXPECT_TRUE(map.getName() == "map airport") << numbers;
        EXPECT_EQ(map.getWidth(), 20);
        EXPECT_EQ(map.getHeight(), 14);
        ASSERT_EQ(map.getLines().size(), 1u) << numbers;
        EXPECT_EQ(lineOf(map, 0), "first row");
    }
    // Whatever follows the last number on its line, even one blank, is the first row.
    Map map;
    readInto(map, "Vancouver 1 \n20 14 \nrow\nend map\n");
    EXPECT_TRUE(map.getName() == "Vancouver 1 ");
    ASSERT_EQ(map.getLines().size(), 2u);
    EXPECT_EQ(lineOf(map, 0), " ");
    EXPECT_EQ(lineOf(map, 1), "row");
}

TEST_F(MapReading, OneEmptyLineVanishesTheSecondIsARow) {
    Map one;
    readInto(one, "m\n1 1\nA\n\nB\nend map\n");
    ASSERT_EQ(one.getLines().size(), 2u);
    EXPECT_EQ(lineOf(one, 1), "B");

    Map two;
    readInto(two, "m\n1 1\nA\n\n\nB\nend map\n");
    ASSERT_EQ(two.getLines().size(), 3u);
    EXPECT_EQ(lineOf(two, 1), "");
    EXPECT_EQ(lineOf(two, 2), "B");
}

TEST_F(MapReading, TerminatorsCountOnlyWhole) {
    Map map;
    readInto(map, "m\n1 1\nA\nend map \n#\nend collision\nl\n1 1\nend links\n");
    // "end map " is a picture row, so the picture runs to the end of the
    // file, where the read that meets the end still brings an empty row.
    ASSERT_EQ(map.getLines().size(), 8u);
    EXPECT_EQ(lineOf(map, 1), "end map ");
    EXPECT_EQ(lineOf(map, 6), "end links");
    EXPECT_EQ(lineOf(map, 7), "");
    EXPECT_EQ(map.getCollision().size(), 0u);
    EXPECT_EQ(map.getLinks().size(), 0u);

    Map crlf;  // Windows line ends end their lines as line feeds do
    readInto(crlf, "m\r\n2 1\r\nA\r\nend map\r\n###\r\nend collision\r\nx\r\n3 4\r\nend links\r\n");
    EXPECT_TRUE(crlf.getName() == "m");
    EXPECT_EQ(crlf.getLines().size(), 1u);
    ASSERT_EQ(crlf.getCollision().size(), 1u);
    EXPECT_TRUE(crlf.getCollision().at(0) == "###");
    EXPECT_EQ(crlf.linkTarget("x").y, 4);
}

TEST_F(MapReading, AFileThatEndsEarlyLeavesTheLastSectionOneEmptyRow) {
    Map map;
    readInto(map, "m\n1 1\nA\nend map\n");
    EXPECT_EQ(map.getLines().size(), 1u);
    ASSERT_EQ(map.getCollision().size(), 1u);
    EXPECT_EQ(map.getCollision().at(0).length(), 0u);
    EXPECT_EQ(map.getLinks().size(), 0u);

    // The last line may lack its line feed.
    Map noFeed;
    readInto(noFeed, "m\n1 1\nA\nend map\n#0#\nend collision\nmap 2\n5 10\nend links");
    ASSERT_EQ(noFeed.getLinks().size(), 1u);
    EXPECT_EQ(noFeed.linkTarget("map 2").x, 5);
    Map noEnd;
    readInto(noEnd, "m\n1 1\nA\nend map\n#0#\nend collision\nmap 2\n5 10");
    ASSERT_EQ(noEnd.getLinks().size(), 1u);
    EXPECT_EQ(noEnd.linkTarget("map 2").y, 10);
}

TEST_F(MapReading, LinksKeepTheirTextAndTarget) {
    Map map;
    readInto(map, mapText("m", 4, 2, {"#0 1#", "# # #", "#####"},
                          {{"map 3-4", "0 12"}, {"internet cafe ", "-7\n  33"}}));
    EXPECT_TRUE(map.linkAt(1, 0) == "map 3-4");
    EXPECT_TRUE(map.linkAt(3, 0) == "internet cafe ");
    EXPECT_EQ(map.linkTarget("map 3-4").x, 0);  // a 0 keeps the player's column
    EXPECT_EQ(map.linkTarget("map 3-4").y, 12);
    EXPECT_EQ(map.linkTarget("internet cafe ").x, -7);
    EXPECT_EQ(map.linkTarget("internet cafe ").y, 33);
    EXPECT_THROW(map.linkTarget("map 9-9"), errorBounds);
}

TEST_F(MapReading, QueriesReadTheCollisionLayer) {
    Map map;
    readInto(map, mapText("m", 3, 1, {"# 0", "### "}, {{"door", "1 1"}}));
    EXPECT_TRUE(map.isWalkable(1, 0));
    EXPECT_FALSE(map.isWalkable(2, 0));  // a link tile is never floor
    EXPECT_TRUE(map.isWalkable(3, 1));   // x = width and y = height still read the layer
    EXPECT_FALSE(map.isWalkable(4, 0));  // beyond: false, without reading the short row
    EXPECT_FALSE(map.isWalkable(0, 2));
    EXPECT_TRUE(map.linkAt(0, 0) == "");
    EXPECT_TRUE(map.linkAt(1, 0) == "");
    EXPECT_TRUE(map.linkAt(2, 0) == "door");
    EXPECT_THROW(map.isWalkable(-1, 0), errorBounds);
    EXPECT_THROW(map.linkAt(9, 0), errorBounds);
}

TEST_F(MapReading, AMissingFileLeavesTheMapEmptyButItsSize) {
    Map map;
    readInto(map, mapText("m", 3, 1, {"# 0#", "####"}, {{"door", "1 1"}}));
    map.loadFromFile("maps\\nothing.map");
    EXPECT_TRUE(map.getName() == "");
    EXPECT_EQ(map.getLines().size() + map.getCollision().size() + map.getLinks().size(), 0u);
    EXPECT_EQ(map.getWidth(), 3);
    // The status panel's frame has no collision layer and is not checked as a map.
    Map panel;
    readInto(panel, "stats\n80 5\n%C08+----+\n%C08|    |\nend map\nend collision\nend links\n");
    EXPECT_EQ(panel.getLines().size(), 2u);
}

// Runs f with std::cout captured, returning what it wrote.
std::string captured(const std::function<void()>& f) {
    std::ostringstream out;
    std::streambuf* screenBuffer = std::cout.rdbuf(out.rdbuf());
    try {
        f();
    } catch (...) {
        std::cout.rdbuf(screenBuffer);
        throw;
    }
    std::cout.rdbuf(screenBuffer);
    return out.str();
}

TEST_F(MapReading, MapsLoadCityByCityUpToTheFirstGap) {
    writeMap("map 0-1.map", mapText("zero one", 3, 2, room(4, 3)));
    writeMap("map 0-2.map", mapText("zero two", 3, 2, room(4, 3)));
    writeMap("map 1-1.map", mapText("one one", 3, 2, room(4, 3)));
    writeMap("map 1-3.map", "never read: a broken file that would stop the load\n");
    Array<Map> maps;
    Array<String> names;
    loadAllMaps(maps, names);
    ASSERT_EQ(maps.size(), 3u);
    ASSERT_EQ(names.size(), 3u);
    EXPECT_TRUE(names.at(0) == "zero one");
    EXPECT_TRUE(names.at(1) == "zero two");
    EXPECT_TRUE(names.at(2) == "one one");
    EXPECT_TRUE(maps.at(2).getName() == "one one");
    // The last progress line stands clear of the longer ones before it.
    EXPECT_EQ(textAt(15, 1, 39), "100%" + std::string(35, ' '));
}

TEST_F(MapReading, ProgressCountsInStepsOfEightyByTheNumberOfMaps) {
    for (int n = 1; n <= 3; ++n) writeMap("map 0-" + std::to_string(n) + ".map", mapText("a", 3, 2, room(4, 3)));
    for (int n = 1; n <= 2; ++n) writeMap("map 6-" + std::to_string(n) + ".map", mapText("b", 3, 2, room(4, 3)));
    Array<Map> maps;
    Array<String> names;
    const std::string shown = captured([&] { loadAllMaps(maps, names); });
    EXPECT_EQ(shown,
              "10%\n"
              "maps\\map 0-1.map...26%\n"
              "maps\\map 0-2.map...42%\n"
              "maps\\map 0-3.map...58%\n"
              "maps\\map 6-1.map...74%\n"
              "maps\\map 6-2.map...90%\n"
              "100%" + std::string(35, ' ') + "\n");
}

}  // namespace
