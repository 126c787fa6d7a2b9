#include <gtest/gtest.h>

#include "console/menu.h"
#include "support/console_fixture.h"

namespace {

class Menu : public ConsoleTest {};

TEST_F(Menu, ATallMenuScrollsToKeepTheHighlightOnScreenAndMarksWhatIsHidden) {
    Array<String> many;
    for (int i = 0; i < 30; ++i) many.append(String("Option ") += i);
    for (int i = 0; i < 23; ++i) keys.tap(VK::Down);
    keys.tap(VK::Enter);
    EXPECT_EQ(menu("Weapons", many, true), 23);
    EXPECT_EQ(textAt(0, 2, 13), " Option 1   \x18");   // more above
    EXPECT_EQ(textAt(0, 24, 13), " Option 23  \x19");  // more below
    EXPECT_EQ(scr().attrAt(0, 24), 0x27);
    keys.tap(VK::Up).tap(VK::Enter);  // wraps to the last option: nothing more below
    gotoXY(0, 0);
    EXPECT_EQ(menu("Weapons", many, true), 29);
    EXPECT_EQ(textAt(0, 24, 13), " Option 29   ");
}

class NumberField : public ConsoleTest {
protected:
    std::uint32_t read(const char* typed) {
        keys.type(typed);
        return readNumber(10, 5);
    }
};

TEST_F(NumberField, DigitsBackspaceEnterAndEscape) {
    EXPECT_EQ(read("123\r"), 123u);
    EXPECT_EQ(read("12\b5\r"), 15u);
    EXPECT_EQ(read("\r"), 0u);
    EXPECT_EQ(read("456\x1b"), 0u);
}

TEST_F(NumberField, NeverGoesAboveTheLargestSumOfMoney) {
    EXPECT_EQ(read("2147483647\r"), 2147483647u);
    EXPECT_EQ(read("2147483648\r"), 214748364u);  // the last digit is ignored
    keys.type("0000000000000001").hold({'2', VK::Enter}, 50);
    EXPECT_EQ(readNumber(10, 5), 1u);              // a 17th digit is not even read
    EXPECT_EQ(read("4294967296\b\r"), 42949672u);  // the ignored 6 is not what Backspace removes
}

}  // namespace
