#include "model/map_parser.h"

#include <algorithm>
#include <climits>

std::string mapFaultAt(const std::string& file, int line, const std::string& what) {
    return file + ", line " + std::to_string(line) + ": " + what;
}

MapError mapErrorAt(const std::string& file, int line, const std::string& what) {
    return MapError(mapFaultAt(file, line, what));
}

MapParser::MapParser(const std::string& text, const std::string& fileName)
    : contents(text), in(text), file(fileName) {
    lineStarts.push_back(0);
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n') lineStarts.push_back(i + 1);
}

// Where the stream stands, read from its buffer so that no state bit changes.
std::size_t MapParser::offset() {
    const std::streamoff at = in.rdbuf()->pubseekoff(0, std::ios_base::cur, std::ios_base::in);
    return at < 0 ? contents.size() : static_cast<std::size_t>(at);
}

int MapParser::lineAt(std::size_t at) const {
    // The end of a file that ends with a line feed belongs to its last line.
    if (at >= contents.size() && !contents.empty() && contents.back() == '\n') at = contents.size() - 1;
    return static_cast<int>(std::upper_bound(lineStarts.begin(), lineStarts.end(), at) - lineStarts.begin());
}

int MapParser::readLine(String& line) {
    std::size_t at = offset();
    if (at < contents.size() && contents[at] == '\n') ++at;
    getline(in, line);
    return lineAt(at);
}

std::string MapParser::tokenAt(std::size_t at) const {
    std::string token;
    while (at < contents.size() && token.size() < 24 && contents[at] != ' ' && contents[at] != '\t' &&
           contents[at] != '\n' && contents[at] != '\r')
        token += contents[at++];
    return token;
}

long MapParser::readNumber(const std::string& what, long low, long high, int& line) {
    in >> std::ws;
    const std::size_t at = offset();
    line = lineAt(at);
    if (in.eof() || at >= contents.size()) throw mapErrorAt(file, line, "the file ends before " + what);
    long value = 0;
    in >> value;
    const std::string token = tokenAt(at);
    if (in.fail()) {
        const bool digits = token.find_first_not_of("+-0123456789") == std::string::npos &&
                            token.find_first_of("0123456789") != std::string::npos;
        if (!digits) throw mapErrorAt(file, line, "expected " + what + ", found \"" + token + "\"");
    }
    if (in.fail() || value < low || value > high)
        throw mapErrorAt(file, line,
                         "expected " + what + " from " + std::to_string(low) + " to " + std::to_string(high) +
                             ", found " + token);
    return value;
}

void MapParser::parse(Map& map, MapSourceLines& where) {
    where = MapSourceLines{};
    where.lastLine = lineAt(contents.size());
    int line = 0;
    readLine(map.name);
    map.width = static_cast<int>(readNumber("the width", INT_MIN, INT_MAX, line));
    map.height = static_cast<int>(readNumber("the height", INT_MIN, INT_MAX, line));

    String row;
    while (!in.eof()) {
        readLine(row);
        if (row == "end map") break;
        map.lines.append(row);
    }

    where.collisionEnd = where.lastLine;
    while (!in.eof()) {
        line = readLine(row);
        if (row == "end collision") {
            where.collisionEnd = line;
            where.collisionClosed = true;
            break;
        }
        map.collision.append(row);
        where.collisionRows.push_back(line);
    }

    while (!in.eof()) {
        String text;
        line = readLine(text);
        if (text == "end links") break;
        if (in.fail() && text.length() == 0) {
            // The file ended after the last entry without "end links": the
            // read still delivers an empty entry, which leads nowhere.
            map.links.append(text);
            map.linkTargets.append(LinkTarget{});
            where.linkNumbers.push_back(line);
            break;
        }
        const std::string label = " of link " + std::to_string(map.links.size()) + " (\"" + text.str() + "\")";
        LinkTarget target;
        int numbersLine = 0;
        target.x = static_cast<std::int16_t>(readNumber("the target x" + label, -32768, 32767, numbersLine));
        target.y = static_cast<std::int16_t>(readNumber("the target y" + label, -32768, 32767, line));
        map.links.append(text);
        map.linkTargets.append(target);
        where.linkNumbers.push_back(numbersLine);
    }
}
