#include "platform/sdl_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <alsa/asoundlib.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>

namespace {

// libasound reports a missing sound card on stderr, which is the game's
// screen: its messages go nowhere.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

// Keeps stderr away from the terminal while the audio libraries start up, so
// nothing they print can scribble over the picture.
class QuietStderr {
public:
    QuietStderr() {
        saved = ::dup(STDERR_FILENO);
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved >= 0 && null >= 0) ::dup2(null, STDERR_FILENO);
        if (null >= 0) ::close(null);
    }
    ~QuietStderr() {
        if (saved < 0) return;
        ::dup2(saved, STDERR_FILENO);
        ::close(saved);
    }
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;

private:
    int saved = -1;
};

class SdlSoundDevice : public SoundDevice {
public:
    ~SdlSoundDevice() override {
        if (mixerOpen) {
            Mix_HaltMusic();
            Mix_CloseAudio();
        }
        if (audioStarted) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    bool open() override {
        QuietStderr quiet;
        snd_lib_error_set_handler(quietAlsa);
        // Without this, SDL turns Ctrl+C and kill into events nobody reads.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
        audioStarted = true;
        // 2048 frames: a new tune starts within 50 ms.
        if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 2048) != 0) return false;
        mixerOpen = true;
        return true;
    }

    // A tune that is no ordinary file (a FIFO, a linked device) would hang or
    // flood the mixer's reading: it stays silent.
    Track load(const std::string& path) override {
        std::error_code ec;
        return std::filesystem::is_regular_file(path, ec) ? Mix_LoadMUS(path.c_str()) : nullptr;
    }

    bool playLooping(Track track) override { return Mix_PlayMusic(static_cast<Mix_Music*>(track), -1) == 0; }

    void halt() override { Mix_HaltMusic(); }

    void free(Track track) override { Mix_FreeMusic(static_cast<Mix_Music*>(track)); }

private:
    bool audioStarted = false;
    bool mixerOpen = false;
};

}  // namespace

std::unique_ptr<SoundDevice> makeSdlSoundDevice() { return std::make_unique<SdlSoundDevice>(); }
