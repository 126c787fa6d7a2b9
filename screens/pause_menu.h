#pragma once
// The pause menu that Escape opens during play, the mission brief it offers,
// and the game-over menu of a player who gives up in jail.

#include "console/array.h"

class Character;
class Map;
class Possessions;

// One choice (continue, inventory, mission brief, load, quit), then back to
// the game on a cleared screen. Quit Game throws QuitGame.
void pauseMenu(Character& player, Possessions& possessions, int& currentMap, const Array<Map>& maps);

struct MissionText;
// The brief of the current mission, or null when there is none.
const MissionText* currentBrief();

// The current mission's text until Enter. Mission 5 counts as 6 from now on.
void missionBrief();

// Load a saved game or quit (QuitGame). Returns after the load screen,
// whether or not a game was loaded.
void gameOverMenu(Possessions& possessions, Character& player, int& currentMap, const Array<Map>& maps);
