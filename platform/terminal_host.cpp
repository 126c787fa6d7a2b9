#include "platform/terminal_host.h"

#include <signal.h>

#include <algorithm>
#include <string>

#include "console/screen.h"
#include "platform/enlarge_request.h"

namespace {

constexpr int neededColumns = ScreenModel::width;
constexpr int neededRows = ScreenModel::height;
const char keyboardQuery[] = "\x1b[?u\x1b[c";

// The request to enlarge a window of columns x rows, centred in it.
std::string enlargeRequest(int columns, int rows) {
    const std::vector<std::string> lines = enlargeRequestLines(columns, rows);
    std::string out = "\x1b[0m\x1b[2J";
    const int top = std::max(0, (rows - 3) / 2);
    for (int i = 0; i < 3 && top + i < rows; ++i) {
        std::string line = lines[i].substr(0, static_cast<std::size_t>(columns));
        const int left = (columns - static_cast<int>(line.size())) / 2;
        out += "\x1b[" + std::to_string(top + i + 1) + ";" + std::to_string(left + 1) + "H" + line;
    }
    return out;
}

}  // namespace

TerminalHost::TerminalHost() : presenter(session.utf8()) { detectKeyboardProtocol(); }

void TerminalHost::detectKeyboardProtocol() {
    // Never assumed: a terminal that does not answer, or answers only the
    // device attributes query, gets the legacy encodings, and is asked for
    // win32-input-mode, which Windows Terminal (also through ssh) answers
    // with key downs and key ups. Asked only now, so that the replies above
    // came in the plain encoding.
    if (queryKeyboardFlags() < 0) {
        session.enableWin32Input();
        return;
    }
    session.pushKeyboardFlags(keyboardFlags);
    const int granted = queryKeyboardFlags();
    // Exact key state needs releases (2) for every key, digits and Enter too (8).
    keys.setExact(granted >= 0 && (granted & 2) && (granted & 8));
}

int TerminalHost::queryKeyboardFlags() {
    flagsReply = -1;
    attributesReply = false;
    session.write(keyboardQuery);
    const std::int64_t deadline = now() + detectTimeoutMs;
    while (!attributesReply && now() < deadline) {
        sleepUntil(deadline);
        pump();
    }
    return attributesReply ? flagsReply : -1;
}

void TerminalHost::handle(const InputEvent& e) {
    switch (e.kind) {
    case InputEvent::Kind::Key:
        // The first key whose release will be reported makes the key state exact.
        if (e.releases) keys.setExact(true);
        takeIn(e);
        break;
    case InputEvent::Kind::FocusLost: takeIn(e); break;
    case InputEvent::Kind::KeyboardFlags:
        if (!attributesReply) flagsReply = e.flags;
        break;
    case InputEvent::Kind::DeviceAttributes: attributesReply = true; break;
    case InputEvent::Kind::Interrupt: ::raise(SIGINT); break;
    case InputEvent::Kind::Suspend: ::raise(SIGTSTP); break;
    }
}

void TerminalHost::pump() {
    stopIfInterrupted();
    events.clear();
    const std::string input = session.readAvailable();
    const std::int64_t t = now();
    if (!input.empty()) decoder.feed(input, t, events);
    decoder.expire(t, events);
    for (const InputEvent& e : events) handle(e);
    const TerminalSession::Events signals = session.takeEvents();
    if (signals.resized || signals.resumed) {
        presenter.invalidate();
        sizeStale = true;
    }
    // While the game was stopped, keys went up unseen.
    if (signals.resumed) keys.forget();
}

void TerminalHost::sleepUntil(std::int64_t deadline) {
    std::int64_t wake = deadline;
    const std::int64_t pending = decoder.deadline();
    if (pending >= 0) wake = std::min(wake, pending);
    const std::int64_t ms = wake - now();
    if (ms > 0) session.waitForInput(static_cast<int>(std::min<std::int64_t>(ms, 1000000)));
}

void TerminalHost::readSize() {
    if (!sizeStale) return;
    sizeStale = false;
    if (!session.size(columns, rows)) {
        // A terminal that does not tell its size is taken to be large enough.
        columns = neededColumns;
        rows = neededRows;
    }
}

bool TerminalHost::waitForRoom() {
    readSize();
    if (columns >= neededColumns && rows >= neededRows) return false;
    while (columns < neededColumns || rows < neededRows) {
        session.write(enlargeRequest(columns, rows));
        // Sleeps until the window changes; keys pressed meanwhile are taken
        // in (and soon forgotten), so the terminal's buffer never fills.
        while (!sizeStale) {
            session.waitForInput(-1);
            pump();
        }
        readSize();
    }
    presenter.invalidate();
    return true;
}

void TerminalHost::present() {
    waitForRoom();
    const std::string frame = presenter.frame(screen());
    if (!frame.empty()) session.write(frame);
}
