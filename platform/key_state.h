#pragma once
// Which keys count as down, from the timed key events of the decoder. The
// game asks in two ways (console/host.h): the held view (true at every poll
// while the key is down: walking) and the press view (true once per press:
// menus, the number field, the waits for Enter).
//
// Exact mode, where the terminal reports releases: a key is down from its
// press to its release.
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
// burst (fast typing) are handed out in their order, one every
// pressSpacingMs; a press nobody takes is forgotten after pressLifetimeMs.

#include <array>
#include <cstdint>
#include <deque>

#include "platform/key_decoder.h"

class KeyState {
public:
    static constexpr std::int64_t minQuietMs = 120;
    static constexpr std::int64_t pressSpacingMs = 90;
    static constexpr std::int64_t pressLifetimeMs = 500;
    // Auto-repeat starts at least this long after a press and at most this long
    // (keyboards default to 250-660 ms); faster events are taps.
    static constexpr std::int64_t minRepeatDelayMs = 200;
    static constexpr std::int64_t maxRepeatDelayMs = 1000;
    // Once a hold has shown the keyboard's repeat delay, an event this close
    // to that delay after the last one waits a quiet window before it counts
    // as a press: if auto-repeats follow, it was the first of them.
    static constexpr std::int64_t repeatDelayTolerance = 50;
    // In exact mode a key with no news for this long is taken as released, in
    // case a release got lost (keys that are held keep sending repeats).
    static constexpr std::int64_t staleDownMs = 1500;

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
    bool down(int key, std::int64_t now) const;
    // How long an auto-repeating key must be quiet to count as released.
    std::int64_t quietWindow() const;
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

    std::array<Slot, 256> slots{};
    std::deque<Pending> pending;
    std::int64_t lastVisible = -1000000;
    std::int64_t interval = 0;     // measured auto-repeat interval; 0 until known
    std::int64_t repeatDelay = 0;  // measured delay before auto-repeat starts; 0 until known
    bool exactMode = false;
};
