#include "console/music.h"

namespace {

class SilentPlayer : public MusicPlayer {
public:
    bool play(const std::string&) override { return false; }
    void stop() override {}
};

MusicPlayer* installedPlayer = nullptr;

}  // namespace

void setMusicPlayer(MusicPlayer* player) { installedPlayer = player; }

MusicPlayer& musicPlayer() {
    static SilentPlayer silence;
    return installedPlayer ? *installedPlayer : silence;
}

void playMusic(const String& path) { musicPlayer().play(path.str()); }

void stopSound() { musicPlayer().stop(); }
