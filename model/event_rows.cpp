#include "model/event_rows.h"

namespace {

EventRow row(const char* name, EventKind kind, const char* displayName = nullptr) {
    EventRow r;
    r.name = name;
    r.kind = kind;
    r.displayName = displayName;
    return r;
}

// The rows of one mission's maps.
std::vector<EventRow> mission(int number, std::vector<EventRow> rows) {
    for (EventRow& r : rows) r.mission = number;
    return rows;
}

EventRow missionArea(const char* name, int number, const char* displayName) {
    EventRow r = row(name, EventKind::MissionArea, displayName);
    r.opens = name;
    r.mission = number;
    return r;
}

EventRow elevator(const char* name, const char* floor, const char* otherFloor) {
    EventRow r = row(name, EventKind::Elevator);
    r.floors[0] = floor;
    r.floors[1] = otherFloor;
    return r;
}

// The one elevator that runs only once both switches are pressed.
EventRow lockedElevator(const char* name, const char* floor, const char* otherFloor, const char* switch1,
                        const char* switch2) {
    EventRow r = elevator(name, floor, otherFloor);
    r.needs[0] = switch1;
    r.needs[1] = switch2;
    return r;
}

EventRow found(const char* name, EventKind kind, const char* message, const char* displayName) {
    EventRow r = row(name, kind, displayName);
    r.gives = name;
    r.message = message;
    return r;
}

EventRow elevatorSwitch(const char* name, const char* otherSwitch, const char* message) {
    EventRow r = found(name, EventKind::Switch, message, "an elevator switch");
    r.needs[0] = otherSwitch;
    return r;
}

EventRow door(const char* name, const char* key, const char* message) {
    EventRow r = row(name, EventKind::Door);
    r.needs[0] = key;
    r.opens = name;
    r.message = message;
    return r;
}

EventRow objective(const char* name, const char* gives, EventWave wave, const char* displayName,
                   ObjectiveReached reached) {
    EventRow r = row(name, EventKind::Objective, displayName);
    r.gives = gives;
    r.wave = wave;
    r.reached = reached;
    return r;
}

// What each mission's objective tells and changes.
const ObjectiveReached bombPlanted = {
    {"You have completed your mission.", "Your Wanted Level has increased due to the intensity of this mission.",
     "Please visit the Internet Cafe to recieve your next mission.",
     "Remember the MSA Agents will be looking for you!"},
    15,
    3,
    0,
    false};
const ObjectiveReached plansStolen = {
    {"You got the Shuttle Plans", "Return to the Internet Cafe and scan them in."}, 0, 0, 0, false};
const ObjectiveReached chipStolen = {
    {"You got the mod chip!", "The alarms are sounding so every MSA Agent is looking for you!"}, 0, 0, 5, true};
const ObjectiveReached diskFound = {{"You got the data disk!"}, 0, 0, 0, true};

const char* const keyDoor = "You need a Keycard to open this door!";
const char* const lockedDoor = "You need a Keycard to unlock this door!";
const char* const sealedDoor = "This door appears to be sealed shut...";
const char* const powerSwitch = "You shut down a switch and could hear a noise in the distance...";

std::vector<EventRow> siliconValleyRows() {
    EventRow crack = row("map 3 boom", EventKind::Crack);
    crack.gives = "map 3 boom";
    crack.opens = "map 3-11";
    crack.spendsC4 = true;
    return mission(
        3, {elevatorSwitch("map 3 switch 1", "map 3 switch 2", "You pressed elevator switch 1..."),
            elevatorSwitch("map 3 switch 2", "map 3 switch 1", "You pressed elevator switch 2..."),
            found("map 3 keycard 1", EventKind::Pickup, "You received the Level 1 Keycard!", "the Level 1 Keycard"),
            found("map 3 keycard 2", EventKind::Pickup, "You received the Level 2 Keycard!", "the Level 2 Keycard"),
            found("map 3 keycard 3", EventKind::Pickup, "You received the Level 3 Keycard!", "the Level 3 Keycard"),
            found("map 3 master key", EventKind::Pickup, "You received the Master Keycard!", "the Master Keycard"),
            door("map 3-12", "map 3 master key", keyDoor), door("map 3-11", "map 3 master key", keyDoor),
            door("map 3-9", "map 3 keycard 2", lockedDoor), door("map 3-10", "map 3 keycard 3", lockedDoor),
            door("map 3-8", "map 3 keycard 1", lockedDoor), door("map 3-7", "map 3 keycard 1", lockedDoor), crack,
            objective("map 3 mod chip", "map 3 mod chip", EventWave{"map 3-", 16, "Silicon Valley ", 5},
                      "the mod chip", chipStolen)});
}

std::vector<EventRow> roswellRows() {
    EventRow hallway = row("map 4-3", EventKind::HallwayExit);
    hallway.opens = "map 4-3";
    hallway.from = "map 4-14";
    hallway.message = "You appeared outside in the hallway...";
    return mission(
        4, {found("map 4 power 1", EventKind::Pickup, powerSwitch, "a power switch"),
            found("map 4 power 2", EventKind::Pickup, powerSwitch, "a power switch"),
            found("map 4 power 3", EventKind::Pickup, powerSwitch, "a power switch"),
            door("map 4-10", "map 4 power 1", sealedDoor), door("map 4-8", "map 4 power 2", sealedDoor),
            door("map 4-13", "map 4 power 3", sealedDoor), door("map 4-14", "map 4 power 3", sealedDoor), hallway,
            objective("map 4 data disk", "map 4 data disk", EventWave{nullptr, 0, "Roswell ", 5}, "the data disk",
                      diskFound),
            row("map 4 railgun", EventKind::Railgun)});
}

std::vector<EventRow> makeRows() {
    std::vector<EventRow> rows = {
        row("hospitalmenu", EventKind::Service),
        row("internetcafemenu", EventKind::Service, "the Internet Cafe"),
        row("macromaxmenu", EventKind::Service),
        row("barmenu", EventKind::Service),
        row("buyticketmenu", EventKind::Airport, "the airport"),
        row("baggage", EventKind::Airport),
        row("gate1", EventKind::Airport, "gate 1"),
        row("gate2", EventKind::Airport, "gate 2"),
        row("gate3", EventKind::Airport, "gate 3"),
        row("airportcity", EventKind::Airport),
        missionArea("map 1-1", 1, "the MacroCorp building"),
        missionArea("map 2-1", 2, "the NASA security gate"),
        missionArea("map 3-1", 3, "the MacroCorp Research Labs"),
        missionArea("map 4-1", 4, "the dirt road to Area 51"),
        missionArea("map 5-1", 5, "the MacroCorp campus"),
        missionArea("map 6-1", 6, "the White House"),
    };
    // Silicon Valley's elevators come first, then the missions in order.
    const std::vector<EventRow> elevators =
        mission(3, {lockedElevator("silicon elevator 1", "map 3-4", "map 3-6", "map 3 switch 1", "map 3 switch 2"),
                    elevator("silicon elevator 2", "map 3-1", "map 3-6"),
                    elevator("silicon elevator 3", "map 3-1", "map 3-4")});
    EventRow bomb = objective("level 1 bomb", "level 1 bomb", EventWave{"map 1-", 15, "Vancouver ", 3},
                              "the place to plant the C4", bombPlanted);
    bomb.spendsC4 = true;
    const std::vector<EventRow> vancouver = mission(1, {bomb});
    const std::vector<EventRow> capeKennedy =
        mission(2, {found("map 2 key", EventKind::VaultKey, "You got a Key!", "the Key"),
                    door("map 2-9", "map 2 key", "You need a Key to enter this door!"),
                    objective("boom", "shuttle plans", EventWave{"map 2-", 9, "Cape Kennedy ", 3},
                              "the shuttle plans", plansStolen)});
    const std::vector<EventRow> siliconValley = siliconValleyRows();
    const std::vector<EventRow> roswell = roswellRows();
    for (const auto* group : {&elevators, &vancouver, &capeKennedy, &siliconValley, &roswell})
        rows.insert(rows.end(), group->begin(), group->end());
    EventRow gates = row("abbott gates", EventKind::FinalFight, "Abbott Gates");
    gates.mission = 6;
    rows.push_back(gates);
    return rows;
}

}  // namespace

const std::vector<EventRow>& eventRows() {
    static const std::vector<EventRow> rows = makeRows();
    return rows;
}

const EventRow* findEventRow(const String& name) {
    for (const EventRow& r : eventRows())
        if (name == r.name) return &r;
    return nullptr;
}

const std::vector<const char*>& deliberateAmbushes() {
    static const std::vector<const char*> alleys = {"dark alley", "back alley"};
    return alleys;
}

bool isDeliberateAmbush(const String& text) {
    for (const char* alley : deliberateAmbushes())
        if (text == alley) return true;
    return false;
}
