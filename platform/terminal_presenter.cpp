#include "platform/terminal_presenter.h"

#include "platform/cp437.h"

namespace {

// The console numbers colours with bit 0 blue and bit 2 red; ANSI the other way round.
int ansiOrder(int colour) { return ((colour & 1) << 2) | (colour & 2) | ((colour >> 2) & 1); }

void appendNumber(std::string& out, int n) {
    if (n >= 100) out += static_cast<char>('0' + n / 100);
    if (n >= 10) out += static_cast<char>('0' + n / 10 % 10);
    out += static_cast<char>('0' + n % 10);
}

// Terminals that know it show a frame sent between these as one picture.
const char beginSynchronized[] = "\x1b[?2026h";
const char endSynchronized[] = "\x1b[?2026l";

}  // namespace

int TerminalPresenter::ansiForeground(int colour) { return ((colour & 8) ? 90 : 30) + ansiOrder(colour & 7); }

int TerminalPresenter::ansiBackground(int colour) { return ((colour & 8) ? 100 : 40) + ansiOrder(colour & 7); }

void TerminalPresenter::moveTo(std::string& out, int x, int y) {
    if (x == cursorX && y == cursorY) return;
    std::string move = "\x1b[";
    if (x > 0 || y > 0) appendNumber(move, y + 1);
    if (x > 0) {
        move += ';';
        appendNumber(move, x + 1);
    }
    move += 'H';
    // A short gap on the same row is crossed by writing its unchanged cells
    // again, when they are in the colour in force and that is shorter.
    if (y == cursorY && cursorX >= 0 && x > cursorX) {
        std::string fill;
        for (int i = cursorX; i < x && fill.size() < move.size(); ++i) {
            if (shown[y][i].attr != attr) {
                fill = move;
                break;
            }
            putGlyph(fill, shown[y][i].ch);
        }
        if (fill.size() < move.size()) move = fill;
    }
    out += move;
    cursorX = x;
    cursorY = y;
}

void TerminalPresenter::setAttr(std::string& out, int a) {
    if (a == attr) return;
    const bool fgChanged = attr < 0 || (a & 0x0F) != (attr & 0x0F);
    const bool bgChanged = attr < 0 || (a & 0xF0) != (attr & 0xF0);
    out += "\x1b[";
    if (fgChanged) appendNumber(out, ansiForeground(a & 0x0F));
    if (fgChanged && bgChanged) out += ';';
    if (bgChanged) appendNumber(out, ansiBackground(a >> 4));
    out += 'm';
    attr = a;
}

void TerminalPresenter::putGlyph(std::string& out, unsigned char ch) {
    if (utf8) out.append(cp437Utf8(ch));
    else out += cp437Ascii(ch);
}

std::string TerminalPresenter::frame(const ScreenModel& model) {
    std::string out;
    const bool full = !valid;
    if (full) {
        // Clear in the default colours so that a terminal larger than the
        // game shows nothing but the game.
        out += beginSynchronized;
        out += "\x1b[0m\x1b[2J";
        attr = -1;
        cursorX = cursorY = -1;
    }
    for (int y = 0; y < ScreenModel::height; ++y) {
        for (int x = 0; x < ScreenModel::width; ++x) {
            const Cell& c = model.cell(x, y);
            if (!full && c == shown[y][x]) continue;
            moveTo(out, x, y);
            setAttr(out, c.attr);
            putGlyph(out, c.ch);
            shown[y][x] = c;
            // After the last column the cursor waits to wrap; where it goes
            // next differs between terminals, so the next cell moves it.
            if (++cursorX >= ScreenModel::width) cursorX = cursorY = -1;
        }
    }
    if (full) out += endSynchronized;
    valid = true;
    return out;
}
