#include "platform/windows_cells.h"

#include <algorithm>
#include <array>

#include "platform/cp437.h"

namespace {

// The code point of a UTF-8 glyph of at most three bytes.
char16_t decodeUtf8(std::string_view s) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned>(static_cast<unsigned char>(s[i])); };
    if (s.size() == 1) return static_cast<char16_t>(byte(0));
    if (s.size() == 2) return static_cast<char16_t>(((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F));
    return static_cast<char16_t>(((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F));
}

// The one glyph table (platform/cp437.h), once in UTF-16.
std::array<char16_t, 256> makeGlyphs() {
    std::array<char16_t, 256> glyphs{};
    for (int b = 0; b < 256; ++b)
        glyphs[static_cast<std::size_t>(b)] = decodeUtf8(cp437Utf8(static_cast<unsigned char>(b)));
    return glyphs;
}

}  // namespace

char16_t WindowsCells::glyph(unsigned char b) {
    static const std::array<char16_t, 256> glyphs = makeGlyphs();
    return glyphs[b];
}

CellPatch WindowsCells::frame(const ScreenModel& model) {
    CellPatch patch;
    patch.left = ScreenModel::width;
    patch.top = ScreenModel::height;
    for (int y = 0; y < ScreenModel::height; ++y)
        for (int x = 0; x < ScreenModel::width; ++x) {
            if (valid && model.cell(x, y) == shown[y][x]) continue;
            patch.left = std::min(patch.left, x);
            patch.right = std::max(patch.right, x);
            patch.top = std::min(patch.top, y);
            patch.bottom = std::max(patch.bottom, y);
        }
    valid = true;
    if (patch.right < 0) return CellPatch{};
    for (int y = patch.top; y <= patch.bottom; ++y)
        for (int x = patch.left; x <= patch.right; ++x) {
            const Cell& c = model.cell(x, y);
            patch.cells.push_back(ConsoleCell{glyph(c.ch), c.attr});
            shown[y][x] = c;
        }
    return patch;
}

CellPatch WindowsCells::centredLines(const std::vector<std::string>& lines, int columns, int rows) {
    CellPatch patch;
    if (columns <= 0 || rows <= 0) return patch;
    patch.right = columns - 1;
    patch.bottom = rows - 1;
    patch.cells.assign(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), ConsoleCell{u' ', 0x07});
    const int top = std::max(0, (rows - static_cast<int>(lines.size())) / 2);
    for (int i = 0; i < static_cast<int>(lines.size()) && top + i < rows; ++i) {
        const std::string& line = lines[static_cast<std::size_t>(i)];
        const int length = std::min(columns, static_cast<int>(line.size()));
        const int left = (columns - length) / 2;
        for (int x = 0; x < length; ++x)
            patch.cells[static_cast<std::size_t>((top + i) * columns + left + x)].glyph =
                glyph(static_cast<unsigned char>(line[static_cast<std::size_t>(x)]));
    }
    return patch;
}
