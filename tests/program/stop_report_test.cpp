// The line on standard error that ends the program quotes damaged files as
// printable text, so a file cannot send commands to the player's terminal.

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

#include "model/map.h"
#include "model/world_support.h"
#include "program/program.h"

namespace {

using StopReport = MapFolderTest;

TEST_F(StopReport, QuotesADamagedMapWithItsControlBytesEscaped) {
    // Line drawing and blinking, as a damaged width line would switch them on.
    writeMap("st\xc3\xa4ts.map", "Stats\n\x1b(0 \x1b[5m\n");
    std::ostringstream err;
    std::streambuf* const saved = std::cerr.rdbuf(err.rdbuf());
    const int status = exitStatusOf([] {
        Map().loadFromFile("maps\\st\xc3\xa4ts.map");
        return 0;
    });
    std::cerr.rdbuf(saved);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(err.str().find('\x1b'), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("maps/st\xc3\xa4ts.map, line 2: expected the width, found \"\\x1b(0\""),
              std::string::npos)
        << err.str();
}

}  // namespace
