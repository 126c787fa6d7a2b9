#include "platform/windows_sound.h"

#include <windows.h>
#include <mmsystem.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

// Whether the file starts as a wave file does: PlaySoundW would play the
// system's default sound for anything else, or nothing, without telling.
bool isWaveFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    char header[12] = {};
    if (!in.read(header, sizeof header)) return false;
    return std::string(header, 4) == "RIFF" && std::string(header + 8, 4) == "WAVE";
}

class WinmmSoundDevice : public SoundDevice {
public:
    bool open() override { return waveOutGetNumDevs() > 0; }

    // A track is the file's wide path: PlaySoundW reads the file itself.
    Track load(const std::string& path) override {
        const std::filesystem::path file = std::filesystem::u8path(path);
        if (!isWaveFile(file)) return nullptr;
        return new std::wstring(file.wstring());
    }

    bool playLooping(Track track) override {
        const auto* file = static_cast<const std::wstring*>(track);
        return PlaySoundW(file->c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_LOOP | SND_NODEFAULT) != FALSE;
    }

    void halt() override { PlaySoundW(nullptr, nullptr, 0); }

    void free(Track track) override { delete static_cast<std::wstring*>(track); }
};

}  // namespace

std::unique_ptr<SoundDevice> makeWinmmSoundDevice() { return std::make_unique<WinmmSoundDevice>(); }
