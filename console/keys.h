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
