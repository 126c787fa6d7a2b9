// The real player, heard through SDL's disk driver: it writes the raw samples
// it would have played to a file, faster than real time.
#if DRIFTER_SOUND

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <thread>

#include "platform/music_device.h"
#include "support/temp_folder.h"
#include "tools/music/wave_file.h"

namespace {

TEST(SdlMusic, TheRealDeviceOpensAndPlaysAFileItLoads) {
    TempFolder tmp;
    const std::vector<std::int16_t> samples(4410, 1234);  // 50 ms of stereo, never silence
    const std::string tune = tmp.write("a.wav", music::waveBytes(samples, 2, 44100)).string();
    const std::filesystem::path output = tmp / "out.raw";
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    ::setenv("SDL_DISKAUDIODELAY", "1", 1);
    std::unique_ptr<MusicPlayer> player = makeMusicPlayer();
    ::unsetenv("SDL_AUDIODRIVER");
    ASSERT_NE(player, nullptr) << "the disk driver did not open";
    EXPECT_FALSE(player->play(tmp.write("junk.wav", "RIFF....WAVEjunk").string()));
    ASSERT_TRUE(player->play(tune));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    player.reset();  // closing the device flushes its file
    EXPECT_NE(readFile(output).find(music::waveBytes(samples, 2, 44100).substr(44)), std::string::npos);
}

}  // namespace

#endif
