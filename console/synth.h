#pragma once
// Turns a score into sound: every voice is rendered around a circle as long
// as the tune, so whatever rings past the end (a release, an echo, the hall)
// comes back in at the start and the loop has no seam.

#include <cstddef>
#include <cstdint>
#include <functional>
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

// Frames of one loop of the tune.
std::size_t framesOf(const Score& score);

// Where a render keeps the tune's unfinished mix between its passes over it:
// three values a frame (left, right, what goes to the hall). Memory serves a
// tool; the game keeps it in a file, as a tune of a minute makes 30 MB of it.
class MixStore {
public:
    virtual ~MixStore() = default;
    virtual void put(std::size_t frame, const float* values, std::size_t frames) = 0;
    virtual void get(std::size_t frame, float* values, std::size_t frames) = 0;
};

class MemoryMixStore : public MixStore {
public:
    explicit MemoryMixStore(std::size_t frames) : values(3 * frames) {}
    void put(std::size_t frame, const float* from, std::size_t frames) override;
    void get(std::size_t frame, float* to, std::size_t frames) override;

private:
    std::vector<float> values;
};

// Takes the finished tune in order, some frames at a time.
using MixOut = std::function<void(const float* left, const float* right, std::size_t frames)>;

// The tune, one loop long, at a set loudness below full scale, with no DC
// offset, handed to out in order. Apart from the store, the render holds a few
// seconds of sound at most, whatever the tune's length. voiceLevels, when
// given, receives the loudness (RMS, full scale 1) of each voice as it sounds
// in the finished mix, for balancing the voices.
void render(const Score& score, MixStore& store, const MixOut& out, std::vector<double>* voiceLevels = nullptr);

// The same, whole, in memory.
Stereo render(const Score& score, std::vector<double>* voiceLevels = nullptr);

// 16-bit samples of the rendered tune, left and right interleaved.
std::int16_t toPcm16(float value);
std::vector<std::int16_t> toPcm16(const Stereo& sound);

}  // namespace music
