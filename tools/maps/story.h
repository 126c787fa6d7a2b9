#pragma once
// The story walk: a breadth-first search over everything a player can do with
// the arrow keys, from the new game's start, with the state that gates the
// story (city, mission number, waiting mail, key items, C4, ticket, checked
// baggage). It proves that every mission, every objective, every link tile of
// every map and the final confrontation can be reached in story order.

#include <string>
#include <vector>

#include "tools/maps/world.h"

namespace maptools {

struct StoryResult {
    std::vector<std::string> problems;    // empty when the story can be finished
    std::vector<std::string> milestones;  // in the order the search first reached them
    std::size_t states = 0;
};

// gate: the gate number every ticket of this walk gets (the counter rolls it
// at random, so the story must work with each of 1, 2 and 3); 0 lets a ticket
// through any gate, and only that walk also proves every link tile reachable.
StoryResult walkStory(const World& world, int gate);

}  // namespace maptools
