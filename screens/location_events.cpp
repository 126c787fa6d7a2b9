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

using Action = bool (*)(Scene&);

struct ScreenRow {
    const char* name;
    Action act;
};

// The rows of the shops, services and airport open their screens.
const ScreenRow screenRows[] = {
    {"hospitalmenu",
     [](Scene& s) {
         visitHospital(s.player, s.possessions);
         return true;
     }},
    {"internetcafemenu",
     [](Scene& s) {
         visitInternetCafe(s.possessions, s.player, s.currentMap, s.maps);
         return true;
     }},
    {"macromaxmenu",
     [](Scene& s) {
         visitMacroMax(s.possessions, s.enemies, s.player, s.mapNames, s.maps, s.currentMap);
         return true;
     }},
    {"barmenu",
     [](Scene& s) {
         visitBar(s.player, s.possessions);
         return true;
     }},
    {"buyticketmenu",
     [](Scene& s) {
         visitTicketCounter(s.possessions);
         return true;
     }},
    {"baggage",
     [](Scene& s) {
         claimBaggage(s.possessions);
         return finish();
     }},
    {"gate1", [](Scene& s) { return passGate(1, s.player, s.map(), s.possessions) || finish(); }},
    {"gate2", [](Scene& s) { return passGate(2, s.player, s.map(), s.possessions) || finish(); }},
    {"gate3", [](Scene& s) { return passGate(3, s.player, s.map(), s.possessions) || finish(); }},
    {"airportcity",
     [](Scene& s) {
         greetArrival(s.player, s.map());
         return finish();
     }},
};

bool openScreen(const EventRow& row, Scene& s) {
    for (const ScreenRow& r : screenRows)
        if (String(row.name) == r.name) return r.act(s);
    return pass();
}

}  // namespace

bool runLocationEvent(String& link, Character& player, Possessions& possessions, Array<Enemy>& enemies,
                      Array<String>& mapNames, Array<Map>& maps, int& currentMap) {
    const EventRow* row = findEventRow(link);
    if (!row) return false;
    Scene scene{link, player, possessions, enemies, mapNames, maps, currentMap};
    switch (row->kind) {
    case EventKind::Service:
    case EventKind::Airport: return openScreen(*row, scene);
    case EventKind::FinalFight: return finalFight(scene);
    default: return runMissionRow(*row, scene);
    }
}
