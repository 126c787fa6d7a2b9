// The real program on a real pseudo-terminal: tmux runs it in a detached
// window of 80x25, the test types keys and reads the window back, glyphs and
// colours included, and compares the terminal's settings before and after.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>

namespace fs = std::filesystem;

namespace {

constexpr auto patience = std::chrono::seconds(6);

std::string uniqueName() {
    static std::atomic<int> counter{0};
    return "drifter-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count() % 1000000007) +
           "-" + std::to_string(counter++);
}

std::string output(const std::string& command) {
    std::string result;
    if (FILE* p = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, p)) > 0) result.append(buffer, n);
        ::pclose(p);
    }
    return result;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool eventually(const std::function<bool()>& condition) {
    const auto end = std::chrono::steady_clock::now() + patience;
    while (std::chrono::steady_clock::now() < end) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return condition();
}

// The text as one word for the shell, nothing in it expanded.
std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

bool hasTmux() { return std::system("command -v tmux > /dev/null 2>&1") == 0; }

// A folder for the run's files and a tmux server of its own, both removed at the end.
class GameInTmux {
public:
    // With a plain shell the game runs as its script's child; with an
    // interactive bash (job control) Ctrl+Z really stops it and `fg` resumes it.
    enum class Shell { Script, Interactive };

    GameInTmux(int columns, int rows, Shell shell = Shell::Script)
        : dir(fs::temp_directory_path() / uniqueName()), socket(uniqueName()) {
        fs::create_directories(dir);
        const std::string size = "-x " + std::to_string(columns) + " -y " + std::to_string(rows);
        // The game notes its pid and is then replaced by the game itself.
        const std::string game = "sh -c 'echo $$ > pid; exec \"" + std::string(DRIFTER_DEMO_BINARY) + "\"'";
        if (shell == Shell::Interactive) {
            tmux("new-session -d " + size + " -s game \"env PS1='$ ' LC_ALL=C.UTF-8 bash --norc --noprofile --noediting -i\"");
            type("cd '" + dir.string() + "'; stty -g > before; " + game);
            keys("Enter");
            return;
        }
        // The shell notes the settings, runs the game, notes its status and
        // the settings again, then stays so the window lives.
        std::ofstream script(dir / "run.sh");
        script << "export LC_ALL=C.UTF-8\n"
               << "cd '" << dir.string() << "'\n"
               << "stty -g > before\n"
               << game << "\n"
               << "code=$?\n"
               << "stty -g > after\n"
               << "echo $code > status\n"
               << "sleep 60\n";
        script.close();
        tmux("new-session -d " + size + " -s game 'sh " + (dir / "run.sh").string() + "'");
    }
    ~GameInTmux() {
        tmux("kill-server");
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    std::string tmux(const std::string& arguments) {
        return output("env -u TMUX LC_ALL=C.UTF-8 tmux -u -L " + socket + " -f /dev/null " + arguments + " 2>&1");
    }
    std::string screen() { return tmux("capture-pane -p -t game"); }
    std::string colouredScreen() { return tmux("capture-pane -p -e -t game"); }
    bool shows(const std::string& text) { return screen().find(text) != std::string::npos; }
    void keys(const std::string& names) { tmux("send-keys -t game " + names); }
    // Types text as it stands (no key names).
    void type(const std::string& text) { tmux("send-keys -t game -l " + shellQuoted(text)); }
    // The pane terminal's settings, read from outside while the game runs.
    std::string settings() { return output("stty -g -F " + tmux("display -p -t game '#{pane_tty}'")); }
    std::string file(const std::string& name) { return readFile(dir / name); }
    bool has(const std::string& name) { return fs::exists(dir / name); }
    void signal(const std::string& name) { std::system(("kill -" + name + " " + file("pid")).c_str()); }

    // The line of the coloured capture that holds text.
    std::string colouredLineWith(const std::string& text) {
        std::istringstream lines(colouredScreen());
        std::string line;
        while (std::getline(lines, line))
            if (line.find(text) != std::string::npos) return line;
        return "";
    }

private:
    fs::path dir;
    std::string socket;
};

class RealTerminal : public ::testing::Test {
protected:
    void SetUp() override {
        if (!hasTmux()) GTEST_SKIP() << "tmux is not installed";
    }
};

TEST_F(RealTerminal, ShowsGlyphsAndColoursRunsTheMenuAndQuitsCleanly) {
    GameInTmux game(80, 25);
    ASSERT_TRUE(eventually([&] { return game.shows("Type a number"); })) << game.screen();
    EXPECT_TRUE(game.shows("DRIFTER"));
    EXPECT_TRUE(game.shows("Glyphs: ☺☻♥ ░▒▓ █ ─│┌╔═║")) << game.screen();
    EXPECT_NE(game.colouredLineWith("DRIFTER").find("93mDRIFTER"), std::string::npos);  // yellow
    EXPECT_NE(game.colouredLineWith("Type a number").find("42m Type a number"), std::string::npos)
        << game.colouredLineWith("Type a number");  // the highlight is green
    const std::string before = game.file("before");
    EXPECT_NE(game.settings(), before) << "the game runs in raw mode";

    game.keys("Down");
    EXPECT_TRUE(eventually([&] { return game.colouredLineWith("Quit").find("42m Quit") != std::string::npos; }));
    game.keys("Up");
    EXPECT_TRUE(
        eventually([&] { return game.colouredLineWith("Type a number").find("42m Type a number") != std::string::npos; }));
    game.keys("Enter");
    ASSERT_TRUE(eventually([&] { return game.shows("press Enter"); }));
    game.keys("4 0 9 BSpace 2 Enter");
    EXPECT_TRUE(eventually([&] { return game.shows("You typed 402."); })) << game.screen();

    game.keys("Down");
    EXPECT_TRUE(eventually([&] { return game.colouredLineWith("Quit").find("42m Quit") != std::string::npos; }));
    game.keys("Enter");
    ASSERT_TRUE(eventually([&] { return game.has("status") && !game.file("status").empty(); }));
    EXPECT_EQ(game.file("status"), "0\n");
    EXPECT_EQ(game.file("after"), before);
    EXPECT_FALSE(game.shows("DRIFTER")) << "the game's screen stays behind:\n" << game.screen();
}

TEST_F(RealTerminal, SigtermLeavesTheTerminalAsItWas) {
    GameInTmux game(80, 25);
    ASSERT_TRUE(eventually([&] { return game.shows("Type a number"); })) << game.screen();
    const std::string before = game.file("before");
    game.signal("TERM");
    ASSERT_TRUE(eventually([&] { return game.has("status") && !game.file("status").empty(); }));
    EXPECT_EQ(game.file("status"), "143\n");  // ended by SIGTERM itself
    EXPECT_EQ(game.file("after"), before);
    EXPECT_FALSE(game.shows("DRIFTER")) << game.screen();
}

TEST_F(RealTerminal, StoppedTheShellComesBackAndResumedTheGameIsRedrawnWhole) {
    GameInTmux game(80, 25, GameInTmux::Shell::Interactive);
    ASSERT_TRUE(eventually([&] { return game.shows("Type a number"); })) << game.screen();
    game.signal("TSTP");
    EXPECT_TRUE(eventually([&] { return game.shows("Stopped") && !game.shows("Type a number"); })) << game.screen();
    game.type("fg");
    game.keys("Enter");
    EXPECT_TRUE(eventually([&] { return game.shows("Type a number") && game.shows("☺☻♥"); })) << game.screen();
    EXPECT_FALSE(game.shows("Stopped"));
    EXPECT_NE(game.settings(), game.file("before"));
    // The game goes on: Quit ends it as usual.
    game.keys("Down");
    EXPECT_TRUE(eventually([&] { return game.colouredLineWith("Quit").find("42m Quit") != std::string::npos; }));
    game.keys("Enter");
    EXPECT_TRUE(eventually([&] { return !game.shows("DRIFTER"); }));
    game.type("echo $? > status");
    game.keys("Enter");
    ASSERT_TRUE(eventually([&] { return game.has("status") && !game.file("status").empty(); }));
    EXPECT_EQ(game.file("status"), "0\n");
}

TEST_F(RealTerminal, ASmallWindowIsAskedToGrowAndTheGameGoesOnWhenItFits) {
    GameInTmux game(60, 20);
    ASSERT_TRUE(eventually([&] { return game.shows("It is now 60 x 20."); })) << game.screen();
    EXPECT_TRUE(game.shows("Please enlarge the window"));
    EXPECT_FALSE(game.shows("DRIFTER"));
    game.tmux("resize-window -t game -x 80 -y 25");
    EXPECT_TRUE(eventually([&] { return game.shows("Type a number") && game.shows("DRIFTER"); })) << game.screen();
    EXPECT_FALSE(game.shows("enlarge"));
}

TEST(NoTerminal, TheProgramSaysSoInOneLineAndFails) {
    const fs::path dir = fs::temp_directory_path() / uniqueName();
    fs::create_directories(dir);
    const std::string d = dir.string();
    std::system(("cd '" + d + "' && '" DRIFTER_DEMO_BINARY "' < /dev/null > out 2> err; echo $? > code").c_str());
    EXPECT_EQ(readFile(dir / "code"), "1\n");
    EXPECT_EQ(readFile(dir / "out"), "");
    const std::string err = readFile(dir / "err");
    EXPECT_NE(err.find("terminal"), std::string::npos) << err;
    EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
    fs::remove_all(dir);
}

}  // namespace
