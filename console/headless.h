#pragma once
// The headless host: a virtual clock that jumps forward whenever the game
// waits, and a key script. Nothing is shown; tests read the screen model.
//
// A script is a list of steps. A key step starts at the first poll of one of
// its keys (at least `gapMs` after keys of the previous step were released),
// holds its keys
// down for its duration, then releases them. A pause step lets time pass with
// no key down. A game that waits on after the script has run out, or never
// polls the key of the next step, fails fast with ScriptEnded.

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "console/host.h"

struct ScriptEnded : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class HeadlessHost : public Host {
public:
    // Steps of the script, in order. Times are virtual milliseconds.
    HeadlessHost& tap(int virtualKey);
    HeadlessHost& hold(int virtualKey, int ms);
    HeadlessHost& hold(std::initializer_list<int> virtualKeys, int ms);
    HeadlessHost& pause(int ms);
    // Taps each key of the text in turn: digits for the number field.
    HeadlessHost& type(const char* keys);

    // How long the game may wait once the script has nothing more to offer.
    void setIdleLimit(std::int64_t ms) { idleLimit = ms; }
    bool scriptDone() const { return next >= steps.size(); }

    std::int64_t now() override { return clock; }
    void waitUntil(std::int64_t deadline) override;
    bool keyHeld(int virtualKey) override { return isDown(virtualKey); }
    bool keyDown(int virtualKey) override { return isDown(virtualKey); }
    void waitForRelease(int virtualKey) override;

private:
    struct Step {
        std::vector<int> keys;  // empty for a pause
        std::int64_t duration = 0;
        std::int64_t start = -1;  // set when the step begins
    };

    bool isDown(int virtualKey);
    static bool stepHolds(const Step& step, int virtualKey);
    void settle();  // ends finished steps and starts due pauses
    void advanceTo(std::int64_t t);
    std::string pendingDescription() const;

    std::vector<Step> steps;
    std::size_t next = 0;  // the step under way or waiting to start
    std::int64_t clock = 0;
    std::int64_t lastEnd = 0;   // when the previous step ended
    bool releasedKeys = false;  // the previous step released keys: the next waits a gap
    static constexpr std::int64_t gapMs = 40;
    std::int64_t idleLimit = 60000;
    std::int64_t pollsWithoutTime = 0;
};
