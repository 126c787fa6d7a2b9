#include "model/route.h"

#include <deque>
#include <unordered_map>

#include "console/keys.h"
#include "model/city_places.h"
#include "model/event_rows.h"

namespace {

struct Node {
    int map, x, y;
    long id() const { return (static_cast<long>(map) << 16) | (y << 8) | x; }
};

struct Arrival {
    Node node;
    int floor;
    bool useC4;
};

const struct {
    int dx, dy, key;
} arrows[] = {{-1, 0, VK::Left}, {1, 0, VK::Right}, {0, -1, VK::Up}, {0, 1, VK::Down}};

class Router {
public:
    Router(const Array<Map>& m, const Array<String>& n, const Passage& p) : maps(m), names(n), passage(p) {}

    std::vector<RouteStep> find(Node start, const std::string& target) {
        std::deque<Node> queue{start};
        came.emplace(start.id(), Came{start, RouteStep{0, 0, 0, 0}});
        while (!queue.empty()) {
            const Node at = queue.front();
            queue.pop_front();
            const Map& map = mapAt(at.map);
            for (const auto& a : arrows) {
                Node moved = at;
                if (map.isWalkable(at.x + a.dx, at.y + a.dy)) {
                    moved.x += a.dx;
                    moved.y += a.dy;
                }
                const std::string link = map.linkAt(moved.x + a.dx, moved.y + a.dy).str();
                RouteStep step{a.key, at.map, at.x, at.y};
                if (link == target) return back(at, step);
                std::vector<Arrival> next;
                if (link.empty()) {
                    if (moved.x != at.x || moved.y != at.y) next.push_back({moved, -1, false});
                } else {
                    next = through(moved, link);
                }
                for (const Arrival& n : next) {
                    if (came.count(n.node.id())) continue;
                    step.floor = n.floor;
                    step.useC4 = n.useC4;
                    came.emplace(n.node.id(), Came{at, step});
                    queue.push_back(n.node);
                }
            }
        }
        return {};
    }

private:
    struct Came {
        Node from;
        RouteStep step;
    };

    const Map& mapAt(int k) const { return maps.at(static_cast<std::uint32_t>(k)); }

    std::vector<RouteStep> back(Node at, const RouteStep& last) {
        std::vector<RouteStep> steps{last};
        for (;;) {
            const Came& c = came.at(at.id());
            if (c.step.key == 0) break;
            steps.insert(steps.begin(), c.step);
            at = c.from;
        }
        return steps;
    }

    bool holds(const char* keyItem) const { return !keyItem || passage.keyItems.count(keyItem) > 0; }

    // Where the exploration loop puts the player who takes the link to the
    // map of that name from (at.x, at.y).
    Arrival toMap(const Node& at, const std::string& name, int floor = -1) const {
        const int k = names.indexOf(name.c_str());
        const LinkTarget t = mapAt(at.map).linkTarget(name.c_str());
        return arriveOn(k, t.x != 0 ? t.x : at.x, t.y != 0 ? t.y : at.y, at, floor);
    }

    Arrival arriveOn(int k, int x, int y, const Node& at, int floor) const {
        const Map& to = mapAt(k);
        const bool moves = x < to.getWidth() && y < to.getHeight() && to.isWalkable(x, y);
        return Arrival{Node{k, moves ? x : at.x, moves ? y : at.y}, floor, false};
    }

    // The ways on that a touched link opens, none for anything else.
    std::vector<Arrival> through(const Node& at, const std::string& link) const {
        if (link == "city") {
            const CityPlace& e = cityEntry(passage.city);
            return {arriveOn(names.indexOf(e.mapName), e.x, e.y, at, -1)};
        }
        const EventRow* row = findEventRow(link.c_str());
        if (!row) {
            if (names.indexOf(link.c_str()) < 0) return {};  // the police, or an ambush
            return {toMap(at, link)};
        }
        switch (row->kind) {
        case EventKind::MissionArea:
            if (passage.mission == row->mission) return {toMap(at, link)};
            return {};
        case EventKind::Door:
            if (holds(row->needs[0])) return {toMap(at, link)};
            return {};
        case EventKind::HallwayExit: return {toMap(at, row->opens)};
        case EventKind::Airport:
            // The jet bridge at the end of a lounge leads back into the hall.
            if (link != "airportcity") return {};
            return {arriveOn(names.indexOf(airportHall.mapName), airportHall.x, airportHall.y, at, -1)};
        case EventKind::Elevator:
            if (!holds(row->needs[0]) || !holds(row->needs[1])) return {};
            return {toMap(at, row->floors[0], 0), toMap(at, row->floors[1], 1)};
        case EventKind::Crack: {
            const bool open = holds(row->gives);
            if (!open && !passage.holdsC4) return {};
            Arrival drop{Node{names.indexOf(row->opens), at.x, at.y}, -1, !open};
            return {drop};
        }
        default: return {};
        }
    }

    const Array<Map>& maps;
    const Array<String>& names;
    const Passage& passage;
    std::unordered_map<long, Came> came;
};

}  // namespace

std::vector<RouteStep> findRoute(const Array<Map>& maps, const Array<String>& mapNames, int map, int x, int y,
                                 const std::string& target, const Passage& passage) {
    return Router(maps, mapNames, passage).find(Node{map, x, y}, target);
}
