#include "console/printable.h"

namespace {

// The length of the valid UTF-8 sequence of a printable character at the
// start of text, or 0 when its first byte must be escaped.
std::size_t printableSequence(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead >= 0x20 && lead < 0x7f) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xbf;  // the range of the second byte
    if (lead >= 0xc2 && lead <= 0xdf) length = 2;
    else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        if (lead == 0xe0) low = 0xa0;   // no overlong forms
        if (lead == 0xed) high = 0x9f;  // no surrogates
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        if (lead == 0xf0) low = 0x90;
        if (lead == 0xf4) high = 0x8f;  // nothing past U+10FFFF
    }
    if (length == 0 || text.size() < length) return 0;
    if (byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xbf) return 0;
    // U+0080 to U+009F are the C1 controls, which some terminals obey.
    if (lead == 0xc2 && byte(1) <= 0x9f) return 0;
    return length;
}

}  // namespace

std::string printable(std::string_view text) {
    static const char hex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        std::size_t length = printableSequence(text);
        if (length > 0) {
            out.append(text.substr(0, length));
        } else {
            const auto b = static_cast<unsigned char>(text[0]);
            out += "\\x";
            out += hex[b >> 4];
            out += hex[b & 15];
            length = 1;
        }
        text.remove_prefix(length);
    }
    return out;
}
