#pragma once
// Every random number of the game comes from here: values 0 to 32767, from a
// generator seeded with the millisecond clock. Tests replace the source with a
// fixed sequence so that a given roll can be tried directly.

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual int next() = 0;  // 0..32767
};

// A value from 0 to 32767.
int gameRand();
// Seeds the game's generator.
void seedRandom(unsigned seed);
// Seeds the game's generator with the (possibly virtual) millisecond clock.
void seedRandomFromClock();
// Replaces the generator (tests); nullptr puts the game's own back.
void setRandomSource(RandomSource* source);
