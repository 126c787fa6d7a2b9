// mapview: draws one map and the status panel through the game's console
// layer, as the exploration loop does, and prints the screen as UTF-8 text
// (with ANSI colours unless --plain), for looking at maps outside the game.
//   mapview [--plain] MAPS_DIR "MAP NAME" [X Y]   X Y: where to draw the player

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

#include "console/console.h"
#include "console/host.h"
#include "console/screen.h"
#include "model/game_state.h"
#include "screens/status_panel.h"
#include "tools/maps/cp437.h"
#include "tools/maps/world.h"

namespace {

int ansi(int c) { return ((c & 1) << 2) | (c & 2) | ((c >> 2) & 1); }

// The screen model as UTF-8 lines, each cell's colour as an ANSI escape unless plain.
std::string screenText(bool plain) {
    const ScreenModel& s = screen();
    std::string out;
    int last = -1;
    for (int y = 0; y < ScreenModel::height; ++y) {
        for (int x = 0; x < ScreenModel::width; ++x) {
            const int a = s.attrAt(x, y);
            if (!plain && a != last) {
                const int fg = a & 0xF, bg = a >> 4;
                out += "\x1b[0;" + std::to_string((fg & 8 ? 90 : 30) + ansi(fg & 7)) + ";" +
                       std::to_string((bg & 8 ? 100 : 40) + ansi(bg & 7)) + "m";
                last = a;
            }
            out += maptools::cp437ToUtf8(s.charAt(x, y));
        }
        if (!plain) {
            out += "\x1b[0m";
            last = -1;
        }
        out += "\n";
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    int arg = 1;
    bool plain = false;
    if (argc > 1 && std::string(argv[1]) == "--plain") {
        plain = true;
        ++arg;
    }
    if (argc - arg != 2 && argc - arg != 4) {
        std::cerr << "usage: mapview [--plain] MAPS_DIR \"MAP NAME\" [X Y]\n";
        return 2;
    }
    const maptools::World world = maptools::loadWorld(argv[arg]);
    const int k = world.indexOf(argv[arg + 1]);
    if (k < 0) {
        std::cerr << "no map named \"" << argv[arg + 1] << "\"\n";
        return 1;
    }
    const Map& map = world.map(k);

    // The exploration loop's drawing, step by step.
    bindCoutToScreen();
    setColor(0, 15);
    clearScreen();
    gotoXY(0, 0);
    setColor(0, 8);
    printBlock(std::cout, map.getLines());
    std::cout << '\n';
    if (argc - arg == 4) {
        gotoXY(std::stoi(argv[arg + 2]), std::stoi(argv[arg + 3]));
        setColor(0, 14);
        std::cout << '\x02';
    } else {
        setColor(0, 14);
    }
    const GameState newGame;  // the panel shows a new game's values
    drawStatusPanel(world.panel, newGame.player, newGame.possessions);
    std::cout.flush();

    const std::string out = screenText(plain);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}
