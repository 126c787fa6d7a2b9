#include "screens/location_events.h"

#include <cstdint>

#include "console/console.h"
#include "model/character.h"
#include "model/enemy.h"
#include "model/map.h"
#include "model/possessions.h"
#include "screens/airport.h"
#include "screens/bar.h"
#include "screens/hospital.h"
#include "screens/internet_cafe.h"
#include "screens/macro_max.h"

namespace {

// Everything an event may act on, as the exploration loop hands it over.
struct Scene {
    String& link;
    Character& player;
    Possessions& possessions;
    Array<Enemy>& enemies;
    Array<String>& mapNames;
    Array<Map>& maps;
    int& currentMap;

    const Map& map() const { return maps.at(static_cast<std::uint32_t>(currentMap)); }
};

// The event is over: the screen is cleared for the map.
bool finish() {
    clearScreen();
    return true;
}

using Action = bool (*)(Scene&);

struct Row {
    const char* name;
    Action act;
};

// Tested in this order; the first row whose name is the link text decides.
const Row rows[] = {
    {"hospitalmenu", [](Scene& s) { visitHospital(s.player, s.possessions); return true; }},
    {"internetcafemenu", [](Scene& s) { visitInternetCafe(s.possessions, s.player, s.currentMap, s.maps); return true; }},
    {"macromaxmenu",
     [](Scene& s) {
         visitMacroMax(s.possessions, s.enemies, s.player, s.mapNames, s.maps, s.currentMap);
         return true;
     }},
    {"barmenu", [](Scene& s) { visitBar(s.player, s.possessions); return true; }},
    {"buyticketmenu", [](Scene& s) { visitTicketCounter(s.possessions); return true; }},
    {"baggage", [](Scene& s) { claimBaggage(s.possessions); return finish(); }},
    {"gate1", [](Scene& s) { return passGate(1, s.player, s.map(), s.possessions) || finish(); }},
    {"gate2", [](Scene& s) { return passGate(2, s.player, s.map(), s.possessions) || finish(); }},
    {"gate3", [](Scene& s) { return passGate(3, s.player, s.map(), s.possessions) || finish(); }},
    {"airportcity", [](Scene& s) { greetArrival(s.player, s.map()); return finish(); }},
};

}  // namespace

bool runLocationEvent(String& link, Character& player, Possessions& possessions, Array<Enemy>& enemies,
                      Array<String>& mapNames, Array<Map>& maps, int& currentMap) {
    Scene scene{link, player, possessions, enemies, mapNames, maps, currentMap};
    for (const Row& row : rows)
        if (link == row.name) return row.act(scene);
    return false;
}
