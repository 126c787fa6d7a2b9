#pragma once
// The Windows console while the game runs: a screen buffer of its own (the
// player's console and its scrollback come back untouched, as the alternate
// screen does on a terminal), sized 80 x 25 where the console allows it, a
// hidden cursor, and input that reports each key going down and up, with
// Ctrl+C and Ctrl+Break left to the control handler. All of it is undone on
// every way out: the end of the session, exit(), an uncaught exception, and
// the control handler (Ctrl+C, Ctrl+Break, closing the window, logoff,
// shutdown), which restores the console and then lets Windows end the game.
//
// Only one session exists at a time. <windows.h> stays inside the .cpp.

#include <vector>

#include "platform/windows_cells.h"
#include "platform/windows_key_events.h"

class WindowsConsole {
public:
    // Takes over the console. Throws std::runtime_error when standard input
    // or output is not a console.
    WindowsConsole();
    ~WindowsConsole();
    WindowsConsole(const WindowsConsole&) = delete;
    WindowsConsole& operator=(const WindowsConsole&) = delete;

    // Writes the patch's rectangle in one call.
    void write(const CellPatch& patch);
    // Sleeps until input arrives or timeoutMs have passed (a negative timeout
    // waits without limit). Never spins.
    void waitForInput(int timeoutMs);
    // Wakes a sleeping waitForInput from another thread.
    static void wake();
    // Every record waiting, without waiting for more; resized is set when the
    // buffer changed its size. When the console can no longer be read (a wait
    // would otherwise return at once, forever), keeps the game in play
    // (console/interruption.h) and throws std::runtime_error.
    std::vector<ConsoleInput> readAvailable(bool& resized);
    // The size of the console's window in character cells.
    bool size(int& columns, int& rows) const;
};
