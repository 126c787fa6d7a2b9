#include "model/next_place.h"

#include <cstdlib>

#include "console/keys.h"
#include "model/event_rows.h"
#include "model/game_state.h"
#include "model/game_values.h"
#include "model/item.h"

namespace {

// Mission 5 is never handed out: after the fourth, Washington's is next.
int missionOf(int number) { return number == 5 ? 6 : number; }

Passage passageOf(const GameState& state) {
    Passage passage;
    passage.city = currentCity;
    passage.mission = missionNumber;
    for (const String& k : state.possessions.keyItemNames()) passage.keyItems.insert(k.str());
    passage.holdsC4 = state.possessions.findWeapon("C4") != -1;
    return passage;
}

const AirplaneTicket* ticketTo(const GameState& state, int city) {
    const int i = state.possessions.findItem("Airplane ticket");
    const auto* ticket = i < 0 ? nullptr : dynamic_cast<const AirplaneTicket*>(state.possessions.getItem(i));
    return ticket && ticket->getDestination() == city ? ticket : nullptr;
}

const EventRow* rowOf(EventKind kind, int mission) {
    for (const EventRow& r : eventRows())
        if (r.kind == kind && r.mission == mission && r.displayName) return &r;
    return nullptr;
}

NextPlace placeOf(const EventRow* row, const GameState& state, const Passage& passage) {
    NextPlace place;
    if (!row) return place;
    place.name = row->displayName;
    place.link = row->name;
    const Character& p = state.player;
    place.route = findRoute(state.maps, state.mapNames, state.currentMap, p.getX(), p.getY(), row->name, passage);
    return place;
}

bool insideMission(const GameState& state, int mission) {
    const std::string map = state.mapNames.at(static_cast<std::uint32_t>(state.currentMap)).str();
    return map.rfind("map " + std::to_string(mission) + "-", 0) == 0;
}

// Inside the mission's building: the first thing the mission asks for that
// the player lacks and can walk to now.
NextPlace insideTarget(const GameState& state, const Passage& passage, int mission) {
    NextPlace first;
    for (const EventRow& r : eventRows()) {
        if (r.mission != mission || !r.displayName || r.kind == EventKind::MissionArea) continue;
        if (r.gives && passage.keyItems.count(r.gives)) continue;
        NextPlace place = placeOf(&r, state, passage);
        if (!place.route.empty()) return place;
        if (!first.name) first = place;
    }
    return first;
}

const char* directionOf(int dx, int dy) {
    static const char* const names[3][3] = {
        {"north-west", "north", "north-east"}, {"west", "", "east"}, {"south-west", "south", "south-east"}};
    // A direction counts when it is at least half the other.
    const int col = 2 * std::abs(dx) >= std::abs(dy) ? (dx > 0) - (dx < 0) : 0;
    const int row = 2 * std::abs(dy) >= std::abs(dx) ? (dy > 0) - (dy < 0) : 0;
    return names[row + 1][col + 1];
}

// Streets are named after their city ("Vancouver 3", "DC 1"); buildings are
// "map ..." ("map airport", "map 1-15").
bool isStreet(const std::string& mapName) { return mapName.rfind("map ", 0) != 0; }

const char* arrowDirection(int key) {
    switch (key) {
    case VK::Left: return "west";
    case VK::Right: return "east";
    case VK::Up: return "north";
    default: return "south";
    }
}

void step(int key, int& dx, int& dy) {
    dx += key == VK::Right ? 1 : key == VK::Left ? -1 : 0;
    dy += key == VK::Down ? 1 : key == VK::Up ? -1 : 0;
}

}  // namespace

NextPlace nextPlace(const GameState& state) {
    const Passage passage = passageOf(state);
    if (mailWaiting) return placeOf(findEventRow("internetcafemenu"), state, passage);
    const int mission = missionOf(missionNumber);
    if (mission == 0) return {};
    if (currentCity != mission) {
        // With a ticket to the mission's city in hand, the gate on it.
        const AirplaneTicket* ticket = ticketTo(state, mission);
        const std::string gate = ticket ? "gate" + std::to_string(ticket->getGate()) : "buyticketmenu";
        NextPlace airport = placeOf(findEventRow(gate.c_str()), state, passage);
        airport.flyTo = mission;
        return airport;
    }
    if (!insideMission(state, mission)) return placeOf(rowOf(EventKind::MissionArea, mission), state, passage);
    return insideTarget(state, passage, mission);
}

std::string wayText(const std::vector<RouteStep>& route, const Array<String>& mapNames) {
    std::vector<std::string> legs;
    std::string word;
    const char* direction = nullptr;
    int count = 0;
    const auto endRun = [&] {
        if (count > 0) legs.push_back(std::to_string(count) + " " + word + (count > 1 ? "s " : " ") + direction);
        count = 0;
    };
    std::size_t lastMapStart = 0;
    for (std::size_t i = 0; i + 1 < route.size(); ++i) {
        if (route[i + 1].map == route[i].map) continue;
        const bool street = isStreet(mapNames.at(static_cast<std::uint32_t>(route[i].map)).str());
        const char* const dir = arrowDirection(route[i].key);
        if (count > 0 && (dir != direction || word != (street ? "street" : "room"))) endRun();
        word = street ? "street" : "room";
        direction = dir;
        ++count;
        lastMapStart = i + 1;
    }
    endRun();
    if (!route.empty()) {
        // Where the place lies from where the player comes onto its map.
        int dx = route.back().x - route[lastMapStart].x;
        int dy = route.back().y - route[lastMapStart].y;
        step(route.back().key, dx, dy);
        const std::string last = directionOf(dx, dy);
        if (!last.empty()) legs.push_back(last);
    }
    std::string text;
    for (const std::string& leg : legs) text += (text.empty() ? "" : ", then ") + leg;
    return text;
}
