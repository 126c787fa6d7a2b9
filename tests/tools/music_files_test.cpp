// The five tunes of Music/, as the game makes them from their notes: loops of
// the right length and loudness that join without a click.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "console/tune.h"
#include "support/temp_folder.h"

namespace {

class MusicFile : public ::testing::TestWithParam<const char*> {};

TEST_P(MusicFile, IsAPlayableLoopOfTheRightLength) {
    const std::string notes = readFile(std::string(DRIFTER_SOURCE_DIR) + "/Music/" + GetParam() + ".notes");
    ASSERT_FALSE(notes.empty()) << "missing";
    const music::Tune tune = music::Tune::fromNotes(notes);
    const std::vector<std::int16_t>& samples = tune.samples();
    const auto at = [&](std::size_t frame, int c) -> int {
        return samples[frame * 2 + static_cast<std::size_t>(c)];
    };
    const std::size_t n = tune.frames();
    const std::size_t near = 441;  // 10 ms each side of the seam
    EXPECT_GE(n, 20u * 44100);
    EXPECT_LE(n, 60u * 44100);
    for (int c = 0; c < 2; ++c) {
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
    // Played as a stream in uneven pieces, the loop runs on across its joint.
    std::vector<std::int16_t> streamed(2 * (n + 5000));
    std::size_t position = n - 3000, done = 0;
    for (std::size_t piece : {1000u, 2999u, 1u, 5000u - 1000u - 2999u - 1u, static_cast<unsigned>(n)}) {
        position = tune.fill(streamed.data() + 2 * done, piece, position);
        done += piece;
    }
    EXPECT_TRUE(std::equal(samples.end() - 6000, samples.end(), streamed.begin()));
    EXPECT_TRUE(std::equal(samples.begin(), samples.end(), streamed.begin() + 6000));
    EXPECT_EQ(position, (n - 3000 + n + 5000) % n);
}

INSTANTIATE_TEST_SUITE_P(Tunes, MusicFile,
                         ::testing::Values("finaldeposit", "moody2", "battle", "Wolfman", "brighter"));

}  // namespace
