#pragma once
// What an event of the location script may act on, as the exploration loop
// hands it over, and the endings every event row shares.

#include <cstdint>

#include "console/array.h"
#include "console/text.h"
#include "model/character.h"
#include "model/enemy.h"
#include "model/map.h"
#include "model/possessions.h"

struct Scene {
    String& link;
    Character& player;
    Possessions& possessions;
    Array<Enemy>& enemies;
    Array<String>& mapNames;
    Array<Map>& maps;
    int& currentMap;

    const Map& map() const { return maps.at(static_cast<std::uint32_t>(currentMap)); }
    bool holds(const char* keyItem) const { return possessions.findKeyItem(keyItem) != -1; }
};

// The event is over: the screen is cleared for the map (true: handled).
bool finish();
// The event is over and the screen is left as it is (true: handled).
inline bool silent() { return true; }
// The row lets the text through to the map of that name (false).
inline bool pass() { return false; }
