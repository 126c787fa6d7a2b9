#pragma once
// Screens clear themselves before they return, so these tests read the screen
// as it stood at each key press. RecordingMusic notes what music was asked for.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "console/music.h"
#include "model/game_values.h"
#include "support/console_fixture.h"

// The screen as it stood when a key was pressed.
struct Shot {
    Shot(int pressed, std::int64_t t) : key(pressed), time(t) {
        for (int y = 0; y < ScreenModel::height; ++y) {
            rows.push_back(screen().rowText(y));
            attrs.emplace_back();
            for (int x = 0; x < ScreenModel::width; ++x) attrs.back().push_back(screen().attrAt(x, y));
        }
    }
    bool shows(const std::string& text) const {
        for (const auto& row : rows)
            if (row.find(text) != std::string::npos) return true;
        return false;
    }
    // The n characters at (x, y).
    std::string text(int x, int y, std::size_t n) const {
        return rows.at(static_cast<std::size_t>(y)).substr(static_cast<std::size_t>(x), n);
    }
    int attrAt(int x, int y) const { return attrs.at(static_cast<std::size_t>(y)).at(static_cast<std::size_t>(x)); }

    int key;
    std::int64_t time;
    std::vector<std::string> rows;
    std::vector<std::vector<int>> attrs;  // attrs[y][x]
};

class ScreenRecorder : public HeadlessHost {
public:
    bool keyDown(int key) override {
        const bool down = HeadlessHost::keyDown(key);
        if (down) shots.emplace_back(key, now());
        return down;
    }
    // Option n (from 0) of a menu: n Downs, then Enter.
    ScreenRecorder& choose(int n) {
        for (int i = 0; i < n; ++i) tap(VK::Down);
        return static_cast<ScreenRecorder&>(tap(VK::Enter));
    }
    bool saw(const std::string& text) const {
        for (const auto& shot : shots)
            if (shot.shows(text)) return true;
        return false;
    }
    // The screen at the i-th press (from 0) of the key: what the player read
    // before going on, for screens that wait for Enter.
    const Shot& at(int key, std::size_t i) const {
        for (const Shot& shot : shots)
            if (shot.key == key && i-- == 0) return shot;
        throw std::out_of_range("the key was pressed fewer times");
    }
    std::vector<Shot> shots;
};

// Notes every call as "play <path>" or "stop".
struct RecordingMusic : MusicPlayer {
    RecordingMusic() { setMusicPlayer(this); }
    ~RecordingMusic() override { setMusicPlayer(nullptr); }
    bool play(const std::string& path) override {
        calls.push_back("play " + path);
        return true;
    }
    void stop() override { calls.push_back("stop"); }
    std::vector<std::string> calls;
};

// Keys from a ScreenRecorder.
class ScreenTest : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        setHost(&script);
    }
    // The screen as the game left it: what the player reads on the next tick.
    bool screenShows(const std::string& text) {
        for (int y = 0; y < ScreenModel::height; ++y)
            if (row(y).find(text) != std::string::npos) return true;
        return false;
    }
    bool screenIsBlank() {
        for (int y = 0; y < ScreenModel::height; ++y)
            if (row(y) != std::string(ScreenModel::width, ' ')) return false;
        return true;
    }
    ScreenRecorder script;
};
