#include "tools/maps/world.h"

#include <filesystem>
#include <regex>
#include <set>

#include "platform/files.h"

namespace maptools {

int World::indexOf(const std::string& name) const {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == name) return static_cast<int>(i);
    return -1;
}

bool isStandable(const Map& m, int x, int y) {
    return x < m.getWidth() && y < m.getHeight() && isFloor(m, x, y);
}

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
            world.loadProblems.push_back(f + ": never loaded (a number before it is missing, or its city is not 0-6)");
    }
    return world;
}

const std::vector<TablePlace>& cityEntries() {
    static const std::vector<TablePlace> t = {
        {"city entry of Vancouver", "Vancouver 3", 32, 11},
        {"city entry of Cape Kennedy", "Cape Kennedy 1", 8, 10},
        {"city entry of Silicon Valley", "Silicon Valley 2", 19, 14},
        {"city entry of Roswell", "Roswell 1", 8, 9},
        {"city entry of Redmond", "Redmond 1", 24, 13},
        {"city entry of Washington", "DC 2", 19, 15},
    };
    return t;
}

std::vector<TablePlace> tablePlaces() {
    std::vector<TablePlace> t = cityEntries();
    const std::vector<TablePlace> more = {
        {"arrest in Vancouver", "Vancouver 1", 20, 10},
        {"arrest in Cape Kennedy", "Cape Kennedy 3", 18, 11},
        {"arrest in Silicon Valley", "Silicon Valley 3", 18, 14},
        {"arrest in Roswell", "Roswell 3", 33, 14},
        {"arrest in Redmond", "Redmond 3", 17, 14},
        {"arrest in Washington", "Vancouver 1", 20, 10},
        {"wake-up in Vancouver", "Vancouver 2", 56, 9},
        {"wake-up in Cape Kennedy", "Cape Kennedy 2", 12, 10},
        {"wake-up in Silicon Valley", "Silicon Valley 1", 6, 10},
        {"wake-up in Roswell", "Roswell 3", 15, 10},
        {"airport arrival", "map airport", 31, 9},
        {"Macro Max arrest", "Vancouver 1", 20, 10},
    };
    t.insert(t.end(), more.begin(), more.end());
    return t;
}

const char* cityName(int city) {
    static const char* names[] = {"", "Vancouver", "Cape Kennedy", "Silicon Valley", "Roswell",
                                  "Redmond", "Washington"};
    return city >= 1 && city <= 6 ? names[city] : "";
}

const char* streetPrefix(int city) {
    static const char* names[] = {"", "Vancouver", "Cape Kennedy", "Silicon Valley", "Roswell",
                                  "Redmond", "DC"};
    return city >= 1 && city <= 6 ? names[city] : "";
}

}  // namespace maptools
