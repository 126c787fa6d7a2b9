#pragma once
// The map checker: every promise the game's code makes about its map data,
// proven over the loaded maps. Each function returns the faults it found, one
// readable line each; an empty list means the maps are sound.

#include <string>
#include <vector>

#include "tools/maps/world.h"

namespace maptools {

// Every link text the location event script answers, in the script's order.
const std::vector<std::string>& eventNames();
bool isEventName(const std::string& text);

// The rules one map must keep on its own: the collision layer covers
// width + 1 columns and height + 1 rows; floor lies inside the bounds with
// every neighbour in the layer; each digit has its link; enemies find floor;
// the picture fits the screen and covers every tile a figure can touch.
std::vector<std::string> checkMap(const GameMap& map);

// The status panel: five rows of at most 80 cells, blank where the
// exploration loop writes its texts, ending in a readable colour.
std::vector<std::string> checkPanel(const GameMap& panel);

// checkMap for every map plus the rules between maps: names, load order,
// the game's table positions, link arrivals, the airport's gates, the
// elevators, the crack, and what each city's streets hold.
std::vector<std::string> checkWorld(const World& world);

}  // namespace maptools
