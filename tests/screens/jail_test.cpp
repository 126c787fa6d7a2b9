#include "support/rolls.h"
#include "support/temp_folder.h"
#include "support/test_player.h"
#include "screens/jail.h"
#include "screens/pause_menu.h"

namespace {

class Jail : public PlayerTest {
protected:
    void runJail() {
        if (jail(possessions)) gameOverMenu(possessions, player, state.currentMap, state.maps);
    }
    int priceFor(int money, int bank, int roll) {
        possessions.setMoney(money);
        possessions.setBank(bank);
        ScriptedRandom rolls({roll});
        return jailPrice(possessions);  // one roll, or the script runs out
    }

    ScratchFolder folder;  // no saved games for the game-over menu to find
};

constexpr int bribe = 0, loan = 1, giveUp = 2;

TEST_F(Jail, ThePriceComesFromCashAndBalance) {
    // rand() % (1.5 x everything owned) + half the cash
    EXPECT_EQ(priceFor(100, 0, 149), 199);
    EXPECT_EQ(priceFor(100, 0, 150), 50);
    EXPECT_EQ(priceFor(0, -50, 399), 199);  // nothing at all: rand() % 200
    // Amounts that add up to nothing or less fall back to it too.
    EXPECT_EQ(priceFor(10, -10, 399), 199);
    EXPECT_EQ(priceFor(-100, 50, 250), 50);
    EXPECT_EQ(priceFor(-1000, 2000, 0), 0);  // never below zero
    EXPECT_EQ(priceFor(2147483647, 2147483647, 32767), 32767 + 1073741823);
}

TEST_F(Jail, TheGuardWantsCashAndKeepsHisPriceUntilALoanPaysHim) {
    possessions.setMoney(100);
    possessions.setBank(1000);
    wantedLevel = 3;
    ScriptedRandom rolls({1000});                   // price 1000 % 1650 + 50
    script.choose(bribe).choose(0).tap(VK::Enter);  // " Yes ": the bank does not count
    script.choose(1);                               // " No  "
    script.choose(loan).choose(0).tap(VK::Enter);
    runJail();
    EXPECT_EQ(script.shots[0].rows[0].find("I will let you go for $1050."), 0u);
    EXPECT_TRUE(script.shots[2].shows("You don't have enough money."));
    EXPECT_EQ(script.shots[5].rows[0], script.shots[0].rows[0]);
    EXPECT_EQ(possessions.getLoan(), 1050);
    EXPECT_EQ(possessions.getMoney(), 100);
    EXPECT_EQ(wantedLevel, 0);
    EXPECT_TRUE(script.shots.back().shows("You paid the cop and have been released."));

    possessions.setMoney(1);
    possessions.setBank(0);
    ScriptedRandom free({5});  // price 0: paid with the cash left as it was
    script.choose(bribe).choose(0).tap(VK::Enter);
    runJail();
    EXPECT_EQ(possessions.getMoney(), 1);
    EXPECT_TRUE(script.scriptDone());
}

TEST_F(Jail, OnlyADebtAboveZeroBlocksTheLoan) {
    possessions.setLoan(5);
    ScriptedRandom rolls({77});
    script.choose(loan).tap(VK::Enter);                          // refused
    script.choose(giveUp).choose(0).tap(VK::Up).tap(VK::Enter);  // game over, load, Back
    runJail();
    EXPECT_TRUE(script.shots[2].shows("You can't take out a loan if you're already in debt."));
    EXPECT_TRUE(script.saw("GAME OVER"));
    EXPECT_EQ(possessions.getLoan(), 5);
    EXPECT_TRUE(script.scriptDone());

    possessions.setLoan(-40);  // overpaid
    ScriptedRandom again({77});
    script.choose(loan).choose(0).tap(VK::Enter);
    runJail();
    EXPECT_EQ(possessions.getLoan(), 77);
}

}  // namespace
