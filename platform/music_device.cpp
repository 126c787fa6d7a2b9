#include "platform/music_device.h"

#include "platform/files.h"
#include "platform/game_folders.h"

#if DRIFTER_SOUND
#include "platform/sdl_sound.h"
#elif defined(_WIN32)
#include "platform/windows_sound.h"
#elif defined(__EMSCRIPTEN__)
#include "platform/web_sound.h"
#endif

namespace fs = std::filesystem;

namespace {

// ".\Music\battle.wav" -> ".\Music\battle.notes"
std::string notesOf(const std::string& path) {
    const std::size_t dot = path.find_last_of('.');
    const std::size_t slash = path.find_last_of("\\/");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path + ".notes";
    return path.substr(0, dot) + ".notes";
}

bool isFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(fs::u8path(path), ec);
}

}  // namespace

DeviceMusicPlayer::DeviceMusicPlayer(std::unique_ptr<SoundDevice> dev, fs::path cacheFolder)
    : device(std::move(dev)),
      makesTunes(!cacheFolder.empty()),
      tunes(std::move(cacheFolder),
            [this](const std::string& notes, const std::string& wave) { made(notes, wave); }) {
    opened = device && device->open();
}

DeviceMusicPlayer::~DeviceMusicPlayer() { stop(); }

bool DeviceMusicPlayer::play(const std::string& path) {
    std::lock_guard<std::mutex> hold(lock);
    silence();
    if (!opened) return false;
    const std::string file = resolveGamePath(path);
    const std::string notes = resolveGamePath(notesOf(path));
    if (!makesTunes || isFile(file) || !isFile(notes)) return start(file);
    const TuneCache::Lookup tune = tunes.find(notes);
    if (tune.state == TuneCache::State::Made) return start(tune.wave);
    if (tune.state == TuneCache::State::Coming) awaited = notes;
    return tune.state == TuneCache::State::Coming;
}

void DeviceMusicPlayer::stop() {
    std::lock_guard<std::mutex> hold(lock);
    silence();
}

bool DeviceMusicPlayer::start(const std::string& file) {
    SoundDevice::Track track = device->load(file);
    if (!track) return false;
    if (!device->playLooping(track)) {
        device->free(track);
        return false;
    }
    current = track;
    return true;
}

void DeviceMusicPlayer::silence() {
    awaited.clear();
    if (!current) return;
    device->halt();
    device->free(current);
    current = nullptr;
}

void DeviceMusicPlayer::made(const std::string& notes, const std::string& wave) {
    std::lock_guard<std::mutex> hold(lock);
    if (notes != awaited) return;
    awaited.clear();
    start(wave);
}

std::unique_ptr<MusicPlayer> makeMusicPlayer() {
#if DRIFTER_SOUND
    auto player = std::make_unique<DeviceMusicPlayer>(makeSdlSoundDevice(), gameFolders().cache);
    if (player->available()) return player;
#elif defined(_WIN32)
    auto player = std::make_unique<DeviceMusicPlayer>(makeWinmmSoundDevice(), gameFolders().cache);
    if (player->available()) return player;
#elif defined(__EMSCRIPTEN__)
    return std::make_unique<DeviceMusicPlayer>(makeWebSoundDevice());
#endif
    return nullptr;
}
