// The five tunes the build makes into Music/: playable wave files of the right
// length that loop without a click.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::uint32_t little(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return v;
}

struct Wave {
    int channels = 0, rate = 0, bits = 0;
    std::vector<std::int16_t> samples;  // interleaved
    std::size_t frames() const { return channels ? samples.size() / static_cast<std::size_t>(channels) : 0; }
    int at(std::size_t frame, int channel) const {
        return samples[frame * static_cast<std::size_t>(channels) + static_cast<std::size_t>(channel)];
    }
};

// Reads a wave file with the plain 44-byte header the build writes; an empty
// string means it is sound.
std::string readWave(const std::string& path, Wave& wave) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "missing";
    std::ostringstream raw;
    raw << in.rdbuf();
    const std::string bytes = raw.str();
    if (bytes.size() < 44 || bytes.compare(0, 4, "RIFF") || bytes.compare(8, 8, "WAVEfmt ") ||
        bytes.compare(36, 4, "data"))
        return "not a plain RIFF/WAVE file";
    if (little(bytes, 4, 4) != bytes.size() - 8 || little(bytes, 40, 4) != bytes.size() - 44)
        return "the sizes do not match the file";
    if (little(bytes, 16, 4) != 16 || little(bytes, 20, 2) != 1) return "not plain PCM";
    wave.channels = static_cast<int>(little(bytes, 22, 2));
    wave.rate = static_cast<int>(little(bytes, 24, 4));
    wave.bits = static_cast<int>(little(bytes, 34, 2));
    if (little(bytes, 32, 2) != static_cast<std::uint32_t>(wave.channels * wave.bits / 8) ||
        little(bytes, 28, 4) != static_cast<std::uint32_t>(wave.rate * wave.channels * wave.bits / 8))
        return "inconsistent format block";
    for (std::size_t i = 44; i + 1 < bytes.size(); i += 2)
        wave.samples.push_back(static_cast<std::int16_t>(little(bytes, i, 2)));
    return "";
}

class MusicFile : public ::testing::TestWithParam<const char*> {};

TEST_P(MusicFile, IsAPlayableLoopOfTheRightLength) {
    Wave w;
    const std::string path = std::string(DRIFTER_SOURCE_DIR) + "/Music/" + GetParam() + ".wav";
    ASSERT_EQ(readWave(path, w), "") << path;
    EXPECT_EQ(w.bits, 16);
    EXPECT_EQ(w.rate, 44100);
    ASSERT_TRUE(w.channels == 1 || w.channels == 2);
    ASSERT_EQ(w.samples.size() % static_cast<std::size_t>(w.channels), 0u);
    const double seconds = static_cast<double>(w.frames()) / w.rate;
    EXPECT_GE(seconds, 20.0);
    EXPECT_LE(seconds, 60.0);

    const std::size_t n = w.frames(), near = 441;  // 10 ms each side of the seam
    for (int c = 0; c < w.channels; ++c) {
        double sum = 0.0, energy = 0.0;
        int peak = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const int v = w.at(i, c);
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
            neighbours = std::max(neighbours, std::abs(w.at(i + 1, c) - w.at(i, c)));
            neighbours = std::max(neighbours, std::abs(w.at(n - 1 - i, c) - w.at(n - 2 - i, c)));
        }
        const int seam = std::abs(w.at(0, c) - w.at(n - 1, c));
        EXPECT_LE(seam, neighbours + 2) << "channel " << c << ": a click where the loop joins";
    }
}

INSTANTIATE_TEST_SUITE_P(Tunes, MusicFile,
                         ::testing::Values("finaldeposit", "moody2", "battle", "Wolfman", "brighter"));

}  // namespace
