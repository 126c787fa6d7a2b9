// The enemies that appear in numbers: start-up's Bounty Hunters and the MSA
// waves that follow a reached mission objective.

#include <iostream>

#include "console/console.h"
#include "console/random.h"
#include "model/game_values.h"
#include "model/enemy.h"

namespace {

void showSpawnProgress(const String& mapName, int count) {
    gotoXY(16, 2);
    std::cout << mapName << "..." << count << "%";
}

// Puts a new enemy on a free tile of the map named mapName.
void addEnemy(Array<Enemy>& enemies, const Enemy& enemy, const String& mapName, const Map& map) {
    enemies.append(enemy);
    Enemy& added = enemies.at(enemies.size() - 1);
    added.setMapName(mapName);
    placeOnWalkableTile(added, map);
}

}  // namespace

void spawnBountyHunters(Array<Map>& maps, Array<Enemy>& enemies) {
    int progress = 0;
    for (std::uint32_t i = 0; i < maps.size(); ++i) {
        Map& map = maps.at(i);
        const String mapName = map.getName();
        if (mapName == "map airport") continue;
        // Later maps breed tougher hunters: maps 0-29 x1, 30-44 x2, 45-59 x3, ...
        const int multiplier = static_cast<int>(i / 15) == 0 ? 1 : static_cast<int>(i / 15);
        const int hunters = gameRand() % 3;
        for (int n = 0; n < hunters; ++n) {
            const int strength = (gameRand() % 10 + 5) * multiplier;
            const int hp = (gameRand() % 50 + 150) * multiplier;
            addEnemy(enemies, Enemy("Bounty Hunter", hp, strength), mapName, map);
            progress += 2;
            showSpawnProgress(mapName, progress);
        }
    }
    gotoXY(16, 2);
    std::cout << "100%" << '\n';
}

namespace {

// count enemies of one kind on each of the maps prefix + 1 .. prefix + maps;
// perMap draws how many go on one map, then each draws strength and hp.
template <typename Draw>
void spawnWave(Array<Map>& maps, Array<String>& mapNames, Array<Enemy>& enemies, const String& prefix, int mapCount,
               int perMapModulus, const char* kind, Draw drawValues) {
    for (int n = 1; n <= mapCount; ++n) {
        const int k = gameRand() % perMapModulus;
        String name = prefix;
        name += n;
        for (int j = 0; j < k; ++j) {
            int strength = 0;
            int hp = 0;
            drawValues(strength, hp);
            // A wave names only maps that the game holds; a missing one is a bounds error.
            addEnemy(enemies, Enemy(kind, hp, strength), name,
                     maps.at(static_cast<std::uint32_t>(mapNames.indexOf(name))));
        }
    }
}

}  // namespace

void spawnAgentWave(Array<Map>& maps, Array<String>& mapNames, Array<Enemy>& enemies, const String& prefix,
                    int count) {
    spawnWave(maps, mapNames, enemies, prefix, count, 3, "MSA Agent", [](int& strength, int& hp) {
        strength = (gameRand() % 30 + 15) * missionNumber;
        hp = (gameRand() % 200 + 200) * missionNumber;
    });
}

void spawnVanWave(Array<Map>& maps, Array<String>& mapNames, Array<Enemy>& enemies, const String& prefix,
                  int modulus) {
    spawnWave(maps, mapNames, enemies, prefix, 3, modulus, "MSA Van", [](int& strength, int& hp) {
        strength = (gameRand() % 30 + 15) * missionNumber;
        hp = (gameRand() % 300 + 300) * missionNumber;
    });
}
