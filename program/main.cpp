// DRIFTER: the program's entry. The game runs on the real terminal (the
// console on Windows, a page in a browser) with its music; every way out
// restores it (program/program.h).

#include <cstring>
#include <iostream>

#include "console/host.h"
#include "console/music.h"
#include "program/program.h"
#include "screens/start_up.h"
#include "platform/game_folders.h"
#include "platform/music_device.h"
#include "platform/game_host.h"

namespace {

const char* const usage = "Usage: drifter [--help | --version]\n";

const char* const help =
    "Usage: drifter [--help | --version]\n"
    "DRIFTER, a text-mode role-playing game for a terminal of 80x25 or more.\n"
    "\n"
    "Keys: the arrows walk and move the highlight, Enter chooses, Escape pauses,\n"
    "the digits and Backspace type an amount.\n"
    "\n"
    "Data: maps/ and Music/ are looked for in $DRIFTER_DATA, in the working folder,\n"
    "then in ../share/drifter beside the program.\n"
    "Saved games: save/ beside maps/ when the game runs from its own folder, else\n"
    "$XDG_DATA_HOME/drifter/save (by default ~/.local/share/drifter/save).\n"
    "\n"
    "More in drifter(6).\n";

// The only arguments the program takes; each prints its text and ends.
struct Answer {
    const char* argument;
    const char* text;
};
const Answer answers[] = {{"--help", help}, {"--version", "drifter " DRIFTER_VERSION "\n"}};

// Never touches the terminal: the game has not started.
int answerArguments(int argc, char** argv) {
    for (const Answer& answer : answers)
        if (argc == 2 && std::strcmp(argv[1], answer.argument) == 0) {
            if (std::cout << answer.text << std::flush) return 0;
            std::cerr << "drifter: the answer could not be written to standard output\n";
            return 1;
        }
    std::cerr << "drifter: unknown argument\n" << usage;
    return 2;
}

int play() {
    useGameFolders(findGameFolders(systemClues()));
    bindCoutToScreen();
    GameHost host;
    setHost(&host);
    const auto music = makeMusicPlayer();
    setMusicPlayer(music.get());
    struct Uninstall {
        ~Uninstall() {
            setMusicPlayer(nullptr);
            setHost(nullptr);
        }
    } uninstall;
    return startUp();
}

}  // namespace

int main(int argc, char** argv) {
    return argc > 1 ? answerArguments(argc, argv) : showGameEnded(exitStatusOf(play));
}
