#include <gtest/gtest.h>

#include <climits>

#include "model/possessions.h"
#include "screens/online_banking.h"
#include "support/screen_recorder.h"

namespace {

using Transaction = void (*)(Possessions&);

class Banking : public ScreenTest {
protected:
    void set(int cash, int bank, int loan) {
        wallet.setMoney(cash);
        wallet.setBank(bank);
        wallet.setLoan(loan);
    }
    // Types the amount ("" presses Escape); a refusal is read with Enter. A
    // refusal that does not come leaves that Enter unused, one that does
    // come unasked ends the script.
    void run(Transaction transaction, const char* amount, bool refused) {
        if (*amount)
            script.type(amount).tap(VK::Enter);
        else
            script.tap(VK::Escape);
        if (refused) script.tap(VK::Enter);
        transaction(wallet);
        EXPECT_TRUE(script.scriptDone()) << amount;
    }
    void expect(int cash, int bank, int loan) {
        EXPECT_EQ(wallet.getMoney(), cash);
        EXPECT_EQ(wallet.getBank(), bank);
        EXPECT_EQ(wallet.getLoan(), loan);
    }
    bool rowHas(int y, const char* text) { return row(y).find(text) != std::string::npos; }
    Possessions wallet;
};

TEST_F(Banking, DepositsAndWithdrawalsMoveOnlyTheMoneyThatIsThere) {
    set(100, 50, 0);
    run(deposit, "", false);
    run(deposit, "101", true);
    EXPECT_TRUE(rowHas(2, "101                You did not enter a valid amount."));
    EXPECT_TRUE(rowHas(0, " with you and 50 in your acount."));
    run(deposit, "2147483647", true);
    run(deposit, "100", false);
    expect(0, 150, 0);
    run(withdraw, "151", true);
    EXPECT_TRUE(rowHas(0, "You currently have 0 with you and 150 in your account."));
    EXPECT_TRUE(rowHas(1, "withdrawl?"));
    run(withdraw, "2147483647", true);
    run(withdraw, "", false);
    run(withdraw, "150", false);
    expect(150, 0, 0);
}

TEST_F(Banking, NoTransferWrapsABalancePastTheMostMoneyCanHold) {
    set(10, INT_MAX - 5, 0);
    run(deposit, "10", true);
    set(INT_MAX - 5, 10, 0);
    run(withdraw, "10", true);
    run(takeLoan, "10", true);
    set(INT_MAX, 0, INT_MIN + 5);
    run(repayLoan, "10", true);
    expect(INT_MAX, 0, INT_MIN + 5);
}

TEST_F(Banking, OneLoanUnderAThousandAtATime) {
    run(takeLoan, "1000", true);
    EXPECT_TRUE(rowHas(3, "You did not enter a valid amount, or you currently have a loan"));
    run(takeLoan, "2147483647", true);
    run(takeLoan, "999", false);
    expect(999, 0, 999);
    run(takeLoan, "1", true);
    run(takeLoan, "", true);  // even nothing, while a loan is owed
    run(repayLoan, "1000", true);
    EXPECT_TRUE(rowHas(2, "You do not have funds in that amount currently available."));
    run(repayLoan, "", false);
    run(repayLoan, "999", false);
    expect(0, 0, 0);
    run(takeLoan, "300", false);
}

TEST_F(Banking, OverpayingLeavesANegativeLoanThatDoesNotBlockTheNext) {
    set(600, 0, 300);
    run(repayLoan, "500", false);
    expect(100, 0, -200);
    run(takeLoan, "50", false);
    expect(150, 0, -150);
}

TEST_F(Banking, TheMenuRunsATransactionAndComesBack) {
    set(100, 0, 0);
    script.choose(0).type("40").tap(VK::Enter);
    script.choose(4);
    onlineBanking(wallet);
    expect(60, 40, 0);
    EXPECT_TRUE(script.saw(" Make a Payment on a Loan "));
}

}  // namespace
