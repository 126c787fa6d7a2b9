#pragma once
// The saved-game file: one value per line, 21 fields, written by the save
// screen and read back by the load screen. A file is read and checked whole
// before anything of the running game is changed.

#include <cstdint>
#include <string>
#include <vector>

#include "console/array.h"
#include "console/text.h"

class Character;
class Map;
class Possessions;

// A game writes a few hundred bytes; only disposable weapons, of which any
// number may be carried, add a line each. A larger file is damage and is
// refused before it is read.
constexpr std::uintmax_t maxSaveFileBytes = 256 * 1024;

struct SavedItem {
    String name;
    int destination = 0;  // airplane tickets only
};

struct SavedGame {
    int city = 1;
    int money = 0;
    int bank = 0;
    int loan = 0;
    std::vector<SavedItem> items;
    std::vector<String> weapons;
    std::vector<String> keyItems;
    int missionNumber = 0;
    bool mailWaiting = true;
    int wantedLevel = 0;
    int equippedWeapon = 0;
    int currentMap = 1;
    int x = 0;
    int y = 0;
    int hp = 0;
    int maxHp = 0;
    int strength = 0;
    int accuracy = 0;
    // The checked baggage, appended after the 21 fields; files written before
    // it was saved end above and load with an empty baggage.
    std::vector<SavedItem> baggageItems;
    std::vector<String> baggageWeapons;  // the store's own Fist is not written
    int savedEquippedWeapon = 0;
};

// The game in progress: the possessions, the player, the current map, the
// program-wide values and the checked baggage.
SavedGame captureGame(const Possessions& possessions, const Character& player, int currentMap);

// The file's text, each value on its own line.
std::string formatSavedGame(const SavedGame& game);

// Reads a file's text (line ends already LF). False when it cannot be read as
// the format says (missing lines, text where a number belongs, a negative
// count, a mail flag other than 0 or 1) or holds a value no game reaches: a
// city or ticket outside 1 to 6, a mission the mail never sets, more items
// than a bag holds, and a wanted level, hit points, strength or accuracy far
// beyond what play produces. Cash, balance and loan may be any int.
bool parseSavedGame(const std::string& text, SavedGame& game);

// The saved game fits this world: its map exists and the position is floor on
// it (checked maps close every floor tile in, so the first step stays inside).
bool fitsWorld(const SavedGame& game, const Array<Map>& maps);

// Replaces the game in progress by the saved one: possessions and baggage
// rebuilt from their names, the player's values and the program-wide values set.
void restoreGame(const SavedGame& game, Possessions& possessions, Character& player, int& currentMap);
