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
// Emulated mode, where only presses and the keyboard's auto-repeats arrive.
// Keyboards repeat 10-50 times a second after a delay of 150-1,000 ms; the
// rules below never believe a figure outside those ranges.
// - The keyboard's repeat interval and delay are learned only from clear
//   evidence: three gaps in a row within a few ms of each other, inside the
//   interval range, give the interval, and the gap before such a run gives
//   the delay. Both are clamped to the ranges and drift back towards the
//   usual figures (40 ms, 500 ms) with a half-life of a few minutes, so one
//   odd keyboard or link is forgotten.
// - A run of auto-repeats starts with an event an interval (at most 100 ms)
//   after one that came a delay after the one before; the run goes on while
//   each event follows the last within the run's interval plus a margin.
//   Events that come later (a slow link, a busy machine) are new presses and
//   never widen what counts as a repeat, so the figures cannot drift.
// - A press counts once, taken by whichever view reads it first; repeats are
//   never presses. The first auto-repeat looks like a press until the next
//   one follows; it is withdrawn then, and once the delay is known, an event
//   about that long after the last one waits the run's margin before it
//   counts, in case repeats follow.
// - The held view is true while repeats come: a key counts as released when
//   no repeat followed within the interval plus the margin. So a tap walks
//   one tile, holding an arrow walks one at once and then one every tick
//   once the keyboard repeats, and walking stops at most one interval and one
//   margin after the last repeat.
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
    // Long enough for four digits typed in one burst to reach the number
    // field, which takes one digit per 80 ms poll.
    static constexpr std::int64_t pressLifetimeMs = 350;
    // The keyboards' ranges, and the figures assumed until one is learned.
    static constexpr std::int64_t minRepeatIntervalMs = 20;
    static constexpr std::int64_t maxRepeatIntervalMs = 100;
    static constexpr std::int64_t usualRepeatIntervalMs = 40;
    static constexpr std::int64_t minRepeatDelayMs = 150;
    static constexpr std::int64_t maxRepeatDelayMs = 1000;
    static constexpr std::int64_t usualRepeatDelayMs = 500;
    // How late a repeat may come and still continue its run.
    static constexpr std::int64_t repeatMarginMs = 50;
    // Taps of one key this close may come from a person (fast typing).
    static constexpr std::int64_t quickTapsMs = 200;
    // How far apart the gaps of a run may be and still count as even.
    static constexpr std::int64_t evenGapsMs = 8;
    // How close to the delay an event must come to wait for repeats.
    static constexpr std::int64_t repeatDelayTolerance = 50;
    // Learned figures halve their distance to the usual ones this often.
    static constexpr std::int64_t forgetHalfLifeMs = 5 * 60 * 1000;

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
    // The keyboard's repeat interval and delay as learned by now.
    std::int64_t repeatInterval(std::int64_t now) const { return interval.at(now); }
    std::int64_t repeatDelay(std::int64_t now) const { return delay.at(now); }
    // The screen was cleared at now: earlier presses are dropped, and keys
    // held down then are no press for the next screen.
    void screenCleared(std::int64_t now);
    // Presses of the key made before madeBefore are dropped; a hold begun
    // before then is no press.
    void dropPresses(int key, std::int64_t madeBefore);
    // Every key counts as up (the window lost the focus: releases go elsewhere).
    void releaseAll();
    // Forgets every key (after the game was suspended, releases may be lost).
    void forget();

private:
    // A figure of the keyboard: clamped to its range, back to usual in time.
    struct Learned {
        std::int64_t usual, low, high;
        std::int64_t value = usual;
        std::int64_t learnedAt = 0;
        bool known = false;
        std::int64_t at(std::int64_t now) const;
        void learn(std::int64_t sample, std::int64_t now);
    };
    struct Slot {
        std::int64_t lastEvent = -1000000;
        std::array<std::int64_t, 3> gaps{1000000, 1000000, 1000000};  // the latest first
        std::int64_t runInterval = 0;                                 // emulated: the interval of the run under way
        std::int64_t runDelay = 0;   // emulated: the gap before the run's first repeat
        bool repeating = false;      // emulated: auto-repeats are coming
        bool down = false;           // exact: between press and release
        bool pressTaken = false;     // exact: a view has taken this hold's press
        std::int64_t pressedAt = 0;  // exact: when this hold began
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
    void recordExact(const InputEvent& e);
    void recordEmulated(const InputEvent& e);
    // Whether the event with this gap continues or starts a run of repeats.
    bool continuesRun(const Slot& s, std::int64_t gap) const;
    bool startsRun(const Slot& s, std::int64_t gap) const;
    // Learns the keyboard's figures when the slot's last gaps are even.
    void learnFromRun(Slot& s, std::int64_t now);
    bool physicallyDown(int key, std::int64_t now) const;
    // Whether an older press, already visible, comes before it.
    bool waitsItsTurn(std::deque<Pending>::const_iterator press, std::int64_t now) const;

    std::array<Slot, 256> slots{};
    std::deque<Pending> pending;
    Learned interval{usualRepeatIntervalMs, minRepeatIntervalMs, maxRepeatIntervalMs};
    Learned delay{usualRepeatDelayMs, minRepeatDelayMs, maxRepeatDelayMs};
    bool exactMode = false;
};
