#pragma once
// Turns a score into sound: every voice is rendered around a circle as long
// as the tune, so whatever rings past the end (a release, an echo, the hall)
// comes back in at the start and the loop has no seam.

#include <cstdint>
#include <vector>

#include "console/score.h"

namespace music {

constexpr int sampleRate = 44100;
// Changes whenever a change here changes the samples made of a score, so that
// tunes an older game made and kept are made afresh.
constexpr int synthRevision = 1;

struct Stereo {
    std::vector<float> left, right;
};

// The tune, one loop long, at a set loudness below full scale, with no DC offset.
// voiceLevels, when given, receives the loudness (RMS, full scale 1) of each
// voice as it sounds in the finished mix, for balancing the voices.
Stereo render(const Score& score, std::vector<double>* voiceLevels = nullptr);

// Interleaved 16-bit samples of the rendered tune.
std::vector<std::int16_t> toPcm16(const Stereo& sound);

}  // namespace music
