#pragma once
// One map of the world: the picture drawn on the console, the collision layer
// (' ' floor, '0'-'9' a link tile naming links[d], anything else wall) and the
// links with the position each one leads to. Maps are read once at start-up
// from "maps\map C-N.map" and live in one array, found by name through the
// parallel array of their names.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "console/array.h"
#include "console/text.h"

struct MapSourceLines;

// Where a link leads: a 0 keeps the figure's own coordinate on that axis.
struct LinkTarget {
    std::int16_t x = 0;
    std::int16_t y = 0;
};

// A map file the game cannot use, reported as one line naming the file and
// the line ("maps/map 1-3.map, line 27: ..."). main shows it and stops.
class MapError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Map {
public:
    Map() = default;

    // Empties the map (width and height stay until the file sets them) and
    // reads the file. A file that cannot be opened leaves the map empty;
    // numbers that cannot be read and a file larger than any map (1 MB)
    // throw MapError. Nothing else is checked:
    // the status panel's frame is read this way and has no collision layer.
    void loadFromFile(const char* path);
    // loadFromFile for a map that figures walk on, which must also pass every
    // check of map_check.h: MapError with the first fault found. A file that
    // cannot be read is a MapError here.
    void loadPlayableFromFile(const char* path);
    // loadPlayableFromFile that lists every fault (one line each, naming the
    // file and the line) instead of throwing the first; empty when the map is
    // playable. A file or a number that cannot be read is the only fault
    // listed, and the map keeps what was read before it.
    std::vector<std::string> loadCheckedFromFile(const char* path);

    String getName() const { return name; }
    const Array<String>& getLines() const { return lines; }
    const Array<String>& getCollision() const { return collision; }
    const Array<String>& getLinks() const { return links; }
    const Array<LinkTarget>& getLinkTargets() const { return linkTargets; }
    int getWidth() const { return width; }
    int getHeight() const { return height; }

    // Floor at (x, y). Bounds are inclusive: x = width still reads the layer;
    // negative coordinates are not tested here (the row access rejects them).
    bool isWalkable(int x, int y) const;
    // The text of the link tile at (x, y), "" for floor and wall.
    String linkAt(int x, int y) const;
    // Where the first link with this text leads; the map must list the text.
    LinkTarget linkTarget(const String& link) const;
    // The index of the first link with this text, -1 when the map has none.
    int linkIndex(const String& link) const { return links.indexOf(link); }
    // The collision character at (x, y), or 0 where the layer has none
    // (negative coordinates included): for checks on maps not yet proven sound.
    char tileAt(int x, int y) const;

private:
    friend class MapParser;
    // Empties the map and reads the file into it; false when it cannot be read.
    bool read(const char* path, MapSourceLines& where);
    char tile(int x, int y) const;

    Array<String> lines;
    Array<String> collision;
    Array<String> links;
    Array<LinkTarget> linkTargets;
    String name;
    int width = 0;
    int height = 0;
};

// The map files the game reads from folder, in the order it reads them: for
// each city 0 to 6, "folder\map C-1.map", "folder\map C-2.map", ... up to
// the first number whose file is missing.
Array<String> findMapFiles(const String& folder);

// Reads every map file, "maps\map 0-1.map" onwards: for each city 0 to 6,
// map numbers 1, 2, ... until a file is missing. Shows its progress at (15, 1)
// and fills mapNames in step with maps. Throws MapError for a file the game
// cannot use and when there are no map files at all.
void loadAllMaps(Array<Map>& maps, Array<String>& mapNames);
