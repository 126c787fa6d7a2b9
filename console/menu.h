#pragma once
// The option menu and the digit entry field.

#include <cstdint>

#include "console/array.h"
#include "console/text.h"

// Draws the title at the cursor and the options two rows below it, one per
// row; Up and Down move the green highlight (wrapping), Enter chooses.
// With pad, options get a blank on each side and are filled to equal length.
// Returns the chosen option's index.
int menu(const String& title, Array<String> options, bool pad);

// The largest amount the field accepts: the most money the game can hold.
constexpr std::uint32_t maxNumberEntry = 2147483647u;

// Reads up to 16 digits typed at (x, y); Enter gives their value, Escape 0.
// A digit that would take the value above maxNumberEntry is ignored.
std::uint32_t readNumber(int x, int y);

// base to the power of exponent in 32-bit arithmetic; 1 for exponent < 1.
std::uint32_t power(std::uint32_t base, int exponent);
