#pragma once
// Keys as a terminal delivers them: key events at fixed moments of virtual
// time, taken in by the game's own key state as the game polls and waits.
// Notes every moment a poll saw a key, so tests can tell when keys acted.

#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

#include "console/headless.h"
#include "console/host.h"
#include "platform/bound_keys.h"
#include "platform/key_state.h"

class TimedKeys : public Host {
public:
    // exact: the terminal reports releases (kitty); otherwise presses only (tmux).
    explicit TimedKeys(bool exact) { keys.setExact(exact); }

    TimedKeys& at(std::int64_t t, int key, KeyAction action = KeyAction::Press) {
        if (action == KeyAction::Release && !keys.exact()) return *this;  // never sent there
        InputEvent e;
        e.key = key;
        e.time = t;
        e.action = action;
        e.legacy = !keys.exact();
        events.push_back(e);
        return *this;
    }
    // A keyboard's auto-repeat of the key from `from` to `until`.
    TimedKeys& repeats(int key, std::int64_t from, std::int64_t until, std::int64_t every = 33) {
        for (std::int64_t t = from; t <= until; t += every) at(t, key, KeyAction::Repeat);
        return *this;
    }
    // The game may wait this long after the last event; later it has to stop.
    void setIdleLimit(std::int64_t ms) { idleLimit = ms; }

    std::int64_t now() override { return clock; }
    void waitUntil(std::int64_t deadline) override {
        const std::int64_t end = events.empty() ? 0 : events.back().time;
        if (deadline > end + idleLimit) throw ScriptEnded("the game waited past the timed keys");
        clock = std::max(clock, deadline);
        takeIn();
    }
    bool keyHeld(int key) override { return noted(key, keys.held(key, takeIn())); }
    bool keyDown(int key) override { return noted(key, keys.pressed(key, takeIn())); }
    void waitForRelease(int key) override {
        while (keys.down(key)) {
            if (next >= events.size()) throw ScriptEnded("a key is never released");
            waitUntil(events[next].time);
        }
    }
    void screenCleared() override { keys.screenCleared(takeIn()); }
    void dropPresses(int key, std::int64_t madeBefore) override {
        takeIn();
        keys.dropPresses(key, madeBefore);
    }

    std::map<int, std::vector<std::int64_t>> seen;  // per key, when a poll saw it

private:
    std::int64_t takeIn() {
        for (; next < events.size() && events[next].time <= clock; ++next) recordBound(keys, events[next]);
        return clock;
    }
    bool noted(int key, bool down) {
        if (down) seen[key].push_back(clock);
        return down;
    }

    KeyState keys;
    std::vector<InputEvent> events;  // in time order
    std::size_t next = 0;
    std::int64_t clock = 0;
    std::int64_t idleLimit = 2000;
};
