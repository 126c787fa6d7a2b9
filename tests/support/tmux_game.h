#pragma once
// A program on a real pseudo-terminal: tmux runs it in a detached window,
// the test types keys and reads the window back, glyphs and colours included,
// and compares the terminal's settings before and after.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <thread>

#include "support/temp_folder.h"

namespace fs = std::filesystem;

inline std::string output(const std::string& command) {
    std::string result;
    if (FILE* p = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, p)) > 0) result.append(buffer, n);
        ::pclose(p);
    }
    return result;
}

// True as soon as the condition holds, false if it does not within six seconds.
inline bool eventually(const std::function<bool()>& condition) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(6);
    while (std::chrono::steady_clock::now() < end) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return condition();
}

inline bool hasTmux() { return std::system("command -v tmux > /dev/null 2>&1") == 0; }

// A folder for the run's files and a tmux server of its own, both removed at the end.
class GameInTmux {
public:
    // With a plain shell the game runs as its script's child; with an
    // interactive bash (job control) Ctrl+Z really stops it and `fg` resumes it.
    enum class Shell { Script, Interactive };

    // program is a shell command; it runs in a fresh folder of the run's files.
    GameInTmux(const std::string& program, int columns, int rows, Shell shell = Shell::Script)
        : socket(dir.path().filename().string()) {  // the folder's name is unique
        const std::string size = "-x " + std::to_string(columns) + " -y " + std::to_string(rows);
        // The game notes its pid and is then replaced by the game itself.
        const std::string game = "sh -c 'echo $$ > pid; exec " + program + "'";
        if (shell == Shell::Interactive) {
            tmux("new-session -d " + size +
                 " -s game \"env PS1='$ ' LC_ALL=C.UTF-8 bash --norc --noprofile --noediting -i\"");
            type("cd '" + dir.path().string() + "'; stty -g > before; " + game);
            keys("Enter");
            return;
        }
        // The shell notes the settings, runs the game, notes its status and
        // the settings again, then stays so the window lives.
        const fs::path script =
            dir.write("run.sh", "export LC_ALL=C.UTF-8\ncd '" + dir.path().string() + "'\n" + "stty -g > before\n" +
                                    game + "\ncode=$?\n" + "stty -g > after\necho $code > status\nsleep 60\n");
        tmux("new-session -d " + size + " -s game 'sh " + script.string() + "'");
    }
    ~GameInTmux() { tmux("kill-server"); }

    std::string tmux(const std::string& arguments) {
        return output("env -u TMUX LC_ALL=C.UTF-8 tmux -u -L " + socket + " -f /dev/null " + arguments + " 2>&1");
    }
    std::string screen() { return tmux("capture-pane -p -t game"); }
    std::string colouredScreen() { return tmux("capture-pane -p -e -t game"); }
    bool shows(const std::string& text) { return screen().find(text) != std::string::npos; }
    void keys(const std::string& names) { tmux("send-keys -t game " + names); }
    // Passes the studio's splash (after lingering on it) and the title splash;
    // false when the title menu does not come.
    bool toTheTitleMenu(std::chrono::milliseconds linger = std::chrono::milliseconds(0)) {
        if (!eventually([&] { return shows("[Kestrel Mill]"); })) return false;
        std::this_thread::sleep_for(linger);
        keys("Escape");
        if (!eventually([&] { return shows("DRIFTER") && !shows("Kestrel"); })) return false;
        keys("Escape");
        return eventually([&] { return shows("New Game"); });
    }
    // Begins a new game from the start: the mail's notice shows.
    bool toANewGame(std::chrono::milliseconds linger = std::chrono::milliseconds(0)) {
        if (!toTheTitleMenu(linger)) return false;
        keys("Enter");
        return eventually([&] { return shows("check your mail..."); });
    }
    // Sends keys from the streets until target shows. Bounty Hunters roam the
    // streets, so a fight that starts first is fled (or fought) and any
    // message after it passed with Enter; the keys go again once the street is back.
    bool fromTheStreets(const std::string& target, const std::string& streetKeys) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < end) {
            const std::string now = screen();
            const bool fight = now.find("Battle!") != std::string::npos;
            if (!fight && now.find(target) != std::string::npos) return true;
            if (fight) keys("Down Down Down Enter");
            else if (now.find("Current Money") != std::string::npos) keys(streetKeys);
            else keys("Enter");
            std::this_thread::sleep_for(std::chrono::milliseconds(700));
        }
        return false;
    }
    // Presses a key on the streets until reached() holds; a fight that breaks
    // in is fled first, and the key goes again only once the street is back.
    bool walk(const std::string& key, const std::function<bool()>& reached) {
        keys(key);
        for (int tries = 0; tries < 10; ++tries) {
            if (eventually([&] { return reached() || shows("Battle!"); }) && reached()) return true;
            if (!fromTheStreets("Current Money", "")) return false;
            if (reached()) return true;
            keys(key);
        }
        return false;
    }
    // Types text as it stands (no key names), quoted as one word for the shell.
    void type(const std::string& text) {
        std::string quoted = "'";
        for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        tmux("send-keys -t game -l " + quoted + "'");
    }
    // The pane terminal's settings, read from outside while the game runs.
    std::string settings() { return output("stty -g -F " + tmux("display -p -t game '#{pane_tty}'")); }
    std::string file(const std::string& name) { return dir.read(name); }
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
    TempFolder dir;
    std::string socket;
};
