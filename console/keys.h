#pragma once
// The virtual-key codes the game polls, and the other keys of the keyboard
// that the player may bind to the game's actions (console/key_bindings.h).
// Letters are their capital ('A'..'Z' are 65-90) whatever the case typed.

namespace VK {
constexpr int Backspace = 8;
constexpr int Enter = 13;
constexpr int Escape = 27;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Digit0 = '0';  // the top-row digits are '0'..'9' (48-57)
constexpr int Digit9 = '9';
constexpr int F1 = 112;        // also the code the game polls for its help screen
constexpr int Question = 191;  // the key of '?'
}  // namespace VK

// The game's code of a Windows virtual key (the console's and Windows
// Terminal's): the number pad's digits as the top row's, every key above as
// itself, and 0 for the keys no player can bind (Shift, Ctrl, ...).
constexpr int gameKeyOfVirtualKey(int virtualKey) {
    constexpr int numpad0 = 0x60;  // the number pad's digits are 0x60-0x69
    constexpr int numpad9 = 0x69;
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
