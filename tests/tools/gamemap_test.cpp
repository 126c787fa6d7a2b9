#include <gtest/gtest.h>

#include "tools/maps/gamemap.h"

using namespace maptools;

namespace {

GameMap read(const std::string& text, bool ok = true) {
    GameMap m;
    std::string error;
    EXPECT_EQ(parseGameMap(text, m, error), ok) << error;
    return m;
}

}  // namespace

// The checker must see a file exactly as the game's reader does.
TEST(MapReader, FollowsTheGamesLineRules) {
    // Numbers on two lines; one empty line after a line is skipped, the
    // second of two is an empty row; CR before LF is not part of a line.
    GameMap m = read("map airport\r\n20\n14\nrow a\n\nrow b\n\n\nrow c\nend map\n##\nend collision\nx\n5 10\nend links");
    EXPECT_EQ(m.name, "map airport");
    EXPECT_EQ(m.width, 20);
    EXPECT_EQ(m.height, 14);
    ASSERT_EQ(m.lines.size(), 4u);
    EXPECT_EQ(m.lines[1], "row b");
    EXPECT_EQ(m.lines[2], "");
    EXPECT_EQ(m.lines[3], "row c");
    ASSERT_EQ(m.links.size(), 1u);
    EXPECT_EQ(m.targets[0].x, 5);
    EXPECT_EQ(m.targets[0].y, 10);

    // "end map " with a blank is a row, so the picture runs to the end.
    m = read("n\n1 1\nA\nend map \n#\nend collision\n");
    EXPECT_EQ(m.lines.size(), 5u);  // ... and the empty read at the end of the file
    EXPECT_TRUE(m.collision.empty());

    // A file ending after "end map" gets one empty collision row and no links.
    m = read("n\n1 1\nA\nend map\n");
    ASSERT_EQ(m.collision.size(), 1u);
    EXPECT_EQ(m.collision[0], "");
}

TEST(MapReader, RejectsNumbersTheGameCouldNeverFinishReading) {
    read("n\nwide 1\nend map\n", false);
    read("n\n1 1\nend map\nend collision\nx\n5 70000\nend links\n", false);
    read("n\n1 1\nend map\nend collision\nx\nend links\n", false);
}

TEST(MapReader, ColourEscapesFollowTheGamesPrinter) {
    const auto rows = renderRows({"a%C1Fb%xyzc", "d%c4e", "50%"});
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].size(), 6u);  // "abxyzc": the lone '%' is dropped
    EXPECT_EQ(rows[0][0].attr, 0x08);
    EXPECT_EQ(rows[0][1].attr, 0x1F);
    EXPECT_EQ(rows[1][0].attr, 0x1F);  // colours carry over to the next row
    EXPECT_EQ(rows[2].size(), 3u);     // a '%' near the end is written
    EXPECT_EQ(finalAttr({"d%c4e"}, 0x08), 0x4E);
}
