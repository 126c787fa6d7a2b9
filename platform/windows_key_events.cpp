#include "platform/windows_key_events.h"

#include "console/keys.h"

void WindowsKeyEvents::take(const ConsoleInput& in, std::int64_t now, std::vector<InputEvent>& out) {
    InputEvent e;
    e.time = now;
    if (in.kind == ConsoleInput::Kind::Focus) {
        if (in.focused) return;
        down.reset();
        e.kind = InputEvent::Kind::FocusLost;
        out.push_back(e);
        return;
    }
    if (in.kind != ConsoleInput::Kind::Key) return;
    // A key no player can bind (Shift, Ctrl, ...) must not hold back the presses after it.
    const int key = gameKeyOfVirtualKey(in.virtualKey);
    if (key == 0) return;
    if (!in.keyDown) e.action = KeyAction::Release;
    else if (down[static_cast<std::size_t>(key)]) e.action = KeyAction::Repeat;
    down[static_cast<std::size_t>(key)] = in.keyDown;
    e.key = key;
    out.push_back(e);
}
