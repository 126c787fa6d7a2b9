#include <gtest/gtest.h>

#include "console/keys.h"
#include "platform/key_state.h"

namespace {

InputEvent event(int key, std::int64_t t, KeyAction action = KeyAction::Press, bool legacy = false) {
    InputEvent e;
    e.key = key;
    e.time = t;
    e.action = action;
    e.legacy = legacy;
    return e;
}

// A keyboard's auto-repeat: the key's events from `from` every `every` ms until `until`.
void repeat(KeyState& s, int key, std::int64_t from, std::int64_t until, std::int64_t every) {
    for (std::int64_t t = from; t <= until; t += every) s.record(event(key, t));
}

TEST(EmulatedKeys, ATapCountsOnceForWhicheverViewReadsItFirst) {
    KeyState s;
    s.record(event(VK::Right, 0));
    EXPECT_TRUE(s.held(VK::Right, 20));  // walks one tile
    EXPECT_FALSE(s.held(VK::Right, 110));
    EXPECT_FALSE(s.pressed(VK::Right, 110));

    s.record(event(VK::Enter, 1000));
    EXPECT_FALSE(s.pressed(VK::Down, 1010));
    EXPECT_TRUE(s.pressed(VK::Enter, 1010));
    EXPECT_FALSE(s.down(VK::Enter));  // nothing to wait for
    EXPECT_FALSE(s.pressed(VK::Enter, 1085));
    EXPECT_FALSE(s.held(VK::Enter, 1085));
}

TEST(EmulatedKeys, HoldingWalksOnceThenEveryTickWhileRepeatsComeAndStopsAfterTheQuietWindow) {
    KeyState s;
    s.record(event(VK::Right, 0));
    // The ticks of a walk, as the exploration loop would poll them.
    EXPECT_TRUE(s.held(VK::Right, 5));
    EXPECT_FALSE(s.held(VK::Right, 95));  // before the keyboard repeats: one step only
    EXPECT_FALSE(s.held(VK::Right, 185));
    repeat(s, VK::Right, 500, 2000, 33);  // the keyboard's repeat delay, then 30 per second
    for (std::int64_t t = 545; t <= 1985; t += 90) EXPECT_TRUE(s.held(VK::Right, t)) << t;

    // The last repeat came at 1985; the key counts as up after the quiet window.
    EXPECT_EQ(s.quietWindow(), KeyState::minQuietMs);
    EXPECT_TRUE(s.held(VK::Right, 1985 + KeyState::minQuietMs - 1));
    EXPECT_FALSE(s.held(VK::Right, 1985 + KeyState::minQuietMs));
}

TEST(EmulatedKeys, RepeatsOfAHeldKeyAreNoNewPressesButTheNextPressIs) {
    KeyState s;
    s.record(event(VK::Down, 0));
    EXPECT_TRUE(s.pressed(VK::Down, 10));
    // The first repeat looks like a second press until the next one follows
    // 40 ms later; by the menu's next poll it has been withdrawn.
    repeat(s, VK::Down, 600, 1400, 40);
    for (std::int64_t t = 610; t <= 1500; t += 75) EXPECT_FALSE(s.pressed(VK::Down, t)) << t;
    s.record(event(VK::Down, 1700));  // pressed again after a quiet moment
    EXPECT_TRUE(s.pressed(VK::Down, 1705));

    // The keyboard's repeat delay is known now: the next hold's first repeat
    // is never a press, even for a view that polls right when it comes.
    s.record(event(VK::Down, 5000));
    EXPECT_TRUE(s.pressed(VK::Down, 5000));
    s.record(event(VK::Down, 5600));
    EXPECT_FALSE(s.pressed(VK::Down, 5601));
    repeat(s, VK::Down, 5640, 6000, 40);
    for (std::int64_t t = 5641; t <= 6100; t += 20) EXPECT_FALSE(s.pressed(VK::Down, t)) << t;

    // A real second tap at that moment still counts, a quiet window later.
    s.record(event(VK::Down, 8000));
    EXPECT_TRUE(s.pressed(VK::Down, 8000));
    s.record(event(VK::Down, 8600));
    EXPECT_FALSE(s.pressed(VK::Down, 8601));
    EXPECT_TRUE(s.pressed(VK::Down, 8600 + s.quietWindow()));
    // Taps at other moments are not held back.
    s.record(event(VK::Down, 9000));
    EXPECT_TRUE(s.pressed(VK::Down, 9000));
}

// A double digit typed fast is still two digits, and three in a row three.
TEST(EmulatedKeys, QuickTapsAreSeparatePresses) {
    KeyState digits;
    digits.record(event('0', 0));
    digits.record(event('0', 100));
    digits.record(event('0', 190));
    int taken = 0;
    for (std::int64_t t = 0; t <= 400; t += 80) taken += digits.pressed('0', t) ? 1 : 0;
    EXPECT_EQ(taken, 3);
}

TEST(EmulatedKeys, ASlowerRepeatRateWidensTheQuietWindow) {
    KeyState s;
    s.record(event(VK::Left, 0));
    repeat(s, VK::Left, 400, 1000, 60);
    EXPECT_GE(s.quietWindow(), 170);
    EXPECT_TRUE(s.held(VK::Left, 1000 + 160));  // the last repeat came at 1000
    EXPECT_FALSE(s.held(VK::Left, 1000 + s.quietWindow()));
}

TEST(KeyPresses, ABurstIsHandedOutInTypedOrderAndOldPressesAreForgotten) {
    KeyState s;
    // "321" and Enter arrive in one read; the number field polls the digits
    // in the order 0-9, one digit per pass, then Enter.
    for (int key : {int('3'), int('2'), int('1'), int(VK::Enter)}) s.record(event(key, 0));
    std::string typed;
    for (std::int64_t t = 0; t <= 400 && typed.size() < 4; t += 80) {
        for (int key = '0'; key <= '9'; ++key)
            if (s.pressed(key, t)) {
                typed += static_cast<char>(key);
                break;
            }
        if (s.pressed(VK::Enter, t)) typed += 'E';
    }
    EXPECT_EQ(typed, "321E");

    // A press of a key the screen never polls holds the next one back only
    // until it is forgotten.
    KeyState stray;
    stray.record(event(VK::Escape, 0));
    stray.record(event(VK::Enter, 200));
    EXPECT_FALSE(stray.pressed(VK::Enter, 210));
    EXPECT_TRUE(stray.pressed(VK::Enter, KeyState::pressLifetimeMs + 1));
}

TEST(ExactKeys, KeysWithoutReleasesNeverStickDown) {
    KeyState s;
    s.setExact(true);
    // A plain byte (no release will follow) is a press and nothing more.
    s.record(event(VK::Enter, 0, KeyAction::Press, true));
    EXPECT_TRUE(s.pressed(VK::Enter, 10));
    EXPECT_FALSE(s.down(VK::Enter));
    // A key held without repeats stays down; when the window loses the
    // focus its release goes elsewhere, so it counts as up.
    s.record(event(VK::Left, 100));
    EXPECT_TRUE(s.held(VK::Left, 60000));
    s.releaseAll();
    EXPECT_FALSE(s.held(VK::Left, 60001));
    // After a stop nothing counts as down.
    s.record(event(VK::Down, 5000));
    s.forget();
    EXPECT_FALSE(s.held(VK::Down, 5001));
}

}  // namespace
