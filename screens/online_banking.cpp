#include "screens/online_banking.h"

#include <cstdint>
#include <iostream>

#include "console/console.h"
#include "console/dialogs.h"
#include "console/menu.h"
#include "model/money_sums.h"
#include "model/possessions.h"

namespace {

constexpr int loanLimit = 1000;  // a loan must stay under this
constexpr int settleMs = 150;    // after each transaction, before the menu returns

const char* const invalidAmount = "You did not enter a valid amount.\n";

// A refusal stands until Enter; the menu's own pause follows, so none here.
void refuse(const char* why) {
    std::cout << why << std::flush;
    waitForEnter();
}

// The amount typed below the transaction's two lines. The field never gives
// more than the most money can hold, so it is a plain positive int.
std::int64_t amountTyped() { return readNumber(0, 2); }

// Cash and balance as the deposit and withdrawal screens show them.
void showBalances(const Possessions& possessions, const char* accountWord) {
    std::cout << "You currently have " << static_cast<std::uint32_t>(possessions.getMoney()) << " with you and "
              << possessions.getBank() << " in your " << accountWord << ".\n";
}

// Sets the new cash and second value when both fit; false leaves both alone.
bool transfer(Possessions& possessions, std::int64_t cash, std::int64_t other, void (Possessions::*setOther)(int)) {
    if (!fitsMoney(cash) || !fitsMoney(other)) return false;
    possessions.setMoney(static_cast<int>(cash));
    (possessions.*setOther)(static_cast<int>(other));
    return true;
}

enum Direction { toCash = -1, toBank = 1 };

// The deposit's and the withdrawal's screen: the amount typed leaves cash for
// the bank or the bank for cash, when there is that much to take; the
// deposit's line has always said "acount".
void moveBetweenCashAndBank(Possessions& possessions, const char* accountWord, const char* question,
                            Direction direction) {
    clearScreen();
    showBalances(possessions, accountWord);
    std::cout << question;
    const std::int64_t amount = amountTyped();
    const std::int64_t cash = possessions.getMoney();
    const std::int64_t bank = possessions.getBank();
    const std::int64_t moved = direction * amount;  // into the bank
    if (amount > (direction == toBank ? cash : bank) ||
        !transfer(possessions, cash - moved, bank + moved, &Possessions::setBank))
        refuse(invalidAmount);
}

}  // namespace

void onlineBanking(Possessions& possessions) {
    static void (*const transactions[])(Possessions&) = {deposit, withdraw, takeLoan, repayLoan};
    for (;;) {
        clearScreen();
        const int choice =
            menu("Online Banking",
                 options({" Make a Deposit           ", " Make a Withdrawl         ", " Take Out a Loan          ",
                          " Make a Payment on a Loan ", " Back                     "}),
                 false);
        if (choice >= 4) return;
        transactions[choice](possessions);
        delayMs(settleMs);
    }
}

void deposit(Possessions& possessions) {
    moveBetweenCashAndBank(possessions, "acount", "How much would you like to deposit?\n", toBank);
}

void withdraw(Possessions& possessions) {
    moveBetweenCashAndBank(possessions, "account", "How much would you like to withdrawl?\n", toCash);
}

void takeLoan(Possessions& possessions) {
    clearScreen();
    std::cout << "What is the amount of the loan you would like to take out?\n";
    std::cout << "Please keep in mind, it must be under $" << loanLimit << ".\n";
    const std::int64_t amount = amountTyped();
    const std::int64_t loan = possessions.getLoan();
    if (amount >= loanLimit || loan > 0 ||
        !transfer(possessions, possessions.getMoney() + amount, loan + amount, &Possessions::setLoan))
        refuse("\nYou did not enter a valid amount, or you currently have a loan which has not been repaid.\n");
}

void repayLoan(Possessions& possessions) {
    clearScreen();
    std::cout << "Your current balance is " << possessions.getLoan() << ".\n";
    std::cout << "How much would you like to repay?\n";
    const std::int64_t amount = amountTyped();
    const std::int64_t cash = possessions.getMoney();
    if (amount > cash ||
        !transfer(possessions, cash - amount, possessions.getLoan() - amount, &Possessions::setLoan))
        refuse("You do not have funds in that amount currently available.");
}
