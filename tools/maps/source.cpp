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

bool parseSource(const std::string& text, const std::string& origin, MapSource& out, std::string& error) {
    out = MapSource{};
    out.origin = origin;
    const auto lines = splitLines(text);
    enum class Section { Header, Legend, Picture, Colours, Collision, Links } section = Section::Header;
    bool seen[6] = {};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        std::string problem;
        if (!line.empty() && line[0] == '@') {
            const std::string word = trim(line);
            if (word == "@legend") section = Section::Legend;
            else if (word == "@picture") section = Section::Picture;
            else if (word == "@colours") section = Section::Colours;
            else if (word == "@collision") section = Section::Collision;
            else if (word == "@links") section = Section::Links;
            else {
                error = where(origin, i) + "unknown section " + word;
                return false;
            }
            const auto index = static_cast<std::size_t>(section);
            if (seen[index]) {
                error = where(origin, i) + "section " + word + " given twice";
                return false;
            }
            seen[index] = true;
            continue;
        }
        switch (section) {
        case Section::Header: {
            const std::string t = trim(line);
            if (t.empty() || t[0] == '#') break;
            const auto colon = t.find(':');
            if (colon == std::string::npos) {
                error = where(origin, i) + "a header line is \"key: value\"";
                return false;
            }
            const std::string key = trim(t.substr(0, colon));
            const std::string value = trim(t.substr(colon + 1));
            if (key == "file") out.file = value;
            else if (key == "name") out.name = value;
            else if (key == "size") {
                std::istringstream in(value);
                std::string extra;
                if (!(in >> out.width >> out.height) || (in >> extra) || out.width < 1 || out.height < 0) {
                    error = where(origin, i) + "size is a width and a height";
                    return false;
                }
            } else if (key == "kind") {
                if (value != "panel") {
                    error = where(origin, i) + "the only kind is panel";
                    return false;
                }
                out.panel = true;
            } else if (key == "text") {
                if (!parseHexPair(value, out.textAttr)) {
                    error = where(origin, i) + "text is a colour of two hexadecimal digits";
                    return false;
                }
            } else {
                error = where(origin, i) + "unknown header " + key;
                return false;
            }
            break;
        }
        case Section::Legend: {
            const std::string t = trim(line);
            if (t.empty() || t[0] == '#') break;
            if (!legendLine(t, out.legend, problem)) {
                error = where(origin, i) + problem;
                return false;
            }
            break;
        }
        case Section::Picture:
        case Section::Colours:
        case Section::Collision: {
            std::u32string row;
            if (!decodeRow(line, row)) {
                error = where(origin, i) + "not valid UTF-8";
                return false;
            }
            auto& layer = section == Section::Picture   ? out.picture
                          : section == Section::Colours ? out.colours
                                                        : out.collision;
            layer.push_back(row);
            break;
        }
        case Section::Links: {
            const std::string t = trim(line);
            if (t.empty() || t[0] == '#') break;
            LinkSource link;
            if (!linkLine(t, link, problem)) {
                error = where(origin, i) + problem;
                return false;
            }
            out.links.push_back(link);
            break;
        }
        }
    }
    // Blank lines after the last row of a layer only separate it from the next.
    for (auto* layer : {&out.picture, &out.colours, &out.collision})
        while (!layer->empty() && layer->back().find_first_not_of(U' ') == std::u32string::npos) layer->pop_back();
    if (out.file.empty() || out.name.empty()) {
        error = origin + ": file and name are required";
        return false;
    }
    if (out.picture.empty()) {
        error = origin + ": the map has no @picture";
        return false;
    }
    return true;
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

bool compileMap(const MapSource& src, const Legend& global, std::string& out, std::string& error) {
    const std::string at = src.origin + ": ";
    std::size_t columns = 0;
    for (const auto& row : src.picture) columns = std::max(columns, row.size());
    const int width = src.width >= 0 ? src.width : static_cast<int>(columns) - 1;
    const int height = src.height >= 0 ? src.height : static_cast<int>(src.picture.size()) - 1;
    const auto rows = src.picture.size();
    if (rows > (src.panel ? 5u : 20u)) {
        error = at + "the picture has " + std::to_string(rows) + " rows; the screen gives it " +
                (src.panel ? "5" : "20");
        return false;
    }
    if (width + 1 > 80 || columns > static_cast<std::size_t>(width) + 1) {
        error = at + "the picture is " + std::to_string(columns) + " columns wide; width " + std::to_string(width) +
                " allows " + std::to_string(std::min(width + 1, 80));
        return false;
    }
    if (!src.panel && static_cast<int>(rows) != height + 1) {
        error = at + "height " + std::to_string(height) + " needs " + std::to_string(height + 1) +
                " picture rows, found " + std::to_string(rows);
        return false;
    }
    for (const auto* layer : {&src.colours, &src.collision})
        if (layer->size() > rows) {
            error = at + "a layer has more rows than the picture";
            return false;
        }
    if (src.panel && !src.links.empty()) {
        error = at + "the panel has no links";
        return false;
    }

    auto rule = [&](char32_t glyph) -> GlyphRule {
        auto it = src.legend.glyphs.find(glyph);
        if (it != src.legend.glyphs.end()) return it->second;
        it = global.glyphs.find(glyph);
        if (it != global.glyphs.end()) return it->second;
        return GlyphRule{};
    };
    auto colourLetter = [&](char32_t letter, int& attr) {
        auto it = src.legend.colours.find(letter);
        if (it == src.legend.colours.end()) {
            it = global.colours.find(letter);
            if (it == global.colours.end()) return false;
        }
        attr = it->second;
        return true;
    };

    std::vector<const LinkSource*> byDigit(10, nullptr);
    for (const auto& link : src.links) {
        if (link.digit < 0) continue;
        if (byDigit[static_cast<std::size_t>(link.digit)]) {
            error = at + "link " + std::to_string(link.digit) + " is given twice";
            return false;
        }
        byDigit[static_cast<std::size_t>(link.digit)] = &link;
    }
    std::vector<bool> digitUsed(10, false);

    const std::size_t cols = static_cast<std::size_t>(width) + 1;
    std::string display;
    std::string collision;
    int current = 0x08;  // the exploration loop draws the map in dark grey on black
    for (std::size_t y = 0; y < rows; ++y) {
        std::string line;
        std::string walls;
        for (std::size_t x = 0; x < cols; ++x) {
            const char32_t glyph = cellOf(src.picture, x, y);
            const int byte = unicodeToCp437(glyph);
            const std::string cell = "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
            if (byte < 0 || forbiddenByte(byte)) {
                error = at + "the glyph at " + cell +
                        (byte < 0 ? " is not in code page 437" : " cannot stand in a map row");
                return false;
            }
            const GlyphRule glyphRule = rule(glyph);
            int attr = glyphRule.attr;
            const char32_t letter = cellOf(src.colours, x, y);
            if (letter != U' ' && !colourLetter(letter, attr)) {
                error = at + "the colour letter at " + cell + " is not in the legend";
                return false;
            }
            const bool blank = byte == ' ' || byte == 0xFF;
            if (blank ? (attr >> 4) != (current >> 4) : attr != current) {
                line += escape(attr);
                current = attr;
            }
            line += static_cast<char>(byte);

            const char32_t mark = cellOf(src.collision, x, y);
            char tile = glyphRule.walk ? ' ' : '#';
            if (mark == U'#') tile = '#';
            else if (mark == U'.') tile = ' ';
            else if (mark >= U'0' && mark <= U'9') {
                const auto d = static_cast<std::size_t>(mark - U'0');
                if (!byDigit[d]) {
                    error = at + "link tile " + std::to_string(d) + " at " + cell + " has no link";
                    return false;
                }
                digitUsed[d] = true;
                tile = static_cast<char>(mark);
            } else if (mark != U' ') {
                error = at + "the collision mark at " + cell + " is not '#', '.', a digit or blank";
                return false;
            }
            walls += tile;
        }
        if (src.panel && y + 1 == rows && src.textAttr >= 0 && src.textAttr != current)
            line += escape(src.textAttr);
        display += line + "\n";
        collision += walls + "\n";
    }

    for (std::size_t d = 0; d < 10; ++d) {
        if (byDigit[d] && !digitUsed[d]) {
            error = at + "link " + std::to_string(d) + " (" + byDigit[d]->text + ") has no tile";
            return false;
        }
        if (d > 0 && byDigit[d] && !byDigit[d - 1]) {
            error = at + "links are numbered from 0 without gaps; " + std::to_string(d - 1) + " is missing";
            return false;
        }
    }

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
    out = o.str();
    return true;
}

bool compileFolder(const std::string& sourceDir, std::map<std::string, std::string>& files, std::string& error) {
    namespace fs = std::filesystem;
    auto readAll = [](const fs::path& p, std::string& text) {
        std::ifstream in(p, std::ios::binary);
        if (!in) return false;
        std::ostringstream s;
        s << in.rdbuf();
        text = s.str();
        return true;
    };
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
