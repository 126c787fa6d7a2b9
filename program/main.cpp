// DRIFTER: the program's entry. The game runs on the real terminal (the
// console on Windows, a page in a browser) with its music; every way out
// restores it (program/program.h).

#include <cstring>
#include <iostream>
#include <string>

#include "console/host.h"
#include "console/key_bindings.h"
#include "console/music.h"
#include "console/printable.h"
#include "program/program.h"
#include "screens/start_up.h"
#include "platform/game_folders.h"
#include "platform/key_file.h"
#include "platform/music_device.h"
#include "platform/game_host.h"
#include "platform/recording.h"

namespace {

const char* const usage = "Usage: drifter [--help | --version | --keys | --record FILE]\n";

const char* const help =
    "Usage: drifter [--help | --version | --keys | --record FILE]\n"
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
    "  --keys         print the keys in force: the built-in h j k l and W A S D\n"
    "                 beside the arrows, F1 and ? for help, as keys.conf in\n"
    "                 $XDG_CONFIG_HOME/drifter (~/.config/drifter) changes them\n"
    "  --record FILE  also write what the game shows to FILE, an asciicast that\n"
    "                 asciinema play FILE replays\n"
    "\n"
    "More in drifter(6).\n";

// The arguments that print their text and end.
struct Answer {
    const char* argument;
    const char* text;
};
const Answer answers[] = {{"--help", help}, {"--version", "drifter " DRIFTER_VERSION "\n"}};

bool says(std::ostream& out, const std::string& text) {
    if (out << text << std::flush) return true;
    std::cerr << "drifter: the answer could not be written to standard output\n";
    return false;
}

// The bindings in force, and what was wrong with the keys file.
int printKeys() {
    std::string text;
    for (const std::string& line : keyBindings().lines()) text += line + '\n';
    // The file's own text is quoted: its control bytes are escaped.
    for (const std::string& problem : keyFileProblems()) std::cerr << "drifter: " << printable(problem) << '\n';
    return says(std::cout, text) ? 0 : 1;
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

// Plays with a recording; a recording that stopped early is told once the
// terminal is restored, and never ends the game.
int playRecorded(const char* file) {
    std::string why;
    if (!startRecording(file, why)) {
        std::cerr << "drifter: " << printable(why) << '\n';
        return 1;
    }
    const int status = exitStatusOf(play);
    why = stopRecording();
    if (!why.empty()) std::cerr << "drifter: " << printable(why) << '\n';
    return status;
}

// Never touches the terminal unless the game is played.
int answerArguments(int argc, char** argv) {
    for (const Answer& answer : answers)
        if (argc == 2 && std::strcmp(argv[1], answer.argument) == 0) return says(std::cout, answer.text) ? 0 : 1;
    if (argc == 2 && std::strcmp(argv[1], "--keys") == 0) return printKeys();
    if (argc == 3 && std::strcmp(argv[1], "--record") == 0) return playRecorded(argv[2]);
    std::cerr << "drifter: unknown argument\n" << usage;
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    readKeysFile(keysFilePath(systemClues()));
    return argc > 1 ? answerArguments(argc, argv) : showGameEnded(exitStatusOf(play));
}
