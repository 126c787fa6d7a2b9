#include "tools/maps/world.h"

#include <filesystem>
#include <regex>
#include <set>

#include "model/city_places.h"
#include "platform/files.h"

namespace maptools {

int World::indexOf(const std::string& name) const {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == name) return static_cast<int>(i);
    return -1;
}

bool isStandable(const Map& m, int x, int y) { return x < m.getWidth() && y < m.getHeight() && isFloor(m, x, y); }

std::string linkText(const Map& m, int x, int y) {
    const char t = m.tileAt(x, y);
    if (!isDigitTile(t)) return "";
    const auto d = static_cast<std::uint32_t>(t - '0');
    return d < m.getLinks().size() ? m.getLinks().at(d).str() : "";
}

LinkTarget targetOf(const Map& m, int linkIndex) {
    return m.getLinkTargets().at(static_cast<std::uint32_t>(linkIndex));
}

World loadWorld(const std::string& mapsDir) {
    namespace fs = std::filesystem;
    World world;
    std::set<std::string> loaded;
    const Array<String> paths = findMapFiles(mapsDir.c_str());
    for (std::uint32_t k = 0; k < paths.size(); ++k) world.maps.append(Map());  // loaded where they stand
    for (std::uint32_t k = 0; k < paths.size(); ++k) {
        Map& map = world.maps.at(k);
        const std::vector<std::string> faults = map.loadCheckedFromFile(paths.at(k).c_str().get());
        world.loadProblems.insert(world.loadProblems.end(), faults.begin(), faults.end());
        const std::string path = paths.at(k).str();
        world.files.push_back(path.substr(path.rfind('\\') + 1));
        world.names.push_back(map.getName().str());
        loaded.insert(world.files.back());
    }
    const std::string panelPath = mapsDir + "/stats.map";
    if (fileExists(panelPath)) {
        try {
            world.panel.loadFromFile(panelPath.c_str());
            world.hasPanel = true;
        } catch (const MapError& e) {
            world.loadProblems.push_back(e.what());
        }
    }
    std::error_code ec;
    const std::regex pattern(R"(map [0-9]+-[0-9]+\.map)");
    for (const auto& entry : fs::directory_iterator(mapsDir, ec)) {
        const std::string f = entry.path().filename().string();
        if (std::regex_match(f, pattern) && !loaded.count(f))
            world.loadProblems.push_back(f +
                                         ": never loaded (a number before it is missing, or its city is not 0-6)");
    }
    return world;
}

namespace {

TablePlace placeOf(const std::string& what, int city, const CityPlace& place) {
    return {what + cityName(city), place.mapName, place.x, place.y};
}

}  // namespace

// The game's own tables, so that the checker proves the positions the game uses.
const std::vector<TablePlace>& cityEntries() {
    static const std::vector<TablePlace> t = [] {
        std::vector<TablePlace> entries;
        for (int city = 1; city <= 6; ++city) entries.push_back(placeOf("city entry of ", city, cityEntry(city)));
        return entries;
    }();
    return t;
}

std::vector<TablePlace> tablePlaces() {
    std::vector<TablePlace> t = cityEntries();
    for (int city = 1; city <= 6; ++city) {
        t.push_back(placeOf("arrest in ", city, arrestPlace(city)));
        t.push_back(placeOf("wake-up in ", city, deathPlace(city)));
    }
    // Places the game sets outside the city tables.
    t.push_back({"airport arrival", airportHall.mapName, airportHall.x, airportHall.y});
    t.push_back(placeOf("Macro Max arrest in ", 1, arrestPlace(1)));
    return t;
}

// Washington's street maps are the only ones not named after their city.
const char* streetPrefix(int city) { return city == 6 ? "DC" : cityName(city); }

}  // namespace maptools
