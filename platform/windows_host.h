#pragma once
// The host for play on Windows: the console shows the screen model, the
// steady clock gives the time, and the console's own key events give exact
// key state (every key reports going down and up).
//
// Every wait presents the model first and then sleeps on the console's input
// handle, taking in records as they arrive; key polls take in waiting input
// without blocking and present before they answer. So the player always sees
// what the game drew, and a waiting game uses no CPU.

#include <chrono>
#include <cstdint>
#include <vector>

#include "console/host.h"
#include "platform/interruption.h"
#include "platform/key_state.h"
#include "platform/windows_cells.h"
#include "platform/windows_console.h"
#include "platform/windows_key_events.h"

class WindowsConsoleHost : public Host {
public:
    // Takes over the console; throws std::runtime_error when there is none.
    WindowsConsoleHost();

    std::int64_t now() override;
    void waitUntil(std::int64_t deadline) override;
    bool keyHeld(int virtualKey) override;
    bool keyDown(int virtualKey) override;
    void waitForRelease(int virtualKey) override;
    void screenCleared() override;

    // The console always reports releases.
    bool exactKeys() const { return true; }

private:
    // Takes in waiting input.
    void pump();
    void present();
    // While the window is smaller than the game, asks the player to enlarge
    // it and waits (sleeping, looking again every roomCheckMs).
    void waitForRoom();
    void sleepUntil(std::int64_t deadline);

    WindowsConsole console;
    InterruptionWatch watch{&WindowsConsole::wake};
    WindowsKeyEvents decoder;
    KeyState keys;
    WindowsCells cells;
    std::vector<InputEvent> events;
    std::chrono::steady_clock::time_point start;
};
