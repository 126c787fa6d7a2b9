#include "tools/maps/cp437.h"

#include <array>
#include <unordered_map>

#include "platform/cp437.h"

namespace maptools {
namespace {

// The game's own glyph table read both ways. A blank glyph belongs to the
// space, the first byte to show it.
struct Tables {
    std::array<std::string, 256> utf8;
    std::unordered_map<char32_t, int> byteOf;
    Tables() {
        for (int b = 0; b < 256; ++b) {
            std::string& glyph = utf8[static_cast<std::size_t>(b)];
            glyph = std::string(cp437Utf8(static_cast<unsigned char>(b)));
            std::u32string codePoints;
            std::size_t bad = 0;
            if (b != 0 && decodeUtf8(glyph, codePoints, bad) && codePoints.size() == 1)
                byteOf.emplace(codePoints[0], b);
        }
    }
};

const Tables& tables() {
    static const Tables t;
    return t;
}

}  // namespace

const std::string& cp437ToUtf8(unsigned char byte) { return tables().utf8[byte]; }

int unicodeToCp437(char32_t codePoint) {
    const auto& m = tables().byteOf;
    const auto it = m.find(codePoint);
    return it == m.end() ? -1 : it->second;
}

bool decodeUtf8(const std::string& text, std::u32string& out, std::size_t& badOffset) {
    out.clear();
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t c = 0;
        if (b < 0x80) {
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            extra = 1;
            c = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2;
            c = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3;
            c = b & 0x07;
        } else {
            badOffset = i;
            return false;
        }
        if (i + static_cast<std::size_t>(extra) >= text.size()) {
            badOffset = i;
            return false;
        }
        for (int k = 1; k <= extra; ++k) {
            const auto cb = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((cb & 0xC0) != 0x80) {
                badOffset = i;
                return false;
            }
            c = (c << 6) | (cb & 0x3F);
        }
        out += c;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

std::string bytesToUtf8(const std::string& bytes) {
    std::string s;
    for (char c : bytes) s += cp437ToUtf8(static_cast<unsigned char>(c));
    return s;
}

}  // namespace maptools
