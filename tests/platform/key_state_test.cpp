#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

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

TEST(EmulatedKeys, HoldingWalksOnceThenEveryTickWhileRepeatsComeAndStopsOneIntervalAfterTheLast) {
    KeyState s;
    s.record(event(VK::Right, 0));
    // The ticks of a walk, as the exploration loop would poll them.
    EXPECT_TRUE(s.held(VK::Right, 5));
    EXPECT_FALSE(s.held(VK::Right, 95));  // before the keyboard repeats: one step only
    EXPECT_FALSE(s.held(VK::Right, 185));
    repeat(s, VK::Right, 500, 2000, 33);  // the keyboard's repeat delay, then 30 per second
    for (std::int64_t t = 545; t <= 1985; t += 90) EXPECT_TRUE(s.held(VK::Right, t)) << t;
    EXPECT_EQ(s.repeatInterval(2000), 33);
    EXPECT_EQ(s.repeatDelay(2000), 500);

    // The last repeat came at 1985; the key counts as up once the next one is
    // a margin late.
    EXPECT_TRUE(s.held(VK::Right, 1985 + 33 + KeyState::repeatMarginMs - 1));
    EXPECT_FALSE(s.held(VK::Right, 1985 + 33 + KeyState::repeatMarginMs));
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
    EXPECT_TRUE(s.pressed(VK::Down, 8600 + s.repeatInterval(8600) + KeyState::repeatMarginMs));
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

TEST(EmulatedKeys, ASlowKeyboardWalksOnAndEveryLearnedFigureStaysInItsRange) {
    KeyState s;
    s.record(event(VK::Left, 0));
    repeat(s, VK::Left, 1000, 3000, 91);  // 11 per second after a second
    for (std::int64_t t = 1300; t <= 3000; t += 90) EXPECT_TRUE(s.held(VK::Left, t)) << t;
    EXPECT_NEAR(static_cast<double>(s.repeatInterval(3000)), 91, 1);
    EXPECT_NEAR(static_cast<double>(s.repeatDelay(3000)), 1000, 5);
    EXPECT_FALSE(s.held(VK::Left, 3000 + 91 + KeyState::repeatMarginMs));

    // Gaps beyond any keyboard teach nothing; the figures drift back to usual.
    s.record(event(VK::Left, 10000));
    repeat(s, VK::Left, 12000, 14000, 150);
    EXPECT_NEAR(static_cast<double>(s.repeatInterval(14000)), 91, 2);
    EXPECT_NEAR(static_cast<double>(s.repeatDelay(14000)), 1000, 20);
    const std::int64_t anHourLater = 14000 + 3600 * 1000;
    EXPECT_EQ(s.repeatInterval(anHourLater), KeyState::usualRepeatIntervalMs);
    EXPECT_EQ(s.repeatDelay(anHourLater), KeyState::usualRepeatDelayMs);
}

// Taps of one key at the given moments, delivered as they come while a view
// polls every `every` ms (the menus 75, the streets 90) until `until`; how
// many polls saw the key.
int actsOnTaps(KeyState& s, const std::vector<std::int64_t>& taps, std::int64_t until, bool menu) {
    int acted = 0;
    std::size_t next = 0;
    for (std::int64_t poll = taps.front(); poll <= until; poll += menu ? 75 : 90) {
        for (; next < taps.size() && taps[next] <= poll; ++next) s.record(event(VK::Right, taps[next]));
        acted += (menu ? s.pressed(VK::Right, poll) : s.held(VK::Right, poll)) ? 1 : 0;
        EXPECT_LE(s.repeatInterval(poll), KeyState::maxRepeatIntervalMs);
        EXPECT_GE(s.repeatInterval(poll), KeyState::minRepeatIntervalMs);
        EXPECT_LE(s.repeatDelay(poll), KeyState::maxRepeatDelayMs);
        EXPECT_GE(s.repeatDelay(poll), KeyState::minRepeatDelayMs);
    }
    return acted;
}

// A link whose lag grows through one hold: press, a delay, ten repeats, then
// later and later events. Afterwards taps a third of a second apart still act
// once each, in the streets and in menus.
TEST(EmulatedKeys, AHoldThatSlowsDownLeavesTapsActingOnceEach) {
    for (bool menu : {false, true}) {
        KeyState s;
        s.record(event(VK::Right, 0));
        repeat(s, VK::Right, 500, 500 + 9 * 33, 33);
        std::int64_t t = 500 + 9 * 33;
        for (std::int64_t gap : {110, 150, 220, 320, 480, 700}) s.record(event(VK::Right, t += gap));
        EXPECT_EQ(actsOnTaps(s, {t + 1000, t + 1350, t + 1700}, t + 3000, menu), 3) << menu;
    }
}

// Any history of holds, taps, bursts and late events, then taps 200 ms or
// more apart: each acts exactly once, and no learned figure leaves its range.
TEST(EmulatedKeys, AfterAnyHistoryTapsTwoHundredMsApartActOnceEach) {
    for (unsigned seed = 1; seed <= 200; ++seed) {
        std::mt19937 random(seed);
        auto between = [&random](std::int64_t low, std::int64_t high) {
            return std::uniform_int_distribution<std::int64_t>(low, high)(random);
        };
        KeyState s;
        std::vector<std::int64_t> history;
        std::int64_t t = 0;
        for (std::int64_t part = between(1, 6); part > 0; --part) {
            const std::int64_t delay = between(150, 1000);
            std::int64_t every = between(20, 100);
            history.push_back(t);
            // A hold, slowing or clumped by a link, or a burst of taps.
            for (std::int64_t r = t + delay, end = r + between(0, 3000); r <= end; r += every) {
                history.push_back(r + between(0, between(0, 1) * 300));
                if (between(0, 9) == 0) every = between(0, 400);
            }
            std::sort(history.begin(), history.end());
            t = history.back() + between(0, 600);
        }
        t += 1000;
        std::vector<std::int64_t> taps;
        for (int n = 0; n < 8; ++n) taps.push_back(t += between(200, 800));
        const bool menu = seed % 2 == 0;
        actsOnTaps(s, history, history.back(), menu);
        EXPECT_EQ(actsOnTaps(s, taps, t + 1000, menu), 8) << "seed " << seed;
    }
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
