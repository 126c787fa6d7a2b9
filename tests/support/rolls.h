#pragma once
// Random numbers the test chooses, in place of the game's generator while
// the object lives.

#include <stdexcept>
#include <utility>
#include <vector>

#include "console/random.h"

// Hands out its values in order; running out fails the test instead of looping.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<int> v) : values(std::move(v)) { setRandomSource(this); }
    ~ScriptedRandom() override { setRandomSource(nullptr); }
    int next() override {
        if (used >= values.size()) throw std::runtime_error("the random script ran out");
        return values[used++];
    }
    bool allUsed() const { return used == values.size(); }

private:
    std::vector<int> values;
    std::size_t used = 0;
};

// Every roll is 0: enemies stand still (no chase, a wander that stays),
// every blow lands with the least damage, rewards are the least.
struct ZeroRolls : RandomSource {
    ZeroRolls() { setRandomSource(this); }
    ~ZeroRolls() override { setRandomSource(nullptr); }
    int next() override { return 0; }
};
