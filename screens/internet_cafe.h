#pragma once
// The internet cafe: mail with the missions, the iBay, online banking, and
// saving and loading the game.

#include "console/array.h"

class Character;
class Map;
class Possessions;

// The way in from the street: the cafe on a cleared screen, and the screen
// cleared again for the map. The maps tell a saved game that fits the world
// from a damaged one.
void visitInternetCafe(Possessions& possessions, Character& player, int& currentMap, const Array<Map>& maps);
// The cafe's menu, until the player chooses Exit.
void internetCafe(Possessions& possessions, Character& player, int& currentMap, const Array<Map>& maps);
