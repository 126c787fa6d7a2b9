#pragma once
// Abbott Gates in the Oval Office: his challenge, the player's reply (which
// decides how hard the fight is), the battle, and after a victory the ending
// and a world started afresh around the player.

#include "screens/event_scene.h"

// Always ScreenKept: the event is handled, won or lost (the loop sees a loss
// in the player's hit points).
EventOutcome finalFight(Scene& scene);
