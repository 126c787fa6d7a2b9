#include "platform/web_host.h"

#include <emscripten.h>

#include <algorithm>
#include <string>
#include <vector>

#include "console/interruption.h"
#include "console/screen.h"
#include "platform/durable_file.h"

namespace {

// The longest sleep on the page's timer; a key event wakes it sooner.
constexpr int longestSleepMs = 60000;
// Input as the page hands it over: the key in the low byte, the action above
// it (0 press, 1 repeat, 2 release); a negative entry: the page lost the focus.
constexpr int actionShift = 8;
constexpr int maxEvents = 64;

const KeyAction actions[] = {KeyAction::Press, KeyAction::Repeat, KeyAction::Release};

}  // namespace

// clang-format off
EM_JS(void, pageDraw, (int left, int top, int width, int height, const std::uint32_t* cells), {
    Module.page.draw(left, top, width, height, HEAPU32.subarray(cells >> 2, (cells >> 2) + width * height));
});
EM_JS(int, pageTakeInput, (int* out, int max), {
    return Module.page.takeInput(HEAP32.subarray(out >> 2, (out >> 2) + max));
});
EM_ASYNC_JS(void, pageSleep, (int ms), {
    await Module.page.sleep(ms);
});
EM_JS(void, pageEnded, (int status), {
    Module.page.ended(status);
});
// clang-format on

WebHost::WebHost() : start(emscripten_get_now()) { keys.setExact(true); }

std::int64_t WebHost::now() { return static_cast<std::int64_t>(emscripten_get_now() - start); }

void WebHost::pump() {
    int input[maxEvents];
    const int count = pageTakeInput(input, maxEvents);
    const std::int64_t t = now();
    for (int i = 0; i < count; ++i) {
        InputEvent e;
        e.time = t;
        if (input[i] < 0) {
            e.kind = InputEvent::Kind::FocusLost;
        } else {
            e.key = input[i] & 0xFF;
            e.action = actions[std::min(input[i] >> actionShift, 2)];
        }
        takeIn(e);
    }
}

void WebHost::present() {
    const CellPatch patch = cells.frame(screen());
    if (patch.empty()) return;
    std::vector<std::uint32_t> packed(patch.cells.size());
    std::transform(patch.cells.begin(), patch.cells.end(), packed.begin(), [](const ConsoleCell& c) {
        return static_cast<std::uint32_t>(c.glyph) | static_cast<std::uint32_t>(c.attr) << 16;
    });
    pageDraw(patch.left, patch.top, patch.width(), patch.bottom - patch.top + 1, packed.data());
}

void WebHost::sleepUntil(std::int64_t deadline) {
    const std::int64_t ms = deadline - now();
    if (ms > 0) pageSleep(static_cast<int>(std::min<std::int64_t>(ms, longestSleepMs)));
}

int showGameEnded(int status) {
    pageEnded(status);
    return status;
}

// The page is being left (closed, reloaded or navigated away from): the game
// in play is kept as the interrupted game, which the next visit offers back
// (the page carries it over, tools/web/saves.js). The program is suspended in
// a wait meanwhile, so nothing on the way may wait. Null when no game is in
// play; otherwise why it could not be kept, or an empty text.
extern "C" EMSCRIPTEN_KEEPALIVE const char* keepGameAsThePageIsLeft() {
    static std::string failure;
    setPageLeaving(true);
    const bool inPlay = keepGameInPlaySoFar(failure);
    setPageLeaving(false);
    return inPlay ? failure.c_str() : nullptr;
}
