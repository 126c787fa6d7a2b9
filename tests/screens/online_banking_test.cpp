#include <gtest/gtest.h>

#include <climits>

#include "screens/online_banking.h"
#include "support/test_player.h"

namespace {

// A transaction with the amount typed ("" presses Escape), whether it is
// refused, and the cash, balance and loan after it.
struct Step {
    void (*transaction)(Possessions&);
    const char* amount;
    bool refused;
    int cash, bank, loan;
};

class Banking : public PlayerTest {
protected:
    // A refusal is read with Enter: one that does not come leaves that Enter
    // unused, one that comes unasked ends the script.
    void run(const Step& step) {
        if (*step.amount) script.type(step.amount).tap(VK::Enter);
        else script.tap(VK::Escape);
        if (step.refused) script.tap(VK::Enter);
        step.transaction(possessions);
        EXPECT_TRUE(script.scriptDone()) << step.amount;
        EXPECT_EQ(possessions.getMoney(), step.cash) << step.amount;
        EXPECT_EQ(possessions.getBank(), step.bank) << step.amount;
        EXPECT_EQ(possessions.getLoan(), step.loan) << step.amount;
    }
    void set(int cash, int bank, int owed) {
        possessions.setMoney(cash);
        possessions.setBank(bank);
        possessions.setLoan(owed);
    }
    bool rowHas(int y, const char* text) { return row(y).find(text) != std::string::npos; }
};

TEST_F(Banking, OnlyMoneyThatIsThereMovesAndOneLoanUnderAThousandAtATime) {
    set(100, 50, 0);
    for (const Step& step : {
             Step{deposit, "", false, 100, 50, 0}, Step{deposit, "101", true, 100, 50, 0},
             Step{deposit, "100", false, 0, 150, 0}, Step{withdraw, "151", true, 0, 150, 0},
             Step{withdraw, "150", false, 150, 0, 0}, Step{takeLoan, "1000", true, 150, 0, 0},
             Step{takeLoan, "999", false, 1149, 0, 999}, Step{takeLoan, "1", true, 1149, 0, 999},
             Step{takeLoan, "", true, 1149, 0, 999}, Step{repayLoan, "2147483647", true, 1149, 0, 999},
             Step{repayLoan, "1149", false, 0, 0, -150},  // paid beyond the loan
             Step{takeLoan, "50", false, 50, 0, -100},    // a loan below zero blocks nothing
         })
        run(step);
}

TEST_F(Banking, NoTransferWrapsABalancePastTheMostMoneyCanHold) {
    set(10, INT_MAX - 5, 0);
    run({deposit, "10", true, 10, INT_MAX - 5, 0});
    set(INT_MAX - 5, 10, 0);
    run({withdraw, "10", true, INT_MAX - 5, 10, 0});
    run({takeLoan, "10", true, INT_MAX - 5, 10, 0});
    set(INT_MAX, 0, INT_MIN + 5);
    run({repayLoan, "10", true, INT_MAX, 0, INT_MIN + 5});
}

TEST_F(Banking, EachScreenSaysWhatItAsksAndWhyItRefuses) {
    set(7, 50, 0);
    run({deposit, "8", true, 7, 50, 0});
    EXPECT_TRUE(rowHas(0, "You currently have 7 with you and 50 in your acount."));
    EXPECT_TRUE(rowHas(2, "8                You did not enter a valid amount."));
    run({takeLoan, "1000", true, 7, 50, 0});
    EXPECT_TRUE(rowHas(3, "You did not enter a valid amount, or you currently have a loan"));
    run({repayLoan, "8", true, 7, 50, 0});
    EXPECT_TRUE(rowHas(2, "You do not have funds in that amount currently available."));
}

}  // namespace
