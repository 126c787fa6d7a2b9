#include "world/map_check.h"

#include <cstdint>

namespace {

// The character at (x, y), or 0 where the collision layer has none.
char tileOrNothing(const Array<String>& rows, long x, long y) {
    if (x < 0 || y < 0 || y >= static_cast<long>(rows.size())) return 0;
    const String& row = rows.at(static_cast<std::uint32_t>(y));
    if (x >= static_cast<long>(row.length())) return 0;
    return row.at(static_cast<std::uint32_t>(x));
}

std::string quoted(const String& s) { return "\"" + s.str() + "\""; }

void checkCoverage(const Map& map, const MapSourceLines& where, const std::string& file) {
    const Array<String>& rows = map.getCollision();
    const long needRows = static_cast<long>(map.getHeight()) + 1;
    const long needColumns = static_cast<long>(map.getWidth()) + 1;
    const std::string unclosed = where.collisionClosed ? "" : " (the file ends before \"end collision\")";
    if (static_cast<long>(rows.size()) < needRows)
        throw mapErrorAt(file, where.collisionEnd,
                         "the collision layer has " + std::to_string(rows.size()) + " rows, the map needs " +
                             std::to_string(needRows) + " (height + 1)" + unclosed);
    for (long y = 0; y < needRows; ++y) {
        const String& row = rows.at(static_cast<std::uint32_t>(y));
        if (static_cast<long>(row.length()) < needColumns)
            throw mapErrorAt(file, where.collisionRows[static_cast<std::size_t>(y)],
                             "collision row " + std::to_string(y) + " is " + std::to_string(row.length()) +
                                 " characters, the map needs " + std::to_string(needColumns) + " (width + 1)" + unclosed);
    }
}

void checkTiles(const Map& map, const MapSourceLines& where, const std::string& file) {
    const Array<String>& rows = map.getCollision();
    for (std::uint32_t y = 0; y < rows.size(); ++y) {
        const String& row = rows.at(y);
        const int line = where.collisionRows[y];
        for (std::uint32_t x = 0; x < row.length(); ++x) {
            const char c = row.at(x);
            if (c >= '0' && c <= '9' && static_cast<std::uint32_t>(c - '0') >= map.getLinks().size())
                throw mapErrorAt(file, line,
                                 "collision row " + std::to_string(y) + ", column " + std::to_string(x) +
                                     ": link " + c + " has no entry (the map lists " +
                                     std::to_string(map.getLinks().size()) + " links)");
            const bool walkable = c == ' ' && static_cast<long>(x) <= map.getWidth() &&
                                  static_cast<long>(y) <= map.getHeight();
            if (!walkable) continue;
            const long lx = x, ly = y;
            const char* open = nullptr;
            if (!tileOrNothing(rows, lx - 1, ly)) open = "left of";
            else if (!tileOrNothing(rows, lx + 1, ly)) open = "right of";
            else if (!tileOrNothing(rows, lx, ly - 1)) open = "above";
            else if (!tileOrNothing(rows, lx, ly + 1)) open = "below";
            if (open)
                throw mapErrorAt(file, line,
                                 "the floor at column " + std::to_string(x) + " of collision row " +
                                     std::to_string(y) + " is open: the tile " + open +
                                     " it lies outside the collision layer");
        }
    }
}

void checkLinkTargets(const Map& map, const MapSourceLines& where, const std::string& file) {
    const Array<LinkTarget>& targets = map.getLinkTargets();
    for (std::uint32_t i = 0; i < targets.size(); ++i) {
        const LinkTarget t = targets.at(i);
        if (t.x < 0 || t.y < 0)
            throw mapErrorAt(file, where.linkNumbers[i],
                             "link " + std::to_string(i) + " (" + quoted(map.getLinks().at(i)) +
                                 ") leads to " + std::to_string(t.x) + ", " + std::to_string(t.y) +
                                 ": coordinates cannot be negative");
    }
}

}  // namespace

bool hasFloorForEnemies(const Map& map) {
    const Array<String>& rows = map.getCollision();
    for (long y = 1; y < map.getHeight() && y < static_cast<long>(rows.size()); ++y)
        for (long x = 1; x < map.getWidth(); ++x) {
            const char c = tileOrNothing(rows, x, y);
            if (c == 0) break;
            if (c == ' ') return true;
        }
    return false;
}

void checkPlayableMap(const Map& map, const MapSourceLines& where, const std::string& file) {
    checkCoverage(map, where, file);
    checkTiles(map, where, file);
    checkLinkTargets(map, where, file);
    if (map.getName() != "map airport" && !hasFloorForEnemies(map)) {
        const int line = where.collisionRows.empty() ? where.collisionEnd : where.collisionRows.front();
        throw mapErrorAt(file, line,
                         "map " + quoted(map.getName()) +
                             " has no floor with 1 <= x < width and 1 <= y < height, where enemies are placed");
    }
}
