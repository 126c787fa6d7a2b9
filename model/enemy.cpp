#include "model/enemy.h"

#include <cstdint>

#include "console/random.h"
#include "model/map_check.h"

Enemy::Enemy(const String& kind, int hitPoints, int fightingStrength) {
    // Every enemy starts its own random sequence from the clock.
    seedRandomFromClock();
    const int startX = gameRand() % 20 + 1;
    const int startY = gameRand() % 14 + 1;
    setX(startX);
    setY(startY);
    setGlyph(2);
    setColor(12);
    name = kind;
    setHp(hitPoints);
    setStrength(fightingStrength);
    setAccuracy(80);
}

void Enemy::wander(const Map& map) {
    switch (gameRand() % 15 + 1) {
    case 2: moveLeft(map); break;
    case 6: moveRight(map); break;
    case 10: moveUp(map); break;
    case 14: moveDown(map); break;
    default: break;
    }
}

void Enemy::chase(const Map& map, const Character& target) {
    if (gameRand() % 4 != 2) {
        wander(map);
        return;
    }
    if (target.getX() < getX()) moveLeft(map);
    else if (target.getX() > getX()) moveRight(map);
    if (target.getY() < getY()) moveUp(map);
    else if (target.getY() > getY()) moveDown(map);
}

void Enemy::attack(Character& target) {
    // A strength below 1 would divide by zero; such a foe hits for the minimum.
    const int spread = getStrength() > 0 ? getStrength() : 1;
    const std::int64_t damage = static_cast<std::int64_t>(gameRand() % spread) + 20;
    const int roll = gameRand() % 100;
    if (getAccuracy() >= roll) target.setHp(hitPointsAfter(target.getHp(), damage));
}

void placeOnWalkableTile(Enemy& e, const Map& map) {
    if (map.isWalkable(e.getX(), e.getY())) return;
    if (!hasFloorForEnemies(map))
        throw MapError("map \"" + map.getName().str() +
                       "\" has no floor with 1 <= x < width and 1 <= y < height for its enemies");
    while (!map.isWalkable(e.getX(), e.getY())) {
        const int y = gameRand() % map.getHeight() + 1;
        const int x = gameRand() % map.getWidth() + 1;
        e.moveTo(map, x, y);
    }
}
