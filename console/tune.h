#pragma once
// A tune made from its note file: the loop of 16-bit stereo samples at
// music::sampleRate, ready to be played endlessly by any sound output.

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "console/score.h"

namespace music {

class MixStore;

class Tune {
public:
    // Renders a note file's text; throws ScoreError on a mistake in it.
    static Tune fromNotes(const std::string& notes);
    // Interleaved left and right samples, one loop long.
    explicit Tune(std::vector<std::int16_t> interleaved);

    std::size_t frames() const { return pcm.size() / 2; }
    const std::vector<std::int16_t>& samples() const { return pcm; }

    // Writes count frames of the endless loop, starting at frame position
    // (taken modulo the loop), into out (2 * count samples, left first).
    // Returns the position after them, within the loop, for the next call.
    std::size_t fill(std::int16_t* out, std::size_t count, std::size_t position) const;

    // The loop as a plain 16-bit PCM wave file.
    std::string waveFile() const;

private:
    std::vector<std::int16_t> pcm;
};

// The bytes of a RIFF/WAVE file holding interleaved 16-bit samples.
std::string waveBytes(const std::vector<std::int16_t>& samples, int channels, int rate);

// Renders a score into a stereo wave file as it goes, keeping its unfinished
// mix in the store: the same bytes as Tune::fromNotes(...).waveFile() gives,
// without the whole tune in memory.
void writeWave(const Score& score, MixStore& store, std::ostream& out);

}  // namespace music
