#pragma once
// The way a player walks, one arrow key at a time, from where he stands to a
// link of a given text, over every map of the world. A step of the game
// yields the link ahead of the player after his move, so a step may touch a
// link without walking into its tile; a route only ever touches links that
// take the player on (map names, open doors, the streets' "city", the jet
// bridge back into the airport's hall), never a
// shop, a fight or a pick-up on the way.

#include <set>
#include <string>
#include <vector>

#include "console/array.h"
#include "console/text.h"
#include "model/map.h"

// What the story lets the player through at the moment.
struct Passage {
    int city = 1;
    int mission = 0;
    std::set<std::string> keyItems;
    bool holdsC4 = false;
};

struct RouteStep {
    int key;             // the arrow to press
    int map, x, y;       // where the player stands when he presses it
    int floor = -1;      // an elevator's choice (0 or 1) the step leads through
    bool useC4 = false;  // the step opens the crack with C4
};

// The shortest route from (x, y) on maps[map] that ends touching a link with
// the text target; empty when there is none (or the player already is there:
// a route always ends with the step that touches the target).
std::vector<RouteStep> findRoute(const Array<Map>& maps, const Array<String>& mapNames, int map, int x, int y,
                                 const std::string& target, const Passage& passage);
