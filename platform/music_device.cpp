#include "platform/music_device.h"

#include "platform/files.h"

#if DRIFTER_SOUND
#include "platform/sdl_sound.h"
#elif defined(_WIN32)
#include "platform/windows_sound.h"
#elif defined(__EMSCRIPTEN__)
#include "platform/web_sound.h"
#endif

DeviceMusicPlayer::DeviceMusicPlayer(std::unique_ptr<SoundDevice> dev) : device(std::move(dev)) {
    opened = device && device->open();
}

DeviceMusicPlayer::~DeviceMusicPlayer() { stop(); }

bool DeviceMusicPlayer::play(const std::string& path) {
    stop();
    if (!opened) return false;
    SoundDevice::Track track = device->load(resolveGamePath(path));
    if (!track) return false;
    if (!device->playLooping(track)) {
        device->free(track);
        return false;
    }
    current = track;
    return true;
}

void DeviceMusicPlayer::stop() {
    if (!current) return;
    device->halt();
    device->free(current);
    current = nullptr;
}

std::unique_ptr<MusicPlayer> makeMusicPlayer() {
#if DRIFTER_SOUND
    auto player = std::make_unique<DeviceMusicPlayer>(makeSdlSoundDevice());
    if (player->available()) return player;
#elif defined(_WIN32)
    auto player = std::make_unique<DeviceMusicPlayer>(makeWinmmSoundDevice());
    if (player->available()) return player;
#elif defined(__EMSCRIPTEN__)
    return std::make_unique<DeviceMusicPlayer>(makeWebSoundDevice());
#endif
    return nullptr;
}
