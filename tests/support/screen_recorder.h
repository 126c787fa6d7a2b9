#pragma once
// Test helpers for screens that clear themselves before they return: a key
// script that keeps a copy of the screen at every key press, and a music
// player that notes what it was asked to play.

#include <cstdint>
#include <string>
#include <vector>

#include "console/headless.h"
#include "console/music.h"
#include "console/screen.h"
#include "game/game_values.h"

// A copy of the screen's text, row by row.
struct Shot {
    int key = 0;
    std::int64_t time = 0;
    std::vector<std::string> rows;
    std::vector<std::vector<int>> attrs;  // attrs[y][x]

    // The text of length n at (x, y).
    std::string at(int x, int y, std::size_t n) const { return rows[y].substr(static_cast<std::size_t>(x), n); }
    int attrAt(int x, int y) const { return attrs[y][x]; }
    bool shows(const std::string& text) const {
        for (const auto& row : rows)
            if (row.find(text) != std::string::npos) return true;
        return false;
    }
};

inline Shot takeShot(int key, std::int64_t time) {
    Shot shot{key, time, {}, {}};
    for (int y = 0; y < ScreenModel::height; ++y) {
        shot.rows.push_back(screen().rowText(y));
        shot.attrs.emplace_back();
        for (int x = 0; x < ScreenModel::width; ++x) shot.attrs.back().push_back(screen().attrAt(x, y));
    }
    return shot;
}

class ScreenRecorder : public HeadlessHost {
public:
    bool keyDown(int key) override {
        const bool down = HeadlessHost::keyDown(key);
        if (down) shots.push_back(takeShot(key, now()));
        return down;
    }
    // True when some press saw the text on the screen.
    bool saw(const std::string& text) const {
        for (const auto& shot : shots)
            if (shot.shows(text)) return true;
        return false;
    }
    std::vector<Shot> shots;
};

// Installs itself for the test's lifetime and notes every call as "play
// <path>" or "stop", with the bar's music flag at that moment.
class RecordingMusic : public MusicPlayer {
public:
    RecordingMusic() { setMusicPlayer(this); }
    ~RecordingMusic() override { setMusicPlayer(nullptr); }
    bool play(const std::string& path) override {
        calls.push_back("play " + path);
        barFlags.push_back(battleMusicPlaying);
        return true;
    }
    void stop() override {
        calls.push_back("stop");
        barFlags.push_back(battleMusicPlaying);
    }
    std::vector<std::string> calls;
    std::vector<bool> barFlags;
};
