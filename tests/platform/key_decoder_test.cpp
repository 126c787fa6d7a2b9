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

// Windows Terminal's win32-input-mode, byte for byte as it sends the keys:
// CSI virtual key ; scan code ; character ; down ; control keys ; repeats _.
const std::string win32UpDown = "\x1b[38;72;0;1;256;1_";  // the arrows are enhanced keys (0x100)
const std::string win32UpUp = "\x1b[38;72;0;0;256;1_";

TEST(Win32InputMode, AnArrowPressedHeldAndReleased) {
    const auto events = decode(win32UpDown + win32UpDown + win32UpDown + win32UpUp);
    EXPECT_EQ(keysOf(events), std::vector<int>(4, VK::Up));
    const std::vector<KeyAction> actions{KeyAction::Press, KeyAction::Repeat, KeyAction::Repeat,
                                         KeyAction::Release};
    for (std::size_t i = 0; i < events.size() && i < actions.size(); ++i) {
        EXPECT_EQ(events[i].action, actions[i]) << i;
        EXPECT_TRUE(events[i].releases);
        EXPECT_FALSE(events[i].legacy);
    }
    // Pressed again after its release: a new press.
    EXPECT_EQ(decode(win32UpDown + win32UpUp + win32UpDown).back().action, KeyAction::Press);
}

TEST(Win32InputMode, LettersDigitsAndTheQuestionMarkByTheirCharacterWithoutTheModifierKeys) {
    // a, 7, then Shift held for '?' (the '/' key with Shift) and released.
    const auto events = decode(
        "\x1b[65;30;97;1;0;1_\x1b[65;30;97;0;0;1_\x1b[55;8;55;1;0;1_\x1b[55;8;55;0;0;1_"
        "\x1b[16;42;0;1;16;1_\x1b[191;53;63;1;16;1_\x1b[191;53;0;0;16;1_\x1b[16;42;0;0;0;1_");
    EXPECT_EQ(keysOf(events), (std::vector<int>{'A', 'A', '7', '7', VK::Question, VK::Question}));
    EXPECT_EQ(events[5].action, KeyAction::Release);
    // On a German keyboard '?' is Shift with the key of sharp s (0xDB); its
    // key up without a character still releases '?', so nothing stays held.
    const auto german = decode("\x1b[219;12;63;1;16;1_\x1b[219;12;0;0;16;1_");
    EXPECT_EQ(keysOf(german), (std::vector<int>{VK::Question, VK::Question}));
    // Ctrl or Alt with a letter is a shortcut, not the letter.
    EXPECT_TRUE(decode("\x1b[74;36;10;1;8;1_\x1b[74;36;106;1;2;1_").empty());
}

TEST(Win32InputMode, EnterEscapeBackspaceAndF1) {
    const auto events = decode(
        "\x1b[13;28;13;1;0;1_\x1b[13;28;13;0;0;1_\x1b[27;1;27;1;0;1_\x1b[27;1;27;0;0;1_"
        "\x1b[8;14;8;1;0;1_\x1b[8;14;8;0;0;1_\x1b[112;59;0;1;0;1_\x1b[112;59;0;0;0;1_");
    EXPECT_EQ(keysOf(events), (std::vector<int>{VK::Enter, VK::Enter, VK::Escape, VK::Escape, VK::Backspace,
                                                VK::Backspace, VK::F1, VK::F1}));
}

TEST(Win32InputMode, CtrlCAndCtrlZStillStopOrSuspendTheGame) {
    // Left Ctrl down (flag 8), then C with character 3 and Z with 26; a
    // terminal that leaves the character out is read by the key and the flag.
    const auto events = decode(
        "\x1b[17;29;0;1;8;1_\x1b[67;46;3;1;8;1_\x1b[67;46;3;0;8;1_\x1b[90;44;26;1;8;1_\x1b[67;46;0;1;4;1_"
        "\x1b[17;29;0;0;0;1_");
    const int interrupt = -static_cast<int>(Kind::Interrupt);
    const int suspend = -static_cast<int>(Kind::Suspend);
    EXPECT_EQ(keysOf(events), (std::vector<int>{interrupt, 'C', suspend, interrupt}));
    EXPECT_EQ(events[1].action, KeyAction::Release);
}

TEST(Win32InputMode, MalformedAndOverlongSequencesAreDroppedWithoutLosingWhatFollows) {
    // Too many fields, a virtual key out of range, a down that is neither 0
    // nor 1, a sequence longer than any key's, then a good key down.
    const std::string overlong = "\x1b[" + std::string(200, '9') + ";1;0;1;0;1_";
    const auto events =
        decode("\x1b[38;72;0;1;0;1;9_\x1b[99999;1;0;1;0;1_\x1b[38;72;0;7;0;1_" + overlong + win32UpDown);
    EXPECT_EQ(keysOf(events), std::vector<int>{VK::Up});
    // Omitted fields are 0: a key up with no character; it releases nothing held.
    EXPECT_TRUE(decode("\x1b[_\x1b[;;;;;_").empty());
}

TEST(Win32InputMode, ASequenceSplitAcrossTwoReadsAndAFocusLossThatReleasesTheHeldKeys) {
    KeyDecoder d;
    EXPECT_TRUE(decode(d, "\x1b[38;72;0;", 100).empty());
    const auto events = decode(d, "1;256;1_", 110);
    ASSERT_EQ(keysOf(events), std::vector<int>{VK::Up});
    EXPECT_EQ(events[0].time, 110);
    // The key up went to another window: the next key down is a new press.
    EXPECT_EQ(keysOf(decode(d, "\x1b[O")), std::vector<int>{-static_cast<int>(Kind::FocusLost)});
    EXPECT_EQ(decode(d, win32UpDown)[0].action, KeyAction::Press);
}

}  // namespace
