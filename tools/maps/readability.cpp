#include "tools/maps/readability.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "tools/maps/picture.h"

namespace maptools {
namespace {

// Below this contrast ratio a letter blurs into its background: white on
// light grey is 1.3, bright yellow on dark yellow 1.6, white on blue 9.
constexpr double minContrast = 1.75;

// The sixteen colours as common terminals show them (xterm's palette), in
// the console's order: bit 0 blue, bit 1 green, bit 2 red, bit 3 bright.
const unsigned palette[16] = {0x000000, 0x0000EE, 0x00CD00, 0x00CDCD, 0xCD0000, 0xCD00CD, 0xCDCD00, 0xE5E5E5,
                              0x7F7F7F, 0x5C5CFF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

double channel(unsigned value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(int colour) {
    const unsigned rgb = palette[colour & 0xF];
    return 0.2126 * channel((rgb >> 16) & 0xFF) + 0.7152 * channel((rgb >> 8) & 0xFF) +
           0.0722 * channel(rgb & 0xFF);
}

double contrast(int attr) {
    const double a = luminance(attr & 0xF) + 0.05;
    const double b = luminance(attr >> 4) + 0.05;
    return std::max(a, b) / std::min(a, b);
}

bool isLetter(unsigned char c) { return c < 0x80 && std::isalnum(c); }

std::string hex(int attr) {
    const char digits[] = "0123456789ABCDEF";
    return {digits[(attr >> 4) & 0xF], digits[attr & 0xF]};
}

std::string where(const std::string& who, std::size_t x, std::size_t y) {
    return who + " at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

}  // namespace

std::vector<std::string> checkReadable(const Map& map, const std::string& file) {
    std::vector<std::string> faults;
    const std::string who = "\"" + map.getName().str() + "\" (" + file + ")";
    const auto rows = renderRows(map.getLines());
    for (std::size_t y = 0; y < rows.size(); ++y) {
        const auto& row = rows[y];
        // Word by word: a run of letters and digits.
        for (std::size_t x = 0; x < row.size();) {
            if (!isLetter(row[x].ch)) {
                ++x;
                continue;
            }
            const std::size_t start = x;
            std::string word;
            bool oneColour = true;
            for (; x < row.size() && isLetter(row[x].ch); ++x) {
                word += static_cast<char>(row[x].ch);
                oneColour = oneColour && row[x].attr == row[start].attr;
            }
            const std::string what = where(who, start, y) + ": \"" + word + "\"";
            if (!oneColour) faults.push_back(what + " changes colour within the word");
            else if (contrast(row[start].attr) < minContrast)
                faults.push_back(what + " is hard to read in colour " + hex(row[start].attr));
            if (x + 1 < row.size() && row[x].ch >= 0x80 && isLetter(row[x + 1].ch))
                faults.push_back(where(who, x, y) + ": a picture glyph stands between two words");
        }
    }
    return faults;
}

}  // namespace maptools
