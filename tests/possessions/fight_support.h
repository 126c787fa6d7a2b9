#pragma once
// Fighting screens under test: keys from a script that keeps a copy of the
// screen at every press of Enter (what the player read before going on), and
// music noted rather than played.

#include <string>
#include <vector>

#include "console/music.h"
#include "game/game_values.h"
#include "possessions/possessions.h"
#include "support/console_fixture.h"
#include "world/character.h"

class EnterLog : public HeadlessHost {
public:
    void waitForRelease(int key) override {
        if (key == VK::Enter) shots.push_back(screen());
        HeadlessHost::waitForRelease(key);
    }
    bool showed(const std::string& text) const {
        int x = 0, y = 0;
        for (const ScreenModel& shot : shots)
            if (shot.find(text, x, y)) return true;
        return false;
    }
    std::vector<ScreenModel> shots;
};

class MusicLog : public MusicPlayer {
public:
    bool play(const std::string& path) override {
        calls.push_back("play " + path);
        return true;
    }
    void stop() override { calls.push_back("stop"); }
    std::vector<std::string> calls;
};

class FightTest : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        setHost(&script);
        setMusicPlayer(&music);
        resetGameValues();
        player.setHp(500);
        player.setMaxHp(500);
    }
    void TearDown() override {
        resetGameValues();
        setMusicPlayer(nullptr);
        ConsoleTest::TearDown();
    }
    // Option n of a menu: n Downs, then Enter.
    void pick(int n) {
        for (int i = 0; i < n; ++i) script.tap(VK::Down);
        script.tap(VK::Enter);
    }
    void enter() { script.tap(VK::Enter); }
    // n characters at (x, y) of the screen seen at the i-th Enter.
    std::string shot(std::size_t i, int x, int y, std::size_t n) const {
        return script.shots.at(i).rowText(y).substr(static_cast<std::size_t>(x), n);
    }

    EnterLog script;
    MusicLog music;
    Character player;
    Possessions possessions;
};
