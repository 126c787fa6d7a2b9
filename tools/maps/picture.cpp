#include "tools/maps/picture.h"

#include "console/console.h"

namespace maptools {
namespace {

// A '%' at i: "%Cxx" sets the colour (4 bytes read), any other '%' is skipped.
std::uint32_t colourEscape(const String& row, std::uint32_t i, int& attr) {
    if (row.at(i + 1) != 'C' && row.at(i + 1) != 'c') return 1;
    attr = hexDigitValue(row.at(i + 2)) * 16 + hexDigitValue(row.at(i + 3));
    return 4;
}

// Walks the rows as the colour-escape printer does.
int walkRows(const Array<String>& rows, int attr, std::vector<std::vector<Cell>>* out) {
    for (const String& row : rows) {
        std::vector<Cell> cells;
        for (std::uint32_t i = 0; i < row.length();) {
            if (row.at(i) == '%' && i + 3 < row.length()) {
                i += colourEscape(row, i, attr);
                continue;
            }
            cells.push_back(Cell{static_cast<unsigned char>(row.at(i)), attr});
            ++i;
        }
        if (out) out->push_back(cells);
    }
    return attr;
}

}  // namespace

int finalAttr(const Array<String>& rows, int startAttr) { return walkRows(rows, startAttr, nullptr); }

std::vector<std::vector<Cell>> renderRows(const Array<String>& rows, int startAttr) {
    std::vector<std::vector<Cell>> out;
    walkRows(rows, startAttr, &out);
    return out;
}

}  // namespace maptools
