#pragma once
// The map checker: every promise the game's code makes about its map data,
// proven over the loaded maps. Each function returns the faults it found, one
// readable line each; an empty list means the maps are sound.

#include <string>
#include <vector>

#include "tools/maps/picture.h"
#include "tools/maps/world.h"

namespace maptools {

// Every link text the location event script answers, in the script's order.
const std::vector<std::string>& eventNames();
bool isEventName(const std::string& text);

// The rules the checker adds for one map to the game's own (which loadWorld
// runs): width and height are positive; floor lies within 1..width-1 x
// 1..height-1; the picture fits the screen, holds no control bytes and covers
// every tile a figure can stand on or touch. file names the map in messages.
std::vector<std::string> checkMap(const Map& map, const std::string& file);

// The status panel: five rows of at most 80 cells, blank where the
// exploration loop writes its texts, ending in a readable colour.
std::vector<std::string> checkPanel(const Map& panel);

// The game's checks of every map (from loading), checkMap for every map,
// the panel, and the rules between maps: names, load order,
// the game's table positions, link arrivals, the airport's gates, the
// elevators, the crack, and what each city's streets hold.
std::vector<std::string> checkWorld(const World& world);

}  // namespace maptools
