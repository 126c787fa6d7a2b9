#pragma once
// Fighting screens under test: the screen as it stood at each press of Enter.

#include <string>

#include "support/test_player.h"

class FightTest : public PlayerTest {
protected:
    // Option n of a menu: n Downs, then Enter.
    void pick(int n) { script.choose(n); }
    void enter() { script.tap(VK::Enter); }
    // The screen seen at the i-th Enter (from 0), and n characters at (x, y) of it.
    const Shot& atEnter(std::size_t i) const { return script.at(VK::Enter, i); }
    std::string shot(std::size_t i, int x, int y, std::size_t n) const { return atEnter(i).text(x, y, n); }
};
