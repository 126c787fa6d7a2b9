#pragma once
// The map checker: every promise the game's code makes about its map data,
// proven over the loaded maps. Each function returns the faults it found, one
// readable line each; an empty list means the maps are sound.

#include <string>
#include <vector>

#include "tools/maps/picture.h"
#include "tools/maps/world.h"

namespace maptools {

// The four neighbours of a tile: west, east, north, south.
inline constexpr int kDx[4] = {-1, 1, 0, 0};
inline constexpr int kDy[4] = {0, 0, -1, 1};

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

// The rules between maps, each on its own:
// the game's checks of every map (from loading), checkMap and checkReadable
// of every map, and checkPanel.
std::vector<std::string> checkMapsAndPanel(const World& world);
// Names are unique; each one the game looks up is there; the new game's map
// loads at its index; a mission map is named after its file.
std::vector<std::string> checkNames(const World& world);
// The positions the game's tables and the new game put the player on are floor.
std::vector<std::string> checkTablePlaces(const World& world);
// Every link has floor beside it and lands on floor; a text that is no map,
// event, "city" or "police" is a back alley; every event stands on a tile.
std::vector<std::string> checkLinks(const World& world);
// Elevators list their destinations and land on floor; the crack drops onto floor.
std::vector<std::string> checkElevatorsAndCrack(const World& world);
// The airport's main hall reaches the counter, the baggage claim and the
// gates; each gate leads through to a departure area that only boards.
std::vector<std::string> checkAirport(const World& world);
// Each city's streets hold its services, its mission's way in and a back alley.
std::vector<std::string> checkCityStreets(const World& world);
// Hospital and police stand by the places deaths and arrests put the player,
// the cafe by the new game's start.
std::vector<std::string> checkServicesNearby(const World& world);
// Every rule above, in that order.
std::vector<std::string> checkWorld(const World& world);

}  // namespace maptools
