#pragma once
// The host for play on Windows: the console shows the screen model, and the
// console's own key events give exact key state (every key reports going down
// and up). Waits sleep on the console's input handle (the waits and key polls
// themselves are PollingHost's).

#include <cstdint>
#include <vector>

#include "platform/interruption.h"
#include "platform/polling_host.h"
#include "platform/windows_cells.h"
#include "platform/windows_console.h"
#include "platform/windows_key_events.h"

class WindowsConsoleHost : public PollingHost {
public:
    // Takes over the console; throws std::runtime_error when there is none.
    // The console always reports releases.
    WindowsConsoleHost();

private:
    // Takes in waiting input.
    void pump() override;
    void present() override;
    // While the window is smaller than the game, asks the player to enlarge
    // it and waits (sleeping, looking again every roomCheckMs).
    void waitForRoom();
    void sleepUntil(std::int64_t deadline) override;

    WindowsConsole console;
    InterruptionWatch watch{&WindowsConsole::wake};
    WindowsKeyEvents decoder;
    WindowsCells cells;
    std::vector<InputEvent> events;
};
