#include "platform/web_sound.h"

#include <emscripten.h>

#include <algorithm>
#include <filesystem>
#include <string>

// clang-format off
EM_JS(void, pagePlayTune, (const char* name), {
    Module.page.music.play(UTF8ToString(name));
});
EM_JS(void, pageStopTune, (), {
    Module.page.music.stop();
});
// clang-format on

namespace {

// The page knows a tune by the name of its file in lower case ("wolfman"):
// the game spells some names in two ways.
std::string tuneName(const std::string& path) {
    std::string name = std::filesystem::path(path).stem().string();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
    return name;
}

class WebSoundDevice : public SoundDevice {
public:
    // The page decides later whether there is sound at all.
    bool open() override { return true; }
    Track load(const std::string& path) override { return new std::string(tuneName(path)); }
    bool playLooping(Track track) override {
        pagePlayTune(static_cast<std::string*>(track)->c_str());
        return true;
    }
    void halt() override { pageStopTune(); }
    void free(Track track) override { delete static_cast<std::string*>(track); }
};

}  // namespace

std::unique_ptr<SoundDevice> makeWebSoundDevice() { return std::make_unique<WebSoundDevice>(); }
