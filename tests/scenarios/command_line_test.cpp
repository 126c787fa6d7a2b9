// The real program's command line: --help, --version and --keys answer on
// standard output and leave the terminal alone, anything else is refused with the
// usage, and a program that finds no data says where it looked.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>

#include "support/tmux_game.h"

namespace {

struct Outcome {
    int status;
    std::string out, err;
};

// Runs the game with arguments from an empty folder, without DRIFTER_DATA.
Outcome runGame(const std::string& arguments, const std::string& environment = "") {
    TempFolder dir;
    const std::string command = "cd '" + dir.path().string() + "' && env -u DRIFTER_DATA " + environment +
                                " " DRIFTER_GAME_BINARY " " + arguments + " > out 2> err < /dev/null";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, dir.read("out"), dir.read("err")};
}

TEST(CommandLine, HelpAndVersionAnswerOnStandardOutput) {
    const Outcome help = runGame("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: drifter [--help | --version | --keys | --record FILE]\n", 0), 0u) << help.out;
    EXPECT_NE(help.out.find("DRIFTER_DATA"), std::string::npos);
    EXPECT_LE(std::count(help.out.begin(), help.out.end(), '\n'), 24) << "one screen";
    EXPECT_EQ(help.err, "");
    const Outcome version = runGame("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("drifter 1.", 0), 0u) << version.out;
    const int full = std::system(DRIFTER_GAME_BINARY " --version > /dev/full 2> /dev/null");
    EXPECT_EQ(WEXITSTATUS(full), 1) << "an answer that is lost is no success";
}

TEST(CommandLine, KeysPrintsTheBindingsInForceAndWhatTheKeysFileGotWrong) {
    TempFolder config;
    config.write("drifter/keys.conf", "help = F1\nback = q, Escape\nup = ^\n");
    const Outcome keys = runGame("--keys", "XDG_CONFIG_HOME='" + config.path().string() + "'");
    EXPECT_EQ(keys.status, 0);
    EXPECT_EQ(keys.out,
              "up = Up, k, w\ndown = Down, j, s\nleft = Left, h, a\nright = Right, l, d\nchoose = Enter\n"
              "back = q, Escape\nhelp = F1\n");
    EXPECT_EQ(keys.err, "drifter: " + (config.path() / "drifter" / "keys.conf").string() +
                            " line 3: \"^\" is no key; defaults kept\n");
}

TEST(CommandLine, ARecordingThatCannotBeCreatedStopsBeforeTheTerminalIsTouched) {
    const Outcome run = runGame("--record /nonexistent-folder/game.cast");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "drifter: /nonexistent-folder/game.cast cannot be created: No such file or directory\n");
}

TEST(CommandLine, AnythingElseIsRefusedWithTheUsage) {
    for (const char* arguments : {"-h", "--help --version", "--Version", "''", "'\x1b[2J'"}) {
        SCOPED_TRACE(arguments);
        const Outcome run = runGame(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("Usage: drifter"), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\x1b'), std::string::npos) << "the argument is not echoed";
    }
}

TEST(CommandLine, WithoutDataTheGameStopsWithOneLine) {
    const Outcome run = runGame("");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.err.find("share/drifter (the installed data)"), std::string::npos) << run.err;
}

TEST(CommandLine, HelpOnATerminalLeavesItsSettingsAlone) {
    if (!hasTmux()) GTEST_SKIP() << "tmux is not installed";
    GameInTmux game("\"" DRIFTER_GAME_BINARY "\" --help", 80, 25);
    ASSERT_TRUE(eventually([&] { return !game.file("status").empty(); })) << game.screen();
    EXPECT_EQ(game.file("status"), "0\n");
    EXPECT_EQ(game.file("after"), game.file("before"));
    EXPECT_TRUE(game.shows("Usage: drifter")) << game.screen();
}

}  // namespace
