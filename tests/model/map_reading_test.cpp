// How map files are read: the line rules every map file is written for.

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "model/world_support.h"

namespace {

using MapReading = MapFolderTest;

std::string rows(const Array<String>& lines) { return joined(lines, "|"); }

TEST_F(MapReading, NameNumbersAndEmptyLines) {
    for (const char* numbers : {"20 14\n", "20\n14\n", "  20\t\n\n 14\n"}) {
        Map map;
        readInto(map, std::string("map airport\n") + numbers + "A\n\nB\n\n\nC\nend map\n");
        EXPECT_EQ(map.getName(), "map airport") << numbers;
        EXPECT_EQ(map.getWidth() * 100 + map.getHeight(), 2014) << numbers;
        // One empty line after a line vanishes; of two, the second is a row.
        EXPECT_EQ(rows(map.getLines()), "A|B||C|") << numbers;
    }
    // Whatever follows the last number on its line, even a blank, is the first row.
    Map map;
    readInto(map, "Vancouver 1 \n20 14 \nrow\nend map\n");
    EXPECT_EQ(map.getName(), "Vancouver 1 ");
    EXPECT_EQ(rows(map.getLines()), " |row|");
}

TEST_F(MapReading, WindowsLineEndsEndLinesAsLineFeedsDo) {
    Map crlf;
    readInto(crlf, "m\r\n2 1\r\nA\r\nend map\r\n###\r\nend collision\r\nx\r\n3 4\r\nend links\r\n");
    EXPECT_EQ(rows(crlf.getLines()) + rows(crlf.getCollision()) + rows(crlf.getLinks()), "A|###|x|");
    EXPECT_EQ(crlf.linkTarget("x").y, 4);
}

TEST_F(MapReading, FilesThatEndEarly) {
    Map map;
    readInto(map, "m\n1 1\nA\nend map\n");
    EXPECT_EQ(rows(map.getCollision()), "|");  // one empty collision row
    EXPECT_EQ(map.getLinks().size(), 0u);
    // The last line needs no line feed, and "end links" may be missing.
    for (const char* end : {"5 10\nend links", "5 10"}) {
        readInto(map, std::string("m\n1 1\nA\nend map\n#0#\nend collision\nmap 2\n") + end);
        EXPECT_EQ(rows(map.getLinks()), "map 2|") << end;
        EXPECT_EQ(map.linkTarget("map 2").x * 100 + map.linkTarget("map 2").y, 510) << end;
    }
}

TEST_F(MapReading, LinksAndTiles) {
    Map map;
    readInto(map, mapText("m", 3, 1, {"#0 1", "### "}, {{"map 3-4", "0 12"}, {"internet cafe ", "-7\n  33"}}));
    EXPECT_EQ(map.linkAt(1, 0), "map 3-4");
    EXPECT_EQ(map.linkAt(3, 0), "internet cafe ");
    EXPECT_EQ(map.linkAt(0, 0), "");
    EXPECT_EQ(map.linkAt(2, 0), "");
    EXPECT_EQ(map.linkTarget("map 3-4").x, 0);  // 0: the player keeps his column
    EXPECT_EQ(map.linkTarget("map 3-4").y, 12);
    EXPECT_EQ(map.linkTarget("internet cafe ").x * 100 + map.linkTarget("internet cafe ").y, -667);
    EXPECT_THROW(map.linkTarget("map 9-9"), errorBounds);
    EXPECT_TRUE(map.isWalkable(2, 0));
    EXPECT_FALSE(map.isWalkable(1, 0));  // a link tile is never floor
    EXPECT_TRUE(map.isWalkable(3, 1));   // x = width and y = height still read the layer
    EXPECT_FALSE(map.isWalkable(4, 0));  // beyond them: false, without reading past the row
    EXPECT_FALSE(map.isWalkable(0, 2));
    EXPECT_THROW(map.isWalkable(-1, 0), errorBounds);
    EXPECT_THROW(map.linkAt(9, 0), errorBounds);
    // The checks' view: nothing outside the layer, however far.
    EXPECT_EQ(std::string() + map.tileAt(1, 0) + map.tileAt(3, 1), "0 ");
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {4, 0}, {0, 2}, {3, 2}})
        EXPECT_EQ(map.tileAt(x, y), '\0') << x << y;
}

// Disk damage that fills a file with zeros is refused before it is parsed
// (parsing 4 MB took minutes while every append copied the whole line).
TEST_F(MapReading, AFileLargerThanAnyMapIsRefusedByName) {
    EXPECT_EQ(playableError(std::string(4 << 20, '\0')),
              "maps/map 0-1.map: the file is larger than any map (more than 1 MB)");
}

#ifndef _WIN32
// A FIFO would hang the start-up, a linked device flood its memory: the
// status panel is refused by name before either can happen.
TEST_F(MapReading, AStatusPanelThatIsNoOrdinaryFileIsRefusedByName) {
    const auto refusal = [] {
        try {
            Map().loadFromFile("maps\\stats.map");
        } catch (const MapError& e) {
            return std::string(e.what());
        }
        return std::string("(no error)");
    };
    ASSERT_EQ(::mkfifo((folder / "maps/stats.map").c_str(), 0644), 0);
    EXPECT_EQ(refusal(), "maps/stats.map: not an ordinary file (a device, a pipe or a folder)");
    std::filesystem::remove(folder / "maps/stats.map");
    std::filesystem::create_symlink("/dev/zero", folder / "maps/stats.map");
    EXPECT_EQ(refusal(), "maps/stats.map: not an ordinary file (a device, a pipe or a folder)");
}
#endif

}  // namespace
