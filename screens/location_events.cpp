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

// A gate that lets the player through leaves him on the map behind it.
EventOutcome gate(int number, Scene& s) {
    return passGate(number, s.player, s.map(), s.possessions) ? EventOutcome::ScreenKept : finish();
}

using Action = EventOutcome (*)(Scene&);

struct ScreenRow {
    const char* name;
    Action act;
};

// The rows of the shops, services and airport open their screens.
const ScreenRow screenRows[] = {
    {"hospitalmenu",
     [](Scene& s) {
         visitHospital(s.player, s.possessions);
         return EventOutcome::ScreenKept;
     }},
    {"internetcafemenu",
     [](Scene& s) {
         visitInternetCafe(s.possessions, s.player, s.currentMap, s.maps);
         return EventOutcome::ScreenKept;
     }},
    {"macromaxmenu",
     [](Scene& s) {
         visitMacroMax(s.possessions, s.enemies, s.player, s.mapNames, s.maps, s.currentMap);
         return EventOutcome::ScreenKept;
     }},
    {"barmenu",
     [](Scene& s) {
         visitBar(s.player, s.possessions);
         return EventOutcome::ScreenKept;
     }},
    {"buyticketmenu",
     [](Scene& s) {
         visitTicketCounter(s.possessions);
         return EventOutcome::ScreenKept;
     }},
    {"baggage",
     [](Scene& s) {
         claimBaggage(s.possessions);
         return finish();
     }},
    {"gate1", [](Scene& s) { return gate(1, s); }},
    {"gate2", [](Scene& s) { return gate(2, s); }},
    {"gate3", [](Scene& s) { return gate(3, s); }},
    {"airportcity",
     [](Scene& s) {
         greetArrival(s.player, s.map());
         return finish();
     }},
};

EventOutcome openScreen(const EventRow& row, Scene& s) {
    for (const ScreenRow& r : screenRows)
        if (String(row.name) == r.name) return r.act(s);
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
