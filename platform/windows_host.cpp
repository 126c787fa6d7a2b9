#include "platform/windows_host.h"

#include <algorithm>

#include "console/screen.h"
#include "platform/bound_keys.h"
#include "platform/enlarge_request.h"

namespace {
// How long a wait for a key's release sleeps when no input comes; input
// wakes it sooner.
constexpr int releaseWaitMs = 60000;
// The classic console reports no event when only its window grows.
constexpr int roomCheckMs = 250;
// Larger windows get the request in their top left corner only.
constexpr int largestRequest = 250;
}  // namespace

WindowsConsoleHost::WindowsConsoleHost() : start(std::chrono::steady_clock::now()) { keys.setExact(true); }

std::int64_t WindowsConsoleHost::now() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

void WindowsConsoleHost::pump() {
    bool resized = false;
    const std::vector<ConsoleInput> records = console.readAvailable(resized);
    const std::int64_t t = now();
    events.clear();
    for (const ConsoleInput& r : records) decoder.take(r, t, events);
    for (const InputEvent& e : events) {
        if (e.kind == InputEvent::Kind::FocusLost) keys.releaseAll();
        else recordBound(keys, e);
    }
    // A resized buffer may have lost or moved what it showed.
    if (resized) cells.invalidate();
}

void WindowsConsoleHost::waitForRoom() {
    int columns = 0;
    int rows = 0;
    // A console that does not tell its size is taken to be large enough.
    if (!console.size(columns, rows)) return;
    if (columns >= ScreenModel::width && rows >= ScreenModel::height) return;
    while (columns < ScreenModel::width || rows < ScreenModel::height) {
        console.write(WindowsCells::centredLines(
            enlargeRequestLines(columns, rows), std::min(columns, largestRequest), std::min(rows, largestRequest)));
        console.waitForInput(roomCheckMs);
        pump();  // keys pressed meanwhile are taken in, and soon forgotten
        if (!console.size(columns, rows)) break;
    }
    cells.invalidate();
}

void WindowsConsoleHost::present() {
    waitForRoom();
    console.write(cells.frame(screen()));
}

void WindowsConsoleHost::sleepUntil(std::int64_t deadline) {
    const std::int64_t ms = deadline - now();
    if (ms > 0) console.waitForInput(static_cast<int>(std::min<std::int64_t>(ms, releaseWaitMs)));
}

void WindowsConsoleHost::waitUntil(std::int64_t deadline) {
    present();
    for (;;) {
        pump();
        present();
        if (now() >= deadline) return;
        sleepUntil(deadline);
    }
}

bool WindowsConsoleHost::keyHeld(int virtualKey) {
    pump();
    present();
    return keys.held(virtualKey, now());
}

bool WindowsConsoleHost::keyDown(int virtualKey) {
    pump();
    present();
    return keys.pressed(virtualKey, now());
}

void WindowsConsoleHost::screenCleared() {
    // Input still unread was typed before the clear as well.
    pump();
    keys.screenCleared(now());
}

void WindowsConsoleHost::waitForRelease(int virtualKey) {
    while (keys.down(virtualKey)) {
        present();
        sleepUntil(now() + releaseWaitMs);
        pump();
    }
}
