#pragma once
// What a window too small for the game shows until the player enlarges it.

#include <string>
#include <vector>

// The lines that ask to enlarge a window of columns x rows to the game's size.
std::vector<std::string> enlargeRequestLines(int columns, int rows);
