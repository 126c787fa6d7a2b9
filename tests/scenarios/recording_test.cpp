// drifter --record on a real terminal: a short game with the help screen,
// recorded as an asciicast, read back by a parser of the format and replayed
// on a second terminal, which ends showing what the game's terminal showed.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/asciicast.h"
#include "support/tmux_game.h"

namespace {

// One JSON string at text[at] (at its opening quote); at ends past it.
std::string jsonString(const std::string& text, std::size_t& at) {
    static const std::string plain = "\"\\/bfnrt";
    static const std::string meant = "\"\\/\b\f\n\r\t";
    std::string out;
    for (++at; at < text.size() && text[at] != '"'; ++at) {
        if (text[at] != '\\') {
            out += text[at];
        } else if (text[++at] == 'u') {
            out +=
                static_cast<char>(std::stoi(text.substr(at + 1, 4), nullptr, 16));  // the recorder's are below 0x80
            at += 4;
        } else {
            out += meant.at(plain.find(text[at]));
        }
    }
    ++at;
    return out;
}

struct Cast {
    std::string header;
    std::vector<double> times;
    std::string output;  // every event's bytes, in order
};

Cast readCast(const std::string& text) {
    Cast cast;
    std::istringstream lines(text);
    std::getline(lines, cast.header);
    std::string line;
    while (std::getline(lines, line)) {
        // [time, "o", "data"]
        std::size_t at = line.find(',');
        cast.times.push_back(std::stod(line.substr(1, at - 1)));
        at = line.find('"', at);
        EXPECT_EQ(jsonString(line, at), "o");
        at = line.find('"', at);
        cast.output += jsonString(line, at);
        EXPECT_EQ(line.substr(at), "]");
    }
    return cast;
}

TEST(Recording, AShortGameIsRecordedAsAnAsciicastThatReplaysToTheSameScreen) {
    if (!hasTmux()) GTEST_SKIP() << "tmux is not installed";
    GameInTmux game("env DRIFTER_DATA=\"" DRIFTER_SOURCE_DIR
                    "\" XDG_DATA_HOME=\"$PWD\" TERM=tmux-256color \"" DRIFTER_GAME_BINARY "\" --record game.cast",
                    80, 25);
    ASSERT_TRUE(game.toANewGame()) << game.screen();
    const auto onTheStreet = [&] { return game.fromTheStreets("Current Money", ""); };
    const auto helpOpenedWith = [&](const char* key) { return game.fromTheStreets("Where to go next", key); };
    game.keys("Escape");
    ASSERT_TRUE(onTheStreet()) << game.screen();
    EXPECT_TRUE(game.shows("F1, ?: help"));
    ASSERT_TRUE(helpOpenedWith("'?'")) << game.screen();
    EXPECT_TRUE(game.shows("the Internet Cafe")) << game.screen();
    game.keys("Enter");
    ASSERT_TRUE(onTheStreet()) << game.screen();
    game.keys("j");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ASSERT_TRUE(onTheStreet()) << game.screen();
    game.keys("Escape");
    ASSERT_TRUE(eventually([&] { return game.shows("PAUSED"); })) << game.screen();
    game.keys("Enter");  // Continue
    ASSERT_TRUE(eventually([&] { return !game.shows("PAUSED"); })) << game.screen();
    ASSERT_TRUE(onTheStreet()) << game.screen();
    // The help screen stands still, so the last frame recorded is what shows.
    ASSERT_TRUE(helpOpenedWith("F1")) << game.screen();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const std::string final = game.screen();
    game.signal("TERM");
    ASSERT_TRUE(eventually([&] { return !game.file("status").empty(); })) << game.screen();

    const Cast cast = readCast(game.file("game.cast"));
    EXPECT_EQ(cast.header.rfind("{\"version\": 2, \"width\": 80, \"height\": 25, \"timestamp\": ", 0), 0u)
        << cast.header;
    EXPECT_NE(cast.header.find("\"env\": {\"TERM\": \"tmux-256color\"}}"), std::string::npos) << cast.header;
    ASSERT_GT(cast.times.size(), 10u);
    for (std::size_t i = 1; i < cast.times.size(); ++i) EXPECT_LE(cast.times[i - 1], cast.times[i]);

    TempFolder replay;
    replay.write("replay", cast.output);
    GameInTmux shown("cat \"" + (replay.path() / "replay").string() + "\"", 80, 25);
    EXPECT_TRUE(eventually([&] { return shown.screen() == final; })) << shown.screen() << "\n---\n" << final;
}

TEST(Recording, AFileThatCannotBeWrittenStopsTheRecordingWithOneReasonAndNeverTheGame) {
    AsciicastWriter full;
    EXPECT_TRUE(full.open("/dev/full", 0, "xterm"));
    full.add(0.5, "\x1b[2J");
    EXPECT_FALSE(full.recording());
    EXPECT_NE(full.why().find("the recording to /dev/full stopped: No space left on device"), std::string::npos)
        << full.why();
    full.add(1.0, "more");  // nothing more is tried

    if (!hasTmux()) GTEST_SKIP() << "tmux is not installed";
    GameInTmux game("env DRIFTER_DATA=\"" DRIFTER_SOURCE_DIR "\" XDG_DATA_HOME=\"$PWD\" \"" DRIFTER_GAME_BINARY
                    "\" --record /dev/full",
                    80, 25);
    ASSERT_TRUE(game.toTheTitleMenu()) << game.screen();
    game.keys("Up");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    game.keys("Enter");  // Quit
    ASSERT_TRUE(eventually([&] { return !game.file("status").empty(); })) << game.screen();
    EXPECT_EQ(game.file("status"), "0\n");
    EXPECT_TRUE(game.shows("drifter: the recording to /dev/full stopped: No space left on device"))
        << game.screen();
}

TEST(Recording, EventsAreJsonOfTheBytes) {
    EXPECT_EQ(asciicastEvent(1.5, "\x1b[1;2H\"\\\xE2\x98\xBB"),
              "[1.500000, \"o\", \"\\u001b[1;2H\\\"\\\\\xE2\x98\xBB\"]");
}

}  // namespace
