#pragma once
// Reads the text of a map file into a Map. Besides the map it records on
// which line of the file each collision row and each link's numbers stood,
// so that the checks can point at the line that is wrong.
//
// The reading rules are the ones every map file is written for:
// - a line read first skips one line feed left waiting by the read before,
//   so one empty line after a line vanishes and a second one is a row;
// - the numbers are formatted reads that skip blanks and line breaks;
// - "end map", "end collision" and "end links" end their sections only when
//   they make up the whole line;
// - each section stops at the end of the file, but the read that runs into
//   the end still delivers a line, which its section keeps.

#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

#include "model/map.h"

struct MapSourceLines {
    std::vector<int> collisionRows;  // file line of each collision row
    std::vector<int> linkNumbers;    // file line of each link's target numbers
    int collisionEnd = 0;            // line of "end collision", or the last line
    bool collisionClosed = false;    // "end collision" was found
    int lastLine = 0;                // the last line of the file
};

// A fault at a line of a file as one message: "maps/map 1-3.map, line 27: ...".
std::string mapFaultAt(const std::string& file, int line, const std::string& what);
// The MapError for a fault at a line of a file.
MapError mapErrorAt(const std::string& file, int line, const std::string& what);

class MapParser {
public:
    // file is the name that messages show ("maps/map 1-3.map").
    MapParser(const std::string& contents, const std::string& file);

    // Reads into map, which must be empty. Throws MapError when a number
    // cannot be read.
    void parse(Map& map, MapSourceLines& where);

private:
    std::size_t offset();
    int lineAt(std::size_t at) const;
    int readLine(String& line);
    long readNumber(const std::string& what, long low, long high, int& line);
    std::string tokenAt(std::size_t at) const;

    const std::string& contents;
    std::istringstream in;
    std::string file;
    std::vector<std::size_t> lineStarts;
};
