#pragma once
// The save and load screens with their list of ten slots
// ("save\save1.sav" to "save\save10.sav"); the load screen also offers the
// game kept when play was interrupted (screens/interrupted_game.h).

#include "console/array.h"
#include "console/text.h"

class Character;
class Map;
class Possessions;

// The file of the game kept when play was interrupted.
extern const char* const interruptedGameFile;

// From the internet cafe: choose a slot, confirm, write. Left through "Back".
void saveGameScreen(Possessions& possessions, Character& player, int currentMap);

// From the title, pause, game-over and cafe menus: choose a slot and load it
// in place of the game in progress. A damaged file is refused and changes
// nothing; maps tells which map indexes and positions exist. The interrupted
// game, once loaded, is removed: one interruption gives one resume.
void loadGameScreen(Possessions& possessions, Character& player, int& currentMap, const Array<Map>& maps);

// The slot lines "Save 1: Vancouver, $1000" ... "Save 10: Empty", then, for
// the load screen while its file exists, "Interrupted: Roswell, $54", and "Back".
Array<String> saveSlotList(bool withInterrupted = false);
