// Figures walking the collision layer.

#include <sstream>

#include "world/character.h"
#include "world/world_support.h"

namespace {

using Movement = MapFolderTest;

// Links 0-3 lie two tiles left, right, above and below (3, 3); '#' elsewhere.
const std::vector<std::string> crossroads = {
    "#######",
    "###2###",
    "### ###",
    "#0   1#",
    "### ###",
    "###3###",
    "#######",
};

TEST_F(Movement, EachStepAnswersWithTheLinkAhead) {
    Map map;
    readInto(map, mapText("m", 6, 6, crossroads, {{"left", "1 1"}, {"right", "1 1"}, {"up", "1 1"}, {"down", "1 1"}}));
    struct Case {
        String (Character::*move)(const Map&);
        int x, y;
        const char* link;
    };
    const Case cases[] = {{&Character::moveLeft, 2, 3, "left"},
                          {&Character::moveRight, 4, 3, "right"},
                          {&Character::moveUp, 3, 2, "up"},
                          {&Character::moveDown, 3, 4, "down"}};
    for (const Case& c : cases) {
        Character walker(3, 3);
        // The first step arrives before the link tile, the second pushes against it.
        EXPECT_TRUE((walker.*c.move)(map) == c.link) << c.link;
        EXPECT_EQ(walker.getX(), c.x) << c.link;
        EXPECT_EQ(walker.getY(), c.y) << c.link;
        EXPECT_TRUE((walker.*c.move)(map) == c.link) << c.link;
        EXPECT_EQ(walker.getX(), c.x) << c.link;
        EXPECT_EQ(walker.getY(), c.y) << c.link;
    }
    // Into a wall: no move, no link.
    Character walker(2, 3);
    EXPECT_TRUE(walker.moveUp(map) == "");
    EXPECT_EQ(walker.getY(), 3);
}

TEST_F(Movement, StepsOnOpenFloorAnswerNothing) {
    Map map;
    readInto(map, mapText("m", 6, 4, room(7, 5)));
    Character walker(3, 2);
    EXPECT_TRUE(walker.moveRight(map) == "");
    EXPECT_TRUE(walker.moveDown(map) == "");
    EXPECT_EQ(walker.getX(), 4);
    EXPECT_EQ(walker.getY(), 3);
}

TEST_F(Movement, JumpsStayBelowWidthAndHeight) {
    Map map;
    // Blank at x = width (5) and y = height (3): floor for steps, refused for jumps.
    readInto(map, mapText("m", 5, 3, {"#######", "#  0  #", "#    ##", "#    ##", "#######"}, {{"door", "1 1"}}));
    Character c(1, 1);
    EXPECT_TRUE(c.moveTo(map, 5, 1) == "");
    EXPECT_TRUE(c.moveTo(map, 2, 3) == "");
    EXPECT_EQ(c.getX(), 1);
    EXPECT_EQ(c.getY(), 1);
    Character stepper(4, 1);
    stepper.moveRight(map);
    EXPECT_EQ(stepper.getX(), 5);  // a step may reach x = width

    EXPECT_TRUE(c.moveTo(map, 3, 1) == "door");  // a link tile: its text, no move
    EXPECT_EQ(c.getX(), 1);
    EXPECT_TRUE(c.moveTo(map, 0, 0) == "");  // a wall
    EXPECT_EQ(c.getX(), 1);
    EXPECT_TRUE(c.moveTo(map, 4, 2) == "");
    EXPECT_EQ(c.getX(), 4);
    EXPECT_EQ(c.getY(), 2);
}

TEST(Character, ValuesAndColourClamp) {
    Character c;
    EXPECT_EQ(c.getX(), 1);
    EXPECT_EQ(c.getY(), 1);
    EXPECT_EQ(c.getGlyph(), 2);
    EXPECT_EQ(c.getColor(), 14);
    EXPECT_EQ(c.getHp(), 100);
    EXPECT_EQ(c.getMaxHp(), 100);
    EXPECT_EQ(c.getStrength(), 10);
    EXPECT_EQ(c.getAccuracy(), 10);
    for (int bad : {16, -1, 1000}) {
        c.setColor(3);
        c.setColor(bad);
        EXPECT_EQ(c.getColor(), 15) << bad;
    }
    c.setColor(0);
    EXPECT_EQ(c.getColor(), 0);
    c.setHp(-20);
    EXPECT_EQ(c.getHp(), -20);
}

using Drawing = ConsoleTest;

TEST_F(Drawing, AFigureIsItsGlyphInItsColourOnBlack) {
    setColor(1, 7);
    Character c(20, 10);
    c.setColor(12);
    drawCharacter(std::cout, c);
    EXPECT_EQ(scr().charAt(20, 10), 2);
    EXPECT_EQ(scr().attrAt(20, 10), 0x0C);
    EXPECT_EQ(scr().cursorX(), 21);
    EXPECT_EQ(scr().attr(), 0x0C);
}

}  // namespace
