#pragma once
// Small helpers for the map tool tests: the shipped world loaded once, a copy
// of the shipped map files to plant faults in, and one map file written
// inline and checked as mapcheck checks it.

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/temp_folder.h"
#include "tools/maps/check.h"
#include "tools/maps/world.h"

namespace maptest {

inline bool mentions(const std::vector<std::string>& faults, const std::string& part) {
    return std::any_of(faults.begin(), faults.end(),
                       [&](const std::string& f) { return f.find(part) != std::string::npos; });
}

// The lines joined with line feeds, one after the last: a file's text, or
// faults one to a line.
inline std::string joined(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\n";
    return s;
}

inline std::string shippedMapsDir() { return std::string(DRIFTER_SOURCE_DIR) + "/maps"; }

inline const maptools::World& shippedWorld() {
    static const maptools::World w = maptools::loadWorld(shippedMapsDir());
    return w;
}

inline const Map& shippedMap(const std::string& name) {
    const maptools::World& w = shippedWorld();
    const int k = w.indexOf(name);
    if (k < 0) throw std::logic_error("no shipped map named " + name);
    return w.map(k);
}

// The shipped map files as lines of text, edited in memory and then loaded
// from a temporary folder: faults are planted in the files the game reads.
class PlantedWorld {
public:
    PlantedWorld() {
        for (const auto& entry : std::filesystem::directory_iterator(shippedMapsDir())) {
            if (entry.path().extension() != ".map") continue;
            std::istringstream text(readFile(entry.path()));
            std::vector<std::string>& lines = files[entry.path().filename().string()];
            for (std::string line; std::getline(text, line);) lines.push_back(line);
        }
    }

    // The lines of the file holding the map of that name (its first line).
    std::vector<std::string>& linesOf(const std::string& name) {
        for (auto& [file, lines] : files)
            if (!lines.empty() && lines[0] == name) return lines;
        throw std::logic_error("no map file names " + name);
    }
    // The lines of a file by its name; a new file when there is none.
    std::vector<std::string>& file(const std::string& fileName) { return files[fileName]; }

    // Collision character (x, y) of the named map; the shipped files hold
    // one collision row per line after "end map".
    char& tile(const std::string& name, int x, int y) {
        auto& lines = linesOf(name);
        const auto end = std::find(lines.begin(), lines.end(), "end map");
        std::string& row = *(end + 1 + y);
        return row.at(static_cast<std::size_t>(x));
    }
    // Turns every tile of the named map's link into wall.
    void wallUp(const std::string& name, const std::string& link) {
        const char d = static_cast<char>('0' + shippedMap(name).linkIndex(link.c_str()));
        auto& lines = linesOf(name);
        auto row = std::find(lines.begin(), lines.end(), "end map") + 1;
        for (; row != lines.end() && *row != "end collision"; ++row) std::replace(row->begin(), row->end(), d, '#');
    }
    // Gives the named map's link another text.
    void renameLink(const std::string& name, const std::string& from, const std::string& to) {
        auto& lines = linesOf(name);
        const auto links = std::find(lines.begin(), lines.end(), "end collision");
        *std::find(links, lines.end(), from) = to;
    }

    maptools::World load() {
        for (const auto& [fileName, lines] : files) folder.write("maps/" + fileName, joined(lines));
        return maptools::loadWorld((folder / "maps").string());
    }

private:
    std::map<std::string, std::vector<std::string>> files;
    TempFolder folder;
};

// A map file from its lines, read by the game's reader into map: the faults mapcheck reports for it.
inline std::vector<std::string> faultsOfMap(const std::vector<std::string>& lines, Map& map) {
    TempFolder folder;
    const std::string path = folder.write("test.map", joined(lines)).string();
    std::vector<std::string> faults = map.loadCheckedFromFile(path.c_str());
    const std::vector<std::string> more = maptools::checkMap(map, "test.map");
    faults.insert(faults.end(), more.begin(), more.end());
    return faults;
}
inline std::vector<std::string> faultsOfMap(const std::vector<std::string>& lines) {
    Map map;
    return faultsOfMap(lines, map);
}

}  // namespace maptest
