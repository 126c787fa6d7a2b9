#include "platform/windows_host.h"

#include <algorithm>

#include "console/screen.h"
#include "platform/enlarge_request.h"

namespace {
// The longest sleep on the console's input handle.
constexpr int longestSleepMs = 60000;
// The classic console reports no event when only its window grows.
constexpr int roomCheckMs = 250;
// Larger windows get the request in their top left corner only.
constexpr int largestRequest = 250;
}  // namespace

WindowsConsoleHost::WindowsConsoleHost() { keys.setExact(true); }

void WindowsConsoleHost::pump() {
    stopIfInterrupted();
    bool resized = false;
    const std::vector<ConsoleInput> records = console.readAvailable(resized);
    const std::int64_t t = now();
    events.clear();
    for (const ConsoleInput& r : records) decoder.take(r, t, events);
    for (const InputEvent& e : events) takeIn(e);
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
    if (ms > 0) console.waitForInput(static_cast<int>(std::min<std::int64_t>(ms, longestSleepMs)));
}
