// The real player, heard through SDL's disk driver: it writes the raw samples
// it would have played to a file (44.1 kHz, 16-bit, stereo, as the player
// opens the device), in real time unless told otherwise.
#if DRIFTER_SOUND

#include <gtest/gtest.h>

#include <algorithm>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/music_device.h"
#include "platform/sdl_sound.h"
#include "support/temp_folder.h"
#include "support/tmux_game.h"

namespace {

// What compose writes for a tune, without the wave file's header.
std::string composed(const TempFolder& tmp, const std::string& tune) {
    const fs::path wave = tmp / (tune + ".wav");
    const std::string command = std::string("\"" DRIFTER_COMPOSE_BINARY "\" \"" DRIFTER_SOURCE_DIR "/Music/") +
                                tune + ".notes\" \"" + wave.string() + "\"";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    const std::string bytes = readFile(wave);
    return bytes.size() > 44 ? bytes.substr(44) : std::string();
}

// The first second of the tune, as it sounds when it starts.
bool heardFromItsStart(const std::string& recording, const std::string& pcm) {
    return pcm.size() > 176400 && recording.find(pcm.substr(0, 176400)) != std::string::npos;
}

// The game itself, run as a player runs it with nothing made yet: the splash
// tune sounds within the splash, then the streets' tune, each the samples
// compose makes of its notes.
TEST(SdlMusic, TheGamePlaysTheTunesItMakesFromTheirNotes) {
    if (!hasTmux()) GTEST_SKIP() << "tmux is not installed";
    TempFolder tmp;
    const std::string splash = composed(tmp, "finaldeposit"), streets = composed(tmp, "moody2");
    const fs::path recording = tmp / "heard.raw";
    GameInTmux game(
        "env -C \"" DRIFTER_SOURCE_DIR "\" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=" + recording.string() +
            " XDG_CACHE_HOME=" + (tmp / "cache").string() + " \"" DRIFTER_GAME_BINARY "\"",
        80, 25);
    // The studio splash shows for longer.
    ASSERT_TRUE(game.toANewGame(std::chrono::seconds(3))) << game.screen();
    game.keys("Escape");
    // On the streets, past any fight a Bounty Hunter starts first.
    ASSERT_TRUE(game.fromTheStreets("Current Money", "")) << game.screen();
    // The streets' tune is made meanwhile (slowly in a sanitizer build), then heard: a
    // short piece of its start, past any leading silence, is looked for.
    const std::string streetsStart =
        streets.substr(std::min(streets.find_first_not_of('\0'), streets.size()), 4096);
    for (int i = 0; i < 60 && readFile(recording).find(streetsStart) == std::string::npos; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    ASSERT_TRUE(game.fromTheStreets("PAUSED", "Escape")) << game.screen();
    for (int i = 0; i < 4; ++i) {
        game.keys("Down");  // at a person's pace: keys 5 ms apart look like a held key
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
    }
    game.keys("Enter");
    ASSERT_TRUE(eventually([&] { return !game.file("status").empty(); })) << game.screen();
    EXPECT_EQ(game.file("status"), "0\n");
    const std::string heard = readFile(recording);
    EXPECT_TRUE(heardFromItsStart(heard, splash)) << heard.size() << " bytes heard";
    EXPECT_TRUE(heardFromItsStart(heard, streets)) << heard.size() << " bytes heard";
}

// A battle's tune, asked for as the battle asks, while another plays; a file
// that is no wave is refused.
TEST(SdlMusic, TheBattleTuneReplacesTheOneBeforeIt) {
    TempFolder tmp;
    const std::string battle = composed(tmp, "battle");
    const fs::path recording = tmp / "heard.raw";
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", recording.c_str(), 1);
    ::unsetenv("SDL_DISKAUDIODELAY");
    WorkingFolder inside(DRIFTER_SOURCE_DIR);
    auto player = std::make_unique<DeviceMusicPlayer>(makeSdlSoundDevice(), tmp / "cache");
    ::unsetenv("SDL_AUDIODRIVER");
    ASSERT_TRUE(player->available());
    EXPECT_EQ(makeSdlSoundDevice()->load(tmp.write("junk.wav", "RIFF....WAVEjunk").string()), nullptr);
    player->play(".\\Music\\brighter.wav");
    player->play(".\\Music\\battle.wav");
    for (int i = 0; i < 100 && !heardFromItsStart(readFile(recording), battle); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    player.reset();
    EXPECT_TRUE(heardFromItsStart(readFile(recording), battle));
}

}  // namespace

#endif
