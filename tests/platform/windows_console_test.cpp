// The Windows console's pure parts, fed recorded sequences: its key records
// decoded into exact key state, and the screen model turned into the cell
// rectangles the console host writes.

#include <gtest/gtest.h>

#include <vector>

#include "console/keys.h"
#include "platform/bound_keys.h"
#include "console/screen.h"
#include "platform/key_state.h"
#include "platform/windows_cells.h"
#include "platform/windows_key_events.h"

namespace {

ConsoleInput key(int virtualKey, bool down) {
    ConsoleInput in;
    in.kind = ConsoleInput::Kind::Key;
    in.virtualKey = virtualKey;
    in.keyDown = down;
    return in;
}

ConsoleInput focus(bool focused) {
    ConsoleInput in;
    in.kind = ConsoleInput::Kind::Focus;
    in.focused = focused;
    return in;
}

// Records at their moments, through the decoder into the key state, as the
// console host takes them in.
class WindowsKeys : public ::testing::Test {
protected:
    WindowsKeys() { keys.setExact(true); }
    std::vector<InputEvent> feed(const ConsoleInput& in, std::int64_t t) {
        std::vector<InputEvent> out;
        decoder.take(in, t, out);
        for (const InputEvent& e : out) {
            if (e.kind == InputEvent::Kind::FocusLost) keys.releaseAll();
            else recordBound(keys, e);
        }
        return out;
    }
    WindowsKeyEvents decoder;
    KeyState keys;
};

TEST_F(WindowsKeys, AHeldKeyRepeatsUntilItsKeyUpOrTheFocusGoes) {
    EXPECT_EQ(feed(key(VK::Down, true), 0).at(0).action, KeyAction::Press);
    EXPECT_TRUE(keys.pressed(VK::Down, 10));
    // The keyboard's auto-repeat sends more key-down records: no new presses.
    for (std::int64_t t = 500; t <= 1000; t += 33)
        EXPECT_EQ(feed(key(VK::Down, true), t).at(0).action, KeyAction::Repeat);
    EXPECT_FALSE(keys.pressed(VK::Down, 1005));
    EXPECT_EQ(feed(key(VK::Down, false), 1010).at(0).action, KeyAction::Release);
    EXPECT_FALSE(keys.held(VK::Down, 1015));
    EXPECT_EQ(feed(key(VK::Down, true), 1200).at(0).action, KeyAction::Press);
    EXPECT_TRUE(keys.held(VK::Down, 1205));  // walking
    // Its release goes to another window: every key counts as up, and one
    // still held on return is pressed anew.
    EXPECT_EQ(feed(focus(false), 1300).at(0).kind, InputEvent::Kind::FocusLost);
    EXPECT_FALSE(keys.held(VK::Down, 1310));
    EXPECT_TRUE(feed(focus(true), 5000).empty());
    EXPECT_EQ(feed(key(VK::Down, true), 5100).at(0).action, KeyAction::Press);
}

TEST_F(WindowsKeys, NumberPadDigitsTypeDigitsAndKeysTheGameNeverPollsHoldNothingBack) {
    EXPECT_EQ(feed(key(0x67, true), 0).at(0).key, '7');  // the number pad's 7
    EXPECT_TRUE(keys.pressed('7', 5));
    // Shift and F2 make no events, and a letter bound to nothing no press, so
    // the Enter after them acts at once, though its key-up came before the poll.
    EXPECT_TRUE(feed(key(0x10, true), 10).empty());
    EXPECT_EQ(feed(key('Q', true), 20).at(0).key, 'Q');
    EXPECT_TRUE(feed(key(0x71, true), 30).empty());
    feed(key(VK::Enter, true), 40);
    feed(key(VK::Enter, false), 40);
    EXPECT_TRUE(keys.pressed(VK::Enter, 45));
    EXPECT_FALSE(keys.down(VK::Enter));
    // F1 and the '?' key open the help; a letter walks.
    for (int code : {0x70, 0xBF, int{'H'}}) feed(key(code, true), 50);
    EXPECT_TRUE(keys.pressed(VK::F1, 55) && keys.pressed(VK::F1, 56) && keys.pressed(VK::Left, 57));
}

void put(ScreenModel& m, int x, int y, int attr, unsigned char ch) {
    m.moveCursor(x, y);
    m.setAttr(attr);
    m.put(static_cast<char>(ch));
}

TEST(WindowsCellsOutput, WritesTheSmallestRectangleThatHoldsEveryChange) {
    ScreenModel m;
    WindowsCells cells;
    const CellPatch first = cells.frame(m);
    EXPECT_EQ(first.cells.size(), static_cast<std::size_t>(ScreenModel::width * ScreenModel::height));
    EXPECT_TRUE(cells.frame(m).empty());

    // The console's colour model is the game's: red background stays 4, not ANSI's 1.
    put(m, 79, 24, 0x4C, 2);
    const CellPatch one = cells.frame(m);
    ASSERT_EQ(one.cells.size(), 1u);
    EXPECT_EQ(std::vector<int>({one.left, one.top}), std::vector<int>({79, 24}));
    EXPECT_EQ(one.cells[0].glyph, u'\u263B');
    EXPECT_EQ(one.cells[0].attr, 0x4C);

    // Two changes far apart: the rectangle between them, unchanged cells as shown.
    put(m, 2, 3, 0x1E, 'a');
    put(m, 10, 7, 0x1E, 'b');
    const CellPatch two = cells.frame(m);
    EXPECT_EQ(std::vector<int>({two.left, two.top, two.right, two.bottom}), std::vector<int>({2, 3, 10, 7}));
    ASSERT_EQ(two.cells.size(), 9u * 5u);
    EXPECT_EQ(two.cells.front().glyph, u'a');
    EXPECT_EQ(two.cells.back().glyph, u'b');
    EXPECT_EQ(two.cells[1].glyph, u' ');
    EXPECT_EQ(two.cells[1].attr, 0x0F);

    cells.invalidate();
    EXPECT_EQ(cells.frame(m).cells.size(), first.cells.size());
}

TEST(WindowsCellsOutput, ARequestForRoomIsCentredAndCutToAWindowOfAnySize) {
    const CellPatch p = WindowsCells::centredLines({"abc", "longer than the window", "x"}, 7, 2);
    ASSERT_EQ(p.cells.size(), 14u);
    EXPECT_EQ(p.cells[2].glyph, u'a');  // (7 - 3) / 2
    EXPECT_EQ(p.cells[7].glyph, u'l');  // cut to the width; the third line has no row
    EXPECT_EQ(p.cells[12].glyph, u'r');
    EXPECT_TRUE(WindowsCells::centredLines({"abc"}, 0, 5).empty());
}

TEST(WindowsCellsOutput, EveryByteShowsItsCodePage437GlyphAndNoControlCode) {
    EXPECT_EQ(WindowsCells::glyph(0), u' ');
    EXPECT_EQ(WindowsCells::glyph(0x0D), u'\u266A');  // a note, not a carriage return
    EXPECT_EQ(WindowsCells::glyph('A'), u'A');
    EXPECT_EQ(WindowsCells::glyph(0xDB), u'\u2588');
    for (int b = 0; b < 256; ++b) EXPECT_GE(WindowsCells::glyph(static_cast<unsigned char>(b)), u' ') << b;
}

}  // namespace
