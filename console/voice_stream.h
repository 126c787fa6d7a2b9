#pragma once
// One voice of a score without its effects, sample after sample around the
// loop. Whatever rings past the loop's end (a release, a long drum) sounds
// again from its start, so the voice at frame i is every note that sounds at
// i, i + loop, i + 2 loop... added in the order of the notes.

#include <cstddef>
#include <cstdint>
#include <variant>
#include <vector>

#include "console/score.h"

namespace music {

// A small repeatable noise source, so every run makes the same samples.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state(seed * 2654435761u + 1u) {}
    double next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state / 2147483648.0 - 1.0;
    }
    void skip(long count) {
        for (; count > 0; --count) next();
    }

private:
    std::uint32_t state;
};

// Attack, decay to the sustain level, hold until the gate closes, release.
// Worked out sample by sample; the level is exactly zero when the release ends.
class Envelope {
public:
    Envelope(const Instrument& in, long gateSamples);
    long length() const { return gate + static_cast<long>(release); }
    double at(long i);

private:
    double attack, sustain, fallStep;
    long gate;
    double release;
    double fall = 1.0, held = 0.0;
};

// One pitch of a note, from its first sample to the end of its release.
class Tone {
public:
    Tone(const Instrument& in, int pitch, double gateSeconds, double gain, Noise noise);
    long length() const { return envelope.length(); }
    // The noise values it takes over its life.
    long draws() const;
    double next();

private:
    const Instrument* in;
    Noise noise;
    Envelope envelope;
    double frequency, ratio, gain, driveNorm, fixedLowPass;
    double phase = 0.0, phase2 = 0.25, low1 = 0.0, low2 = 0.0;
    long i = 0;
};

// One hit of a drum.
class DrumHit {
public:
    DrumHit(int kind, double gain, Noise noise);
    long length() const { return samples; }
    long draws() const { return samples; }
    double next();

private:
    int kind;
    double gain;
    Noise noise;
    long samples;
    double phase = 0.0, last = 0.0, band = 0.0;
    long i = 0;
};

using Strike = std::variant<Tone, DrumHit>;

class VoiceStream {
public:
    // The voice around a loop of `loop` frames, starting at frame `from`.
    VoiceStream(const Score& score, const Voice& voice, std::uint32_t seed, std::size_t loop, std::size_t from);
    // The next count samples.
    void fill(float* out, std::size_t count);

private:
    // The part of a strike's life that falls in one lap of the loop, with the
    // strike as it is when that part begins.
    struct Piece {
        std::size_t begin, end;  // frames of the loop
        Strike start;
    };
    struct Sounding {
        std::size_t piece, end;
        Strike strike;
    };
    void add(Strike strike, long start);
    void startPieces();
    // Adds the next run frames of every piece sounding, in the order of the notes.
    void addSounding(float* out, std::size_t run);

    std::size_t loop, position;
    std::vector<Piece> pieces;         // in the order their sounds are added
    std::vector<std::size_t> byBegin;  // piece numbers by the frame they begin
    std::size_t nextToBegin = 0;
    std::vector<Sounding> sounding;  // in piece order
};

}  // namespace music
