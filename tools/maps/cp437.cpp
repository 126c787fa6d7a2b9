#include "tools/maps/cp437.h"

#include <array>
#include <unordered_map>

namespace maptools {
namespace {

// The glyphs of bytes 0x00-0x1F and 0x7F-0xFF; 0x20-0x7E are ASCII.
const char32_t kLow[32] = {
    U' ',     U'\u263A', U'\u263B', U'\u2665', U'\u2666', U'\u2663', U'\u2660', U'\u2022',
    U'\u25D8', U'\u25CB', U'\u25D9', U'\u2642', U'\u2640', U'\u266A', U'\u266B', U'\u263C',
    U'\u25BA', U'\u25C4', U'\u2195', U'\u203C', U'\u00B6', U'\u00A7', U'\u25AC', U'\u21A8',
    U'\u2191', U'\u2193', U'\u2192', U'\u2190', U'\u221F', U'\u2194', U'\u25B2', U'\u25BC'};

const char32_t kHigh[129] = {
    U'\u2302',
    // 0x80
    U'Ç', U'ü', U'é', U'â', U'ä', U'à', U'å', U'ç', U'ê', U'ë', U'è', U'ï', U'î', U'ì', U'Ä', U'Å',
    // 0x90
    U'É', U'æ', U'Æ', U'ô', U'ö', U'ò', U'û', U'ù', U'ÿ', U'Ö', U'Ü', U'¢', U'£', U'¥', U'\u20A7',
    U'\u0192',
    // 0xA0
    U'á', U'í', U'ó', U'ú', U'ñ', U'Ñ', U'ª', U'º', U'¿', U'\u2310', U'¬', U'½', U'¼', U'¡', U'«',
    U'»',
    // 0xB0
    U'\u2591', U'\u2592', U'\u2593', U'\u2502', U'\u2524', U'\u2561', U'\u2562', U'\u2556',
    U'\u2555', U'\u2563', U'\u2551', U'\u2557', U'\u255D', U'\u255C', U'\u255B', U'\u2510',
    // 0xC0
    U'\u2514', U'\u2534', U'\u252C', U'\u251C', U'\u2500', U'\u253C', U'\u255E', U'\u255F',
    U'\u255A', U'\u2554', U'\u2569', U'\u2566', U'\u2560', U'\u2550', U'\u256C', U'\u2567',
    // 0xD0
    U'\u2568', U'\u2564', U'\u2565', U'\u2559', U'\u2558', U'\u2552', U'\u2553', U'\u256B',
    U'\u256A', U'\u2518', U'\u250C', U'\u2588', U'\u2584', U'\u258C', U'\u2590', U'\u2580',
    // 0xE0
    U'\u03B1', U'ß', U'\u0393', U'\u03C0', U'\u03A3', U'\u03C3', U'µ', U'\u03C4', U'\u03A6',
    U'\u0398', U'\u03A9', U'\u03B4', U'\u221E', U'\u03C6', U'\u03B5', U'\u2229',
    // 0xF0
    U'\u2261', U'±', U'\u2265', U'\u2264', U'\u2320', U'\u2321', U'÷', U'\u2248', U'°', U'\u2219',
    U'·', U'\u221A', U'\u207F', U'²', U'\u25A0', U'\u00A0'};

char32_t glyphOf(int byte) {
    if (byte < 0x20) return kLow[byte];
    if (byte < 0x7F) return static_cast<char32_t>(byte);
    return kHigh[byte - 0x7F];
}

std::string encodeUtf8(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

struct Tables {
    std::array<std::string, 256> utf8;
    std::unordered_map<char32_t, int> byteOf;
    Tables() {
        for (int b = 0; b < 256; ++b) {
            utf8[static_cast<std::size_t>(b)] = encodeUtf8(glyphOf(b));
            if (b != 0) byteOf.emplace(glyphOf(b), b);
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
