#pragma once
// Where the story needs the player next, and the way there from where he
// stands: the cafe while mail waits; the airport while the mission's city is
// another (the gate, once a ticket there is bought); the way into the
// mission's building in its city; then inside it what the mission asks for,
// in the order the event rows list it, up to the final confrontation. Places
// are named as the event rows name them.

#include <string>
#include <vector>

#include "model/route.h"

struct GameState;

struct NextPlace {
    const char* name = nullptr;    // "the Internet Cafe"; null when the story needs nothing
    const char* link = nullptr;    // the link text that is the place
    int flyTo = 0;                 // the city to fly to from there, 0 for none
    std::vector<RouteStep> route;  // the way there; empty when none was found
};

NextPlace nextPlace(const GameState& state);

// A route told as a player walks it: the maps crossed in runs of one
// direction, then the direction of the place on the last map ("2 streets
// east, then north"). A city's streets are streets, the maps of buildings rooms.
std::string wayText(const std::vector<RouteStep>& route, const Array<String>& mapNames);
