#include "console/console.h"

#include <cstdint>
#include <iostream>

#include "console/host.h"
#include "console/screen.h"

void setColor(int background, int foreground) {
    screen().setAttr(((background & 0x0F) << 4) | (foreground & 0x0F));
}

void gotoXY(int x, int y) { screen().moveCursor(x, y); }

namespace {

bool walkingInto = false;
// When the grace of a screen walked into ends; -1 once its presses are dropped.
// The time is on the clock of the host that was in place, so another host
// (a test's next script) never inherits it.
std::int64_t graceEnds = -1;
Host* graceHost = nullptr;

bool isArrow(int virtualKey) { return virtualKey >= VK::Left && virtualKey <= VK::Down; }

// Whether the press view may not read the arrow yet. Arrows are not even
// polled during the grace; the first poll after it drops their presses.
bool inWalkInGrace(Host& h, int virtualKey) {
    if (!isArrow(virtualKey) || graceEnds < 0) return false;
    if (&h != graceHost) {
        graceEnds = -1;
        return false;
    }
    if (h.now() < graceEnds) return true;
    for (int arrow = VK::Left; arrow <= VK::Down; ++arrow) h.dropPresses(arrow, graceEnds);
    graceEnds = -1;
    return false;
}

}  // namespace

WalkingInto::WalkingInto() { walkingInto = true; }

WalkingInto::~WalkingInto() { walkingInto = false; }

void clearScreen() {
    screen().clear();
    host().screenCleared();
    if (!walkingInto) return;
    walkingInto = false;
    graceHost = &host();
    graceEnds = graceHost->now() + WalkingInto::walkInGraceMs;
}

bool keyPressed(int virtualKey, bool noWait) {
    Host& h = host();
    if (noWait) return h.keyHeld(virtualKey);
    if (inWalkInGrace(h, virtualKey)) return false;
    if (!h.keyDown(virtualKey)) return false;
    h.waitForRelease(virtualKey);
    return true;
}

void delayMs(int ms) {
    Host& h = host();
    h.waitUntil(h.now() + ms);
}

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;
}

namespace {

// The fade's colour at elapsed time e, or -1 while nothing is drawn.
int fadeColour(std::int64_t e, std::int64_t hold, std::int64_t step) {
    if (e >= hold + 5 * step) return 0;
    if (e >= hold + 4 * step) return 8;
    if (e >= hold + 3 * step) return 7;
    if (e >= 4 * step) return -1;
    if (e >= 3 * step) return 15;
    if (e >= 2 * step) return 7;
    if (e >= step) return 8;
    return -1;
}

// The next moment after e at which the fade's colour may change.
std::int64_t nextFadeChange(std::int64_t e, std::int64_t hold, std::int64_t step) {
    const std::int64_t changes[] = {
        step, 2 * step, 3 * step, 4 * step, hold + 3 * step, hold + 4 * step, hold + 5 * step, hold + 6 * step};
    std::int64_t next = hold + 6 * step;
    for (std::int64_t c : changes)
        if (c > e && c < next) next = c;
    return next;
}

void drawFadeLines(const char* const* lines, int colour) {
    gotoXY(0, 0);
    setColor(0, colour);
    for (const char* const* line = lines; *line; ++line) std::cout << *line << '\n';
}

}  // namespace

bool fadeText(const char* const* lines, int holdMs, int stepMs, int skipKey) {
    // The skip key is polled this often while a phase lasts.
    constexpr std::int64_t skipPollMs = 20;
    Host& h = host();
    clearScreen();
    const std::int64_t start = h.now();
    for (;;) {
        if (keyPressed(skipKey, true)) return true;
        const std::int64_t e = h.now() - start;
        if (e >= holdMs + 6 * static_cast<std::int64_t>(stepMs)) return false;
        const int colour = fadeColour(e, holdMs, stepMs);
        if (colour >= 0) drawFadeLines(lines, colour);
        const std::int64_t next = start + nextFadeChange(e, holdMs, stepMs);
        h.waitUntil(next < h.now() + skipPollMs ? next : h.now() + skipPollMs);
    }
}

std::ostream& printBlock(std::ostream& out, const Array<String>& lines) {
    const int cx = screen().cursorX();
    const int cy = screen().cursorY();
    for (std::uint32_t i = 0; i < lines.size(); ++i) {
        gotoXY(cx, cy + static_cast<int>(i));
        out << lines.at(i) << '\n';
    }
    return out;
}

void waitForEnter() {
    // Checked every 20 ms: short enough that no press is missed in practice.
    while (!keyPressed(VK::Enter, false)) delayMs(20);
}
