#pragma once
// The help screen that F1 or '?' opens on the streets: the keys in force, how
// saving works, the current mission's brief and where to go next, with the
// way there. Enter or Escape closes it, and play goes on where it was.

struct GameState;

void helpScreen(const GameState& state);
