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

bool missionArea(const EventRow& row, Scene&) { return missionNumber == row.mission ? pass() : finish(); }

// The elevator of floor n serves the other two floors, in floor order.
bool elevator(const EventRow& row, Scene& s) {
    for (const char* needed : row.needs)
        if (needed && !s.holds(needed)) {
            clearScreen();
            say("You need to activate the elevator before you can use it!");
            waitForEnter();
            return silent();
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
    return pass();
}

bool elevatorSwitch(const EventRow& row, Scene& s) {
    if (giveKey(s, row.gives)) {
        clearScreen();
        say(row.message);
        if (s.holds(row.needs[0])) say("The elevator is now activated!");
        waitForEnter();
    }
    return finish();
}

bool pickup(const EventRow& row, Scene& s) {
    if (giveKey(s, row.gives)) {
        clearScreen();
        say(row.message);
        waitForEnter();
    }
    return finish();
}

// The vault key leaves the screen to the map, found or not.
bool vaultKey(const EventRow& row, Scene& s) {
    if (s.holds(row.gives)) return silent();
    giveKey(s, row.gives);
    clearScreen();
    say(row.message);
    waitForEnter();
    return silent();
}

bool door(const EventRow& row, Scene& s) {
    if (s.holds(row.needs[0])) return pass();
    clearScreen();
    say(row.message);
    waitForEnter();
    return finish();
}

void dropThrough(const EventRow& row, Scene& s) { s.currentMap = s.mapNames.indexOf(row.opens); }

// Once opened, the crack drops the player into the room below, where he stands.
bool crack(const EventRow& row, Scene& s) {
    if (s.holds(row.gives)) {
        dropThrough(row, s);
        return silent();
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

bool hallwayExit(const EventRow& row, Scene& s) {
    if (s.map().getName() != row.from) return pass();
    clearScreen();
    say(row.message);
    waitForEnter();
    return pass();
}

bool plantBomb(const EventRow& row, Scene& s) {
    if (s.holds(row.gives)) return silent();
    if (!removeC4(s.possessions)) {
        if (missionNumber == 1 && !mailWaiting) {
            clearScreen();
            say("You need C4 to complete your mission!");
            waitForEnter();
        }
        return finish();
    }
    mailWaiting = true;
    giveKey(s, row.gives);
    wantedLevel = std::min(wantedLevel + 3, mostWantedLevel);
    clearScreen();
    setColor(0, 15);
    say("You have completed your mission.");
    say("Your Wanted Level has increased due to the intensity of this mission.");
    say("Please visit the Internet Cafe to recieve your next mission.");
    say("Remember the MSA Agents will be looking for you!");
    releaseWave(s, row.wave);
    waitForEnter();
    return finish();
}

bool shuttlePlans(const EventRow& row, Scene& s) {
    if (s.holds(row.gives)) return silent();
    clearScreen();
    say("You got the Shuttle Plans");
    say("Return to the Internet Cafe and scan them in.");
    giveKey(s, row.gives);
    mailWaiting = true;
    releaseWave(s, row.wave);
    waitForEnter();
    return finish();
}

bool modChip(const EventRow& row, Scene& s) {
    if (s.holds(row.gives)) return silent();
    mailWaiting = true;
    clearScreen();
    say("You got the mod chip!");
    say("The alarms are sounding so every MSA Agent is looking for you!");
    giveKey(s, row.gives);
    wantedLevel = 5;
    waitForEnter();
    releaseWave(s, row.wave);
    waitForEnter();
    return finish();
}

bool dataDisk(const EventRow& row, Scene& s) {
    if (s.holds(row.gives)) return silent();
    mailWaiting = true;
    clearScreen();
    giveKey(s, row.gives);
    say("You got the data disk!");
    waitForEnter();
    releaseWave(s, row.wave);
    waitForEnter();
    return finish();
}

// A player who holds a Railgun already is refused a second by addWeapon.
bool railgun(const EventRow&, Scene& s) {
    if (s.possessions.addWeapon(std::make_unique<Railgun>())) {
        clearScreen();
        say("You got the railgun!");
        waitForEnter();
    }
    return finish();
}

using MissionAction = bool (*)(const EventRow&, Scene&);

struct ObjectiveAction {
    const char* name;
    MissionAction act;
};

const ObjectiveAction objectives[] = {
    {"level 1 bomb", plantBomb},
    {"boom", shuttlePlans},
    {"map 3 mod chip", modChip},
    {"map 4 data disk", dataDisk},
};

bool objective(const EventRow& row, Scene& s) {
    for (const ObjectiveAction& o : objectives)
        if (String(row.name) == o.name) return o.act(row, s);
    return pass();
}

struct KindAction {
    EventKind kind;
    MissionAction act;
};

const KindAction kinds[] = {
    {EventKind::MissionArea, missionArea},
    {EventKind::Elevator, elevator},
    {EventKind::Switch, elevatorSwitch},
    {EventKind::Key, vaultKey},
    {EventKind::Pickup, pickup},
    {EventKind::Door, door},
    {EventKind::Crack, crack},
    {EventKind::HallwayExit, hallwayExit},
    {EventKind::Objective, objective},
    {EventKind::Railgun, railgun},
};

}  // namespace

bool runMissionRow(const EventRow& row, Scene& scene) {
    for (const KindAction& k : kinds)
        if (k.kind == row.kind) return k.act(row, scene);
    return pass();
}
