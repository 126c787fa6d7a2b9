#pragma once
// The location event script: every door, counter, pick-up and story moment is
// a link tile whose text names an event. True when the text was an event and
// has been handled; false lets the exploration loop treat it as a map name
// (or, failing that, an ambush). The text may be rewritten (elevators).

#include "console/array.h"
#include "console/text.h"

class Character;
class Enemy;
class Map;
class Possessions;

bool runLocationEvent(String& link, Character& player, Possessions& possessions, Array<Enemy>& enemies,
                      Array<String>& mapNames, Array<Map>& maps, int& currentMap);
