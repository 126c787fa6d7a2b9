#pragma once
// Writes the wave files compose makes.

#include <string>

namespace music {

// Writes the file whole: a half-written file never takes the old one's place.
bool writeWaveFile(const std::string& path, const std::string& bytes);

}  // namespace music
