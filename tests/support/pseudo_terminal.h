#pragma once
// A program run on a pseudo-terminal of our own, with the caller playing the
// terminal: it reads everything the program writes and types the bytes a
// terminal would send. For tests and measurements of the real terminal layer.

#include <string>
#include <vector>

class PseudoTerminal {
public:
    // Starts the program (a path) with its arguments on a new pseudo-terminal
    // of the given size, with the extra environment entries ("NAME=value");
    // TERM is xterm-256color unless they say otherwise. Throws std::runtime_error.
    PseudoTerminal(const std::string& program, int columns, int rows, const std::vector<std::string>& environment,
                   const std::vector<std::string>& arguments = {});
    // Kills the program if it still runs.
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Sends bytes as typed input.
    void type(const std::string& bytes);
    // Reads output until the text appears after what earlier waits consumed,
    // or the time is up. True when it appeared; later waits search after it.
    bool waitFor(const std::string& text, int timeoutMs);
    // Everything the program wrote so far, and what came after the last waitFor match.
    const std::string& transcript() const { return seen; }
    std::string sinceLastMatch() const { return seen.substr(searchFrom); }
    // Takes in output for a while (so the program never blocks on writing).
    void drain(int ms);
    void signal(int sig);
    // Closes the terminal's side, as a terminal window that is closed does.
    void hangUp();
    // The exit status (128 + signal when a signal ended it), or -1 when it
    // still runs after timeoutMs.
    int waitForExit(int timeoutMs);
    int pid() const { return child; }

private:
    void readSome(int timeoutMs);

    int master = -1;
    int child = -1;
    int status = -1;
    std::string seen;
    std::size_t searchFrom = 0;
};
