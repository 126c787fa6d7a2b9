#pragma once
// Interruptions of play (console/interruption.h) as the system reports them:
// SIGHUP, SIGTERM and SIGINT on a terminal; on Windows the console's control
// events (Ctrl+C, Ctrl+Break, the window closed, logoff, shutdown). A handler
// only notes what came and wakes the host; the host's next poll calls
// stopIfInterrupted, which keeps the game in play from the main loop and ends
// play. Should the main loop not get there within a few seconds, the program
// ends as it would have without the watch. A second signal of the same
// interruption (a hang-up comes from the kernel and from the shell) changes
// nothing.

// Watches while it lives (the hosts hold one); only one at a time.
class InterruptionWatch {
public:
    // wake wakes the host's sleeping wait; it is called from a signal handler
    // (so must be async-signal-safe), or on Windows from another thread.
    explicit InterruptionWatch(void (*wake)());
    ~InterruptionWatch();
    InterruptionWatch(const InterruptionWatch&) = delete;
    InterruptionWatch& operator=(const InterruptionWatch&) = delete;
};

// Called from the hosts' polls: once play was interrupted, keeps the game in
// play (keepGameInPlay) and throws PlayInterrupted.
void stopIfInterrupted();

// Once everything is unwound and the terminal restored, ends the program as
// the interruption would have: by the signal itself, or on Windows as a
// console does on Ctrl+C.
[[noreturn]] void endAsInterrupted(int cause);
