#include "screens/jail.h"

#include <cstdint>
#include <iostream>

#include "console/console.h"
#include "console/dialogs.h"
#include "console/menu.h"
#include "console/random.h"
#include "model/game_values.h"
#include "model/possessions.h"
#include "screens/money_lines.h"

int jailPrice(const Possessions& possessions) {
    const std::int64_t money = possessions.getMoney();
    const std::int64_t bank = possessions.getBank();
    if (money == 0 && bank <= 0) return gameRand() % 200;
    const int r = gameRand();
    // One and a half times everything the player owns, rounded down. Only a
    // negative cash or balance can bring it to 0 or below; the guard then
    // asks what he asks of a player who owns nothing.
    const std::int64_t spread = (money + bank) * 3 / 2;
    if (spread <= 0) return r % 200;
    const std::int64_t price = r % spread + money / 2;
    // Half a negative cash would make the price negative: the guard never pays.
    return price > 0 ? static_cast<int>(price) : 0;
}

bool jail(Possessions& possessions) {
    const int price = jailPrice(possessions);
    wantedLevel = 0;
    for (;;) {
        clearScreen();
        std::cout << "I will let you go for $" << price << "." << std::endl;
        const int choice =
            menu("Jail", options({" Bribe Guard      ", " Take a loan      ", " Give Up and Quit "}), false);
        if (choice == 0) {
            if (bribeGuard(possessions, price)) return false;
        } else if (choice == 1) {
            clearScreen();
            if (possessions.getLoan() > 0) {
                std::cout << "You can't take out a loan if you're already in debt.";
                waitForEnter();
                delayMs(200);
            } else if (offerLoan(possessions, price)) {
                return false;
            }
        } else {
            return true;
        }
    }
}

bool bribeGuard(Possessions& possessions, int price) {
    for (;;) {
        clearScreen();
        showCash(possessions);
        std::cout << "I will let you go for $" << price << ".\nWill you pay?\n" << std::endl;
        if (!confirmed("Bribe Guard")) return false;
        if (possessions.getMoney() < price) {
            notEnoughMoney();
            continue;
        }
        std::cout << "\nYou paid the cop and have been released.\n" << std::endl;
        waitForEnter();
        delayMs(200);
        possessions.setMoney(possessions.getMoney() - price);
        return true;
    }
}

bool offerLoan(Possessions& possessions, int price) {
    clearScreen();
    std::cout << "Would you like to take out a loan for $" << price << "?" << std::endl;
    if (!confirmed("Take Out a Loan")) return false;
    possessions.setLoan(price);
    std::cout << "You paid the cop and have been released.";
    waitForEnter();
    return true;
}
