#pragma once
// The two records thrown on misuse of the game's containers and texts.
// Nothing inside the game catches them: main reports them and ends the program.

#include <cstdint>

struct errorBounds {
    std::uint32_t index;  // the index that was asked for
    std::uint32_t max;    // the largest valid index (count - 1, so 2^32 - 1 when empty)
};

struct errorOverflow {};
