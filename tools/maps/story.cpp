#include "tools/maps/story.h"

#include <deque>
#include <map>
#include <set>
#include <unordered_set>

#include "model/event_rows.h"
#include "tools/maps/check.h"
#include "model/city_places.h"

namespace maptools {
namespace {

// The key items of the story, in the order the event script's rows give them.
const std::vector<std::string>& storyKeys() {
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> all;
        for (const EventRow& row : eventRows())
            if (row.gives) all.emplace_back(row.gives);
        return all;
    }();
    return keys;
}
constexpr std::size_t kKeyBits = 16;

int keyBit(const std::string& name) {
    const auto& keys = storyKeys();
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (name == keys[i]) return static_cast<int>(i);
    return -1;
}

// The key items that belong to one mission's building.
unsigned missionKeys(int mission) {
    unsigned mask = 0;
    for (const EventRow& row : eventRows())
        if (row.gives && row.mission == mission) mask |= 1u << keyBit(row.gives);
    return mask;
}

struct State {
    int map = 0, x = 0, y = 0;
    int city = 1, mission = 0;
    bool mail = true;
    int ticket = 0;  // destination city of the ticket held, 0 for none
    bool c4 = false, bagC4 = false;
    unsigned keys = 0;

    bool has(const char* key) const { return key == nullptr || ((keys >> keyBit(key)) & 1u); }

    // The state as one number; place is the walkable area the player is in.
    std::uint64_t pack(int place) const {
        std::uint64_t v = static_cast<std::uint64_t>(map);
        v = v << 14 | static_cast<std::uint64_t>(place);
        v = v << 3 | static_cast<std::uint64_t>(city);
        v = v << 3 | static_cast<std::uint64_t>(mission);
        v = v << 1 | (mail ? 1u : 0u);
        v = v << 3 | static_cast<std::uint64_t>(ticket);
        v = v << 1 | (c4 ? 1u : 0u);
        v = v << 1 | (bagC4 ? 1u : 0u);
        v = v << kKeyBits | keys;
        return v;
    }
};

class Walk {
public:
    Walk(const World& w, int g) : world(w), gate(g) {}

    StoryResult run() {
        buildRegions();
        State start;
        start.map = newGameMapIndex;
        start.x = newGameStart.x;
        start.y = newGameStart.y;
        if (world.maps.size() <= newGameMapIndex || !isStandable(world.map(newGameMapIndex), start.x, start.y)) {
            result.problems.push_back("the new game's start (" + std::to_string(start.x) + ", " +
                                      std::to_string(start.y) + ") on map index 1 is not floor");
            return result;
        }
        push(start);
        while (!queue.empty()) {
            const State s = queue.front();
            queue.pop_front();
            // Within a region every tile can be walked to, so every link tile
            // on its edge can be touched from each floor tile next to it.
            const Region& r = regions[static_cast<std::size_t>(s.map)][static_cast<std::size_t>(regionOf(s))];
            for (const Touch& t : r.touches) {
                State n = s;
                n.x = t.fromX;
                n.y = t.fromY;
                touched.insert(tileKey(n.map, t.linkX, t.linkY));
                handle(n, t.link);
            }
        }
        finish();
        return result;
    }

private:
    struct Touch {
        int fromX, fromY, linkX, linkY;
        std::string link;
    };
    struct Region {
        std::vector<Touch> touches;
    };

    // Each map cut into regions of floor a figure walks between freely, with
    // the link tiles on each region's edge.
    void buildRegions() {
        regions.resize(world.maps.size());
        regionIds.resize(world.maps.size());
        for (std::uint32_t k = 0; k < world.maps.size(); ++k) regionsOfMap(k);
    }

    void regionsOfMap(std::uint32_t k) {
        const Map& m = world.maps.at(k);
        const Array<String>& rows = m.getCollision();
        auto& ids = regionIds[k];
        ids.assign(rows.size(), {});
        for (std::uint32_t y = 0; y < rows.size(); ++y) ids[y].assign(rows.at(y).length(), -1);
        for (std::size_t y = 0; y < ids.size(); ++y)
            for (std::size_t x = 0; x < ids[y].size(); ++x)
                if (ids[y][x] < 0 && walkable(m, static_cast<int>(x), static_cast<int>(y)))
                    floodRegion(k, static_cast<int>(x), static_cast<int>(y));
    }

    // A new region of map k: the floor reached from (x0, y0).
    void floodRegion(std::uint32_t k, int x0, int y0) {
        const int id = static_cast<int>(regions[k].size());
        regions[k].emplace_back();
        std::vector<std::pair<int, int>> todo{{x0, y0}};
        regionIds[k][static_cast<std::size_t>(y0)][static_cast<std::size_t>(x0)] = id;
        while (!todo.empty()) {
            const auto [x, y] = todo.back();
            todo.pop_back();
            for (int d = 0; d < 4; ++d) spreadRegion(k, id, x, y, x + kDx[d], y + kDy[d], todo);
        }
    }

    // From floor (x, y) of region id to its neighbour (nx, ny): floor joins
    // the region, a link tile is touched from it.
    void spreadRegion(std::uint32_t k, int id, int x, int y, int nx, int ny,
                      std::vector<std::pair<int, int>>& todo) {
        const Map& m = world.maps.at(k);
        if (walkable(m, nx, ny)) {
            int& cell = regionIds[k][static_cast<std::size_t>(ny)][static_cast<std::size_t>(nx)];
            if (cell >= 0) return;
            cell = id;
            todo.emplace_back(nx, ny);
        } else if (!linkText(m, nx, ny).empty()) {
            regions[k][static_cast<std::size_t>(id)].touches.push_back(Touch{x, y, nx, ny, linkText(m, nx, ny)});
        }
    }

    static bool walkable(const Map& m, int x, int y) {
        return isFloor(m, x, y) && x <= m.getWidth() && y <= m.getHeight();
    }

    int regionOf(const State& s) const {
        return regionIds[static_cast<std::size_t>(s.map)][static_cast<std::size_t>(s.y)]
                        [static_cast<std::size_t>(s.x)];
    }

    static std::uint32_t tileKey(int map, int x, int y) {
        return static_cast<std::uint32_t>(map) << 16 | static_cast<std::uint32_t>(y) << 8 |
               static_cast<std::uint32_t>(x);
    }

    // Key items of a building no longer matter once its mission is over (its
    // entrance stays shut), and C4 matters only in the two missions that use
    // it: dropping them keeps the search small without losing a way.
    static bool usesC4(int mission) {
        for (const EventRow& row : eventRows())
            if (row.spendsC4 && row.mission == mission) return true;
        return false;
    }

    static State canonical(State s) {
        s.keys &= missionKeys(s.mission);
        if (!usesC4(s.mission)) s.c4 = s.bagC4 = false;
        return s;
    }

    void push(const State& raw) {
        const State s = canonical(raw);
        if (!walkable(current(s), s.x, s.y)) return;
        if (seen.insert(s.pack(regionOf(s))).second) queue.push_back(s);
    }

    void milestone(const std::string& what) {
        if (reached.insert(what).second) result.milestones.push_back(what);
    }

    const Map& current(const State& s) const { return world.map(s.map); }

    // The loop's move to the map of that name, with the current map's link target.
    void goTo(State s, const std::string& name) {
        const int k = world.indexOf(name);
        if (k < 0) {
            push(s);  // an ambush: the fight happens where the player stands
            return;
        }
        const Map& from = current(s);
        const int li = from.linkIndex(name.c_str());
        if (li < 0) {
            problem("\"" + from.getName().str() + "\" sends the player to \"" + name +
                    "\" but does not list it among its links");
            return;
        }
        const LinkTarget t = targetOf(from, li);
        const Map& to = world.map(k);
        const int nx = t.x != 0 ? t.x : s.x, ny = t.y != 0 ? t.y : s.y;
        s.map = k;
        if (isStandable(to, nx, ny)) {
            s.x = nx;
            s.y = ny;
        } else {
            problem("\"" + from.getName().str() + "\" to \"" + name + "\" lands on (" + std::to_string(nx) + ", " +
                    std::to_string(ny) + "), which is not floor");
            if (!isFloor(to, s.x, s.y)) return;
        }
        push(s);
    }

    void problem(const std::string& p) {
        if (problemsSeen.insert(p).second) result.problems.push_back(p);
    }

    void gain(State& s, const char* key) {
        if (!s.has(key)) milestone(std::string("key item \"") + key + "\"");
        s.keys |= 1u << keyBit(key);
    }

    void handle(State s, const std::string& link) {
        if (link == "city") return leaveForTheCity(s);
        const EventRow* row = findEventRow(link.c_str());
        if (!row) {
            if (link != "police") goTo(s, link);  // a map name, or an ambush where the player stands
            else push(s);
            return;
        }
        switch (row->kind) {
        case EventKind::Service: return service(s, *row);
        case EventKind::Airport: return airport(s, *row);
        case EventKind::MissionArea:
            if (s.mission == row->mission) return goTo(s, link);
            return push(s);
        case EventKind::Elevator: return elevator(s, *row);
        case EventKind::Switch:
        case EventKind::VaultKey:
        case EventKind::Pickup: gain(s, row->gives); return push(s);
        case EventKind::Door:
            if (s.has(row->needs[0])) return goTo(s, row->opens);
            return push(s);
        case EventKind::Crack: return crack(s, *row);
        case EventKind::HallwayExit: return goTo(s, row->opens);
        case EventKind::Objective: return objective(s, *row);
        case EventKind::Railgun: milestone("the railgun"); return push(s);
        case EventKind::FinalFight:
            milestone("the final confrontation with Abbott Gates");
            return push(s);  // the world restarts after it: nothing new lies beyond
        }
    }

    void leaveForTheCity(State s) {
        const TablePlace& e = cityEntries()[static_cast<std::size_t>(s.city - 1)];
        const int k = world.indexOf(e.map);
        if (k < 0) return;
        s.map = k;
        const Map& to = world.map(k);
        if (isStandable(to, e.x, e.y)) {
            s.x = e.x;
            s.y = e.y;
        } else if (!isFloor(to, s.x, s.y)) {
            return;
        }
        push(s);
    }

    // The cafe's mail hands out the next mission; its iBay sells C4.
    void service(const State& s, const EventRow& row) {
        push(s);
        if (std::string(row.name) != "internetcafemenu") return;
        State bought = s;
        bought.c4 = true;
        push(bought);
        if (s.mail && s.mission >= 0 && s.mission <= 4) {
            static const int next[] = {1, 2, 3, 4, 6};
            State read = bought;
            read.mission = next[s.mission];
            read.mail = false;
            milestone("mission " + std::to_string(read.mission) + " mail read");
            push(read);
        }
    }

    void airport(State s, const EventRow& row) {
        const std::string link = row.name;
        const Map& m = current(s);
        if (link == "buyticketmenu") {
            push(s);
            if (s.ticket == 0)
                for (int dest = 1; dest <= 6; ++dest) {
                    if (dest == s.city) continue;
                    State t = s;
                    t.ticket = dest;
                    t.bagC4 = t.bagC4 || t.c4;  // checked in with the rest of the baggage
                    t.c4 = false;
                    push(t);
                }
            return;
        }
        if (link == "baggage") {
            if (s.ticket == 0 && s.bagC4) {
                s.c4 = true;
                s.bagC4 = false;
            }
        } else if (link == "airportcity") {
            if (isStandable(m, airportHall.x, airportHall.y)) {
                s.x = airportHall.x;
                s.y = airportHall.y;
            }
        } else if (s.ticket != 0 && (gate == 0 || link.back() - '0' == gate)) {  // a gate
            s.city = s.ticket;
            s.ticket = 0;
            if (isStandable(m, s.x + 2, s.y)) s.x += 2;
            milestone(std::string("flight to ") + cityName(s.city));
        }
        push(s);
    }

    void elevator(const State& s, const EventRow& row) {
        push(s);
        for (const char* needed : row.needs)
            if (!s.has(needed)) return;
        for (const char* floor : row.floors) goTo(s, floor);
    }

    void crack(const State& s, const EventRow& row) {
        push(s);
        State down = s;
        if (!s.has(row.gives)) {
            if (!s.c4) return;
            down.c4 = false;
            gain(down, row.gives);
        }
        const int k = world.indexOf(row.opens);
        if (k < 0) return;
        down.map = k;  // the player keeps his coordinates
        if (isStandable(world.map(k), down.x, down.y)) push(down);
        else problem(std::string("the crack drops the player onto a wall of \"") + row.opens + "\"");
    }

    void objective(State s, const EventRow& row) {
        if (!s.has(row.gives) && (!row.spendsC4 || s.c4)) {
            if (row.spendsC4) s.c4 = false;
            gain(s, row.gives);
            s.mail = true;
        }
        push(s);
    }

    void finish() {
        result.states = seen.size();
        for (const char* need :
             {"mission 1 mail read", "mission 2 mail read", "mission 3 mail read", "mission 4 mail read",
              "mission 6 mail read", "the railgun", "the final confrontation with Abbott Gates"})
            if (!reached.count(need)) problem(std::string("never reached: ") + need);
        for (const std::string& key : storyKeys())
            if (!reached.count(std::string("key item \"") + key + "\""))
                problem(std::string("never reached: key item \"") + key + "\"");
        if (gate != 0) return;  // one gate alone never reaches the other lounges
        for (std::uint32_t k = 0; k < world.maps.size(); ++k) linksNeverTouched(k);
    }

    void linksNeverTouched(std::uint32_t k) {
        const Map& m = world.maps.at(k);
        const Array<String>& rows = m.getCollision();
        for (int y = 0; y < static_cast<int>(rows.size()); ++y)
            for (int x = 0; x < static_cast<int>(rows.at(static_cast<std::uint32_t>(y)).length()); ++x) {
                const std::string link = linkText(m, x, y);
                if (!link.empty() && !touched.count(tileKey(static_cast<int>(k), x, y)))
                    problem("never reached: link \"" + link + "\" at (" + std::to_string(x) + ", " +
                            std::to_string(y) + ") of \"" + m.getName().str() + "\"");
            }
    }

    const World& world;
    int gate;
    StoryResult result;
    std::deque<State> queue;
    std::unordered_set<std::uint64_t> seen;
    std::set<std::string> reached, problemsSeen;
    std::unordered_set<std::uint32_t> touched;
    std::vector<std::vector<Region>> regions;
    std::vector<std::vector<std::vector<int>>> regionIds;
};

}  // namespace

StoryResult walkStory(const World& world, int gate) {
    if (storyKeys().size() > kKeyBits) {
        StoryResult r;
        r.problems.push_back("too many key items for the story walk");
        return r;
    }
    if (world.maps.size() > 255) {
        StoryResult r;
        r.problems.push_back("too many maps for the story walk");
        return r;
    }
    return Walk(world, gate).run();
}

}  // namespace maptools
