#include <gtest/gtest.h>

#include <functional>

#include "console/array.h"
#include "console/dialogs.h"
#include "console/text.h"
#include "support/console_fixture.h"

namespace {

void expectBounds(std::uint32_t index, std::uint32_t max, const std::function<void()>& f) {
    try {
        f();
        FAIL() << "no errorBounds thrown";
    } catch (const errorBounds& e) {
        EXPECT_EQ(e.index, index);
        EXPECT_EQ(e.max, max);
    }
}

TEST(String, IndexesAreCheckedWithTheExactErrorValues) {
    String empty("");
    expectBounds(0, 4294967295u, [&] { (void)empty[0]; });
    String s("abcdef");
    expectBounds(6, 5, [&] { (void)s.at(6); });
    expectBounds(6, 5, [&] { (void)s.substr(6, 1); });
    expectBounds(0, 4294967295u, [&] { (void)empty.substr(0, 3); });
    EXPECT_EQ(s.substr(2, 100), "cdef");
}

TEST(String, AppendsNumbersAndCopiesDeeply) {
    String s("x");
    s += -42;
    s += 0;
    s += -2147483647 - 1;
    EXPECT_EQ(s, "x-420-2147483648");
    String copy(s);
    copy[0] = 'y';
    EXPECT_EQ(s[0], 'x');
    s += s;  // appending itself doubles it
    EXPECT_EQ(s.length(), 32u);
}

// Growth past each doubling keeps every element, also an element appended from
// the list itself at the moment the storage is full; removal keeps the order.
TEST(Array, GrowingStorageKeepsTheContentAndItsChecks) {
    String text;
    Array<String> list;
    for (int i = 0; i < 1000; ++i) {
        text += static_cast<char>('a' + i % 26);
        list.append(list.size() == 0 ? String("x") : list[list.size() - 1] + "y");
    }
    EXPECT_EQ(text[999], 'a' + 999 % 26);
    EXPECT_EQ(list[999].length(), 1000u);
    expectBounds(1000, 999, [&] { (void)text[1000]; });
    expectBounds(1000, 999, [&] { (void)list[1000]; });
    for (std::uint32_t n = 1; n <= 64; ++n) {
        Array<String> self = options({"0"});
        while (self.size() < n) self.append(self[0]);
        self.append(self[n - 1]);
        EXPECT_EQ(self[n], "0") << n;
    }
    Array<String> abc = options({"A", "B", "C"});
    EXPECT_THROW(abc.removeAt(3), errorBounds);
    abc.removeAt(1);
    ASSERT_EQ(abc.size(), 2u);
    EXPECT_EQ(abc[0], "A");
    EXPECT_EQ(abc[1], "C");
}

class ColourEscapes : public ConsoleTest {
protected:
    void write(const char* text) {
        gotoXY(0, 0);
        std::cout << String(text);
    }
};

TEST_F(ColourEscapes, NeedThreeCharactersAfterThePercentAndAreNotWritten) {
    write("50%");
    EXPECT_EQ(textAt(0, 0, 4), "50% ");
    write("50% off");  // a '%' that starts no escape is dropped alone
    EXPECT_EQ(textAt(0, 0, 7), "50 off ");
    write("ab%C1F");
    EXPECT_EQ(textAt(0, 0, 6), "ab off");  // only "ab" is written over the old text
    EXPECT_EQ(scr().attr(), 0x1F);
    write("%c4fX%CxZY");
    EXPECT_EQ(scr().attrAt(0, 0), 0x4F);
    EXPECT_EQ(scr().attrAt(1, 0), 0x00);  // non-hex digits count as 0
}

}  // namespace
