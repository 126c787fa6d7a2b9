#include "tools/maps/world.h"

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace maptools {

int World::indexOf(const std::string& name) const {
    for (std::size_t i = 0; i < maps.size(); ++i)
        if (maps[i].name == name) return static_cast<int>(i);
    return -1;
}

namespace {

bool readAll(const std::filesystem::path& p, std::string& text) {
    std::ifstream in(p, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

}  // namespace

World loadWorld(const std::string& mapsDir) {
    namespace fs = std::filesystem;
    World world;
    std::set<std::string> loaded;
    for (int city = 0; city <= 6; ++city) {
        for (int n = 1;; ++n) {
            const std::string fileName = "map " + std::to_string(city) + "-" + std::to_string(n) + ".map";
            std::string text;
            if (!readAll(fs::path(mapsDir) / fileName, text)) break;
            GameMap map;
            map.file = fileName;
            std::string error;
            if (!parseGameMap(text, map, error)) world.loadProblems.push_back(error);
            world.maps.push_back(map);
            loaded.insert(fileName);
        }
    }
    std::string text;
    if (readAll(fs::path(mapsDir) / "stats.map", text)) {
        world.panel.file = "stats.map";
        std::string error;
        world.hasPanel = parseGameMap(text, world.panel, error);
        if (!world.hasPanel) world.loadProblems.push_back(error);
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
