#include "screens/location_events.h"

#include "model/event_rows.h"
#include "screens/airport.h"
#include "screens/bar.h"
#include "screens/event_scene.h"
#include "screens/final_fight.h"
#include "screens/hospital.h"
#include "screens/internet_cafe.h"
#include "screens/macro_max.h"
#include "screens/mission_events.h"

namespace {

struct ScreenRow {
    const char* name;
    void (*open)(Scene&);
    bool clears;  // the screen is cleared for the map afterwards; else what the screen left stays
};

// The rows of the shops, services and airport open their screens.
const ScreenRow screenRows[] = {
    {"hospitalmenu", [](Scene& s) { visitHospital(s.player, s.possessions); }, false},
    {"internetcafemenu", [](Scene& s) { visitInternetCafe(s.possessions, s.player, s.currentMap, s.maps); }, false},
    {"macromaxmenu",
     [](Scene& s) { visitMacroMax(s.possessions, s.enemies, s.player, s.mapNames, s.maps, s.currentMap); }, false},
    {"barmenu", [](Scene& s) { visitBar(s.player, s.possessions); }, false},
    {"buyticketmenu", [](Scene& s) { visitTicketCounter(s.possessions); }, false},
    {"baggage", [](Scene& s) { claimBaggage(s.possessions); }, true},
    {"airportcity", [](Scene& s) { greetArrival(s.player, s.map()); }, true},
};

// The gates' rows, gate 1 first; a gate that lets the player through leaves
// him on the map behind it.
const char* const gateRows[] = {"gate1", "gate2", "gate3"};

EventOutcome openScreen(const EventRow& row, Scene& s) {
    for (const ScreenRow& r : screenRows) {
        if (String(row.name) != r.name) continue;
        r.open(s);
        return r.clears ? finish() : EventOutcome::ScreenKept;
    }
    for (int gate = 1; gate <= 3; ++gate)
        if (String(row.name) == gateRows[gate - 1])
            return passGate(gate, s.player, s.map(), s.possessions) ? EventOutcome::ScreenKept : finish();
    return EventOutcome::ThroughToMap;
}

EventOutcome outcomeOf(const EventRow& row, Scene& scene) {
    switch (row.kind) {
    case EventKind::Service:
    case EventKind::Airport: return openScreen(row, scene);
    case EventKind::FinalFight: return finalFight(scene);
    default: return runMissionRow(row, scene);
    }
}

}  // namespace

bool runLocationEvent(String& link, Character& player, Possessions& possessions, Array<Enemy>& enemies,
                      Array<String>& mapNames, Array<Map>& maps, int& currentMap) {
    const EventRow* row = findEventRow(link);
    if (!row) return false;
    Scene scene{link, player, possessions, enemies, mapNames, maps, currentMap};
    return outcomeOf(*row, scene) != EventOutcome::ThroughToMap;
}
