// Enemies under scripted random numbers. Every construction draws x and y first.

#include <functional>

#include "model/enemy.h"
#include "model/world_support.h"

namespace {

class Enemies : public MapFolderTest {
protected:
    void SetUp() override {
        MapFolderTest::SetUp();
        readInto(open, mapText("m", 6, 6, room(7, 7)));
    }
    // An enemy at (3, 3) of the open room, the rolls after its construction scripted.
    void turn(std::vector<int> rolls, const std::function<void(Enemy&)>& act, int x, int y,
              const std::string& why) {
        rolls.insert(rolls.begin(), {2, 2});
        ScriptedRandom script(rolls);
        Enemy e("MSA Agent", 1, 1);
        act(e);
        EXPECT_EQ(e.getX() * 10 + e.getY(), x * 10 + y) << why;
        EXPECT_TRUE(script.allUsed()) << why;
    }
    Map open;
};

TEST_F(Enemies, WanderAndChase) {
    const auto wander = [&](Enemy& e) { e.wander(open); };
    // Rolls 1, 5, 9, 13 make r = 2, 6, 10, 14: left, right, up, down; 16 is 2 again.
    for (auto c : std::vector<std::vector<int>>{{1, 2, 3}, {5, 4, 3}, {9, 3, 2}, {13, 3, 4}, {16, 2, 3}})
        turn({c[0]}, wander, c[1], c[2], "wander roll " + std::to_string(c[0]));
    for (int roll : {0, 2, 4, 12, 14}) turn({roll}, wander, 3, 3, "wander roll " + std::to_string(roll));

    const auto chase = [&](int tx, int ty) { return [&, tx, ty](Enemy& e) { e.chase(open, Character(tx, ty)); }; };
    turn({2}, chase(1, 1), 2, 2, "up and left in one turn");
    turn({6}, chase(5, 3), 4, 3, "right only");
    turn({2}, chase(3, 3), 3, 3, "already there");
    turn({1, 1}, chase(5, 5), 2, 3, "no chase: a wander to the left");
}

TEST_F(Enemies, AttackDamageAndHitRoll) {
    // {strength, damage roll, hit roll, hp after}: 20 to strength + 19 damage, hits on rolls up to 80.
    for (auto c : std::vector<std::vector<int>>{
             {5, 4, 80, 76}, {5, 4, 81, 100}, {5, 0, 0, 80}, {5, 104, 0, 76}, {0, 7, 0, 80}}) {
        ScriptedRandom rolls({0, 0, c[1], c[2]});
        Enemy e("Bounty Hunter", 150, c[0]);
        Character target;
        e.attack(target);
        EXPECT_EQ(target.getHp(), c[3]) << c[0] << " " << c[1] << " " << c[2];
    }
}

TEST_F(Enemies, WavesScaleWithTheMission) {
    Array<Map> maps;
    Array<String> names;
    std::vector<std::string> pillared = room(7, 7);
    pillared[2][2] = '#';
    for (const char* name : {"map 1-1", "map 1-2"}) {
        maps.append(Map());
        readInto(maps.at(maps.size() - 1), mapText(name, 6, 6, pillared));
        names.append(name);
    }
    Array<Enemy> enemies;
    missionNumber = 3;
    // map 1-1: 3 % 3, none; map 1-2: two agents, the second drawn from (20, 14)
    // onto the pillar at (2, 2), then again, y before x, to the floor at (3, 1).
    ScriptedRandom agents({3, 5, 0, 0, 2, 2, 29, 199, 19, 13, 1, 1, 0, 2});
    spawnAgentWave(maps, names, enemies, "map 1-", 2);
    EXPECT_TRUE(agents.allUsed());
    ASSERT_EQ(enemies.size(), 2u);
    EXPECT_EQ(enemies.at(0).getName(), "MSA Agent");
    EXPECT_EQ(enemies.at(0).getMapName(), "map 1-2");
    EXPECT_EQ(enemies.at(0).getStrength() * 10000 + enemies.at(0).getHp(), 450600);
    EXPECT_EQ(enemies.at(1).getStrength() * 10000 + enemies.at(1).getHp(), 1321197);
    EXPECT_EQ(enemies.at(1).getX() * 10 + enemies.at(1).getY(), 31);
}

}  // namespace
