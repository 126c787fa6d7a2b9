#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/keys.h"
#include "platform/key_decoder.h"

namespace {

using Kind = InputEvent::Kind;

std::vector<InputEvent> decode(KeyDecoder& d, const std::string& bytes, std::int64_t t = 0) {
    std::vector<InputEvent> out;
    d.feed(bytes, t, out);
    return out;
}

std::vector<InputEvent> decode(const std::string& bytes) {
    KeyDecoder d;
    return decode(d, bytes);
}

// The keys of the events, in order; other kinds show as negative numbers.
std::vector<int> keysOf(const std::vector<InputEvent>& events) {
    std::vector<int> keys;
    for (const InputEvent& e : events) keys.push_back(e.kind == Kind::Key ? e.key : -static_cast<int>(e.kind));
    return keys;
}

TEST(KeyDecoder, LegacyArrowsInBothCursorModesAndWithModifiers) {
    const auto events = decode("\x1b[A\x1b[B\x1b[C\x1b[D\x1bOA\x1bOB\x1bOC\x1bOD\x1b[1;5A\x1b[1;2D");
    EXPECT_EQ(keysOf(events), (std::vector<int>{VK::Up, VK::Down, VK::Right, VK::Left, VK::Up, VK::Down, VK::Right,
                                                VK::Left, VK::Up, VK::Left}));
    for (const InputEvent& e : events) EXPECT_EQ(e.action, KeyAction::Press);
    EXPECT_EQ(events[8].mods, 4);  // Ctrl
}

TEST(KeyDecoder, EnterBackspaceAndDigitsFromPlainBytes) {
    // CR and LF are Enter, CR LF together is one Enter; DEL and BS are
    // Backspace; letters are their capital; other control keys are no keys.
    const auto events = decode("\r\n\rx\n\x7f\b09a\t");
    EXPECT_EQ(keysOf(events), (std::vector<int>{VK::Enter, VK::Enter, 'X', VK::Enter, VK::Backspace, VK::Backspace,
                                                '0', '9', 'A'}));
    for (const InputEvent& e : events) EXPECT_TRUE(e.legacy);
}

TEST(KeyDecoder, LettersQuestionMarkAndF1AsEveryTerminalSendsThem) {
    // xterm and tmux, kitty, rxvt and the Linux console's F1; '?' plain and
    // as kitty's shifted '/'; letters of either case, plain and kitty's.
    EXPECT_EQ(keysOf(decode("\x1bOP\x1b[P\x1b[11~\x1b[[A\x1b[1;2P")), std::vector<int>(5, VK::F1));
    EXPECT_EQ(keysOf(decode("?\x1b[47;2u\x1b[63u/!")), std::vector<int>(3, VK::Question));
    EXPECT_EQ(keysOf(decode("hJ\x1b[106u\x1b[108;2u\x1b[104;1:3u")), (std::vector<int>{'H', 'J', 'J', 'L', 'H'}));
    EXPECT_EQ(decode("\x1b[104;1:3u")[0].action, KeyAction::Release);
}

TEST(KeyDecoder, LoneEscapeNeedsTheTimeoutButASplitSequenceDecodes) {
    KeyDecoder d;
    std::vector<InputEvent> out;
    EXPECT_TRUE(decode(d, "\x1b", 100).empty());
    EXPECT_EQ(d.deadline(), 100 + KeyDecoder::escapeTimeoutMs);
    d.expire(100 + KeyDecoder::escapeTimeoutMs - 1, out);
    EXPECT_TRUE(out.empty());
    d.expire(100 + KeyDecoder::escapeTimeoutMs, out);
    ASSERT_EQ(keysOf(out), std::vector<int>{VK::Escape});
    EXPECT_EQ(out[0].time, 100);  // the time the key came, not when it was settled
    EXPECT_EQ(d.deadline(), -1);

    // The same ESC followed by the rest of an arrow in a later read.
    KeyDecoder split;
    EXPECT_TRUE(decode(split, "\x1b", 0).empty());
    EXPECT_TRUE(decode(split, "[", 10).empty());
    EXPECT_EQ(keysOf(decode(split, "A", 20)), std::vector<int>{VK::Up});
    out.clear();
    split.expire(1000, out);
    EXPECT_TRUE(out.empty());

    // Escape pressed twice, or Escape then an arrow, or Alt with a digit.
    EXPECT_EQ(keysOf(decode("\x1b\x1b[A")), (std::vector<int>{VK::Escape, VK::Up}));
    EXPECT_EQ(keysOf(decode("\x1b\x35")), (std::vector<int>{VK::Escape, '5'}));  // \x35 is '5'
}

// Num Lock (129) and Caps Lock (65) are no modifiers, Shift+1 is still the 1
// key, and 57414 and 57419 are the keypad's Enter and Up.
TEST(KeyDecoder, KittyEventsWithTypesModifiersAndLockKeys) {
    using A = KeyAction;
    const struct {
        const char* bytes;
        int key;
        KeyAction action;
        int mods;
    } cases[] = {
        {"\x1b[13u", VK::Enter, A::Press, 0},        {"\x1b[13;1:2u", VK::Enter, A::Repeat, 0},
        {"\x1b[13;1:3u", VK::Enter, A::Release, 0},  {"\x1b[1;129:3A", VK::Up, A::Release, 0},
        {"\x1b[49;65u", '1', A::Press, 0},           {"\x1b[49;2u", '1', A::Press, 1},
        {"\x1b[27;1:3u", VK::Escape, A::Release, 0}, {"\x1b[127;1:2u", VK::Backspace, A::Repeat, 0},
        {"\x1b[57414u", VK::Enter, A::Press, 0},     {"\x1b[57419;1:3u", VK::Up, A::Release, 0},
    };
    for (const auto& c : cases) {
        const auto events = decode(c.bytes);
        ASSERT_EQ(events.size(), 1u) << c.bytes + 1;
        EXPECT_EQ(events[0].key, c.key) << c.bytes + 1;
        EXPECT_EQ(events[0].action, c.action) << c.bytes + 1;
        EXPECT_EQ(events[0].mods, c.mods) << c.bytes + 1;
        EXPECT_FALSE(events[0].legacy);
    }
}

TEST(KeyDecoder, ModifierKeysAndUnknownSequencesAreDroppedWithoutLosingWhatFollows) {
    const auto events = decode(
        "\x1b[57441u\x1b[57442;5:3u"                          // Shift and Ctrl themselves
        "\x1b[97u\x1b[15~\x1b[2;1R\x1b[1;5H"                  // the letter a, F5, a cursor report, Ctrl+Home
        "\x1b[>1;4000;29c"                                    // secondary device attributes
        "\x1b]11;rgb:0000/0000/0000\x07"                      // a colour reply ended by BEL
        "\x1bP>|kitty(0.26)\x1b\\"                            // a version reply ended by ESC backslash
        "\x1bOP\x1b[9;9;9;9;9u"                               // F1, a sequence with too many fields
        + std::string("\x1b[") + std::string(200, '1') + "A"  // far too long
        + "7");
    EXPECT_EQ(keysOf(events), (std::vector<int>{'A', VK::F1, '7'}));
}

TEST(KeyDecoder, ControlBytesBreakSequencesOffAndStillCount) {
    EXPECT_EQ(keysOf(decode("\x1b[1\r")), std::vector<int>{VK::Enter});
    EXPECT_EQ(keysOf(decode("\x1b[1;\x1b[B")), std::vector<int>{VK::Down});
    EXPECT_EQ(keysOf(decode("\x1b]0;title\x1b[C")), std::vector<int>{VK::Right});

    // An unfinished sequence is dropped after its timeout; the next bytes are keys again.
    KeyDecoder d;
    std::vector<InputEvent> out;
    decode(d, "\x1b[1;", 0);
    d.expire(KeyDecoder::sequenceTimeoutMs, out);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(keysOf(decode(d, "2", 600)), std::vector<int>{'2'});
}

TEST(KeyDecoder, CtrlCAndCtrlZReportedAsKeysBecomeSignalRequests) {
    // Ctrl with a letter is never the letter; the plain c is.
    const auto events = decode("\x1b[99;5u\x1b[99;5:3u\x1b[122;5u\x1b[106;5u\x1b[99u");
    EXPECT_EQ(keysOf(events),
              (std::vector<int>{-static_cast<int>(Kind::Interrupt), -static_cast<int>(Kind::Suspend), 'C'}));
}

TEST(KeyDecoder, AWindowThatLosesTheFocusSaysSoAndGainingItIsNoKey) {
    EXPECT_EQ(keysOf(decode("\x1b[I\x1b[A\x1b[O")), (std::vector<int>{VK::Up, -static_cast<int>(Kind::FocusLost)}));
}

}  // namespace
