// The winmm sound device: what it loads, and, where the machine has a wave
// output (the Windows tests under Wine get a silent one), tunes streaming
// through it. Whether they are heard needs speakers.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <thread>
#include <vector>

#include "platform/windows_sound.h"
#include "support/temp_folder.h"
#include "console/tune.h"

namespace {

TEST(WinmmMusic, LoadsWaveFilesOnlySoNothingElseSoundsTheSystemsDefault) {
    TempFolder tmp;
    const std::unique_ptr<SoundDevice> device = makeWinmmSoundDevice();
    const std::vector<std::int16_t> samples(441, 1234);
    const auto tune = tmp.write("Music/a tune.wav", music::waveBytes(samples, 1, 44100));
    SoundDevice::Track track = device->load(tune.u8string());
    EXPECT_NE(track, nullptr);
    device->free(track);
    EXPECT_EQ(device->load(tmp.write("junk.wav", "RIFF....AVI junk").u8string()), nullptr);
    EXPECT_EQ(device->load((tmp / "missing.wav").u8string()), nullptr);
}

TEST(WinmmMusic, ATuneStreamsUntilAnotherReplacesItAndStopsWhenFreed) {
    TempFolder tmp;
    const std::unique_ptr<SoundDevice> device = makeWinmmSoundDevice();
    if (!device->open()) GTEST_SKIP() << "no wave output device";
    // A tenth of a second each: shorter than the buffers, so the loop comes
    // round inside one of them.
    const std::vector<std::int16_t> stereo(2 * 4410, 300);
    const std::vector<std::int16_t> mono(1103, -77);
    SoundDevice::Track first = device->load(tmp.write("first.wav", music::waveBytes(stereo, 2, 44100)).u8string());
    SoundDevice::Track second = device->load(tmp.write("second.wav", music::waveBytes(mono, 1, 11025)).u8string());
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    // Long enough for the output to hand buffers back and have them refilled.
    using namespace std::chrono_literals;
    EXPECT_TRUE(device->playLooping(first));
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(device->playLooping(second));
    std::this_thread::sleep_for(300ms);
    device->free(second);  // halts it first
    device->halt();
    device->free(first);
}

}  // namespace

#endif
