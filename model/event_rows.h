#pragma once
// The rows of the location event script: every link text that is an event,
// in the order the script tests them, with what each row gives, needs and
// opens. The game's event script, the map checker and the story walk all read
// this one table, so the world's doors and the checks on them cannot drift
// apart.

#include <vector>

#include "console/text.h"

enum class EventKind {
    Service,      // a shop or service screen, opened by its own row
    Airport,      // the ticket counter, baggage claim, gates and arrival hall
    MissionArea,  // the way into a city's mission maps: open during its mission only
    Elevator,     // a floor menu; the choice becomes the link to that floor's map
    Switch,       // an elevator switch: a key item, and the elevator runs with both
    VaultKey,     // the vault key: a key item, and the map is left on screen
    Pickup,       // a key item picked up or switched (keycards, power switches)
    Door,         // a map link that opens only with a key item
    Crack,        // the floor that C4 opens onto the room below
    HallwayExit,  // a map link that says where it lets the player out when taken from one map
    Objective,    // the goal of a mission: mail waits again, the MSA come
    Railgun,      // the weapon lying in the armory
    FinalFight,   // Abbott Gates
};

// The MSA sent after a reached objective: 0 to 2 agents on each of the maps
// agentPrefix + 1 .. agentMaps, and 0 to vanModulus - 1 vans on each of the
// streets vanPrefix + 1 .. 3. A null prefix sends none of that kind.
struct EventWave {
    const char* agentPrefix = nullptr;
    int agentMaps = 0;
    const char* vanPrefix = nullptr;
    int vanModulus = 0;
};

// What reaching an Objective tells and changes. Mail waits again and the
// row's wave is sent after it.
struct ObjectiveReached {
    const char* lines[4] = {nullptr, nullptr, nullptr, nullptr};  // told on a cleared screen
    int textColor = 0;             // the lines' colour on black (0: the colour in force)
    int wantedRaise = 0;           // added to the wanted level, up to mostWantedLevel
    int wantedSetTo = 0;           // the wanted level afterwards instead (0: unchanged)
    bool pauseBeforeWave = false;  // the player presses Enter before the MSA come as well
};

struct EventRow {
    const char* name = nullptr;
    EventKind kind = EventKind::Service;
    const char* gives = nullptr;                // the key item the row records
    const char* needs[2] = {nullptr, nullptr};  // key items it asks for (all of them)
    const char* opens = nullptr;                // the map it leads to or drops into
    const char* from = nullptr;                 // HallwayExit: the map from which it is told
    int mission = 0;        // the mission the row belongs to (a MissionArea opens during it), 0 for none
    bool spendsC4 = false;  // the row asks for a C4 and uses it up (the crack, an objective)
    const char* floors[2] = {nullptr, nullptr};  // Elevator: the maps it serves besides its own
    EventWave wave;
    const char* message = nullptr;  // the one line a Door, Pickup or Switch shows
    ObjectiveReached reached;       // Objective: what reaching it does
    const char* displayName =
        nullptr;  // what the help screen calls the place ("the Internet Cafe"), if it sends players there
};

// Every row, in the order the script tests them.
const std::vector<EventRow>& eventRows();
// The row of that name, or null: the text is not an event.
const EventRow* findEventRow(const String& name);

// Link texts of back alleys where a Bounty Hunter lies in wait: the streets
// carry them on purpose, so they are neither maps nor events.
const std::vector<const char*>& deliberateAmbushes();
bool isDeliberateAmbush(const String& text);
