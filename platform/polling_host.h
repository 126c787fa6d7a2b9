#pragma once
// What every host for play shares: the steady clock, the key state, and the
// waits and key polls built on them. A host for a new system supplies only
//   pump():               take in the input waiting now, without blocking,
//                         and hand its events to takeIn();
//   present():            show the screen model (cheap when nothing changed);
//   sleepUntil(deadline): sleep until input may be waiting or the deadline.
// Anything a host must notice while the game waits (signals, a resized
// window) it checks in pump(), which every wait and every key poll calls.
//
// Every wait presents the model first and then sleeps, taking in input as it
// arrives; key polls take in waiting input and present before they answer.
// So the player always sees what the game drew, and a waiting game uses no CPU.

#include <chrono>
#include <cstdint>

#include "console/host.h"
#include "platform/key_decoder.h"
#include "platform/key_state.h"

class PollingHost : public Host {
public:
    PollingHost();

    std::int64_t now() override;
    void waitUntil(std::int64_t deadline) override;
    bool keyHeld(int virtualKey) override;
    bool keyDown(int virtualKey) override;
    void waitForRelease(int virtualKey) override;
    void screenCleared() override;
    void dropPresses(int virtualKey, std::int64_t madeBefore) override;

    // True when key releases are reported, so held keys are exact.
    bool exactKeys() const { return keys.exact(); }

protected:
    virtual void pump() = 0;
    virtual void present() = 0;
    virtual void sleepUntil(std::int64_t deadline) = 0;

    // Takes in the events that concern the key state: keys, and a lost focus.
    void takeIn(const InputEvent& e);

    KeyState keys;

private:
    std::chrono::steady_clock::time_point start;
};
