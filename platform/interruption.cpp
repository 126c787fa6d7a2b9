#include "platform/interruption.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "console/interruption.h"
#include "platform/signal_handler.h"

namespace {

const int watched[] = {SIGHUP, SIGTERM, SIGINT};
constexpr int watchedCount = sizeof watched / sizeof watched[0];
// Time for the main loop to keep the game and restore the terminal.
constexpr unsigned graceSeconds = 5;

// Plain static storage: the handlers may only touch this.
struct WatchState {
    volatile sig_atomic_t pending = 0;  // the signal that interrupted play, or 0
    void (*wake)() = nullptr;
    struct sigaction previous[watchedCount] {};
    struct sigaction previousAlarm {};
};

WatchState watch;

void onInterruption(int sig) {
    const int savedErrno = errno;
    if (!watch.pending) {
        watch.pending = sig;
        if (watch.wake) watch.wake();
        ::alarm(graceSeconds);
    }
    errno = savedErrno;
}

// The main loop did not end play in time: the signal does what it would have
// done without the watch (the terminal's own handler restores it first).
void onGraceOver(int) {
    const int sig = watch.pending;
    for (int i = 0; i < watchedCount; ++i)
        if (watched[i] == sig) ::sigaction(sig, &watch.previous[i], nullptr);
    ::raise(sig);
    setSignalHandler(sig, SIG_DFL, 0, nullptr);  // it was ignored before: it ends the game all the same
    ::raise(sig);
}

}  // namespace

InterruptionWatch::InterruptionWatch(void (*wake)()) {
    watch.pending = 0;
    watch.wake = wake;
    for (int i = 0; i < watchedCount; ++i)
        setSignalHandler(watched[i], onInterruption, SA_RESTART, &watch.previous[i]);
    setSignalHandler(SIGALRM, onGraceOver, 0, &watch.previousAlarm);
}

InterruptionWatch::~InterruptionWatch() {
    ::alarm(0);
    for (int i = 0; i < watchedCount; ++i) ::sigaction(watched[i], &watch.previous[i], nullptr);
    ::sigaction(SIGALRM, &watch.previousAlarm, nullptr);
    watch.wake = nullptr;
}

void stopIfInterrupted() {
    const int cause = watch.pending;
    if (cause == 0) return;
    std::string failure = keepGameInPlay();
    throw PlayInterrupted{cause, failure};
}

void endAsInterrupted(int cause) {
    setSignalHandler(cause, SIG_DFL, 0, nullptr);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, cause);
    ::sigprocmask(SIG_UNBLOCK, &set, nullptr);
    ::raise(cause);
    std::_Exit(128 + cause);  // a signal whose default is not to end the program
}
