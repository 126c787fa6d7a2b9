#pragma once
// All maps of the game in the order the game loads them, and the places the
// game's own tables send the player to.

#include <string>
#include <vector>

#include "tools/maps/gamemap.h"

namespace maptools {

struct World {
    std::vector<GameMap> maps;  // load order: series 0 to 6, each from map 1 to its first gap
    GameMap panel;              // maps/stats.map
    bool hasPanel = false;
    std::vector<std::string> loadProblems;

    int indexOf(const std::string& name) const;
};

// Reads "map C-N.map" for C = 0..6 and N = 1.. until the first missing file,
// as the game does, and stats.map. Files that the enumeration never reaches
// (after a gap) and files that fail to read are load problems.
World loadWorld(const std::string& mapsDir);

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

const char* cityName(int city);
// "Vancouver", "Cape Kennedy", ... "DC": the prefix of a city's street maps.
const char* streetPrefix(int city);

}  // namespace maptools
