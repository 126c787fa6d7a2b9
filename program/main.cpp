// DRIFTER: the program's entry. The game runs on the real terminal (the
// console on Windows) with its music; every way out restores it
// (program/program.h).

#include <iostream>
#include <string>

#include "console/host.h"
#include "console/music.h"
#include "program/program.h"
#include "screens/start_up.h"
#include "platform/music_device.h"
#include "platform/game_host.h"

namespace {

int play() {
    bindCoutToScreen();
    GameHost terminal;
    setHost(&terminal);
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
    // Answered without taking over the console, so that scripts can ask.
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::cout << "DRIFTER\n";
        return 0;
    }
    return exitStatusOf(play);
}
