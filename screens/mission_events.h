#pragma once
// The rows of the event script that carry the missions: the ways into each
// city's mission maps, elevators, switches, keycards, doors, the crack in the
// floor, the objectives with the MSA waves they release, and the railgun.

#include "model/event_rows.h"
#include "screens/event_scene.h"

// Plays the row (one of the mission kinds) on the scene.
EventOutcome runMissionRow(const EventRow& row, Scene& scene);
