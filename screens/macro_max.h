#pragma once
// Macro Max: the corporation's store, where the player buys products or
// tries to steal them and brings the police down on the city.

#include "console/array.h"
#include "console/text.h"

class Character;
class Enemy;
class Map;
class Possessions;

// The way in from the street, and the screen cleared again for the map.
void visitMacroMax(Possessions& possessions, Array<Enemy>& enemies, Character& player, Array<String>& mapNames,
                   Array<Map>& maps, int& currentMap);
// The store's menu, until Leave, a theft, or a jail visit.
void macroMax(Possessions& possessions, Array<Enemy>& enemies, Character& player, Array<String>& mapNames,
              Array<Map>& maps, int& currentMap);
// The buying screen: a product, its price, the purchase; Back or too little
// cash returns to the store's menu.
void macroMaxBuy(Possessions& possessions);
