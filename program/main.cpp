// DRIFTER: the program's entry. The game runs on the real terminal with its
// music; every way out restores the terminal (program/program.h).

#include "console/host.h"
#include "console/music.h"
#include "program/program.h"
#include "screens/start_up.h"
#include "platform/music_device.h"
#include "platform/terminal_host.h"

namespace {

int play() {
    bindCoutToScreen();
    TerminalHost terminal;
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

int main() { return exitStatusOf(play); }
