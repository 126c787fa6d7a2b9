#pragma once
// Which keys count as down, from the timed key events of the decoder. The
// game asks in two ways (console/host.h): the held view (true at every poll
// while the key is down: walking) and the press view (true once per press:
// menus, the number field, the waits for Enter).
//
// Exact mode, where the terminal reports releases: a key is down from its
// press to its release, however long no repeat comes (a keyboard repeats only
// the last key pressed, so of two held arrows one falls silent). A release
// lost to another window is made up for when the terminal reports that the
// window lost the focus.
//
// Emulated mode, where only presses and the keyboard's auto-repeats arrive:
// a press counts once, taken by whichever view reads it first; a key whose
// auto-repeats keep coming counts as held until it has been quiet for
// max(3 x the measured repeat interval, 120 ms), and those repeats are never
// new presses. (The first auto-repeat, which comes the keyboard's repeat
// delay after the press, looks like a second press until the next one
// follows; it is withdrawn then, and once the delay is known such an event
// waits that long before it counts.) So a tap walks one tile, and holding an arrow walks one step
// at once and then, once the keyboard starts repeating, one step every tick.
//
// In both modes a press is kept until a view takes it, even when its release
// came first, so no tap falls between two polls. Presses that arrive in a
// burst (fast typing) are handed out in the order they were made: a press
// waits while an older one has not been taken. A press acts within
// pressLifetimeMs of being made or never, so a burst stops acting soon after
// the last key, and a press of a key the screen does not poll holds the next
// ones back no longer than that. When the screen is cleared, the presses made
// before belong to the old screen and are dropped, and keys that are down
// then do not count as new presses on the next one.

#include <array>
#include <cstdint>
#include <deque>

#include "platform/key_decoder.h"

class KeyState {
public:
    static constexpr std::int64_t minQuietMs = 120;
    // Long enough for four digits typed in one burst to reach the number
    // field, which takes one digit per 80 ms poll.
    static constexpr std::int64_t pressLifetimeMs = 350;
    // Auto-repeat starts at least this long after a press and at most this long
    // (keyboards default to 250-660 ms); faster events are taps.
    static constexpr std::int64_t minRepeatDelayMs = 200;
    static constexpr std::int64_t maxRepeatDelayMs = 1000;
    // Once a hold has shown the keyboard's repeat delay, an event this close
    // to that delay after the last one waits a quiet window before it counts
    // as a press: if auto-repeats follow, it was the first of them.
    static constexpr std::int64_t repeatDelayTolerance = 50;
    void setExact(bool on) { exactMode = on; }
    bool exact() const { return exactMode; }

    // Takes in one key event (other kinds are ignored).
    void record(const InputEvent& e);
    // Held view.
    bool held(int key, std::int64_t now);
    // Press view: true once per press; takes the press.
    bool pressed(int key, std::int64_t now);
    // Whether a key that the press view reported is still down: in exact mode
    // until its release, in emulated mode never (the press is over at once).
    bool down(int key) const;
    // How long an auto-repeating key must be quiet to count as released.
    std::int64_t quietWindow() const;
    // The screen was cleared at now: earlier presses are dropped, and keys
    // held down then are no press for the next screen.
    void screenCleared(std::int64_t now);
    // Every key counts as up (the window lost the focus: releases go elsewhere).
    void releaseAll();
    // Forgets every key (after the game was suspended, releases may be lost).
    void forget();

private:
    struct Slot {
        std::int64_t lastEvent = -1000000;
        std::int64_t gapBefore = 1000000;  // between the last event and the one before it
        bool repeating = false;            // emulated: auto-repeats are coming
        bool down = false;                 // exact: between press and release
        bool pressTaken = false;           // exact: a view has taken this hold's press
    };
    struct Pending {
        int key;
        std::int64_t at;         // when the press came
        std::int64_t visibleAt;  // from when the views see it
    };

    Slot& slot(int key) { return slots[static_cast<std::size_t>(key) & 0xFF]; }
    const Slot& slot(int key) const { return slots[static_cast<std::size_t>(key) & 0xFF]; }
    void addPress(int key, std::int64_t at, std::int64_t holdBack);
    void withdrawPress(int key, std::int64_t at);
    bool takePress(int key, std::int64_t now, bool evenIfHidden);
    void recordEmulated(const InputEvent& e);
    bool physicallyDown(int key, std::int64_t now) const;
    // Whether an older press, already visible, comes before it.
    bool waitsItsTurn(std::deque<Pending>::const_iterator press, std::int64_t now) const;

    std::array<Slot, 256> slots{};
    std::deque<Pending> pending;
    std::int64_t interval = 0;     // measured auto-repeat interval; 0 until known
    std::int64_t repeatDelay = 0;  // measured delay before auto-repeat starts; 0 until known
    bool exactMode = false;
};
