#include "model/map.h"

#include <iostream>
#include <string>

#include "console/console.h"
#include "platform/files.h"
#include "model/map_check.h"
#include "model/map_parser.h"

namespace {

// The largest shipped map is under 5 KB: a file past this is damage, and is
// refused before its bytes are read or parsed.
constexpr std::uintmax_t maxMapFileBytes = 1024 * 1024;

}  // namespace

bool Map::read(const char* path, MapSourceLines& where) {
    name = String();
    lines.clear();
    collision.clear();
    links.clear();
    linkTargets.clear();
    std::string contents;
    switch (readGameFile(path, maxMapFileBytes, contents)) {
    case GameFileRead::Read: break;
    case GameFileRead::TooLarge:
        throw MapError(shownGameName(path) + ": the file is larger than any map (more than 1 MB)");
    case GameFileRead::NotAFile:
        throw MapError(shownGameName(path) + ": not an ordinary file (a device, a pipe or a folder)");
    default: return false;
    }
    MapParser(contents, shownGameName(path)).parse(*this, where);
    return true;
}

void Map::loadFromFile(const char* path) {
    MapSourceLines where;
    read(path, where);
}

void Map::loadPlayableFromFile(const char* path) {
    const std::vector<std::string> faults = loadCheckedFromFile(path);
    if (!faults.empty()) throw MapError(faults.front());
}

std::vector<std::string> Map::loadCheckedFromFile(const char* path) {
    MapSourceLines where;
    try {
        if (!read(path, where)) return {shownGameName(path) + ": the file cannot be read"};
    } catch (const MapError& e) {
        return {e.what()};
    }
    return playableMapFaults(*this, where, shownGameName(path));
}

char Map::tile(int x, int y) const {
    return collision.at(static_cast<std::uint32_t>(y)).at(static_cast<std::uint32_t>(x));
}

char Map::tileAt(int x, int y) const {
    if (x < 0 || y < 0 || static_cast<std::uint32_t>(y) >= collision.size()) return 0;
    const String& row = collision.at(static_cast<std::uint32_t>(y));
    return static_cast<std::uint32_t>(x) < row.length() ? row.at(static_cast<std::uint32_t>(x)) : '\0';
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

Array<String> findMapFiles(const String& folder) {
    Array<String> paths;
    for (int city = 0; city <= 6; ++city)
        for (int number = 1;; ++number) {
            String path = folder + "\\map ";
            path += city;
            path += '-';
            path += number;
            path += ".map";
            if (!fileExists(path.str())) break;
            paths.append(path);
        }
    return paths;
}

void loadAllMaps(Array<Map>& maps, Array<String>& mapNames) {
    // Every city's series up to its first gap.
    const Array<String> paths = findMapFiles("maps");
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
