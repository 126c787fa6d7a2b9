// mapcheck: proves the shipped maps sound and the story finishable.
//   mapcheck MAPS_DIR     prints every fault; exit status 1 when there is one

#include <iostream>

#include "tools/maps/check.h"
#include "tools/maps/story.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: mapcheck MAPS_DIR\n";
        return 2;
    }
    const maptools::World world = maptools::loadWorld(argv[1]);
    auto faults = maptools::checkWorld(world);
    for (const auto& f : faults) std::cout << f << "\n";
    std::cout << world.maps.size() << " maps checked, " << faults.size() << " faults\n";
    bool storyOk = true;
    for (int gate = 0; gate <= 3; ++gate) {
        const auto r = maptools::walkStory(world, gate);
        for (const auto& p : r.problems)
            std::cout << "story (" << (gate ? "tickets for gate " + std::to_string(gate) : std::string("any gate"))
                      << "): " << p << "\n";
        if (gate == 0) {
            std::cout << "story walk: " << r.states << " states; in order reached:\n";
            for (const auto& m : r.milestones) std::cout << "  " << m << "\n";
        }
        storyOk = storyOk && r.problems.empty();
    }
    std::cout << (faults.empty() && storyOk ? "the maps are sound and the story can be finished\n"
                                            : "the maps have faults\n");
    return faults.empty() && storyOk ? 0 : 1;
}
