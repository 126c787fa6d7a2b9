#include "screens/money_lines.h"

#include <iostream>

#include "console/dialogs.h"
#include "model/possessions.h"

void showCash(const Possessions& possessions) {
    std::cout << "You have $" << possessions.getMoney() << " on you and $" << possessions.getBank()
              << " in your account." << std::endl;
}

void notEnoughMoney() { tell("\nYou don't have enough money.\n\n"); }
