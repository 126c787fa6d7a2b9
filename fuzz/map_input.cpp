// Map bytes: a map the start-up accepts must carry the player and its enemies
// without a fault, since play never checks a tile's range again.

#include <iostream>

#include "console/console.h"
#include "console/headless.h"
#include "fuzz/fuzz_checks.h"
#include "fuzz/scratch.h"
#include "model/character.h"
#include "model/enemy.h"
#include "model/map_check.h"

namespace {

// A step in each direction from every floor tile, as the player and the
// enemies take them.
void walkEverywhere(const Map& map) {
    for (int y = 0; y <= map.getHeight(); ++y)
        for (int x = 0; x <= map.getWidth(); ++x) {
            if (!map.isWalkable(x, y)) continue;
            for (String (Character::*move)(const Map&) :
                 {&Character::moveLeft, &Character::moveRight, &Character::moveUp, &Character::moveDown}) {
                Character figure(x, y);
                (figure.*move)(map);
                if (!map.isWalkable(figure.getX(), figure.getY())) throw FuzzFinding("a step left the floor");
            }
        }
}

// Every link the map lists leads somewhere, as the exits look them up.
void followLinks(const Map& map) {
    for (const String& link : map.getLinks()) map.linkTarget(link);
}

// A Bounty Hunter placed as at start-up, then a few turns of wandering.
void placeEnemy(const Map& map) {
    if (!hasFloorForEnemies(map)) return;
    // The enemy seeds the numbers from the clock: a clock of its own starts at 0 every time.
    HeadlessHost clock;
    HostInUse inUse(&clock);
    Enemy hunter("Bounty Hunter", 100, 10);
    placeOnWalkableTile(hunter, map);
    for (int turn = 0; turn < 8; ++turn) hunter.wander(map);
    if (!map.isWalkable(hunter.getX(), hunter.getY())) throw FuzzFinding("an enemy stands off the floor");
}

}  // namespace

void checkMapBytes(const std::string& bytes) {
    InScratchFolder here;
    here.write("maps/fuzz.map", bytes);
    Map map;
    withoutFault("the map loader", [&] {
        if (!map.loadCheckedFromFile("maps\\fuzz.map").empty()) return;
        gotoXY(0, 0);
        printBlock(std::cout, map.getLines());
        walkEverywhere(map);
        followLinks(map);
        placeEnemy(map);
    });
}
