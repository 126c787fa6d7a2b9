#pragma once
// The music behind playMusic/stopSound: one wave file looping at a time over
// whatever sound device the machine has, or silence when it has none.

#include <memory>
#include <string>

#include "console/music.h"

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
// waits or prints. The device is opened once, when the player is made.
class DeviceMusicPlayer : public MusicPlayer {
public:
    explicit DeviceMusicPlayer(std::unique_ptr<SoundDevice> device);
    ~DeviceMusicPlayer() override;
    DeviceMusicPlayer(const DeviceMusicPlayer&) = delete;
    DeviceMusicPlayer& operator=(const DeviceMusicPlayer&) = delete;

    // True when the device opened.
    bool available() const { return opened; }
    // Takes a game path (".\Music\Wolfman.wav"), found regardless of case.
    bool play(const std::string& path) override;
    void stop() override;

private:
    std::unique_ptr<SoundDevice> device;
    bool opened = false;
    SoundDevice::Track current = nullptr;
};

// The machine's music player: the SDL player when the sound device opens,
// otherwise nullptr, which leaves the console's silent player in place.
// Cheap to call and never slow when sound fails.
std::unique_ptr<MusicPlayer> makeMusicPlayer();
