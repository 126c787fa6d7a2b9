#include "model/character.h"

#include <climits>

#include "console/console.h"

Character::Character(int startX, int startY) : x(startX), y(startY) {}

void Character::setColor(int c) { color = (c >= 0 && c <= 15) ? c : 15; }

String Character::step(const Map& map, int dx, int dy) {
    if (map.isWalkable(x + dx, y + dy)) {
        x += dx;
        y += dy;
    }
    return map.linkAt(x + dx, y + dy);
}

String Character::moveTo(const Map& map, int toX, int toY) {
    if (toX < map.getWidth() && toY < map.getHeight()) {
        if (map.isWalkable(toX, toY)) {
            x = toX;
            y = toY;
        }
        return map.linkAt(toX, toY);
    }
    return String();
}

std::ostream& drawCharacter(std::ostream& out, const Character& c) {
    gotoXY(c.getX(), c.getY());
    ::setColor(0, c.getColor());
    out << c.getGlyph();
    return out;
}

int hitPointsAfter(int hp, std::int64_t damage) {
    const std::int64_t left = hp - damage;
    return left < INT_MIN ? INT_MIN : static_cast<int>(left);
}
