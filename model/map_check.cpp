#include "model/map_check.h"

#include <cstdint>

namespace {

std::string quoted(const String& s) { return "\"" + s.str() + "\""; }

void checkCoverage(const Map& map, const MapSourceLines& where, const std::string& file,
                   std::vector<std::string>& faults) {
    const Array<String>& rows = map.getCollision();
    const long needRows = static_cast<long>(map.getHeight()) + 1;
    const long needColumns = static_cast<long>(map.getWidth()) + 1;
    const std::string unclosed = where.collisionClosed ? "" : " (the file ends before \"end collision\")";
    if (static_cast<long>(rows.size()) < needRows)
        faults.push_back(mapFaultAt(file, where.collisionEnd,
                                    "the collision layer has " + std::to_string(rows.size()) +
                                        " rows, the map needs " + std::to_string(needRows) + " (height + 1)" +
                                        unclosed));
    for (long y = 0; y < needRows && y < static_cast<long>(rows.size()); ++y) {
        const String& row = rows.at(static_cast<std::uint32_t>(y));
        if (static_cast<long>(row.length()) < needColumns)
            faults.push_back(mapFaultAt(file, where.collisionRows[static_cast<std::size_t>(y)],
                                        "collision row " + std::to_string(y) + " is " +
                                            std::to_string(row.length()) + " characters, the map needs " +
                                            std::to_string(needColumns) + " (width + 1)" + unclosed));
    }
}

void checkTiles(const Map& map, const MapSourceLines& where, const std::string& file,
                std::vector<std::string>& faults) {
    const Array<String>& rows = map.getCollision();
    for (std::uint32_t y = 0; y < rows.size(); ++y) {
        const String& row = rows.at(y);
        const int line = where.collisionRows[y];
        for (std::uint32_t x = 0; x < row.length(); ++x) {
            const char c = row.at(x);
            if (c >= '0' && c <= '9' && static_cast<std::uint32_t>(c - '0') >= map.getLinks().size())
                faults.push_back(mapFaultAt(file, line,
                                            "collision row " + std::to_string(y) + ", column " + std::to_string(x) +
                                                ": link " + c + " has no entry (the map lists " +
                                                std::to_string(map.getLinks().size()) + " links)"));
            const bool walkable =
                c == ' ' && static_cast<long>(x) <= map.getWidth() && static_cast<long>(y) <= map.getHeight();
            if (!walkable) continue;
            const int tx = static_cast<int>(x), ty = static_cast<int>(y);
            const char* open = nullptr;
            if (!map.tileAt(tx - 1, ty)) open = "left of";
            else if (!map.tileAt(tx + 1, ty)) open = "right of";
            else if (!map.tileAt(tx, ty - 1)) open = "above";
            else if (!map.tileAt(tx, ty + 1)) open = "below";
            if (open)
                faults.push_back(mapFaultAt(file, line,
                                            "the floor at column " + std::to_string(x) + " of collision row " +
                                                std::to_string(y) + " is open: the tile " + open +
                                                " it lies outside the collision layer"));
        }
    }
}

void checkLinkTargets(const Map& map, const MapSourceLines& where, const std::string& file,
                      std::vector<std::string>& faults) {
    const Array<LinkTarget>& targets = map.getLinkTargets();
    for (std::uint32_t i = 0; i < targets.size(); ++i) {
        const LinkTarget t = targets.at(i);
        if (t.x < 0 || t.y < 0)
            faults.push_back(mapFaultAt(file, where.linkNumbers[i],
                                        "link " + std::to_string(i) + " (" + quoted(map.getLinks().at(i)) +
                                            ") leads to " + std::to_string(t.x) + ", " + std::to_string(t.y) +
                                            ": coordinates cannot be negative"));
    }
}

}  // namespace

bool hasFloorForEnemies(const Map& map) {
    for (int y = 1; y < map.getHeight() && y < static_cast<int>(map.getCollision().size()); ++y)
        for (int x = 1; x < map.getWidth(); ++x) {
            const char c = map.tileAt(x, y);
            if (c == 0) break;
            if (c == ' ') return true;
        }
    return false;
}

std::vector<std::string> playableMapFaults(const Map& map, const MapSourceLines& where, const std::string& file) {
    std::vector<std::string> faults;
    checkCoverage(map, where, file, faults);
    checkTiles(map, where, file, faults);
    checkLinkTargets(map, where, file, faults);
    if (map.getName() != "map airport" && !hasFloorForEnemies(map)) {
        const int line = where.collisionRows.empty() ? where.collisionEnd : where.collisionRows.front();
        faults.push_back(
            mapFaultAt(file, line,
                       "map " + quoted(map.getName()) +
                           " has no floor with 1 <= x < width and 1 <= y < height, where enemies are placed"));
    }
    return faults;
}
