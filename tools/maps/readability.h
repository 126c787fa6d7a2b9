#pragma once
// Whether the texts drawn on a map (shop signs, street names) can be read:
// letters stand out from their background, a word is drawn in one colour,
// and no picture glyph sits between two letters where a character was meant.

#include <string>
#include <vector>

#include "model/map.h"

namespace maptools {

// The faults of one map's texts, one readable line each; file names the map.
std::vector<std::string> checkReadable(const Map& map, const std::string& file);

}  // namespace maptools
