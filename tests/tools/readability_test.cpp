#include <gtest/gtest.h>

#include "map_test_support.h"
#include "tools/maps/readability.h"

using maptest::joined;
using maptest::mentions;

// Signs that cannot be read: letters too close to their background, a word
// that changes colour part-way, a picture glyph where a character was meant.
TEST(MapChecker, FindsSignsThatCannotBeRead) {
    Map map;
    maptest::faultsOfMap({"Room\n11 3\n############\n"
                          "#%C7FBANK%C08 %C70BANK%C08 #\n"
                          "#%C1FLINE%C1BR%C08 ST\xC5S #\n"
                          "############\nend map\n############\n#         0#\n############\n############\n"
                          "end collision\nmap x\n0 0\nend links"},
                         map);
    const auto faults = maptools::checkReadable(map, "test.map");
    EXPECT_EQ(faults.size(), 3u) << joined(faults);
    EXPECT_TRUE(mentions(faults, "at (1, 1): \"BANK\" is hard to read in colour 7F")) << joined(faults);
    EXPECT_TRUE(mentions(faults, "at (1, 2): \"LINER\" changes colour within the word"));
    EXPECT_TRUE(mentions(faults, "at (9, 2): a picture glyph stands between two words"));
}
