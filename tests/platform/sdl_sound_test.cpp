// The real player, heard through SDL's disk driver: it writes the raw samples
// it would have played (44.1 kHz, signed 16-bit, stereo) to a file, many
// times faster than real time.
#if DRIFTER_SOUND

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <thread>

#include "console/music.h"
#include "platform/music_device.h"
#include "support/temp_folder.h"
#include "tools/music/wave_file.h"

namespace {

using Clock = std::chrono::steady_clock;

// Sets environment variables for one test and removes them afterwards.
class Environment {
public:
    void set(const char* name, const std::string& value) {
        ::setenv(name, value.c_str(), 1);
        names.push_back(name);
    }
    ~Environment() {
        for (const char* name : names) ::unsetenv(name);
    }

private:
    std::vector<const char*> names;
};

// 50 ms of stereo samples no other pattern shares, none of them zero.
std::vector<std::int16_t> pattern(int seed) {
    std::vector<std::int16_t> samples;
    for (int i = 0; i < 2205; ++i) {
        samples.push_back(static_cast<std::int16_t>(1000 + seed * 7919 + (i * (seed + 5)) % 3001));
        samples.push_back(static_cast<std::int16_t>(-(500 + (i * (seed + 11)) % 2003)));
    }
    return samples;
}

// The raw bytes the device plays, and the wave file that holds them.
std::string rawBytes(const std::vector<std::int16_t>& samples) { return music::waveBytes(samples, 2, 44100).substr(44); }
std::string waveFile(const std::vector<std::int16_t>& samples) { return music::waveBytes(samples, 2, 44100); }

std::uintmax_t sizeOf(const std::filesystem::path& file) {
    std::error_code ec;
    const std::uintmax_t n = std::filesystem::file_size(file, ec);
    return ec ? 0 : n;
}

// Waits (up to a few seconds) until the driver has written this much more.
bool waitForOutput(const std::filesystem::path& file, std::uintmax_t more) {
    const std::uintmax_t target = sizeOf(file) + more;
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (sizeOf(file) < target) {
        if (Clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

TEST(SdlMusic, LoopsATuneReplacesItAndFallsSilentOnStop) {
    TempFolder tmp;
    const std::string a = rawBytes(pattern(1)), b = rawBytes(pattern(2));
    const std::string fileA = tmp.write("Music/A.wav", waveFile(pattern(1))).string();
    const std::string fileB = tmp.write("Music/B.wav", waveFile(pattern(2))).string();
    const std::string junk = tmp.write("Music/junk.wav", "RIFF....WAVEjunk").string();
    const std::filesystem::path output = tmp / "out.raw";
    Environment env;
    env.set("SDL_AUDIODRIVER", "disk");
    env.set("SDL_DISKAUDIOFILE", output.string());
    // One buffer a millisecond: about 46 times real time, and the file stays small.
    env.set("SDL_DISKAUDIODELAY", "1");

    std::unique_ptr<MusicPlayer> player = makeMusicPlayer();
    ASSERT_NE(player, nullptr) << "the disk driver did not open";
    setMusicPlayer(player.get());
    playMusic(fileA.c_str());
    ASSERT_TRUE(waitForOutput(output, 4 * a.size() + 65536));
    playMusic(fileB.c_str());
    ASSERT_TRUE(waitForOutput(output, 4 * b.size() + 65536));
    stopSound();
    ASSERT_TRUE(waitForOutput(output, 65536));

    const auto started = Clock::now();
    EXPECT_FALSE(player->play(junk));
    EXPECT_FALSE(player->play((tmp / "Music/none.wav").string()));
    EXPECT_LT(Clock::now() - started, std::chrono::milliseconds(250)) << "a bad file must not hold up the game";
    setMusicPlayer(nullptr);
    player.reset();  // closes the device, which flushes its file

    const std::string out = readFile(output);
    const std::size_t firstA = out.find(a);
    ASSERT_NE(firstA, std::string::npos) << "the first tune never played";
    EXPECT_EQ(out.compare(firstA + a.size(), a.size(), a), 0) << "the first tune did not loop";
    const std::size_t firstB = out.find(b, firstA);
    ASSERT_NE(firstB, std::string::npos) << "the second tune never played";
    EXPECT_EQ(out.compare(firstB + b.size(), b.size(), b), 0) << "the second tune did not loop";
    EXPECT_EQ(out.find(a, firstB), std::string::npos) << "the first tune came back";
    const std::size_t tail = 32768;
    ASSERT_GT(out.size(), firstB + tail);
    EXPECT_EQ(out.find_first_not_of('\0', out.size() - tail), std::string::npos) << "music went on after the stop";
}

TEST(SdlMusic, AMachineWithoutAUsableDeviceKeepsTheSilentPlayer) {
    Environment env;
    env.set("SDL_AUDIODRIVER", "bogus");
    const auto started = Clock::now();
    std::unique_ptr<MusicPlayer> player = makeMusicPlayer();
    EXPECT_EQ(player, nullptr);
    EXPECT_LT(Clock::now() - started, std::chrono::milliseconds(250));
}

}  // namespace

#endif
