#pragma once
// The status panel the exploration loop draws below the map every tick; the
// map viewer draws it the same way.

class Character;
class Map;
class Possessions;

// The panel's frame, then the player's hit points, strength, accuracy, wanted
// level (as stars), cash and bank balance over it.
void drawStatusPanel(const Map& panel, const Character& player, const Possessions& possessions);
