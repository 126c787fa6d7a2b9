#pragma once
// Screens clear themselves before they return, so these tests read the screen
// as it stood at each key press. RecordingMusic notes what music was asked for.

#include <cstdint>
#include <string>
#include <vector>

#include "console/music.h"
#include "game/game_values.h"
#include "support/console_fixture.h"

struct Shot {
    explicit Shot(std::int64_t t) : time(t) {
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
    std::int64_t time;
    std::vector<std::string> rows;
    std::vector<std::vector<int>> attrs;  // attrs[y][x]
};

class ScreenRecorder : public HeadlessHost {
public:
    bool keyDown(int key) override {
        const bool down = HeadlessHost::keyDown(key);
        if (down) shots.emplace_back(now());
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
    std::vector<Shot> shots;
};

// Notes every call as "play <path>" or "stop", and the bar's flag at each.
struct RecordingMusic : MusicPlayer {
    RecordingMusic() { setMusicPlayer(this); }
    ~RecordingMusic() override { setMusicPlayer(nullptr); }
    bool play(const std::string& path) override { return note("play " + path); }
    void stop() override { note("stop"); }
    bool note(const std::string& call) {
        calls.push_back(call);
        barFlags.push_back(battleMusicPlaying);
        return true;
    }
    std::vector<std::string> calls;
    std::vector<bool> barFlags;
};

// Keys from a ScreenRecorder; a new game's program-wide values before and after.
class ScreenTest : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        setHost(&script);
        resetGameValues();
    }
    void TearDown() override {
        resetGameValues();
        ConsoleTest::TearDown();
    }
    bool screenIsBlank() {
        for (int y = 0; y < ScreenModel::height; ++y)
            if (row(y) != std::string(ScreenModel::width, ' ')) return false;
        return true;
    }
    ScreenRecorder script;
};
