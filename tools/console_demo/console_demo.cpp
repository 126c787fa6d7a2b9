// A small program that shows the console layer on the real terminal: a
// colour test card with code page 437 glyphs, a menu and the number field.
// The terminal tests drive it; choosing Quit ends it.

#include <exception>
#include <iostream>
#include <string>

#include "console/console.h"
#include "console/errors.h"
#include "console/host.h"
#include "console/menu.h"
#include "console/quit.h"
#include "program/program.h"
#include "platform/game_host.h"

namespace {

// Installs a host for the lifetime of a scope.
class HostInstallation {
public:
    explicit HostInstallation(Host& h) { setHost(&h); }
    ~HostInstallation() { setHost(nullptr); }
    HostInstallation(const HostInstallation&) = delete;
    HostInstallation& operator=(const HostInstallation&) = delete;
};

void drawTestCard(bool exactKeys) {
    setColor(0, 15);
    clearScreen();
    gotoXY(36, 1);
    setColor(0, 14);
    std::cout << "DRIFTER";

    // Every background with its number, then every foreground on black.
    gotoXY(4, 3);
    for (int c = 0; c < 16; ++c) {
        setColor(c, c == 0 || c == 8 ? 15 : 0);
        std::cout << ' ' << (c < 10 ? " " : "") << c << ' ';
    }
    gotoXY(4, 4);
    for (int c = 0; c < 16; ++c) {
        setColor(0, c);
        std::cout << "\xDB\xDB\xB2\xB1";
    }

    // Faces and hearts, shades, a block, single and double lines.
    const char glyphs[] = "\x01\x02\x03 \xB0\xB1\xB2 \xDB \xC4\xB3\xDA\xC9\xCD\xBA";
    setColor(0, 7);
    gotoXY(4, 6);
    std::cout << "Glyphs: ";
    setColor(0, 15);
    std::cout << glyphs;

    // A double-lined frame around the menu.
    setColor(0, 9);
    gotoXY(26, 9);
    std::cout << '\xC9' << std::string(26, '\xCD') << '\xBB';
    for (int y = 10; y < 16; ++y) {
        gotoXY(26, y);
        std::cout << '\xBA' << std::string(26, ' ') << '\xBA';
    }
    gotoXY(26, 16);
    std::cout << '\xC8' << std::string(26, '\xCD') << '\xBC';

    setColor(0, 8);
    gotoXY(4, 23);
    std::cout << (exactKeys ? "Keys: exact (the terminal reports releases)" : "Keys: presses and repeats");
    setColor(0, 15);
}

void askForNumber() {
    setColor(0, 15);
    gotoXY(4, 18);
    std::cout << "Type a number and press Enter (Escape gives 0):                            ";
    gotoXY(4, 20);
    std::cout << std::string(70, ' ');
    const std::uint32_t n = readNumber(52, 18);
    gotoXY(4, 20);
    std::cout << "You typed " << n << '.';
}

void runDemo() {
    GameHost terminal;
    HostInstallation installed(terminal);
    drawTestCard(terminal.exactKeys());
    for (;;) {
        Array<String> options;
        options.append(" Type a number ");
        options.append(" Quit          ");
        gotoXY(29, 11);
        const int choice = menu("%C0BChoose with the arrows", options, false);
        if (choice == 1) throw QuitGame{};
        askForNumber();
    }
}

}  // namespace

int main() {
    return exitStatusOf([] {
        bindCoutToScreen();
        runDemo();
        return 0;
    });
}
