#pragma once
// Fighting screens under test: a player of 500 hit points, music noted rather
// than played, and the screen as it stood at each press of Enter.

#include <string>

#include "model/possessions.h"
#include "support/screen_recorder.h"
#include "model/character.h"

class FightTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        player.setHp(500);
        player.setMaxHp(500);
    }
    // Option n of a menu: n Downs, then Enter.
    void pick(int n) { script.choose(n); }
    void enter() { script.tap(VK::Enter); }
    // The screen seen at the i-th Enter (from 0), and n characters at (x, y) of it.
    const Shot& atEnter(std::size_t i) const { return script.at(VK::Enter, i); }
    std::string shot(std::size_t i, int x, int y, std::size_t n) const { return atEnter(i).text(x, y, n); }

    RecordingMusic music;
    Character player;
    Possessions possessions;
};
