#include "console/menu.h"

#include <cstdint>
#include <iostream>

#include "console/console.h"
#include "console/host.h"
#include "console/screen.h"

namespace {

constexpr int menuPollMs = 75;
constexpr int numberPollMs = 80;
constexpr std::uint32_t maxDigits = 16;

void padOptions(Array<String>& options) {
    std::uint32_t longest = 0;
    for (String& option : options) {
        option = " " + option + " ";
        if (option.length() > longest) longest = option.length();
    }
    for (String& option : options)
        while (option.length() < longest) option += ' ';
}

void drawMenu(int cx, int cy, const String& title, const Array<String>& options, std::uint32_t selected) {
    gotoXY(cx, cy);
    setColor(0, 15);
    std::cout << title;
    for (std::uint32_t i = 0; i < options.size(); ++i) {
        gotoXY(cx, cy + 2 + static_cast<int>(i));
        setColor(0, 15);
        if (i == selected) setColor(2, 7);
        std::cout << options.at(i);
    }
}

// Sleeps until `interval` has passed since the last poll, then starts a new one.
void waitForPoll(std::int64_t& lastPoll, int interval) {
    Host& h = host();
    h.waitUntil(lastPoll + interval);
    lastPoll = h.now();
}

// The digits' value: each digit times ten to the number of digits after it.
std::uint32_t valueOf(const String& digits) {
    std::uint32_t value = 0;
    const int n = static_cast<int>(digits.length());
    for (int i = 0; i < n; ++i)
        value += static_cast<std::uint32_t>(digits.at(static_cast<std::uint32_t>(i)) - '0') * power(10, n - 1 - i);
    return value;
}

// True when the digits stand for more than the field accepts.
bool tooLarge(const String& digits) {
    std::uint64_t value = 0;
    for (std::uint32_t i = 0; i < digits.length(); ++i) {
        value = value * 10 + static_cast<std::uint64_t>(digits.at(i) - '0');
        if (value > maxNumberEntry) return true;
    }
    return false;
}

}  // namespace

int menu(const String& title, Array<String> options, bool pad) {
    if (pad) padOptions(options);
    const int cx = screen().cursorX();
    const int cy = screen().cursorY();
    const std::uint32_t last = options.size() - 1;
    std::uint32_t selected = 0;
    bool redraw = true;
    std::int64_t lastPoll = host().now();
    for (;;) {
        if (redraw) {
            drawMenu(cx, cy, title, options, selected);
            redraw = false;
        }
        waitForPoll(lastPoll, menuPollMs);
        if (keyPressed(VK::Enter, false)) break;
        if (keyPressed(VK::Up, false)) {
            redraw = true;
            selected = selected > 0 ? selected - 1 : last;
        }
        if (keyPressed(VK::Down, false)) {
            redraw = true;
            selected = selected >= last ? 0 : selected + 1;
        }
    }
    setColor(0, 15);
    delayMs(200);
    return static_cast<int>(selected);
}

std::uint32_t readNumber(int x, int y) {
    String digits;
    std::int64_t lastPoll = host().now();
    for (;;) {
        gotoXY(x, y);
        std::cout << digits << "                ";
        waitForPoll(lastPoll, numberPollMs);
        if (digits.length() < maxDigits) {
            for (int key = VK::Digit0; key <= VK::Digit9; ++key) {
                if (!keyPressed(key, false)) continue;
                const char digit = static_cast<char>(key);
                if (!tooLarge(digits + digit)) digits += digit;
                break;
            }
        }
        if (keyPressed(VK::Enter, false)) return valueOf(digits);
        if (keyPressed(VK::Backspace, false) && digits.length() > 0) digits = digits.substr(0, digits.length() - 1);
        if (keyPressed(VK::Escape, false)) return 0;
    }
}

std::uint32_t power(std::uint32_t base, int exponent) {
    std::uint32_t result = 1;
    for (int i = 0; i < exponent; ++i) result *= base;
    return result;
}
