#include <gtest/gtest.h>

#include <string>

#include "console/score.h"

namespace {

using music::parseScore;
using music::Score;
using music::ScoreError;

// A tune of one voice of the given notes (one bar of 4/4 unless said).
Score tune(const std::string& notes, const std::string& sound = "square") {
    return parseScore("tempo 120\nvoice v " + sound + "\nv: " + notes + "\n");
}

// The line and message of the mistake in a note file.
std::string mistake(const std::string& text) {
    try {
        parseScore(text);
    } catch (const ScoreError& e) {
        return std::to_string(e.line) + ": " + e.what();
    }
    return "no mistake found";
}

TEST(Score, ReadsPitchesLengthsAndMarks) {
    const Score s = tune("| c4/4 a4/8. c#4/8t db4/8t bb3/8t r/16 c4,e4,g4/4! | b9/1? |");
    const auto& n = s.voices[0].notes;
    ASSERT_EQ(n.size(), 7u);
    EXPECT_EQ(n[1].pitches, std::vector<int>{69});
    EXPECT_EQ(n[1].length, 36);  // a dotted eighth
    EXPECT_EQ(n[3].pitches, std::vector<int>{61});
    EXPECT_EQ(n[3].length, 16);  // a triplet eighth
    EXPECT_EQ(n[4].pitches, std::vector<int>{58});
    EXPECT_EQ(n[5].start, 48 + 36 + 16 + 16 + 16 + 12) << "the rest takes its time";
    EXPECT_EQ(n[5].pitches, (std::vector<int>{60, 64, 67}));
    EXPECT_GT(n[5].velocity, 1.0);
    EXPECT_EQ(n[6].pitches, std::vector<int>{131});
    EXPECT_LT(n[6].velocity, 1.0);
    EXPECT_EQ(s.ticks, 2 * 192);
    EXPECT_DOUBLE_EQ(s.seconds(), 4.0);
}

TEST(Score, MistakesAreReportedWithTheirLine) {
    const std::string head = "tempo 100\nvoice v sine\n";
    EXPECT_EQ(mistake(head + "v: | c4/4 d4/4 e4/4 |\n"), "3: this bar holds 3 beats, not 4");
    EXPECT_EQ(mistake(head + "phrase p\np: @p\nv: @p\n"), "4: phrases call each other in a circle");
    EXPECT_EQ(mistake(head + "v: h4/4\n"), "3: 'h4' is not a note");
    EXPECT_EQ(mistake("voice v sine echo=0.5 feedback=1\n"), "1: an echo feedback near 1 never dies away");
    EXPECT_EQ(mistake("w: c4/1\n"), "1: no voice or phrase named 'w'");
}

}  // namespace
