#pragma once
// Writes the wave files compose makes.

#include <functional>
#include <ostream>
#include <string>

namespace music {

// Writes the file whole, its bytes given by write: a half-written file never
// takes the old one's place.
bool writeWaveFile(const std::string& path, const std::function<void(std::ostream&)>& write);

}  // namespace music
