#include "tools/maps/gamemap.h"

#include <cctype>

namespace maptools {

bool GameMap::inLayer(int x, int y) const {
    return y >= 0 && x >= 0 && y < static_cast<int>(collision.size()) &&
           x < static_cast<int>(collision[static_cast<std::size_t>(y)].size());
}

char GameMap::tile(int x, int y) const {
    return inLayer(x, y) ? collision[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] : '\0';
}

bool GameMap::isStandable(int x, int y) const {
    return x < width && y < height && x >= 0 && y >= 0 && isFloor(x, y);
}

std::string GameMap::linkAt(int x, int y) const {
    const char t = tile(x, y);
    if (t < '0' || t > '9') return "";
    const auto d = static_cast<std::size_t>(t - '0');
    return d < links.size() ? links[d] : "";
}

int GameMap::linkIndex(const std::string& text) const {
    for (std::size_t i = 0; i < links.size(); ++i)
        if (links[i] == text) return static_cast<int>(i);
    return -1;
}

namespace {

// A text-mode input stream as the game's reader sees it.
class Reader {
public:
    explicit Reader(const std::string& text) {
        for (std::size_t i = 0; i < text.size(); ++i)
            if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) data += text[i];
    }
    bool eof() const { return atEnd; }
    int line() const { return lineNo; }

    // The game's line reader: one line break waiting from an earlier read is
    // skipped, then the line runs to the next break (consumed, not stored).
    std::string getline() {
        std::string s;
        if (pos < data.size() && data[pos] == '\n') {
            ++pos;
            ++lineNo;
        }
        while (true) {
            if (pos >= data.size()) {
                atEnd = true;
                return s;
            }
            const char c = data[pos++];
            if (c == '\n') {
                ++lineNo;
                return s;
            }
            s += c;
        }
    }

    // A formatted integer read: white space skipped, then an optional sign and digits.
    bool number(long long& value) {
        while (pos < data.size() && std::isspace(static_cast<unsigned char>(data[pos]))) {
            if (data[pos] == '\n') ++lineNo;
            ++pos;
        }
        if (pos >= data.size()) {
            atEnd = true;
            return false;
        }
        std::size_t p = pos;
        bool negative = false;
        if (data[p] == '-' || data[p] == '+') negative = data[p++] == '-';
        if (p >= data.size() || !std::isdigit(static_cast<unsigned char>(data[p]))) return false;
        value = 0;
        while (p < data.size() && std::isdigit(static_cast<unsigned char>(data[p]))) {
            value = value * 10 + (data[p] - '0');
            if (value > 1LL << 40) return false;
            ++p;
        }
        if (negative) value = -value;
        pos = p;
        if (pos >= data.size()) atEnd = true;
        return true;
    }

private:
    std::string data;
    std::size_t pos = 0;
    bool atEnd = false;
    int lineNo = 1;
};

}  // namespace

bool parseGameMap(const std::string& text, GameMap& map, std::string& error) {
    const std::string file = map.file;
    map = GameMap{};
    map.file = file;
    Reader in(text);
    map.name = in.getline();
    long long w = 0, h = 0;
    if (!in.number(w) || !in.number(h) || w < -2147483648LL || w > 2147483647LL ||
        h < -2147483648LL || h > 2147483647LL) {
        error = file + ": line " + std::to_string(in.line()) + ": width and height are not numbers";
        return false;
    }
    map.width = static_cast<int>(w);
    map.height = static_cast<int>(h);
    while (!in.eof()) {
        std::string line = in.getline();
        if (line == "end map") break;
        map.lines.push_back(line);
    }
    while (!in.eof()) {
        std::string line = in.getline();
        if (line == "end collision") break;
        map.collision.push_back(line);
    }
    while (!in.eof()) {
        std::string line = in.getline();
        if (line == "end links") break;
        long long x = 0, y = 0;
        if (!in.number(x) || !in.number(y) || x < -32768 || x > 32767 || y < -32768 || y > 32767) {
            error = file + ": line " + std::to_string(in.line()) + ": the link \"" + line +
                    "\" has no position of two 16-bit numbers";
            return false;
        }
        map.links.push_back(line);
        map.targets.push_back(Target{static_cast<int>(x), static_cast<int>(y)});
    }
    return true;
}

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;
}

// Walks the rows as the colour-escape printer does.
int walkRows(const std::vector<std::string>& rows, int attr, std::vector<std::vector<Cell>>* out) {
    for (const auto& row : rows) {
        std::vector<Cell> cells;
        for (std::size_t i = 0; i < row.size();) {
            if (row[i] == '%' && i + 3 < row.size()) {
                if (row[i + 1] == 'C' || row[i + 1] == 'c') {
                    attr = hexValue(row[i + 2]) * 16 + hexValue(row[i + 3]);
                    i += 4;
                } else {
                    ++i;
                }
                continue;
            }
            cells.push_back(Cell{static_cast<unsigned char>(row[i]), attr});
            ++i;
        }
        if (out) out->push_back(cells);
    }
    return attr;
}

}  // namespace

int finalAttr(const std::vector<std::string>& rows, int startAttr) {
    return walkRows(rows, startAttr, nullptr);
}

std::vector<std::vector<Cell>> renderRows(const std::vector<std::string>& rows, int startAttr) {
    std::vector<std::vector<Cell>> out;
    walkRows(rows, startAttr, &out);
    return out;
}

}  // namespace maptools
