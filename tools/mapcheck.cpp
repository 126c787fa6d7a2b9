// mapcheck: proves the shipped maps sound and the story finishable.
//   mapcheck MAPS_DIR     prints every fault; exit status 1 when there is one

#include <cstdio>
#include <string>

#include "console/printable.h"
#include "tools/maps/check.h"
#include "tools/maps/story.h"

namespace {

// std::cout belongs to the game's screen model, which the map reader links in.
// Faults quote the map files, whose control bytes are escaped.
void say(const std::string& line) {
    std::fputs(printable(line).c_str(), stdout);
    std::fputc('\n', stdout);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: mapcheck MAPS_DIR\n", stderr);
        return 2;
    }
    const maptools::World world = maptools::loadWorld(argv[1]);
    auto faults = maptools::checkWorld(world);
    for (const auto& f : faults) say(f);
    say(std::to_string(world.maps.size()) + " maps checked, " + std::to_string(faults.size()) + " faults");
    bool storyOk = true;
    for (int gate = 0; gate <= 3; ++gate) {
        const auto r = maptools::walkStory(world, gate);
        for (const auto& p : r.problems)
            say("story (" + (gate ? "tickets for gate " + std::to_string(gate) : std::string("any gate")) +
                "): " + p);
        if (gate == 0) {
            say("story walk: " + std::to_string(r.states) + " states; in order reached:");
            for (const auto& m : r.milestones) say("  " + m);
        }
        storyOk = storyOk && r.problems.empty();
    }
    say(faults.empty() && storyOk ? "the maps are sound and the story can be finished" : "the maps have faults");
    return faults.empty() && storyOk ? 0 : 1;
}
