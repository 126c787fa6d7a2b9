#include <gtest/gtest.h>

#include "console/printable.h"

namespace {

TEST(Printable, EscapesWhatATerminalWouldObeyAndKeepsText) {
    EXPECT_EQ(printable("a\x1b(0 \x1b[5m\tz\x7f"), "a\\x1b(0 \\x1b[5m\\x09z\\x7f");
    EXPECT_EQ(printable("Stra\xc3\x9f"
                        "e \xe2\x98\xbb \xf0\x9f\x98\x80"),
              "Stra\xc3\x9f"
              "e \xe2\x98\xbb \xf0\x9f\x98\x80");
    // The C1 controls (CSI as U+009B), a lone code page byte, a cut sequence
    // and an overlong ESC are escaped byte by byte.
    EXPECT_EQ(printable("\xc2\x9b"
                        "1m"),
              "\\xc2\\x9b1m");
    EXPECT_EQ(printable("\xdb\xe2\x98"), "\\xdb\\xe2\\x98");
    EXPECT_EQ(printable("\xc0\x9b"), "\\xc0\\x9b");
}

}  // namespace
