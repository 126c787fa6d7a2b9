// Enemies under scripted random numbers.

#include "world/enemy.h"
#include "world/world_support.h"

namespace {

using Enemies = MapFolderTest;

void expectAt(const Character& c, int x, int y, const std::string& why) {
    EXPECT_EQ(c.getX(), x) << why;
    EXPECT_EQ(c.getY(), y) << why;
}

TEST_F(Enemies, ConstructionDrawsXThenY) {
    ScriptedRandom rolls{25, 15};
    Enemy e("Bounty Hunter", 170, 9);
    expectAt(e, 6, 2, "x = 25 % 20 + 1, y = 15 % 14 + 1");
    EXPECT_TRUE(e.getName() == "Bounty Hunter");
    EXPECT_TRUE(e.getMapName() == "");
    EXPECT_EQ(e.getHp(), 170);
    EXPECT_EQ(e.getMaxHp(), 100);
    EXPECT_EQ(e.getStrength(), 9);
    EXPECT_EQ(e.getAccuracy(), 80);
    EXPECT_EQ(e.getGlyph(), 2);
    EXPECT_EQ(e.getColor(), 12);
}

TEST_F(Enemies, WanderMovesOnFourRollsOfFifteen) {
    Map map;
    readInto(map, mapText("m", 6, 6, room(7, 7)));
    struct Case {
        int roll, x, y;
    };
    // Rolls 1, 5, 9, 13 give r = 2, 6, 10, 14: left, right, up, down.
    const Case cases[] = {{1, 2, 3}, {5, 4, 3}, {9, 3, 2}, {13, 3, 4}, {16, 2, 3},
                          {0, 3, 3}, {2, 3, 3}, {4, 3, 3}, {12, 3, 3}, {14, 3, 3}};
    for (const Case& c : cases) {
        ScriptedRandom rolls{0, 0, c.roll};
        Enemy e("MSA Agent", 1, 1);
        e.setX(3);
        e.setY(3);
        e.wander(map);
        expectAt(e, c.x, c.y, "roll " + std::to_string(c.roll));
    }
}

TEST_F(Enemies, ChaseStepsTowardsTheTargetOneTurnInFour) {
    Map map;
    readInto(map, mapText("m", 6, 6, room(7, 7)));
    struct Case {
        std::vector<int> rolls;
        int targetX, targetY, x, y;
        const char* why;
    };
    const Case cases[] = {
        {{2}, 1, 1, 2, 2, "up and left at once"},
        {{6}, 5, 3, 4, 3, "right only"},
        {{2}, 3, 5, 3, 4, "down only"},
        {{2}, 3, 3, 3, 3, "already there"},
        {{1, 1}, 5, 5, 2, 3, "no chase: a wander to the left"},
        {{3, 0}, 5, 5, 3, 3, "no chase: a wander that stays"},
    };
    for (const Case& c : cases) {
        std::vector<int> rolls = {0, 0};
        rolls.insert(rolls.end(), c.rolls.begin(), c.rolls.end());
        ScriptedRandom script(rolls);
        Enemy e("MSA Agent", 1, 1);
        e.setX(3);
        e.setY(3);
        e.chase(map, Character(c.targetX, c.targetY));
        expectAt(e, c.x, c.y, c.why);
        EXPECT_TRUE(script.allUsed()) << c.why;
    }
    // Walls stop a chase like any step: blocked across, it still goes up.
    Map corridor;
    readInto(corridor, mapText("m", 4, 4, {"#####", "## ##", "## ##", "#####", "#####"}));
    ScriptedRandom rolls{0, 0, 2};
    Enemy e("Police", 1, 1);
    e.setX(2);
    e.setY(2);
    e.chase(corridor, Character(1, 1));
    expectAt(e, 2, 1, "blocked to the left");
}

TEST_F(Enemies, AttackDamageAndHitRoll) {
    struct Case {
        int strength, damageRoll, hitRoll, hpAfter;
    };
    const Case cases[] = {
        {5, 4, 80, 76},    // 24 damage; a roll of 80 hits
        {5, 4, 81, 100},   // 81 misses
        {5, 0, 0, 80},     // the least damage is 20
        {5, 104, 0, 76},   // the roll is taken modulo the strength
        {0, 7, 0, 80},     // no strength: the least damage, and no division by zero
    };
    for (const Case& c : cases) {
        ScriptedRandom rolls{0, 0, c.damageRoll, c.hitRoll};
        Enemy e("Bounty Hunter", 150, c.strength);
        Character target;
        e.attack(target);
        EXPECT_EQ(target.getHp(), c.hpAfter) << c.strength << " " << c.damageRoll << " " << c.hitRoll;
    }
    Character met(3, 4);
    ScriptedRandom rolls{2, 3};
    Enemy e("Police", 1, 1);
    EXPECT_TRUE(e.isAt(met));
    met.setY(5);
    EXPECT_FALSE(e.isAt(met));
}

TEST_F(Enemies, PlacementDrawsYThenXUntilFloor) {
    Map map;
    readInto(map, mapText("m", 5, 4, {"######", "######", "### ##", "######", "######"}));
    {
        // (1, 1) is wall; then y = 0 % 4 + 1, x = 0 % 5 + 1 is wall again; then (3, 2).
        ScriptedRandom rolls{0, 0, 0, 0, 1, 2};
        Enemy e("MSA Van", 1, 1);
        placeOnWalkableTile(e, map);
        expectAt(e, 3, 2, "the one floor tile");
        EXPECT_TRUE(rolls.allUsed());
    }
    Map walls;
    readInto(walls, mapText("Redmond 4", 5, 4, {"######", "######", "######", "######", "######"}));
    ScriptedRandom rolls{0, 0};
    Enemy e("MSA Van", 1, 1);
    try {
        placeOnWalkableTile(e, walls);
        FAIL() << "placed on a map without floor";
    } catch (const MapError& error) {
        EXPECT_NE(std::string(error.what()).find("\"Redmond 4\""), std::string::npos) << error.what();
    }
}

TEST_F(Enemies, BountyHuntersGrowStrongerOnLaterMapsAndSkipTheAirport) {
    writeMap("airport.map", mapText("map airport", 6, 6, room(7, 7)));
    writeMap("plain.map", mapText("plain", 6, 6, room(7, 7)));
    Array<Map> maps;
    for (int i = 0; i < 32; ++i) maps.append(Map());
    maps.at(0).loadFromFile("maps\\airport.map");
    for (std::uint32_t i = 1; i < 32; ++i) maps.at(i).loadFromFile("maps\\plain.map");

    std::vector<int> script = {1, 0, 0, 2, 2};       // map 1: one hunter, strength 5, 150 hp, at (3, 3)
    script.insert(script.end(), 27, 0);              // maps 2-28: none
    script.insert(script.end(), {1, 9, 49, 2, 2});   // map 29: multiplier 1
    script.push_back(0);                             // map 30: none
    script.insert(script.end(), {2, 0, 0, 2, 2});    // map 31: multiplier 2
    script.insert(script.end(), {9, 49, 19, 13, 1, 1});  // starts off the map, placed at (2, 2)
    ScriptedRandom rolls(script);
    Array<Enemy> enemies;
    spawnBountyHunters(maps, enemies);
    EXPECT_TRUE(rolls.allUsed());

    ASSERT_EQ(enemies.size(), 4u);
    const int expected[4][4] = {{5, 150, 3, 3}, {14, 199, 3, 3}, {10, 300, 3, 3}, {28, 398, 2, 2}};
    for (std::uint32_t i = 0; i < 4; ++i) {
        const Enemy& e = enemies.at(i);
        EXPECT_TRUE(e.getName() == "Bounty Hunter");
        EXPECT_TRUE(e.getMapName() == "plain") << i;
        EXPECT_EQ(e.getStrength(), expected[i][0]) << i;
        EXPECT_EQ(e.getHp(), expected[i][1]) << i;
        expectAt(e, expected[i][2], expected[i][3], "hunter " + std::to_string(i));
    }
    EXPECT_EQ(textAt(16, 2, 4), "100%");
}

TEST_F(Enemies, WavesScaleWithTheMission) {
    for (const char* name : {"map 1-1", "map 1-2", "Vancouver 1", "Vancouver 2", "Vancouver 3"})
        writeMap(std::string(name) + ".map", mapText(name, 6, 6, room(7, 7)));
    Array<Map> maps;
    Array<String> names;
    for (const char* name : {"map 1-1", "map 1-2", "Vancouver 1", "Vancouver 2", "Vancouver 3"}) {
        maps.append(Map());
        maps.at(maps.size() - 1).loadFromFile((std::string("maps\\") + name + ".map").c_str());
        names.append(name);
    }
    Array<Enemy> enemies;
    missionNumber = 3;
    {
        // map 1-1: 3 % 3 = none; map 1-2: two agents.
        ScriptedRandom rolls{3, 5, 0, 0, 2, 2, 29, 199, 19, 13, 1, 1};
        spawnAgentWave(maps, names, enemies, "map 1-", 2);
        EXPECT_TRUE(rolls.allUsed());
    }
    ASSERT_EQ(enemies.size(), 2u);
    EXPECT_TRUE(enemies.at(0).getName() == "MSA Agent");
    EXPECT_TRUE(enemies.at(0).getMapName() == "map 1-2");
    EXPECT_EQ(enemies.at(0).getStrength(), 45);
    EXPECT_EQ(enemies.at(0).getHp(), 600);
    EXPECT_EQ(enemies.at(1).getStrength(), 132);
    EXPECT_EQ(enemies.at(1).getHp(), 1197);
    expectAt(enemies.at(1), 2, 2, "placed on map 1-2's floor");

    missionNumber = 1;
    {
        // Vancouver 1: 4 % 5 = four vans; Vancouver 2 and 3: none.
        std::vector<int> script = {4};
        for (int i = 0; i < 4; ++i) script.insert(script.end(), {29, 299, 2, 2});
        script.insert(script.end(), {5, 10});
        ScriptedRandom rolls(script);
        spawnVanWave(maps, names, enemies, "Vancouver ", 5);
        EXPECT_TRUE(rolls.allUsed());
    }
    ASSERT_EQ(enemies.size(), 6u);
    EXPECT_TRUE(enemies.at(5).getName() == "MSA Van");
    EXPECT_TRUE(enemies.at(5).getMapName() == "Vancouver 1");
    EXPECT_EQ(enemies.at(5).getStrength(), 44);
    EXPECT_EQ(enemies.at(5).getHp(), 599);
}

}  // namespace
