#pragma once
// Installs a signal's handler the one way the terminal layer does it: no
// other signal held back while it runs. POSIX systems only.

#include <signal.h>

// previous, when given, receives the action replaced.
inline void setSignalHandler(int sig, void (*handler)(int), int flags, struct sigaction* previous = nullptr) {
    struct sigaction sa {};
    sa.sa_handler = handler;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = flags;
    ::sigaction(sig, &sa, previous);
}
