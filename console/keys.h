#pragma once
// The virtual-key codes the game polls.

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
}  // namespace VK
