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

// The rows of options a menu shows at once: as many as fit below its title.
// A menu with more options scrolls within them.
struct Window {
    std::uint32_t first = 0;  // the option on the first row
    std::uint32_t rows = 0;
    bool scrolls = false;

    // Moves the window the least distance that shows the selected option.
    void follow(std::uint32_t selected) {
        if (selected < first) first = selected;
        if (selected >= first + rows) first = selected - rows + 1;
    }
};

constexpr char moreAbove = 24;  // the arrows of code page 437
constexpr char moreBelow = 25;

Window windowFor(int cy, std::uint32_t optionCount) {
    const int free = ScreenModel::height - (cy + 2);
    Window window;
    window.rows = free > 0 ? static_cast<std::uint32_t>(free) : 1u;
    window.scrolls = optionCount > window.rows;
    if (!window.scrolls) window.rows = optionCount;
    return window;
}

std::uint32_t widest(const Array<String>& options) {
    std::uint32_t width = 0;
    for (const String& option : options)
        if (option.length() > width) width = option.length();
    return width;
}

void drawOption(int x, int y, const String& option, bool highlighted) {
    gotoXY(x, y);
    setColor(0, 15);
    if (highlighted) setColor(2, 7);
    std::cout << option;
}

// A scrolled row also blanks what a longer option left behind, and the
// column after the widest option marks more options above or below.
void drawScrolledRow(int cx, int y, std::uint32_t width, const String& option, bool highlighted, char mark) {
    drawOption(cx, y, option, highlighted);
    setColor(0, 15);
    for (std::uint32_t n = option.length(); n < width; ++n) std::cout << ' ';
    const int markX = cx + static_cast<int>(width) + 1;
    gotoXY(markX < ScreenModel::width ? markX : ScreenModel::width - 1, y);
    std::cout << mark;
}

void drawMenu(int cx, int cy, const String& title, const Array<String>& options, std::uint32_t selected,
              const Window& window) {
    gotoXY(cx, cy);
    setColor(0, 15);
    std::cout << title;
    const std::uint32_t width = widest(options);
    for (std::uint32_t row = 0; row < window.rows; ++row) {
        const std::uint32_t i = window.first + row;
        const int y = cy + 2 + static_cast<int>(row);
        if (!window.scrolls) {
            drawOption(cx, y, options.at(i), i == selected);
            continue;
        }
        char mark = ' ';
        if (row == 0 && window.first > 0) mark = moreAbove;
        if (row == window.rows - 1 && i + 1 < options.size()) mark = moreBelow;
        drawScrolledRow(cx, y, width, options.at(i), i == selected, mark);
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
    Window window = windowFor(cy, options.size());
    bool redraw = true;
    std::int64_t lastPoll = host().now();
    for (;;) {
        if (redraw) {
            window.follow(selected);
            drawMenu(cx, cy, title, options, selected, window);
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
