// Keys at the moments a terminal delivers them, on the shipped world: bursts
// of presses in a terminal without releases (tmux), presses queued across a
// change of screen, and two arrows held where releases are reported (kitty).

#include <gtest/gtest.h>

#include "support/rolls.h"
#include "support/shipped_world.h"
#include "support/timed_keys.h"

namespace {

// A new game starts on Vancouver 1 at (20, 10), with no enemy about.
class KeyTiming : public ShippedWorldTest {
protected:
    void play(TimedKeys& timed) {
        setHost(&timed);
        EXPECT_THROW(explorationLoop(state), ScriptEnded);
        setHost(&script);
    }
    static std::int64_t lastSeen(TimedKeys& timed, int key) {
        return timed.seen[key].empty() ? -1 : timed.seen[key].back();
    }
    // Whether the menu option showing `text` is the highlighted one.
    bool highlighted(const std::string& text) {
        for (int y = 0; y < ScreenModel::height; ++y) {
            const std::size_t x = scr().rowText(y).find(text);
            if (x != std::string::npos) return scr().attrAt(static_cast<int>(x), y) == 0x27;
        }
        return false;
    }
};

// Over a link whose lag grows through a hold of Left (the press, the repeat
// delay, ten repeats, then later and later events), then taps a third of a
// second apart: three Rights walk three tiles, three Downs in the pause menu
// move its highlight three places.
TEST_F(KeyTiming, AfterAHoldOverASlowingLinkEveryTapActsOnce) {
    newGame();
    TimedKeys timed(false);
    std::int64_t t = 1000;
    timed.at(t, VK::Left);
    for (int i = 0; i < 10; ++i) timed.at(t += i == 0 ? 500 : 33, VK::Left);
    for (std::int64_t gap : {110, 150, 220, 320, 480, 700}) timed.at(t += gap, VK::Left);
    play(timed);
    const int x = player.getX();
    t += 3000;
    for (int i = 0; i < 3; ++i) timed.at(t + 350 * i, VK::Right);
    play(timed);
    EXPECT_EQ(player.getX(), x + 3);

    t += 3000;
    timed.at(t, VK::Escape);
    for (int i = 1; i <= 3; ++i) timed.at(t + 350 * i, VK::Down);
    play(timed);
    EXPECT_TRUE(highlighted(" Load Game ")) << scr().rowText(9);
}

// Up tapped three times towards the cafe's door a tile away: the second tap
// opens the cafe, the third comes as its menu appears and must not move the
// highlight to Exit, which the next Enter would choose.
TEST_F(KeyTiming, AnOverTappedDoorOpensItsMenuOnItsFirstOption) {
    for (bool exact : {false, true}) {
        newGame();
        TimedKeys timed(exact);
        for (std::int64_t at : {1000, 1150, 1300}) timed.at(at, VK::Up).at(at + 60, VK::Up, KeyAction::Release);
        play(timed);
        EXPECT_TRUE(highlighted(" iBay ")) << exact;
    }
}

TEST_F(KeyTiming, ABurstOfTapsStopsActingSoonAfterTheLastOne) {
    newGame();
    TimedKeys timed(false);
    // A key mash: twenty arrow taps and an Escape, all within 100 ms.
    for (int i = 0; i < 20; ++i) timed.at(1000 + 5 * i, i % 2 ? VK::Left : VK::Right);
    timed.at(1100, VK::Escape);
    play(timed);
    const std::int64_t latest = std::max(lastSeen(timed, VK::Left), lastSeen(timed, VK::Right));
    EXPECT_GE(latest, 1000);
    EXPECT_LE(latest, 1100 + KeyState::pressLifetimeMs);
    EXPECT_TRUE(timed.seen[VK::Escape].empty()) << "the Escape behind the taps came too late to pause";
}

TEST_F(KeyTiming, PressesMadeBeforeAFightBeginsNeverReachItsMenu) {
    for (bool exact : {false, true}) {
        newGame();
        ZeroRolls standStill;
        Enemy hunter("Bounty Hunter", 500, 5);
        hunter.setMapName(String("Vancouver 1"));
        hunter.setX(20);
        hunter.setY(9);
        state.enemies.append(hunter);
        TimedKeys timed(exact);
        // Up walks into the hunter; the two Ups after it and an Enter 80 ms
        // later were queued as the fight began.
        for (std::int64_t t : {1000, 1010, 1020, 1080}) {
            timed.at(t, t == 1080 ? VK::Enter : VK::Up);
            timed.at(t + 5, t == 1080 ? VK::Enter : VK::Up, KeyAction::Release);
        }
        timed.at(2500, VK::Enter).at(2530, VK::Enter, KeyAction::Release);  // chosen on the fight's screen
        play(timed);
        EXPECT_NE(scr().rowText(1).find("You Attack Bounty Hunter"), std::string::npos)
            << exact << scr().rowText(1);
        ASSERT_FALSE(timed.seen[VK::Enter].empty());
        EXPECT_GE(timed.seen[VK::Enter].front(), 2500) << exact;
    }
}

TEST_F(KeyTiming, TwoHeldArrowsBothWalkUntilEachIsReleased) {
    newGame();
    TimedKeys timed(true);
    // Left, then Down: the keyboard repeats only Down, the last key pressed.
    timed.at(1000, VK::Left).at(1010, VK::Down).repeats(VK::Down, 1510, 6000);
    timed.at(6000, VK::Down, KeyAction::Release).at(7000, VK::Left, KeyAction::Release);
    play(timed);
    EXPECT_GE(lastSeen(timed, VK::Down), 5900);
    EXPECT_LT(lastSeen(timed, VK::Down), 6000);
    EXPECT_GE(lastSeen(timed, VK::Left), 6900);
    EXPECT_LT(lastSeen(timed, VK::Left), 7000);
    // Diagonally to the pavement's edge, then left along it to the wall.
    EXPECT_EQ(player.getX(), 1);
    EXPECT_EQ(player.getY(), 15);
}

}  // namespace
