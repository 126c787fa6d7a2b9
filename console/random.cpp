#include "console/random.h"

#include <cstdint>

#include "console/host.h"

namespace {

// A linear congruential generator with the classic constants of C runtimes.
class ClockSeededGenerator : public RandomSource {
public:
    void seed(unsigned s) { state = s; }
    int next() override {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFFu);
    }

private:
    std::uint32_t state = 1;
};

ClockSeededGenerator generator;
RandomSource* replacement = nullptr;

}  // namespace

int gameRand() { return replacement ? replacement->next() : generator.next(); }

void seedRandom(unsigned seed) { generator.seed(seed); }

void seedRandomFromClock() { seedRandom(static_cast<unsigned>(host().now())); }

void setRandomSource(RandomSource* source) { replacement = source; }
