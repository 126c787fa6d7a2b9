#pragma once
// The heart of play: every 90 ms one tick draws the map, the player, the
// status panel and the enemies, reads the arrows, follows what the player
// walked into, and lets the enemies of this map take their turn. It runs
// until the program ends.

struct GameState;

[[noreturn]] void explorationLoop(GameState& state);
// One tick of the loop (tests run ticks one at a time).
void explorationTick(GameState& state);
