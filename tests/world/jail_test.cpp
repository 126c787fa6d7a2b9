#include <gtest/gtest.h>

#include "console/quit.h"
#include "game/game_values.h"
#include "possessions/possessions.h"
#include "support/console_fixture.h"
#include "support/screen_recorder.h"
#include "support/temp_dir.h"
#include "world/character.h"
#include "world/jail.h"
#include "world/world_support.h"

namespace {

class Jail : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        setHost(&script);
        resetGameValues();
        wantedLevel = 3;
    }
    void TearDown() override {
        resetGameValues();
        ConsoleTest::TearDown();
    }
    void choose(int n) {
        for (int i = 0; i < n; ++i) script.tap(VK::Down);
        script.tap(VK::Enter);
    }
    void runJail() { jail(possessions, player, currentMap, maps); }
    int priceFor(int money, int bank, int roll) {
        possessions.setMoney(money);
        possessions.setBank(bank);
        ScriptedRandom rolls({roll});
        const int price = jailPrice(possessions);
        EXPECT_TRUE(rolls.allUsed());
        return price;
    }

    TempDir folder;
    ScreenRecorder script;
    Character player{20, 10};
    Possessions possessions;
    Array<Map> maps;
    int currentMap = 1;
};

constexpr int bribe = 0, loan = 1, giveUp = 2;

TEST_F(Jail, ThePriceFollowsCashAndBalanceWithOneRoll) {
    // rand() % (1.5 x everything owned) + half the cash
    EXPECT_EQ(priceFor(100, 0, 0), 50);
    EXPECT_EQ(priceFor(100, 0, 149), 199);
    EXPECT_EQ(priceFor(100, 0, 150), 50);
    EXPECT_EQ(priceFor(100, 1000, 1649), 1699);
    EXPECT_EQ(priceFor(0, 201, 301), 0);  // 301 % 301
    EXPECT_EQ(priceFor(1, 0, 32767), 0);
    // Nothing at all: rand() % 200.
    EXPECT_EQ(priceFor(0, 0, 399), 199);
    EXPECT_EQ(priceFor(0, -50, 250), 50);
    // A negative cash or balance that leaves nothing to go by: rand() % 200 too.
    EXPECT_EQ(priceFor(-100, 50, 250), 50);
    EXPECT_EQ(priceFor(10, -10, 399), 199);  // a modulus of zero would crash
    EXPECT_EQ(priceFor(10, -20, 399), 199);
    EXPECT_EQ(priceFor(-7, 0, 5), 5);
    // Half of a negative cash would take the price below zero.
    EXPECT_EQ(priceFor(-1000, 2000, 0), 0);
    // The largest amounts do not overflow.
    EXPECT_EQ(priceFor(2147483647, 2147483647, 32767), 32767 + 1073741823);
}

TEST_F(Jail, BribingFromCashReleasesThePlayerAndClearsTheWantedLevel) {
    possessions.setMoney(300);
    possessions.setBank(40);
    ScriptedRandom rolls({0});  // price 0 % 510 + 150
    choose(bribe);
    choose(0);              // " Yes "
    script.tap(VK::Enter);  // past the message
    runJail();
    EXPECT_EQ(possessions.getMoney(), 150);
    EXPECT_EQ(possessions.getBank(), 40);
    EXPECT_EQ(possessions.getLoan(), 0);
    EXPECT_EQ(wantedLevel, 0);
    EXPECT_TRUE(script.scriptDone());

    const Shot& jailMenu = script.shots[0];
    EXPECT_EQ(jailMenu.at(0, 0, 28), "I will let you go for $150. ");
    EXPECT_EQ(jailMenu.at(0, 1, 5), "Jail ");
    EXPECT_EQ(jailMenu.at(0, 3, 18), " Bribe Guard      ");
    EXPECT_EQ(jailMenu.at(0, 4, 18), " Take a loan      ");
    EXPECT_EQ(jailMenu.at(0, 5, 18), " Give Up and Quit ");
    const Shot& question = script.shots[1];
    EXPECT_EQ(question.at(0, 0, 45), "You have $300 on you and $40 in your account.");
    EXPECT_EQ(question.at(0, 1, 28), "I will let you go for $150. ");
    EXPECT_EQ(question.at(0, 2, 14), "Will you pay? ");
    EXPECT_EQ(question.at(0, 4, 12), "Bribe Guard ");
    EXPECT_TRUE(script.shots.back().shows("You paid the cop and have been released."));
}

TEST_F(Jail, WithoutEnoughCashTheGuardWaitsAndTheLoanPaysHim) {
    possessions.setMoney(100);
    possessions.setBank(1000);
    ScriptedRandom rolls({1000});  // price 1000 % 1650 + 50
    choose(bribe);
    choose(0);              // " Yes ": the bank does not count
    script.tap(VK::Enter);  // past "not enough"
    choose(1);              // " No  "
    choose(loan);
    choose(0);              // " Yes "
    script.tap(VK::Enter);
    runJail();
    EXPECT_TRUE(script.saw("You don't have enough money."));
    EXPECT_EQ(script.shots[5].at(0, 0, 29), "I will let you go for $1050. ");  // the same price again
    EXPECT_TRUE(script.saw("Would you like to take out a loan for $1050?"));
    EXPECT_TRUE(script.shots.back().shows("You paid the cop and have been released."));
    EXPECT_EQ(possessions.getLoan(), 1050);
    EXPECT_EQ(possessions.getMoney(), 100);
    EXPECT_EQ(possessions.getBank(), 1000);
    EXPECT_TRUE(script.scriptDone());
}

TEST_F(Jail, AFreeReleaseLeavesTheCashAsItWas) {
    possessions.setMoney(1);
    ScriptedRandom rolls({12345});  // price 0
    choose(bribe);
    choose(0);
    script.tap(VK::Enter);
    runJail();
    EXPECT_EQ(possessions.getMoney(), 1);
    EXPECT_TRUE(script.saw("You paid the cop and have been released."));
}

TEST_F(Jail, OnlyADebtAboveZeroBlocksTheLoan) {
    possessions.setMoney(0);
    possessions.setLoan(5);
    ScriptedRandom rolls({77});
    choose(loan);
    script.tap(VK::Enter);  // past the refusal
    choose(giveUp);
    choose(0);                          // " Load Game "
    script.tap(VK::Up).tap(VK::Enter);  // the slot list's "Back"
    runJail();
    EXPECT_EQ(script.shots[2].at(0, 0, 52), "You can't take out a loan if you're already in debt.");
    EXPECT_TRUE(script.saw("GAME OVER"));
    EXPECT_EQ(possessions.getLoan(), 5);
    EXPECT_EQ(wantedLevel, 0);  // cleared whatever way out is taken
    EXPECT_TRUE(script.scriptDone());

    possessions.setLoan(-40);  // overpaid
    ScriptedRandom again({77});
    choose(loan);
    choose(0);
    script.tap(VK::Enter);
    runJail();
    EXPECT_EQ(possessions.getLoan(), 77);
}

TEST_F(Jail, GivingUpAndQuittingEndsTheGame) {
    ScriptedRandom rolls({0});
    choose(giveUp);
    choose(1);  // " Quit Game "
    EXPECT_THROW(runJail(), QuitGame);
}

}  // namespace
