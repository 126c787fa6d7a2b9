#pragma once
// Enemies: Bounty Hunters spread over the maps at start-up, MSA Agents and
// Vans released by mission objectives, Police, and Abbott Gates. An enemy is a
// figure with a kind ("Bounty Hunter", ...) and the name of the one map it
// lives on; the exploration loop draws and moves the enemies of the current map.

#include "console/array.h"
#include "console/text.h"
#include "model/character.h"
#include "model/map.h"

class Enemy : public Character {
public:
    Enemy() = default;
    // Reseeds the random numbers from the clock, then takes a position with
    // x 1-20 and y 1-14; glyph 2 in light red, accuracy 80.
    Enemy(const String& name, int hp, int strength);

    const String& getName() const { return name; }
    String getMapName() const { return mapName; }
    void setMapName(const String& newMapName) { mapName = newMapName; }

    bool isAt(const Character& c) const { return c.getX() == getX() && c.getY() == getY(); }
    // A random step in 4 turns out of 15, each direction alike.
    void wander(const Map& map);
    // One turn in four a step towards the target (across, then up or down,
    // so it may go diagonally); otherwise a wander.
    void chase(const Map& map, const Character& target);
    // One blow: 20 to strength + 19 damage, landing when the roll 0-99 is at
    // most the accuracy.
    void attack(Character& target);

private:
    String mapName;
    String name;
};

// Moves the enemy to random floor of the map until it stands on floor. A map
// without floor where enemies are put throws MapError instead of searching forever.
void placeOnWalkableTile(Enemy& e, const Map& map);

// Start-up's Bounty Hunters: 0 to 2 on every map but "map airport", stronger
// on later maps. Shows its progress at (16, 2).
void spawnBountyHunters(Array<Map>& maps, Array<Enemy>& enemies);
// 0 to 2 MSA Agents on each of the maps prefix + "1" to prefix + count.
void spawnAgentWave(Array<Map>& maps, Array<String>& mapNames, Array<Enemy>& enemies, const String& prefix,
                    int count);
// 0 to modulus - 1 MSA Vans on each of the maps prefix + "1" to prefix + "3".
void spawnVanWave(Array<Map>& maps, Array<String>& mapNames, Array<Enemy>& enemies, const String& prefix,
                  int modulus);
