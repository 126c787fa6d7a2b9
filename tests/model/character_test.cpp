// Figures walking the collision layer.

#include "model/character.h"
#include "model/world_support.h"

namespace {

using Movement = MapFolderTest;

TEST_F(Movement, JumpsStayBelowWidthAndHeight) {
    // Floor at x = width (5) and at y = height (3) is never where a jump lands.
    Map map;
    readInto(map, mapText("m", 5, 3, {"#######", "#  0  #", "#    ##", "#    ##", "#######"}, {{"door", "1 1"}}));
    Character c(1, 1);
    EXPECT_EQ(c.moveTo(map, 5, 1), "");
    EXPECT_EQ(c.moveTo(map, 2, 3), "");
    EXPECT_EQ(c.moveTo(map, 3, 1), "door");  // a link tile: its text, no move
    EXPECT_EQ(c.moveTo(map, 0, 0), "");
    EXPECT_EQ(c.getX() * 10 + c.getY(), 11);
    EXPECT_EQ(c.moveTo(map, 4, 2), "");
    EXPECT_EQ(c.getX() * 10 + c.getY(), 42);
}

}  // namespace
