// A voice streamed around its loop: what rings past the end comes back at the
// start, lap after lap, and a stream started anywhere hears the same samples.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "console/score.h"
#include "console/synth.h"
#include "console/voice_stream.h"

namespace {

using music::Score;
using music::VoiceStream;

std::vector<float> streamed(const Score& score, std::size_t voice, std::size_t from, std::size_t count) {
    std::vector<float> out(count);
    VoiceStream stream(score, score.voices[voice], 1, music::framesOf(score), from);
    // In uneven pieces, as the mix asks for them.
    for (std::size_t done = 0, piece = 1; done < count; done += piece, piece = piece * 3 + 1)
        stream.fill(out.data() + done, std::min(piece, count - done));
    return out;
}

// One sound laid around the loop by hand: its sample t goes to frame t mod loop.
template <typename Strike>
void foldInto(std::vector<float>& loop, long start, Strike strike) {
    for (long t = 0; t < strike.length(); ++t)
        loop[static_cast<std::size_t>(start + t) % loop.size()] += static_cast<float>(strike.next());
}

// Half a second a loop: a bell whose release lasts five loops, rung twice,
// the second time just before the end; a crash that rings on for three loops.
const char* const ringing =
    "tempo 480\n"
    "voice bell sine release=2.5\n"
    "bell: | c5/4 r/4 r/4 g5/4 |\n"
    "voice kit drums\n"
    "kit: | r/2 r/4 x/4 |\n";

TEST(VoiceStream, WhatRingsPastTheEndComesBackAtTheStartLapAfterLap) {
    const Score score = music::parseScore(ringing);
    const std::size_t n = music::framesOf(score), beat = n / 4;
    ASSERT_EQ(n, 22050u);
    const music::Instrument& bell = score.voices[0].instrument;
    // Times as the score gives them (some fall on half a sample).
    const auto sample = [&](int ticks) { return std::lround(ticks * score.secondsPerTick() * music::sampleRate); };
    const double held = music::ticksPerBeat * score.secondsPerTick() * bell.gate;
    std::vector<float> bells(n, 0.0f), kit(n, 0.0f);
    foldInto(bells, 0, music::Tone(bell, 72, held, bell.volume, music::Noise(1)));
    foldInto(bells, sample(3 * music::ticksPerBeat), music::Tone(bell, 79, held, bell.volume, music::Noise(1)));
    foldInto(kit, sample(3 * music::ticksPerBeat), music::DrumHit(music::Crash, 0.5, music::Noise(1)));

    for (std::size_t voice : {0u, 1u}) {
        const std::vector<float>& expected = voice == 0 ? bells : kit;
        const std::vector<float> twice = streamed(score, voice, 0, 2 * n);
        for (std::size_t i = 0; i < 2 * n; ++i)
            ASSERT_EQ(twice[i], expected[i % n]) << "voice " << voice << ", frame " << i;
        for (std::size_t from : {n / 3 + 7, 3 * beat + 1, n - 1}) {
            const std::vector<float> later = streamed(score, voice, from, n);
            for (std::size_t i = 0; i < n; ++i)
                ASSERT_EQ(later[i], expected[(from + i) % n])
                    << "voice " << voice << " from " << from << ", frame " << i;
        }
    }
    EXPECT_GT(std::fabs(kit[10]), 0.0f) << "the crash rings on into the next lap";
}

}  // namespace
