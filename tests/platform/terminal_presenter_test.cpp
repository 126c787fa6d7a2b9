#include <gtest/gtest.h>

#include <string>

#include "console/screen.h"
#include "platform/terminal_presenter.h"

namespace {

void put(ScreenModel& m, int x, int y, int attr, const char* text) {
    m.moveCursor(x, y);
    m.setAttr(attr);
    for (; *text; ++text) m.put(*text);
}

TEST(TerminalPresenter, SendsOnlyWhatChanged) {
    ScreenModel m;
    TerminalPresenter p;
    EXPECT_NE(p.frame(m).find("\x1b[2J"), std::string::npos);
    EXPECT_EQ(p.frame(m), "");

    put(m, 10, 5, 0x0F, "X");
    EXPECT_EQ(p.frame(m), "\x1b[6;11HX");
    EXPECT_EQ(p.frame(m), "");

    // A changed colour sends the colour once; a row of cells follows without moves.
    put(m, 0, 24, 0x2E, "abcde");
    EXPECT_EQ(p.frame(m), "\x1b[25H\x1b[93;42mabcde");

    // After the last column the next row is reached with a move, never a wrap;
    // only the background changed here.
    put(m, 79, 2, 0x1E, "C");
    put(m, 0, 3, 0x1E, "D");
    EXPECT_EQ(p.frame(m), "\x1b[3;80H\x1b[44mC\x1b[4HD");

    // The console's red is ANSI's 1, its light red the bright 91.
    put(m, 0, 0, 0x4C, "!");
    EXPECT_EQ(p.frame(m), "\x1b[H\x1b[91;41m!");
}

TEST(TerminalPresenter, CrossesShortGapsByWritingThemWhenThatIsShorter) {
    ScreenModel m;
    TerminalPresenter p;
    p.frame(m);
    // Two blanks in the colour in force cost less than a cursor move.
    put(m, 0, 10, 0x0F, "ab");
    put(m, 4, 10, 0x0F, "cd");
    put(m, 20, 10, 0x0F, "e");
    EXPECT_EQ(p.frame(m), "\x1b[11Hab  cd\x1b[11;21He");
    // A gap in another colour is never written over in the wrong one.
    put(m, 30, 12, 0x1F, " ");
    p.frame(m);
    put(m, 29, 12, 0x0F, "h");
    put(m, 31, 12, 0x0F, "i");
    EXPECT_EQ(p.frame(m), "\x1b[13;30H\x1b[40mh\x1b[13;32Hi");
}

TEST(TerminalPresenter, GlyphsAreUtf8OrAsciiAndNeverControlBytes) {
    ScreenModel m;
    put(m, 0, 0, 0x0F, "\x01\x02\x03\xB0\xB1\xB2\xDB\xC4\xB3\xDA\xC9\xCD\xBA");
    for (int b = 0; b < 256; ++b) {  // and every byte of the code page below
        m.moveCursor(b % 80, 1 + b / 80);
        m.put(static_cast<char>(b));
    }

    const std::string text = TerminalPresenter().frame(m);
    EXPECT_NE(text.find("☺☻♥░▒▓█─│┌╔═║"), std::string::npos);
    const std::string plain = TerminalPresenter(false).frame(m);
    EXPECT_NE(plain.find("@@v:%##-|++=|"), std::string::npos);
    for (const std::string* s : {&text, &plain}) {
        for (unsigned char c : *s) {
            EXPECT_TRUE(c >= 0x20 || c == 0x1B) << "control byte " << int(c);
            EXPECT_NE(c, 0x7F);
        }
    }
    for (unsigned char c : plain) EXPECT_LT(c, 0x80);
}

}  // namespace
