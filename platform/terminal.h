#pragma once
// The real terminal while the game runs: raw input, the alternate screen, a
// hidden cursor and focus reports (so keys held when the window loses the
// focus are known to be released), all undone in reverse order on every way
// out: the end of the session, exit(), an uncaught exception, SIGINT,
// SIGTERM, SIGHUP, SIGQUIT and the crash signals (the terminal is restored,
// then the signal ends the program as it would have). Ctrl+Z (SIGTSTP) restores the terminal and stops;
// on SIGCONT the game's terminal comes back and the screen is redrawn whole.
// A change of size (SIGWINCH) wakes a sleeping wait through a self-pipe.
//
// Only one session exists at a time.

#include <string>
#include <string_view>

// What every write of the game to the terminal is also handed to, when set
// (a recording); null for nothing.
using TerminalOutputCopy = void (*)(std::string_view bytes);
void copyTerminalOutput(TerminalOutputCopy copy);

class TerminalSession {
public:
    // Takes over standard input and output. Throws std::runtime_error when
    // they are not a terminal, when TERM names a terminal that cannot place
    // the cursor (or is not set), or when the terminal cannot be set up.
    TerminalSession();
    ~TerminalSession();
    TerminalSession(const TerminalSession&) = delete;
    TerminalSession& operator=(const TerminalSession&) = delete;

    // True when the terminal's locale speaks UTF-8.
    bool utf8() const { return utf8Locale; }

    // Sends the bytes with one write (repeated only if the terminal takes
    // them in parts).
    void write(std::string_view bytes);
    // Whatever input is waiting, without waiting for more; empty when none.
    // When the terminal was closed or cannot be read, keeps the game in play
    // (console/interruption.h) and throws std::runtime_error.
    std::string readAvailable();
    // Sleeps until input arrives, a signal wants attention, or timeoutMs have
    // passed (a negative timeout waits without limit). Never spins: throws
    // std::runtime_error when the terminal was closed.
    void waitForInput(int timeoutMs);

    // Wakes a sleeping waitForInput; async-signal-safe.
    static void wakeFromSignal();

    // The terminal's size in character cells; false when it cannot be read.
    bool size(int& columns, int& rows) const;

    // What the signals asked for since the last call.
    struct Events {
        bool resized = false;  // the window changed its size
        bool resumed = false;  // the game came back from a stop: redraw everything
    };
    Events takeEvents();

    // Pushes kitty keyboard protocol flags; they are popped on every way out
    // and pushed again after a stop.
    void pushKeyboardFlags(int flags);
    // Asks for Windows Terminal's win32-input-mode (key downs and key ups);
    // turned off on every way out and on again after a stop.
    void enableWin32Input();

private:
    bool utf8Locale = false;
};
