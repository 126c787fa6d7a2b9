#pragma once
// Where play leaves walking: the pause menu, fights with the police, ambushes
// and roaming enemies, the arrest after a lost police fight and the death
// after any other lost fight.

#include <cstdint>

struct GameState;

// Escape (once per press) opens the pause menu.
void pauseOnEscape(GameState& state);
// A "police" link: a fight with police as strong as the mission is far.
void policeLinkFight(GameState& state);
// A link that is neither an event nor a map: a Bounty Hunter jumps out.
void ambush(GameState& state);
// Enemy i has reached the player: they fight. True when the enemy lost and
// was taken off the map.
bool enemyFight(GameState& state, std::uint32_t i);
// A player without hit points wakes in the city's hospital, robbed.
void wakeInHospitalIfDown(GameState& state);
