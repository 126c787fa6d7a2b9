#include "platform/polling_host.h"

#include "platform/bound_keys.h"

namespace {
// How long a wait for a key's release sleeps when no input comes; input
// wakes it sooner.
constexpr std::int64_t releaseWaitMs = 60000;
}  // namespace

PollingHost::PollingHost() : start(std::chrono::steady_clock::now()) {}

std::int64_t PollingHost::now() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

void PollingHost::takeIn(const InputEvent& e) {
    if (e.kind == InputEvent::Kind::Key) recordBound(keys, e);
    // The releases of keys held now go to another window.
    if (e.kind == InputEvent::Kind::FocusLost) keys.releaseAll();
}

void PollingHost::waitUntil(std::int64_t deadline) {
    present();
    for (;;) {
        pump();
        present();
        if (now() >= deadline) return;
        sleepUntil(deadline);
    }
}

bool PollingHost::keyHeld(int virtualKey) {
    pump();
    present();
    return keys.held(virtualKey, now());
}

bool PollingHost::keyDown(int virtualKey) {
    pump();
    present();
    return keys.pressed(virtualKey, now());
}

void PollingHost::screenCleared() {
    // Input still unread was typed before the clear as well.
    pump();
    keys.screenCleared(now());
}

void PollingHost::dropPresses(int virtualKey, std::int64_t madeBefore) {
    pump();
    keys.dropPresses(virtualKey, madeBefore);
}

void PollingHost::waitForRelease(int virtualKey) {
    // In emulated mode a press is over once it is taken; where releases are
    // reported this waits, sleeping, for the release.
    while (keys.down(virtualKey)) {
        present();
        sleepUntil(now() + releaseWaitMs);
        pump();
    }
}
