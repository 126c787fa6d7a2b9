#pragma once
// The music behind playMusic/stopSound: one tune looping at a time over
// whatever sound device the machine has, or silence when it has none. A tune
// is the wave file the game names when the data folder holds one (a player's
// own music), otherwise it is made from the note file of the same name.

#include <filesystem>
#include <memory>
#include <mutex>
#include <string>

#include "console/music.h"
#include "platform/tune_cache.h"

// The few things asked of a sound device. A Track is the device's handle of
// one loaded file; nullptr means nothing could be loaded.
class SoundDevice {
public:
    using Track = void*;
    virtual ~SoundDevice() = default;
    // Opens the output; false when the machine has no usable sound device.
    virtual bool open() = 0;
    // Loads a file ready to play; nullptr for a missing or unreadable file.
    virtual Track load(const std::string& path) = 0;
    // Starts the track looping forever; false when it cannot start.
    virtual bool playLooping(Track track) = 0;
    // Silences the output at once.
    virtual void halt() = 0;
    // Releases a loaded track (halted first if it plays).
    virtual void free(Track track) = 0;
};

// The music rules over a device: a new play replaces the old one at once, a
// file that cannot be played leaves silence, stop silences, and nothing ever
// waits or prints. The device is opened once, when the player is made. A tune
// still being made from its notes starts when it is made, unless another play
// or a stop came first.
class DeviceMusicPlayer : public MusicPlayer {
public:
    // Tunes made from notes are kept in cacheFolder. Without one the device
    // is handed the game's paths as they are (the browser page makes the
    // tunes itself).
    explicit DeviceMusicPlayer(std::unique_ptr<SoundDevice> device, std::filesystem::path cacheFolder = {});
    ~DeviceMusicPlayer() override;
    DeviceMusicPlayer(const DeviceMusicPlayer&) = delete;
    DeviceMusicPlayer& operator=(const DeviceMusicPlayer&) = delete;

    // True when the device opened.
    bool available() const { return opened; }
    // Takes a game path (".\Music\Wolfman.wav"), found regardless of case.
    bool play(const std::string& path) override;
    void stop() override;

private:
    bool start(const std::string& file);
    void silence();
    void made(const std::string& notes, const std::string& wave);

    std::unique_ptr<SoundDevice> device;
    bool opened = false;
    bool makesTunes;
    std::mutex lock;  // the rendering thread starts a tune it made
    SoundDevice::Track current = nullptr;
    std::string awaited;  // the note file whose tune is to start once made
    TuneCache tunes;      // last: its thread ends before the rest goes
};

// The machine's music player: the SDL player when the sound device opens,
// otherwise nullptr, which leaves the console's silent player in place.
// Cheap to call and never slow when sound fails.
std::unique_ptr<MusicPlayer> makeMusicPlayer();
