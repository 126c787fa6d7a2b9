#include "tools/maps/check.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <set>

#include "model/city_places.h"
#include "model/event_rows.h"
#include "model/missions.h"
#include "tools/maps/readability.h"

namespace maptools {

const std::vector<std::string>& eventNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (const EventRow& row : eventRows()) all.emplace_back(row.name);
        return all;
    }();
    return names;
}

bool isEventName(const std::string& text) { return findEventRow(text.c_str()) != nullptr; }

namespace {

std::string nameOf(const Map& m) { return m.getName().str(); }

std::string at(const Map& m, int x, int y) {
    return "\"" + nameOf(m) + "\" (" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

std::string place(const CityPlace& p) { return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")"; }

bool isGate(const std::string& text) { return text == "gate1" || text == "gate2" || text == "gate3"; }

std::string folded(const std::string& s) {
    std::string out;
    for (char c : s)
        if (c != ' ') out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// Every floor tile from which a figure touches the link tile (lx, ly).
std::vector<std::pair<int, int>> approaches(const Map& m, int lx, int ly) {
    std::vector<std::pair<int, int>> out;
    for (int d = 0; d < 4; ++d)
        if (isFloor(m, lx + kDx[d], ly + kDy[d])) out.emplace_back(lx + kDx[d], ly + kDy[d]);
    return out;
}

void forEachLinkTile(const Map& m, const std::function<void(int, int, const std::string&)>& f) {
    const Array<String>& rows = m.getCollision();
    for (std::uint32_t y = 0; y < rows.size(); ++y)
        for (std::uint32_t x = 0; x < rows.at(y).length(); ++x)
            if (isDigitTile(rows.at(y).at(x))) {
                const std::string link = linkText(m, static_cast<int>(x), static_cast<int>(y));
                if (!link.empty()) f(static_cast<int>(x), static_cast<int>(y), link);
            }
}

// Floor reachable from (x, y) by walking, and the link tiles its edge touches.
void region(const Map& m, int x, int y, std::set<std::pair<int, int>>& floor, std::set<std::string>& links,
            std::set<std::pair<int, int>>& linkTiles) {
    std::vector<std::pair<int, int>> todo;
    if (isFloor(m, x, y)) todo.emplace_back(x, y);
    while (!todo.empty()) {
        auto p = todo.back();
        todo.pop_back();
        if (!floor.insert(p).second) continue;
        for (int d = 0; d < 4; ++d) {
            const int nx = p.first + kDx[d], ny = p.second + kDy[d];
            if (isFloor(m, nx, ny)) todo.emplace_back(nx, ny);
            else if (isDigitTile(m.tileAt(nx, ny))) {
                links.insert(linkText(m, nx, ny));
                linkTiles.emplace(nx, ny);
            }
        }
    }
}

// Every map the event script's rows lead to, rewrite to or send a wave to;
// the mission areas are the first maps of the mission series.
std::vector<std::string> mapsTheScriptNames() {
    std::vector<std::string> names;
    auto series = [&](const char* prefix, int count) {
        for (int n = 1; prefix && n <= count; ++n) names.push_back(prefix + std::to_string(n));
    };
    for (const EventRow& row : eventRows()) {
        if (row.kind == EventKind::MissionArea) continue;
        for (const char* name : {row.opens, row.from, row.floors[0], row.floors[1]})
            if (name) names.emplace_back(name);
        series(row.wave.agentPrefix, row.wave.agentMaps);
        series(row.wave.vanPrefix, 3);
    }
    return names;
}

// A link text that is no map, event, "city" or "police" is an ambush: only
// the back alleys are meant to be one. A near miss of a real name is named.
void checkAmbush(const World& w, const Map& m, int x, int y, const std::string& text,
                 std::vector<std::string>& faults) {
    if (text == "city" || text == "police" || isEventName(text) || w.indexOf(text) >= 0 ||
        isDeliberateAmbush(text.c_str()))
        return;
    std::vector<std::string> known = eventNames();
    known.insert(known.end(), w.names.begin(), w.names.end());
    known.insert(known.end(), {"city", "police"});
    for (const char* alley : deliberateAmbushes()) known.emplace_back(alley);
    std::string fault = at(m, x, y) + ": \"" + text + "\" is an ambush by accident: no map, event or back alley";
    for (const auto& name : known)
        if (folded(name) == folded(text)) {
            fault += "; did you mean \"" + name + "\"?";
            break;
        }
    faults.push_back(fault);
}

}  // namespace

std::vector<std::string> checkMap(const Map& m, const std::string& file) {
    std::vector<std::string> faults;
    const std::string who = "\"" + nameOf(m) + "\" (" + file + ")";
    if (m.getWidth() < 1 || m.getHeight() < 1) faults.push_back(who + ": width and height must be positive");

    const auto cells = renderRows(m.getLines());
    if (cells.size() > 20)
        faults.push_back(who + ": the picture has " + std::to_string(cells.size()) +
                         " rows; the map owns screen rows 0-19");
    for (std::size_t y = 0; y < cells.size(); ++y) {
        if (cells[y].size() > 80)
            faults.push_back(who + ": picture row " + std::to_string(y) + " is " + std::to_string(cells[y].size()) +
                             " cells wide");
        for (const Cell& c : cells[y])
            if (c.ch == '\t' || c.ch == '\r' || c.ch == 0x1A || c.ch == 0x1B || c.ch == 0) {
                faults.push_back(who + ": picture row " + std::to_string(y) +
                                 " holds a control byte that cannot be shown");
                break;
            }
    }

    const Array<String>& rows = m.getCollision();
    for (std::uint32_t yy = 0; yy < rows.size(); ++yy) {
        for (std::uint32_t xx = 0; xx < rows.at(yy).length(); ++xx) {
            const int x = static_cast<int>(xx), y = static_cast<int>(yy);
            const char t = rows.at(yy).at(xx);
            if (t != ' ' && !isDigitTile(t)) continue;
            const bool drawn = yy < cells.size() && xx < cells[yy].size();
            if (!drawn)
                faults.push_back(at(m, x, y) +
                                 ": a figure can stand or look here but the picture "
                                 "does not cover it, so nothing redraws it");
            if (t == ' ' && (x < 1 || y < 1 || x >= m.getWidth() || y >= m.getHeight()))
                faults.push_back(at(m, x, y) + ": floor outside 1..width-1 x 1..height-1");
        }
    }
    return faults;
}

std::vector<std::string> checkPanel(const Map& panel) {
    std::vector<std::string> faults;
    const auto cells = renderRows(panel.getLines());
    if (cells.size() != 5) faults.push_back("stats.map: the panel needs 5 rows (screen rows 20-24)");
    for (std::size_t y = 0; y < cells.size(); ++y)
        if (cells[y].size() > 80)
            faults.push_back("stats.map: row " + std::to_string(y) + " is wider than 80 cells");
    // Where the exploration loop writes its texts: (x, screen row, cells).
    struct Span {
        int x, row, length;
        const char* text;
    };
    const Span spans[] = {{2, 21, 20, "HP"},           {25, 21, 16, "Strength"}, {44, 21, 30, "Current Money"},
                          {2, 22, 22, "Wanted Level"}, {25, 22, 16, "Accuracy"}, {44, 22, 30, "Account Balance"}};
    for (const Span& s : spans) {
        const auto y = static_cast<std::size_t>(s.row - 20);
        if (y >= cells.size()) continue;
        for (int x = s.x; x < s.x + s.length; ++x)
            if (static_cast<std::size_t>(x) < cells[y].size() && cells[y][static_cast<std::size_t>(x)].ch != ' ') {
                faults.push_back("stats.map: the " + std::string(s.text) + " text at (" + std::to_string(s.x) +
                                 ", " + std::to_string(s.row) + ") would be written over the frame at column " +
                                 std::to_string(x));
                break;
            }
    }
    // The texts come after the frame, in the colour its rows leave in force;
    // the frame itself starts in the colour of the player's figure.
    const int last = finalAttr(panel.getLines(), 0x0E);
    if ((last >> 4) == (last & 0xF))
        faults.push_back("stats.map: the texts would be written in the colour of their background");
    return faults;
}

namespace {

using Faults = std::vector<std::string>;

void append(Faults& faults, const Faults& more) { faults.insert(faults.end(), more.begin(), more.end()); }

// Stepping onto link tile (lx, ly) of from, from each floor tile next to it,
// lands on floor of to: at target, or where the player stood for a 0.
void checkArrivals(const Map& from, int lx, int ly, const std::string& text, const Map& to, LinkTarget t,
                   const std::string& how, Faults& faults) {
    for (auto [px, py] : approaches(from, lx, ly)) {
        const int nx = t.x != 0 ? t.x : px, ny = t.y != 0 ? t.y : py;
        if (!isStandable(to, nx, ny))
            faults.push_back(at(from, lx, ly) + ": " + how + " \"" + text + "\" from (" + std::to_string(px) +
                             ", " + std::to_string(py) + ") lands on (" + std::to_string(nx) + ", " +
                             std::to_string(ny) + ") of \"" + nameOf(to) + "\", which is not floor");
    }
}

// The names the game looks up: the airport, every city's streets, each
// mission's series of maps and every map the event script names.
std::vector<std::string> requiredNames() {
    std::vector<std::string> required = {airportHall.mapName};
    for (int c = 1; c <= 5; ++c)
        for (int n = 1; n <= 3; ++n) required.push_back(std::string(streetPrefix(c)) + " " + std::to_string(n));
    for (int n = 1; n <= 3; ++n) required.push_back("DC " + std::to_string(n));
    for (const Mission& mission : missions())
        for (int n = 1; n <= mission.mapCount; ++n)
            required.push_back("map " + std::to_string(mission.number) + "-" + std::to_string(n));
    const auto named = mapsTheScriptNames();
    required.insert(required.end(), named.begin(), named.end());
    return required;
}

// Series 0 holds the airport and the streets; a mission map is named after its file.
void checkFileNames(const World& w, Faults& faults) {
    for (std::size_t k = 0; k < w.files.size(); ++k) {
        const std::string& file = w.files[k];
        const std::string& name = w.names[k];
        if (file.rfind("map 0-", 0) == 0) {
            if (name.rfind("map ", 0) == 0 && name != airportHall.mapName)
                faults.push_back(file + ": series 0 holds the airport and the streets, not \"" + name + "\"");
        } else if (file != name + ".map") {
            faults.push_back(file + ": a mission map is named after its file, not \"" + name + "\"");
        }
    }
}

// A gate of the airport: walked into from the main hall on its left, with a
// departure area right behind it whose only way on is "airportcity".
void checkGate(const Map& a, int x, int y, const std::string& text, const std::set<std::pair<int, int>>& hall,
               Faults& faults) {
    const auto from = approaches(a, x, y);
    const bool onlySides = from.size() == 2 && isFloor(a, x - 1, y) && isFloor(a, x + 1, y);
    if (!onlySides) {
        faults.push_back(at(a, x, y) + ": \"" + text +
                         "\" must be walked into from the left only, with the departure area right behind it");
        return;
    }
    if (!hall.count({x - 1, y}))
        faults.push_back(at(a, x, y) + ": \"" + text + "\" is not entered from the main hall");
    std::set<std::pair<int, int>> dep, depTiles;
    std::set<std::string> depLinks;
    region(a, x + 1, y, dep, depLinks, depTiles);
    if (!isStandable(a, x + 1, y))
        faults.push_back(at(a, x, y) + ": stepping through \"" + text + "\" does not land on floor");
    if (dep.count({airportHall.x, airportHall.y}))
        faults.push_back(at(a, x, y) + ": behind \"" + text + "\" lies the main hall, not a departure area");
    if (!depLinks.count("airportcity"))
        faults.push_back(at(a, x, y) + ": the departure area behind \"" + text + "\" has no \"airportcity\"");
    for (const auto& l : depLinks)
        if (l != "airportcity" && !isGate(l))
            faults.push_back(at(a, x, y) + ": the departure area behind \"" + text + "\" has another way on: \"" +
                             l + "\"");
}

// An elevator's floors are links of its map and land on floor.
void checkElevator(const World& w, const Map& m, int x, int y, const EventRow& row, Faults& faults) {
    const std::string text = row.name;
    for (const char* dest : row.floors) {
        const int li = m.linkIndex(dest), k = w.indexOf(dest);
        if (li < 0)
            faults.push_back(at(m, x, y) + ": \"" + text + "\" goes to \"" + dest +
                             "\", which this map does not list among its links");
        else if (k >= 0) checkArrivals(m, x, y, dest, w.map(k), targetOf(m, li), text + " to", faults);
    }
}

// A link text within steps of (x, y) on the map of that name.
void checkNear(const World& w, const std::string& mapName, int x, int y, const std::string& link, int within,
               const std::string& what, Faults& faults) {
    const int k = w.indexOf(mapName);
    if (k < 0) return;
    const Map& m = w.map(k);
    bool found = false;
    forEachLinkTile(m, [&](int lx, int ly, const std::string& text) {
        if (text == link && std::abs(lx - x) + std::abs(ly - y) <= within) found = true;
    });
    if (!found)
        faults.push_back(what + ": no \"" + link + "\" within " + std::to_string(within) + " steps of " +
                         at(m, x, y));
}

// The link tiles of one city's three streets, counted by text.
std::map<std::string, int> streetLinks(const World& w, int city) {
    std::map<std::string, int> kinds;
    for (int n = 1; n <= 3; ++n) {
        const int k = w.indexOf(std::string(streetPrefix(city)) + " " + std::to_string(n));
        if (k >= 0) forEachLinkTile(w.map(k), [&](int, int, const std::string& text) { ++kinds[text]; });
    }
    return kinds;
}

}  // namespace

Faults checkMapsAndPanel(const World& w) {
    Faults faults = w.loadProblems;
    if (!w.hasPanel) faults.push_back("stats.map: missing or unreadable");
    else append(faults, checkPanel(w.panel));
    for (std::uint32_t k = 0; k < w.maps.size(); ++k) {
        append(faults, checkMap(w.maps.at(k), w.files[k]));
        append(faults, checkReadable(w.maps.at(k), w.files[k]));
    }
    return faults;
}

Faults checkNames(const World& w) {
    Faults faults;
    std::map<std::string, int> count;
    for (const auto& name : w.names) ++count[name];
    for (const auto& [name, n] : count)
        if (n > 1)
            faults.push_back("\"" + name + "\" is the name of " + std::to_string(n) +
                             " maps; only the first can be reached");
    for (const auto& name : requiredNames())
        if (!count.count(name)) faults.push_back("\"" + name + "\": no map has this name, which the game looks up");
    const auto startIndex = static_cast<std::size_t>(newGameMapIndex);
    if (w.names.size() <= startIndex || w.names[startIndex] != newGameStart.mapName)
        faults.push_back("the map at index 1 (where a new game starts) must be \"Vancouver 1\"");
    checkFileNames(w, faults);
    return faults;
}

Faults checkTablePlaces(const World& w) {
    Faults faults;
    for (const auto& p : tablePlaces()) {
        const int k = w.indexOf(p.map);
        if (k >= 0 && !isStandable(w.map(k), p.x, p.y))  // a missing map is reported by checkNames
            faults.push_back(p.what + ": " + at(w.map(k), p.x, p.y) + " is not floor");
    }
    if (w.maps.size() > newGameMapIndex && !isStandable(w.map(newGameMapIndex), newGameStart.x, newGameStart.y))
        faults.push_back("new game start: " + place(newGameStart) + " on the map at index 1 is not floor");
    return faults;
}

Faults checkLinks(const World& w) {
    Faults faults;
    std::set<std::string> eventsOnTiles;
    for (const Map& m : w.maps) {
        forEachLinkTile(m, [&](int x, int y, const std::string& text) {
            if (isEventName(text)) eventsOnTiles.insert(text);
            if (approaches(m, x, y).empty())
                faults.push_back(at(m, x, y) + ": link \"" + text + "\" has no floor next to it");
            const int k = w.indexOf(text);
            if (k >= 0)
                checkArrivals(m, x, y, text, w.map(k), targetOf(m, m.linkIndex(text.c_str())), "link", faults);
            else checkAmbush(w, m, x, y, text, faults);
        });
    }
    for (const auto& name : eventNames())
        if (!eventsOnTiles.count(name)) faults.push_back("no link tile carries the event \"" + name + "\"");
    return faults;
}

Faults checkElevatorsAndCrack(const World& w) {
    Faults faults;
    for (const Map& m : w.maps) {
        forEachLinkTile(m, [&](int x, int y, const std::string& text) {
            const EventRow* row = findEventRow(text.c_str());
            if (row && row->kind == EventKind::Elevator) checkElevator(w, m, x, y, *row, faults);
            const int below = row && row->kind == EventKind::Crack ? w.indexOf(row->opens) : -1;
            if (below >= 0) checkArrivals(m, x, y, text, w.map(below), LinkTarget{}, "the crack", faults);
        });
    }
    return faults;
}

Faults checkAirport(const World& w) {
    Faults faults;
    const int ai = w.indexOf(airportHall.mapName);
    if (ai < 0) return faults;
    const Map& a = w.map(ai);
    std::set<std::pair<int, int>> hall, hallLinkTiles;
    std::set<std::string> hallLinks;
    region(a, airportHall.x, airportHall.y, hall, hallLinks, hallLinkTiles);
    for (const char* need : {"city", "buyticketmenu", "baggage", "gate1", "gate2", "gate3"})
        if (!hallLinks.count(need))
            faults.push_back("map airport: the main hall around " + place(airportHall) + " does not reach \"" +
                             std::string(need) + "\"");
    forEachLinkTile(a, [&](int x, int y, const std::string& text) {
        if (isGate(text)) checkGate(a, x, y, text, hall, faults);
    });
    return faults;
}

Faults checkCityStreets(const World& w) {
    Faults faults;
    for (int c = 1; c <= 6; ++c) {
        const std::map<std::string, int> kinds = streetLinks(w, c);
        const std::string mission = "map " + std::to_string(c) + "-1";
        for (const std::string need : {"internetcafemenu", "hospitalmenu", "macromaxmenu", "barmenu", "map airport",
                                       "police", mission.c_str()})
            if (!kinds.count(need))
                faults.push_back(std::string(cityName(c)) + ": the streets have no \"" + need + "\"");
        const bool alley = std::any_of(kinds.begin(), kinds.end(),
                                       [](const auto& kind) { return isDeliberateAmbush(kind.first.c_str()); });
        if (!alley) faults.push_back(std::string(cityName(c)) + ": the streets have no back alley");
    }
    return faults;
}

Faults checkServicesNearby(const World& w) {
    Faults faults;
    for (const auto& p : tablePlaces()) {
        if (p.what.rfind("wake-up", 0) == 0) checkNear(w, p.map, p.x, p.y, "hospitalmenu", 12, p.what, faults);
        if (p.what.rfind("arrest", 0) == 0) checkNear(w, p.map, p.x, p.y, "police", 12, p.what, faults);
    }
    checkNear(w, newGameStart.mapName, newGameStart.x, newGameStart.y, "internetcafemenu", 4, "new game start",
              faults);
    return faults;
}

Faults checkWorld(const World& w) {
    Faults faults;
    for (Faults (*rule)(const World&) :
         {checkMapsAndPanel, checkNames, checkTablePlaces, checkLinks, checkElevatorsAndCrack, checkAirport,
          checkCityStreets, checkServicesNearby})
        append(faults, rule(w));
    return faults;
}

}  // namespace maptools
