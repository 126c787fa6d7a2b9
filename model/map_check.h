#pragma once
// The checks a map must pass before figures walk on it. Movement looks at the
// tile ahead and the one beyond without range tests, enemy placement reads the
// layer up to x = width and y = height, and a link tile names its link by one
// digit; a map that breaks any of this is refused when it loads, with the file
// and line, instead of failing somewhere in play. The map checker runs the
// same checks and shows every fault they find.

#include <string>
#include <vector>

#include "model/map.h"
#include "model/map_parser.h"

// Every fault found, one line each naming the file and line, in file order
// within each kind of fault; empty when the map is playable:
// - fewer than height + 1 collision rows, or one of them shorter than width + 1;
// - a digit in the collision layer without its link entry;
// - floor (a blank with x <= width and y <= height) with a side open to
//   outside the collision layer;
// - a link target with a negative coordinate (a move there would leave the map);
// - no floor where enemies are placed (1 <= x < width, 1 <= y < height),
//   except on "map airport", which never receives enemies.
std::vector<std::string> playableMapFaults(const Map& map, const MapSourceLines& where, const std::string& file);

// True when the map has floor with 1 <= x < width and 1 <= y < height, the
// tiles where an enemy that stands on no floor is put.
bool hasFloorForEnemies(const Map& map);
