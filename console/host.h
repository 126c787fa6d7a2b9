#pragma once
// The seam between the console layer and whatever shows the screen and
// supplies time and keys: the real terminal in play, a headless host in tests.

#include <cstdint>

class ScreenModel;

class Host {
public:
    virtual ~Host() = default;

    // Milliseconds since the program (or the test) started.
    virtual std::int64_t now() = 0;
    // Shows the screen model, then sleeps until the deadline while taking in
    // input. Every wait of the game goes through here; nothing spins.
    virtual void waitUntil(std::int64_t deadline) = 0;
    // Held view of a key: true at every poll while the key counts as down.
    virtual bool keyHeld(int virtualKey) = 0;
    // Press view of a key: true when a press of the key is under way.
    virtual bool keyDown(int virtualKey) = 0;
    // Returns once the press that keyDown reported has ended.
    virtual void waitForRelease(int virtualKey) = 0;
    // The screen was cleared: presses made before belong to the screen that
    // was there and must not act on the next one.
    virtual void screenCleared() {}
    // Presses of the key made before madeBefore never act (a held key's
    // press included).
    virtual void dropPresses(int /*virtualKey*/, std::int64_t /*madeBefore*/) {}
};

// The host in use. Until one is installed, a headless host with no keys serves.
Host& host();
void setHost(Host* h);

// The one screen model of the program.
ScreenModel& screen();

// Sends std::cout into the screen model, so that no write of the game reaches
// the terminal behind the presenter's back. Programs that draw on the screen
// call it first thing; tools that print plain text leave std::cout alone.
void bindCoutToScreen();
