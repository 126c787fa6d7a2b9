#include <windows.h>

#include <atomic>

#include "console/interruption.h"
#include "platform/interruption.h"

namespace {

// Windows waits 5 seconds for a handler of the close event before it ends
// the program regardless; the game is kept well within that.
constexpr DWORD graceMs = 4000;

// The control event that interrupted play, plus one (Ctrl+C is event 0), or 0.
std::atomic<int> pending{0};
std::atomic<void (*)()> wakeHost{nullptr};
// Set once the game in play is kept; never closed, as a handler may wait on it.
const HANDLE kept = CreateEventW(nullptr, TRUE, FALSE, nullptr);

// Windows runs this on a thread of its own. Returning lets the handlers
// registered before it (the console's restore) and then Windows itself end
// the game, once the main loop has kept it.
BOOL WINAPI interruptGame(DWORD event) {
    // Ctrl+C, Ctrl+Break, close, logoff and shutdown: every event there is.
    if (event > CTRL_SHUTDOWN_EVENT) return FALSE;
    int none = 0;
    if (pending.compare_exchange_strong(none, static_cast<int>(event) + 1)) {
        if (void (*wake)() = wakeHost.load()) wake();
    }
    WaitForSingleObject(kept, graceMs);
    return FALSE;
}

}  // namespace

InterruptionWatch::InterruptionWatch(void (*wake)()) {
    pending = 0;
    ResetEvent(kept);
    wakeHost = wake;
    SetConsoleCtrlHandler(interruptGame, TRUE);
}

InterruptionWatch::~InterruptionWatch() {
    SetConsoleCtrlHandler(interruptGame, FALSE);
    wakeHost = nullptr;
}

void stopIfInterrupted() {
    const int marker = pending.load();
    if (marker == 0) return;
    std::string failure = keepGameInPlay();
    SetEvent(kept);
    throw PlayInterrupted{marker - 1, failure};
}

void endAsInterrupted(int) { ExitProcess(STATUS_CONTROL_C_EXIT); }
