#pragma once
// Loading slot 1 of the scratch folder the way a player does: the load
// screen against the shipped maps, Enter on the first slot.

#include <string>

class Character;
class Possessions;

// Writes the text as save/save1.sav and loads it. False when the screen
// refused it as damaged; a FuzzFinding when it did neither.
bool loadSlotOne(const std::string& text, Possessions& possessions, Character& player, int& currentMap);

// The game in progress as the save screen would write it.
std::string savedText(const Possessions& possessions, const Character& player, int currentMap);
