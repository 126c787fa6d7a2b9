#include "console/screen.h"

void ScreenModel::put(char c) {
    if (c == '\n') {
        cx = 0;
        ++cy;
        return;
    }
    if (cx >= 0 && cx < width && cy >= 0 && cy < height)
        cells[cy][cx] = Cell{static_cast<unsigned char>(c), current};
    if (++cx >= width) {
        cx = 0;
        ++cy;
    }
}

void ScreenModel::moveCursor(int x, int y) {
    cx = x;
    cy = y;
}

void ScreenModel::clear() {
    for (auto& row : cells)
        for (auto& c : row) c = Cell{' ', current};
    cx = 0;
    cy = 0;
}

std::string ScreenModel::rowText(int y) const {
    std::string s;
    for (int x = 0; x < width; ++x) s += static_cast<char>(cells[y][x].ch);
    return s;
}

bool ScreenModel::find(const std::string& text, int& x, int& y) const {
    for (int row = 0; row < height; ++row) {
        const auto at = rowText(row).find(text);
        if (at != std::string::npos) {
            x = static_cast<int>(at);
            y = row;
            return true;
        }
    }
    return false;
}
