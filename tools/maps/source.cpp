#include "tools/maps/source.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/maps/cp437.h"

namespace maptools {
namespace {

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

std::string trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return "";
    const auto e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

bool parseHexPair(const std::string& s, int& attr) {
    if (s.size() != 2 || !std::isxdigit(static_cast<unsigned char>(s[0])) ||
        !std::isxdigit(static_cast<unsigned char>(s[1])))
        return false;
    attr = std::stoi(s, nullptr, 16);
    return true;
}

std::string where(const std::string& origin, std::size_t lineIndex) {
    return origin + ":" + std::to_string(lineIndex + 1) + ": ";
}

// One code point from a word of the legend: a single glyph or "space".
bool singleGlyph(const std::string& word, char32_t& glyph) {
    if (word == "space") {
        glyph = U' ';
        return true;
    }
    std::u32string cps;
    std::size_t bad = 0;
    if (!decodeUtf8(word, cps, bad) || cps.size() != 1) return false;
    glyph = cps[0];
    return true;
}

bool legendLine(const std::string& line, Legend& legend, std::string& problem) {
    std::istringstream in(line);
    std::string kind, glyphWord, pair, walk;
    in >> kind >> glyphWord >> pair;
    char32_t glyph = 0;
    int attr = 0;
    if (!singleGlyph(glyphWord, glyph)) {
        problem = "expected one glyph or \"space\", found \"" + glyphWord + "\"";
        return false;
    }
    if (!parseHexPair(pair, attr)) {
        problem = "expected a colour of two hexadecimal digits, found \"" + pair + "\"";
        return false;
    }
    if (kind == "colour") {
        legend.colours[glyph] = attr;
        return true;
    }
    if (kind == "glyph") {
        in >> walk;
        if (walk != "walk" && walk != "wall") {
            problem = "a glyph rule ends with walk or wall";
            return false;
        }
        legend.glyphs[glyph] = GlyphRule{attr, walk == "walk"};
        return true;
    }
    problem = "a legend line starts with colour or glyph";
    return false;
}

bool decodeRow(const std::string& line, std::u32string& row) {
    std::size_t bad = 0;
    return decodeUtf8(line, row, bad);
}

bool linkLine(const std::string& line, LinkSource& link, std::string& problem) {
    const std::string t = trim(line);
    if (t.size() < 3 || t[1] != ' ' || !(std::isdigit(static_cast<unsigned char>(t[0])) || t[0] == '+')) {
        problem = "a link line is a digit or '+', a blank and the link text";
        return false;
    }
    link.digit = t[0] == '+' ? -1 : t[0] - '0';
    std::string rest = t.substr(2);
    const auto arrow = rest.find(" -> ");
    if (arrow != std::string::npos) {
        std::istringstream in(rest.substr(arrow + 4));
        std::string extra;
        if (!(in >> link.x >> link.y) || (in >> extra)) {
            problem = "the arrival after \"->\" is two numbers";
            return false;
        }
        if (link.x < 0 || link.y < 0 || link.x > 32767 || link.y > 32767) {
            problem = "the arrival lies outside 0..32767";
            return false;
        }
        rest = rest.substr(0, arrow);
    }
    if (rest.empty()) {
        problem = "a link needs a text";
        return false;
    }
    link.text = rest;
    return true;
}

}  // namespace

bool parseLegend(const std::string& text, const std::string& origin, Legend& legend, std::string& error) {
    const auto lines = splitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string t = trim(lines[i]);
        if (t.empty() || t[0] == '#') continue;
        std::string problem;
        if (!legendLine(t, legend, problem)) {
            error = where(origin, i) + problem;
            return false;
        }
    }
    return true;
}

namespace {

enum class Section { Header, Legend, Picture, Colours, Collision, Links };

// The section an "@word" line opens; false for an unknown word.
bool sectionNamed(const std::string& word, Section& section) {
    static const std::pair<const char*, Section> sections[] = {{"@legend", Section::Legend},
                                                               {"@picture", Section::Picture},
                                                               {"@colours", Section::Colours},
                                                               {"@collision", Section::Collision},
                                                               {"@links", Section::Links}};
    for (const auto& [name, named] : sections)
        if (word == name) {
            section = named;
            return true;
        }
    return false;
}

bool ignored(const std::string& trimmed) { return trimmed.empty() || trimmed[0] == '#'; }

// One "key: value" line of the header; the problem, or "" when it is sound.
std::string headerLine(const std::string& t, MapSource& out) {
    const auto colon = t.find(':');
    if (colon == std::string::npos) return "a header line is \"key: value\"";
    const std::string key = trim(t.substr(0, colon));
    const std::string value = trim(t.substr(colon + 1));
    if (key == "file") out.file = value;
    else if (key == "name") out.name = value;
    else if (key == "size") {
        std::istringstream in(value);
        std::string extra;
        if (!(in >> out.width >> out.height) || (in >> extra) || out.width < 1 || out.height < 0)
            return "size is a width and a height";
    } else if (key == "kind") {
        if (value != "panel") return "the only kind is panel";
        out.panel = true;
    } else if (key == "text") {
        if (!parseHexPair(value, out.textAttr)) return "text is a colour of two hexadecimal digits";
    } else {
        return "unknown header " + key;
    }
    return "";
}

// One row of the picture, colour or collision layer.
std::string layerLine(Section section, const std::string& line, MapSource& out) {
    std::u32string row;
    if (!decodeRow(line, row)) return "not valid UTF-8";
    auto& layer = section == Section::Picture   ? out.picture
                  : section == Section::Colours ? out.colours
                                                : out.collision;
    layer.push_back(row);
    return "";
}

// One line inside a section; the problem, or "" when it is sound.
std::string sectionLine(Section section, const std::string& line, MapSource& out) {
    const std::string t = trim(line);
    std::string problem;
    switch (section) {
    case Section::Header: return ignored(t) ? "" : headerLine(t, out);
    case Section::Legend: return ignored(t) || legendLine(t, out.legend, problem) ? "" : problem;
    case Section::Links: {
        LinkSource link;
        if (ignored(t)) return "";
        if (!linkLine(t, link, problem)) return problem;
        out.links.push_back(link);
        return "";
    }
    default: return layerLine(section, line, out);
    }
}

// An "@word" line: the section it opens, each at most once.
std::string sectionStart(const std::string& line, Section& section, bool (&seen)[6]) {
    const std::string word = trim(line);
    if (!sectionNamed(word, section)) return "unknown section " + word;
    bool& once = seen[static_cast<std::size_t>(section)];
    if (once) return "section " + word + " given twice";
    once = true;
    return "";
}

// What the whole source must have once every line is read.
bool sourceComplete(MapSource& out, std::string& error) {
    // Blank lines after the last row of a layer only separate it from the next.
    for (auto* layer : {&out.picture, &out.colours, &out.collision})
        while (!layer->empty() && layer->back().find_first_not_of(U' ') == std::u32string::npos) layer->pop_back();
    if (out.file.empty() || out.name.empty()) {
        error = out.origin + ": file and name are required";
        return false;
    }
    if (out.picture.empty()) {
        error = out.origin + ": the map has no @picture";
        return false;
    }
    return true;
}

}  // namespace

bool parseSource(const std::string& text, const std::string& origin, MapSource& out, std::string& error) {
    out = MapSource{};
    out.origin = origin;
    const auto lines = splitLines(text);
    Section section = Section::Header;
    bool seen[6] = {};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const bool opensSection = !line.empty() && line[0] == '@';
        const std::string problem =
            opensSection ? sectionStart(line, section, seen) : sectionLine(section, line, out);
        if (!problem.empty()) {
            error = where(origin, i) + problem;
            return false;
        }
    }
    return sourceComplete(out, error);
}

namespace {

// Bytes the display rows must not hold: they would end the row, start a
// colour escape, or stop a text-mode reader.
bool forbiddenByte(int b) {
    return b == 0x00 || b == 0x09 || b == 0x0A || b == 0x0D || b == 0x1A || b == 0x1B || b == '%';
}

const char* kHex = "0123456789ABCDEF";

std::string escape(int attr) {
    std::string s = "%C";
    s += kHex[(attr >> 4) & 0xF];
    s += kHex[attr & 0xF];
    return s;
}

char32_t cellOf(const std::vector<std::u32string>& layer, std::size_t x, std::size_t y) {
    if (y >= layer.size() || x >= layer[y].size()) return U' ';
    return layer[y][x];
}

}  // namespace

namespace {

// The picture's rows against the screen rows it owns and the map's size.
std::string sizeProblem(const MapSource& src, int width, int height, std::size_t columns) {
    const auto rows = src.picture.size();
    if (rows > (src.panel ? 5u : 20u))
        return "the picture has " + std::to_string(rows) + " rows; the screen gives it " + (src.panel ? "5" : "20");
    if (width + 1 > 80 || columns > static_cast<std::size_t>(width) + 1)
        return "the picture is " + std::to_string(columns) + " columns wide; width " + std::to_string(width) +
               " allows " + std::to_string(std::min(width + 1, 80));
    if (!src.panel && static_cast<int>(rows) != height + 1)
        return "height " + std::to_string(height) + " needs " + std::to_string(height + 1) +
               " picture rows, found " + std::to_string(rows);
    for (const auto* layer : {&src.colours, &src.collision})
        if (layer->size() > rows) return "a layer has more rows than the picture";
    if (src.panel && !src.links.empty()) return "the panel has no links";
    return "";
}

// One map source turned into the game's map file, row by row; each rule it
// breaks is a problem named after the cell or link that breaks it.
class MapCompiler {
public:
    MapCompiler(const MapSource& source, const Legend& globalLegend) : src(source), global(globalLegend) {}

    std::string compile(int width, int height, std::string& out) {
        std::string problem = linksByDigit();
        const std::size_t cols = static_cast<std::size_t>(width) + 1;
        for (std::size_t y = 0; problem.empty() && y < src.picture.size(); ++y) problem = row(y, cols);
        if (problem.empty()) problem = linksAllUsed();
        if (problem.empty()) out = written(width, height);
        return problem;
    }

private:
    // The map's own legend first, then the global one.
    GlyphRule rule(char32_t glyph) const {
        auto it = src.legend.glyphs.find(glyph);
        if (it != src.legend.glyphs.end()) return it->second;
        it = global.glyphs.find(glyph);
        return it != global.glyphs.end() ? it->second : GlyphRule{};
    }

    bool colourLetter(char32_t letter, int& attr) const {
        auto it = src.legend.colours.find(letter);
        if (it == src.legend.colours.end()) {
            it = global.colours.find(letter);
            if (it == global.colours.end()) return false;
        }
        attr = it->second;
        return true;
    }

    std::string linksByDigit() {
        for (const auto& link : src.links) {
            if (link.digit < 0) continue;
            const auto d = static_cast<std::size_t>(link.digit);
            if (byDigit[d]) return "link " + std::to_string(link.digit) + " is given twice";
            byDigit[d] = &link;
        }
        return "";
    }

    std::string row(std::size_t y, std::size_t cols) {
        std::string line;
        std::string walls;
        for (std::size_t x = 0; x < cols; ++x) {
            const std::string cell = "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
            std::string problem = drawnCell(x, y, cell, line);
            if (problem.empty()) problem = collisionTile(x, y, cell, walls);
            if (!problem.empty()) return problem;
        }
        if (src.panel && y + 1 == src.picture.size() && src.textAttr >= 0 && src.textAttr != current)
            line += escape(src.textAttr);
        display += line + "\n";
        collision += walls + "\n";
        return "";
    }

    // The glyph in code page 437, after a colour escape where its colour
    // differs from the one in force (a blank shows only its background).
    std::string drawnCell(std::size_t x, std::size_t y, const std::string& cell, std::string& line) {
        const char32_t glyph = cellOf(src.picture, x, y);
        const int byte = unicodeToCp437(glyph);
        if (byte < 0) return "the glyph at " + cell + " is not in code page 437";
        if (forbiddenByte(byte)) return "the glyph at " + cell + " cannot stand in a map row";
        int attr = rule(glyph).attr;
        const char32_t letter = cellOf(src.colours, x, y);
        if (letter != U' ' && !colourLetter(letter, attr))
            return "the colour letter at " + cell + " is not in the legend";
        const bool blank = byte == ' ' || byte == 0xFF;
        if (blank ? (attr >> 4) != (current >> 4) : attr != current) {
            line += escape(attr);
            current = attr;
        }
        line += static_cast<char>(byte);
        return "";
    }

    // The collision mark, or the glyph's rule where the mark is blank.
    std::string collisionTile(std::size_t x, std::size_t y, const std::string& cell, std::string& walls) {
        const char32_t mark = cellOf(src.collision, x, y);
        char tile = rule(cellOf(src.picture, x, y)).walk ? ' ' : '#';
        if (mark == U'#') tile = '#';
        else if (mark == U'.') tile = ' ';
        else if (mark >= U'0' && mark <= U'9') {
            const auto d = static_cast<std::size_t>(mark - U'0');
            if (!byDigit[d]) return "link tile " + std::to_string(d) + " at " + cell + " has no link";
            digitUsed[d] = true;
            tile = static_cast<char>(mark);
        } else if (mark != U' ') {
            return "the collision mark at " + cell + " is not '#', '.', a digit or blank";
        }
        walls += tile;
        return "";
    }

    std::string linksAllUsed() const {
        for (std::size_t d = 0; d < 10; ++d) {
            if (byDigit[d] && !digitUsed[d])
                return "link " + std::to_string(d) + " (" + byDigit[d]->text + ") has no tile";
            if (d > 0 && byDigit[d] && !byDigit[d - 1])
                return "links are numbered from 0 without gaps; " + std::to_string(d - 1) + " is missing";
        }
        return "";
    }

    std::string written(int width, int height) const {
        std::ostringstream o;
        o << src.name << "\n" << width << " " << height << "\n" << display << "end map\n";
        if (!src.panel) o << collision;
        o << "end collision\n";
        auto writeLink = [&](const LinkSource& link) { o << link.text << "\n" << link.x << " " << link.y << "\n"; };
        for (const auto* link : byDigit)
            if (link) writeLink(*link);
        for (const auto& link : src.links)
            if (link.digit < 0) writeLink(link);
        o << "end links\n";
        return o.str();
    }

    const MapSource& src;
    const Legend& global;
    std::vector<const LinkSource*> byDigit = std::vector<const LinkSource*>(10, nullptr);
    std::vector<bool> digitUsed = std::vector<bool>(10, false);
    std::string display;
    std::string collision;
    int current = 0x08;  // the exploration loop draws the map in dark grey on black
};

}  // namespace

bool compileMap(const MapSource& src, const Legend& global, std::string& out, std::string& error) {
    std::size_t columns = 0;
    for (const auto& row : src.picture) columns = std::max(columns, row.size());
    const int width = src.width >= 0 ? src.width : static_cast<int>(columns) - 1;
    const int height = src.height >= 0 ? src.height : static_cast<int>(src.picture.size()) - 1;
    std::string problem = sizeProblem(src, width, height, columns);
    if (problem.empty()) problem = MapCompiler(src, global).compile(width, height, out);
    if (problem.empty()) return true;
    error = src.origin + ": " + problem;
    return false;
}

bool readAll(const std::filesystem::path& file, std::string& text) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

bool compileFolder(const std::string& sourceDir, std::map<std::string, std::string>& files, std::string& error) {
    namespace fs = std::filesystem;
    Legend global;
    std::string text;
    const fs::path legendPath = fs::path(sourceDir) / "legend.txt";
    if (!readAll(legendPath, text)) {
        error = legendPath.string() + ": cannot be read";
        return false;
    }
    if (!parseLegend(text, legendPath.string(), global, error)) return false;

    std::vector<fs::path> sources;
    std::error_code ec;
    for (const auto& entry : fs::recursive_directory_iterator(sourceDir, ec))
        if (entry.is_regular_file() && entry.path().extension() == ".txt" &&
            entry.path().filename() != "legend.txt")
            sources.push_back(entry.path());
    if (ec) {
        error = sourceDir + ": " + ec.message();
        return false;
    }
    std::sort(sources.begin(), sources.end());
    files.clear();
    for (const auto& path : sources) {
        if (!readAll(path, text)) {
            error = path.string() + ": cannot be read";
            return false;
        }
        MapSource src;
        if (!parseSource(text, path.string(), src, error)) return false;
        std::string compiled;
        if (!compileMap(src, global, compiled, error)) return false;
        const std::string fileName = src.file + ".map";
        if (files.count(fileName)) {
            error = path.string() + ": a second source for " + fileName;
            return false;
        }
        files[fileName] = compiled;
    }
    return true;
}

}  // namespace maptools
