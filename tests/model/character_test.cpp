// Figures walking the collision layer.

#include "model/character.h"
#include "model/world_support.h"

namespace {

using Movement = MapFolderTest;

TEST_F(Movement, EachStepAnswersWithTheLinkAhead) {
    // Links 0-3 lie two tiles left, right, above and below (3, 3).
    Map map;
    readInto(map, mapText("m", 6, 6, {"#######", "###2###", "### ###", "#0   1#", "### ###", "###3###", "#######"},
                          {{"left", "1 1"}, {"right", "1 1"}, {"up", "1 1"}, {"down", "1 1"}}));
    struct Case {
        String (Character::*move)(const Map&);
        int x, y;
        const char* link;
    };
    for (const Case& c : {Case{&Character::moveLeft, 2, 3, "left"}, Case{&Character::moveRight, 4, 3, "right"},
                          Case{&Character::moveUp, 3, 2, "up"}, Case{&Character::moveDown, 3, 4, "down"}}) {
        // The first step arrives before the link tile, the second pushes against it.
        for (int push = 0; push < 2; ++push) {
            Character walker(push == 0 ? 3 : c.x, push == 0 ? 3 : c.y);
            EXPECT_TRUE((walker.*c.move)(map) == c.link) << c.link;
            EXPECT_EQ(walker.getX() * 10 + walker.getY(), c.x * 10 + c.y) << c.link;
        }
    }
    Character walker(2, 3);
    EXPECT_TRUE(walker.moveUp(map) == "");  // into a wall: no move, no link
    EXPECT_EQ(walker.getY(), 3);
}

TEST_F(Movement, JumpsStayBelowWidthAndHeight) {
    // Floor at x = width (5) and at y = height (3): steps reach it, jumps do not.
    Map map;
    readInto(map, mapText("m", 5, 3, {"#######", "#  0  #", "#    ##", "#    ##", "#######"}, {{"door", "1 1"}}));
    Character c(1, 1);
    EXPECT_TRUE(c.moveTo(map, 5, 1) == "");
    EXPECT_TRUE(c.moveTo(map, 2, 3) == "");
    EXPECT_TRUE(c.moveTo(map, 3, 1) == "door");  // a link tile: its text, no move
    EXPECT_TRUE(c.moveTo(map, 0, 0) == "");
    EXPECT_EQ(c.getX() * 10 + c.getY(), 11);
    EXPECT_TRUE(c.moveTo(map, 4, 2) == "");
    EXPECT_EQ(c.getX() * 10 + c.getY(), 42);
    Character stepper(4, 1);
    EXPECT_TRUE(stepper.moveRight(map) == "");  // floor with a wall beyond
    EXPECT_EQ(stepper.getX(), 5);
}

}  // namespace
