// The five tunes the build makes into Music/: plain wave files of the right
// length that loop without a click.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "support/temp_folder.h"
#include "tools/music/wave_file.h"

namespace {

class MusicFile : public ::testing::TestWithParam<const char*> {};

TEST_P(MusicFile, IsAPlayableLoopOfTheRightLength) {
    const std::string bytes = readFile(std::string(DRIFTER_MUSIC_DIR) + "/" + GetParam() + ".wav");
    ASSERT_GT(bytes.size(), 44u) << "missing";
    const int channels = bytes[22];
    ASSERT_TRUE(channels == 1 || channels == 2);
    std::vector<std::int16_t> samples((bytes.size() - 44) / 2);
    std::memcpy(samples.data(), bytes.data() + 44, samples.size() * 2);  // both little-endian
    // Written afresh as a plain wave file of 44.1 kHz (the kind SDL plays), the
    // samples must give the file back byte for byte: header, sizes and all.
    ASSERT_EQ(music::waveBytes(samples, channels, 44100), bytes) << "not a plain 16-bit wave file of 44.1 kHz";
    const auto at = [&](std::size_t frame, int c) -> int {
        return samples[frame * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)];
    };
    const std::size_t n = samples.size() / static_cast<std::size_t>(channels);
    const std::size_t near = 441;  // 10 ms each side of the seam
    EXPECT_GE(n, 20u * 44100);
    EXPECT_LE(n, 60u * 44100);
    for (int c = 0; c < channels; ++c) {
        double sum = 0.0, energy = 0.0;
        int peak = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const int v = at(i, c);
            sum += v;
            energy += static_cast<double>(v) * v;
            peak = std::max(peak, std::abs(v));
        }
        EXPECT_GT(std::sqrt(energy / static_cast<double>(n)), 1000.0) << "channel " << c << " is all but silent";
        EXPECT_LT(std::fabs(sum / static_cast<double>(n)), 30.0) << "channel " << c << " is off centre";
        EXPECT_LT(peak, 32767) << "channel " << c << " clips";
        // The jump from the last sample back to the first must look like its
        // neighbours: a larger one is a click every time the tune starts over.
        int neighbours = 0;
        for (std::size_t i = 0; i < near; ++i) {
            neighbours = std::max(neighbours, std::abs(at(i + 1, c) - at(i, c)));
            neighbours = std::max(neighbours, std::abs(at(n - 1 - i, c) - at(n - 2 - i, c)));
        }
        const int seam = std::abs(at(0, c) - at(n - 1, c));
        EXPECT_LE(seam, neighbours + 2) << "channel " << c << ": a click where the loop joins";
    }
}

INSTANTIATE_TEST_SUITE_P(Tunes, MusicFile,
                         ::testing::Values("finaldeposit", "moody2", "battle", "Wolfman", "brighter"));

}  // namespace
