#include "world/map.h"

#include <iostream>
#include <string>

#include "console/console.h"
#include "platform/files.h"
#include "world/map_check.h"
#include "world/map_parser.h"

namespace {

// The name messages show: the game's name with forward slashes.
std::string shownName(const char* path) {
    std::string name = path;
    for (char& c : name)
        if (c == '\\') c = '/';
    return name;
}

}  // namespace

void Map::loadFromFile(const char* path) { load(path, false); }

void Map::loadPlayableFromFile(const char* path) { load(path, true); }

void Map::load(const char* path, bool playable) {
    name = String();
    lines.clear();
    collision.clear();
    links.clear();
    linkTargets.clear();
    const std::string shown = shownName(path);
    std::string contents;
    if (!readTextFile(path, contents)) {
        if (playable) throw MapError(shown + ": the file cannot be read");
        return;
    }
    MapSourceLines where;
    MapParser(contents, shown).parse(*this, where);
    if (playable) checkPlayableMap(*this, where, shown);
}

char Map::tile(int x, int y) const {
    return collision.at(static_cast<std::uint32_t>(y)).at(static_cast<std::uint32_t>(x));
}

bool Map::isWalkable(int x, int y) const {
    if (x > width) return false;
    if (y > height) return false;
    return tile(x, y) == ' ';
}

String Map::linkAt(int x, int y) const {
    const char c = tile(x, y);
    if (c >= '0' && c <= '9') return links.at(static_cast<std::uint32_t>(c - '0'));
    return String();
}

LinkTarget Map::linkTarget(const String& link) const {
    return linkTargets.at(static_cast<std::uint32_t>(links.indexOf(link)));
}

String mapFileName(int city, int number) {
    String path("maps\\map ");
    path += city;
    path += '-';
    path += number;
    path += ".map";
    return path;
}

void loadAllMaps(Array<Map>& maps, Array<String>& mapNames) {
    // Both passes walk the same names: every city's series up to its first gap.
    Array<String> paths;
    for (int city = 0; city <= 6; ++city)
        for (int number = 1;; ++number) {
            const String path = mapFileName(city, number);
            if (!fileExists(path.str())) break;
            paths.append(path);
        }
    if (paths.size() == 0)
        throw MapError(
            "No map files found in maps/ (the game looks for \"maps/map 0-1.map\" and the files after it "
            "in the folder it is started from)");

    // The maps are appended empty and loaded where they stand, never copied.
    const std::uint32_t first = maps.size();
    for (std::uint32_t k = 0; k < paths.size(); ++k) maps.append(Map());

    gotoXY(15, 1);
    std::cout << "10%" << '\n';
    const int step = 80 / static_cast<int>(paths.size());
    for (std::uint32_t k = 0; k < paths.size(); ++k) {
        maps.at(first + k).loadPlayableFromFile(paths.at(k).c_str().get());
        gotoXY(15, 1);
        std::cout << paths.at(k) << "..." << step * static_cast<int>(k + 1) + 10 << "%" << '\n';
    }

    for (std::uint32_t k = 0; k < paths.size(); ++k) mapNames.append(String());
    for (std::uint32_t k = 0; k < paths.size(); ++k) mapNames.at(first + k) = maps.at(first + k).getName();

    gotoXY(15, 1);
    std::cout << "100%" << std::string(35, ' ') << '\n';
}
