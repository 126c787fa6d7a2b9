#include "console/headless.h"

#include <algorithm>

#include "console/key_bindings.h"

HeadlessHost& HeadlessHost::tap(int virtualKey) { return hold(virtualKey, 30); }

HeadlessHost& HeadlessHost::hold(int virtualKey, int ms) { return hold({virtualKey}, ms); }

HeadlessHost& HeadlessHost::hold(std::initializer_list<int> virtualKeys, int ms) {
    steps.push_back(Step{std::vector<int>(virtualKeys), ms, -1});
    return *this;
}

HeadlessHost& HeadlessHost::pause(int ms) {
    steps.push_back(Step{{}, ms, -1});
    return *this;
}

HeadlessHost& HeadlessHost::type(const char* keys) {
    for (; *keys; ++keys) tap(*keys);
    return *this;
}

// The script's keys are keys of the keyboard: each acts as the game key it
// is bound to, as on a terminal.
bool HeadlessHost::stepHolds(const Step& step, int virtualKey) {
    return std::any_of(step.keys.begin(), step.keys.end(),
                       [&](int key) { return keyBindings().gameKey(key) == virtualKey; });
}

void HeadlessHost::settle() {
    while (next < steps.size()) {
        Step& step = steps[next];
        if (step.start < 0 && step.keys.empty()) step.start = std::max(clock, lastEnd);
        if (step.start < 0 || clock < step.start + step.duration) return;
        lastEnd = step.start + step.duration;
        releasedKeys = !step.keys.empty();
        ++next;
    }
}

bool HeadlessHost::isDown(int virtualKey) {
    // A game that polls over and over without ever waiting would hang a test.
    if (++pollsWithoutTime > 1000000) throw ScriptEnded("the game polls keys without waiting");
    settle();
    if (next >= steps.size()) return false;
    Step& step = steps[next];
    if (!stepHolds(step, virtualKey)) return false;
    if (step.start < 0) {
        if (releasedKeys && clock < lastEnd + gapMs) return false;
        step.start = clock;
    }
    return clock >= step.start && clock < step.start + step.duration;
}

void HeadlessHost::waitForRelease(int virtualKey) {
    settle();
    if (next >= steps.size()) return;
    const Step& step = steps[next];
    if (stepHolds(step, virtualKey) && step.start >= 0) advanceTo(step.start + step.duration);
}

void HeadlessHost::waitUntil(std::int64_t deadline) { advanceTo(deadline); }

void HeadlessHost::advanceTo(std::int64_t t) {
    if (t <= clock) return;
    settle();
    // With no step under way the game is waiting on the script, since the end
    // of the last step.
    const bool waitingOnScript = next >= steps.size() || steps[next].start < 0;
    if (waitingOnScript && t > lastEnd + idleLimit)
        throw ScriptEnded("the game waited past the end of its key script (" + pendingDescription() + ")");
    clock = t;
    pollsWithoutTime = 0;
    settle();
}

std::string HeadlessHost::pendingDescription() const {
    if (next >= steps.size()) return "all " + std::to_string(steps.size()) + " steps done";
    std::string keys;
    for (int k : steps[next].keys) keys += (keys.empty() ? "" : ",") + std::to_string(k);
    return "step " + std::to_string(next + 1) + " of " + std::to_string(steps.size()) + ", key " + keys +
           ", was never polled";
}
