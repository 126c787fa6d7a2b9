#pragma once
// All maps of the game in the order the game loads them, read by the game's
// own reader, and the places the game's own tables send the player to.

#include <string>
#include <vector>

#include "console/array.h"
#include "model/city_places.h"
#include "model/map.h"

namespace maptools {

struct World {
    Array<Map> maps;                 // load order: series 0 to 6, each from map 1 to its first gap
    std::vector<std::string> names;  // maps[i].getName(), kept for lookups
    std::vector<std::string> files;  // "map 0-1.map": the file each map was read from
    Map panel;                       // maps/stats.map
    bool hasPanel = false;
    // Files that could not be read or are never reached, and every fault the
    // game's own checks find in each map.
    std::vector<std::string> loadProblems;

    int indexOf(const std::string& name) const;
    const Map& map(int index) const { return maps.at(static_cast<std::uint32_t>(index)); }
};

// Reads the maps as the game does (findMapFiles), each with the game's checks,
// and stats.map. Files that the enumeration never reaches (after a gap) and
// files that fail to read are load problems.
World loadWorld(const std::string& mapsDir);

// Queries that hold on a map not yet proven sound: outside the collision
// layer there is nothing, and a digit without its link entry names nothing.
inline bool isFloor(const Map& m, int x, int y) { return m.tileAt(x, y) == ' '; }
inline bool isDigitTile(char c) { return c >= '0' && c <= '9'; }
// Where the game's moveTo may put a figure: floor with x < width, y < height.
bool isStandable(const Map& m, int x, int y);
// The link text of a digit tile, "" otherwise (or for a digit with no entry).
std::string linkText(const Map& m, int x, int y);
// Where the link with this index leads.
LinkTarget targetOf(const Map& m, int linkIndex);

// A place the game sets the player to by table.
struct TablePlace {
    std::string what;  // which table, for messages
    std::string map;
    int x;
    int y;
};

// Where "city" leads in each city (1-6).
const std::vector<TablePlace>& cityEntries();
// Every position the game sets by table: city entries, arrests, deaths, the
// new game's start, the airport arrival and the Macro Max arrest.
std::vector<TablePlace> tablePlaces();

// "Vancouver", "Cape Kennedy", ... "DC": the prefix of a city's street maps.
const char* streetPrefix(int city);

}  // namespace maptools
