#pragma once
// A fresh headless console for each test: blank white-on-black screen,
// virtual clock at 0, and a key script the test fills in.

#include <gtest/gtest.h>

#include <string>

#include "console/array.h"
#include "console/console.h"
#include "console/headless.h"
#include "console/host.h"
#include "console/screen.h"
#include "console/text.h"

// The texts one after another, each followed by the separator.
inline std::string joined(const Array<String>& texts, const std::string& separator = ",") {
    std::string all;
    for (const String& text : texts) all += text.str() + separator;
    return all;
}

class ConsoleTest : public ::testing::Test {
protected:
    void SetUp() override {
        setHost(&keys);
        setColor(0, 15);
        clearScreen();
    }
    void TearDown() override { setHost(nullptr); }

    ScreenModel& scr() { return screen(); }
    std::string row(int y) { return screen().rowText(y); }
    // The text of length n at (x, y).
    std::string textAt(int x, int y, std::size_t n) { return row(y).substr(static_cast<std::size_t>(x), n); }

    HeadlessHost keys;
};
