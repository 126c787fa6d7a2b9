#pragma once
// What an event of the location script may act on, as the exploration loop
// hands it over, and the ways an event row ends.

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

// How an event row ends.
enum class EventOutcome {
    ScreenCleared,  // handled; the screen is cleared for the map to redraw
    ScreenKept,     // handled; what the row left on screen stays
    ThroughToMap,   // not handled: the text leads on to the map of that name
};

// Clears the screen for the map: the row ends ScreenCleared.
EventOutcome finish();
