#pragma once
// Small helpers for the map tool tests: maps written inline, and the shipped
// world loaded once.

#include <algorithm>
#include <string>
#include <vector>

#include "tools/maps/gamemap.h"
#include "tools/maps/world.h"

namespace maptest {

// A map file from its lines (joined with line feeds, one after the last).
inline maptools::GameMap mapFromLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\n";
    maptools::GameMap m;
    m.file = "test.map";
    std::string error;
    maptools::parseGameMap(text, m, error);
    return m;
}

inline const maptools::World& shippedWorld() {
    static const maptools::World w = maptools::loadWorld(std::string(DRIFTER_SOURCE_DIR) + "/maps");
    return w;
}

inline maptools::GameMap& mapNamed(maptools::World& w, const std::string& name) {
    return w.maps[static_cast<std::size_t>(w.indexOf(name))];
}

inline bool mentions(const std::vector<std::string>& faults, const std::string& part) {
    return std::any_of(faults.begin(), faults.end(),
                       [&](const std::string& f) { return f.find(part) != std::string::npos; });
}

inline std::string joined(const std::vector<std::string>& faults) {
    std::string s;
    for (const auto& f : faults) s += f + "\n";
    return s;
}

}  // namespace maptest
