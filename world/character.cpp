#include "world/character.h"

Character::Character(int startX, int startY) : x(startX), y(startY) {}

void Character::setColor(int c) { color = (c >= 0 && c <= 15) ? c : 15; }
