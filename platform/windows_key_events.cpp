#include "platform/windows_key_events.h"

#include "console/keys.h"

namespace {

constexpr int numpad0 = 0x60;  // the number pad's digits are 0x60-0x69
constexpr int numpad9 = 0x69;

// The game's code of a console key, or 0 for a key no player can bind
// (Shift, Ctrl, ...), which must not hold back the presses after it. The
// console's codes of letters, F1 and the '?' key are the game's own.
int gameKey(int virtualKey) {
    if (virtualKey >= numpad0 && virtualKey <= numpad9) return VK::Digit0 + virtualKey - numpad0;
    if (virtualKey >= VK::Digit0 && virtualKey <= VK::Digit9) return virtualKey;
    if (virtualKey >= 'A' && virtualKey <= 'Z') return virtualKey;
    switch (virtualKey) {
    case VK::Backspace:
    case VK::Enter:
    case VK::Escape:
    case VK::Left:
    case VK::Up:
    case VK::Right:
    case VK::Down:
    case VK::F1:
    case VK::Question: return virtualKey;
    default: return 0;
    }
}

}  // namespace

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
    const int key = gameKey(in.virtualKey);
    if (key == 0) return;
    if (!in.keyDown) e.action = KeyAction::Release;
    else if (down[static_cast<std::size_t>(key)]) e.action = KeyAction::Repeat;
    down[static_cast<std::size_t>(key)] = in.keyDown;
    e.key = key;
    out.push_back(e);
}
