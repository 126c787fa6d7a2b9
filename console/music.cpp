#include "console/music.h"

namespace {

class SilentPlayer : public MusicPlayer {
public:
    bool play(const std::string&) override { return false; }
    void stop() override {}
};

MusicPlayer* installed = nullptr;

}  // namespace

void setMusicPlayer(MusicPlayer* player) { installed = player; }

MusicPlayer& musicPlayer() {
    static SilentPlayer silence;
    return installed ? *installed : silence;
}

void playMusic(const String& path) { musicPlayer().play(path.str()); }

void stopSound() { musicPlayer().stop(); }
