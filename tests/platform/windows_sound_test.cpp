// The winmm sound device, as far as a machine without speakers shows it:
// what it loads. Whether PlaySoundW is heard needs a real Windows.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <cstdint>
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

}  // namespace

#endif
