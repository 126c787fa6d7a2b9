#pragma once
// Writes 16-bit PCM wave files.

#include <cstdint>
#include <string>
#include <vector>

namespace music {

// The bytes of a RIFF/WAVE file holding interleaved 16-bit samples.
std::string waveBytes(const std::vector<std::int16_t>& samples, int channels, int rate);

// Writes the file whole: a half-written file never takes the old one's place.
bool writeWaveFile(const std::string& path, const std::string& bytes);

}  // namespace music
