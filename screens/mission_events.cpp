#include "screens/mission_events.h"

#include <algorithm>
#include <iostream>
#include <memory>

#include "console/console.h"
#include "console/dialogs.h"
#include "console/menu.h"
#include "model/game_values.h"
#include "model/item.h"
#include "model/weapon.h"

namespace {

void say(const char* line) { std::cout << line << '\n'; }

bool giveKey(Scene& s, const char* keyItem) { return s.possessions.addKeyItem(std::make_unique<Key>(keyItem)); }

void releaseWave(Scene& s, const EventWave& wave) {
    if (wave.agentPrefix) spawnAgentWave(s.maps, s.mapNames, s.enemies, wave.agentPrefix, wave.agentMaps);
    if (wave.vanPrefix) spawnVanWave(s.maps, s.mapNames, s.enemies, wave.vanPrefix, wave.vanModulus);
}

// Spends the first C4; equippedWeapon stays on the weapon it was on. False
// when none is held.
bool removeC4(Possessions& possessions) {
    const int index = possessions.findWeapon("C4");
    if (index == -1) return false;
    removeWeaponKeepingEquipped(possessions, index);
    return true;
}

EventOutcome missionArea(const EventRow& row, Scene&) {
    return missionNumber == row.mission ? EventOutcome::ThroughToMap : finish();
}

// The elevator of floor n serves the other two floors, in floor order.
EventOutcome elevator(const EventRow& row, Scene& s) {
    for (const char* needed : row.needs)
        if (needed && !s.holds(needed)) {
            clearScreen();
            say("You need to activate the elevator before you can use it!");
            waitForEnter();
            return EventOutcome::ScreenKept;
        }
    const char floor = row.name[String(row.name).length() - 1];
    String title = "Floor ";
    title += floor;
    title += " Elevator ";
    Array<String> choices;
    for (char f = '1'; f <= '3'; ++f) {
        if (f == floor) continue;
        String option = " Floor ";
        option += f;
        option += " ";
        choices.append(option);
    }
    choices.append(" Back    ");
    clearScreen();
    const int choice = menu(title, choices, false);
    if (choice == 2) return finish();
    s.link = row.floors[choice];
    return EventOutcome::ThroughToMap;
}

EventOutcome elevatorSwitch(const EventRow& row, Scene& s) {
    if (giveKey(s, row.gives)) {
        clearScreen();
        say(row.message);
        if (s.holds(row.needs[0])) say("The elevator is now activated!");
        waitForEnter();
    }
    return finish();
}

EventOutcome pickup(const EventRow& row, Scene& s) {
    if (giveKey(s, row.gives)) {
        clearScreen();
        say(row.message);
        waitForEnter();
    }
    return finish();
}

// The vault key leaves the screen to the map, found or not.
EventOutcome vaultKey(const EventRow& row, Scene& s) {
    if (s.holds(row.gives)) return EventOutcome::ScreenKept;
    giveKey(s, row.gives);
    clearScreen();
    say(row.message);
    waitForEnter();
    return EventOutcome::ScreenKept;
}

EventOutcome door(const EventRow& row, Scene& s) {
    if (s.holds(row.needs[0])) return EventOutcome::ThroughToMap;
    clearScreen();
    say(row.message);
    waitForEnter();
    return finish();
}

void dropThrough(const EventRow& row, Scene& s) { s.currentMap = s.mapNames.indexOf(row.opens); }

// Once opened, the crack drops the player into the room below, where he stands.
EventOutcome crack(const EventRow& row, Scene& s) {
    if (s.holds(row.gives)) {
        dropThrough(row, s);
        return EventOutcome::ScreenKept;
    }
    clearScreen();
    say("There appears to be a crack in the floor...");
    say("");
    if (s.possessions.findWeapon("C4") == -1) {
        waitForEnter();
        return finish();
    }
    say("Would you like to use C4 on it?");
    if (!confirmed("Use?")) return finish();
    removeC4(s.possessions);
    giveKey(s, row.gives);
    dropThrough(row, s);
    clearScreen();
    say("The floor opened and you dropped into the room below...");
    waitForEnter();
    return finish();
}

EventOutcome hallwayExit(const EventRow& row, Scene& s) {
    if (s.map().getName() != row.from) return EventOutcome::ThroughToMap;
    clearScreen();
    say(row.message);
    waitForEnter();
    return EventOutcome::ThroughToMap;
}

void changeWantedLevel(const ObjectiveReached& reached) {
    if (reached.wantedRaise) wantedLevel = std::min(wantedLevel + reached.wantedRaise, mostWantedLevel);
    if (reached.wantedSetTo) wantedLevel = reached.wantedSetTo;
}

// A mission's goal: told once, then mail waits again and the MSA come. A goal
// that spends C4 is refused without one, with a word while its mission runs.
EventOutcome objective(const EventRow& row, Scene& s) {
    if (s.holds(row.gives)) return EventOutcome::ScreenKept;
    if (row.spendsC4 && !removeC4(s.possessions)) {
        if (missionNumber == row.mission && !mailWaiting) {
            clearScreen();
            say("You need C4 to complete your mission!");
            waitForEnter();
        }
        return finish();
    }
    mailWaiting = true;
    giveKey(s, row.gives);
    changeWantedLevel(row.reached);
    clearScreen();
    if (row.reached.textColor) setColor(0, row.reached.textColor);
    for (const char* line : row.reached.lines)
        if (line) say(line);
    if (row.reached.pauseBeforeWave) waitForEnter();
    releaseWave(s, row.wave);
    waitForEnter();
    return finish();
}

// A player who holds a Railgun already is refused a second by addWeapon.
EventOutcome railgun(const EventRow&, Scene& s) {
    if (s.possessions.addWeapon(std::make_unique<Railgun>())) {
        clearScreen();
        say("You got the railgun!");
        waitForEnter();
    }
    return finish();
}

using MissionAction = EventOutcome (*)(const EventRow&, Scene&);

struct KindAction {
    EventKind kind;
    MissionAction act;
};

const KindAction kinds[] = {
    {EventKind::MissionArea, missionArea},
    {EventKind::Elevator, elevator},
    {EventKind::Switch, elevatorSwitch},
    {EventKind::VaultKey, vaultKey},
    {EventKind::Pickup, pickup},
    {EventKind::Door, door},
    {EventKind::Crack, crack},
    {EventKind::HallwayExit, hallwayExit},
    {EventKind::Objective, objective},
    {EventKind::Railgun, railgun},
};

}  // namespace

EventOutcome runMissionRow(const EventRow& row, Scene& scene) {
    for (const KindAction& k : kinds)
        if (k.kind == row.kind) return k.act(row, scene);
    return EventOutcome::ThroughToMap;
}
