#include "screens/hospital.h"

#include <algorithm>
#include <iostream>
#include <memory>

#include "console/console.h"
#include "console/dialogs.h"
#include "console/menu.h"
#include "model/game_values.h"
#include "model/possessions.h"
#include "model/character.h"
#include "screens/money_lines.h"

namespace {

enum class Gift { Steroids, Vitamins, EyeDrops, Medkit };

// The gift shop's shelf, in the order of its menu. A price of 0 stands for
// the vitamins' rising price.
struct GiftProduct {
    Gift kind;
    const char* option;
    const char* name;     // as the question names it
    const char* gotText;  // after the sale
    int price;
};

const GiftProduct shelf[] = {
    {Gift::Steroids, " Steroids  ", "Steroids", "\nYou got a Steroid.\n", 100},
    {Gift::Vitamins, " Vitamins  ", "Vitamins", "\nYou got a Vitamin.\n", 0},
    {Gift::EyeDrops, " Eye Drops ", "Eye Drops", "\nYou got an Eye Drop.\n", 100},
    {Gift::Medkit, " Medkit    ", "Medkit", "\nYou got a Medkit.\n", 100},
};
constexpr int shelfSize = static_cast<int>(sizeof shelf / sizeof shelf[0]);
// Steroids, eye drops and medkits share one price on the shop's sign.
constexpr int signPrice = 100;

int priceOf(const GiftProduct& product) { return product.kind == Gift::Vitamins ? vitaminPrice : product.price; }

// The player pays for the product and gets it, unless a medkit finds the
// inventory full: then nothing is charged.
void sell(const GiftProduct& product, Character& player, Possessions& possessions) {
    const int price = priceOf(product);
    switch (product.kind) {
    case Gift::Steroids: player.setStrength(std::min(player.getStrength() + 1, mostSkill)); break;
    case Gift::Vitamins: player.setMaxHp(std::min(player.getMaxHp() + 10, mostHitPoints)); break;
    case Gift::EyeDrops: player.setAccuracy(std::min(player.getAccuracy() + 1, mostSkill)); break;
    case Gift::Medkit:
        if (!possessions.addItem(std::make_unique<Medkit>())) {
            std::cout << "Your inventory is full!" << std::endl;
            waitForEnter();
            return;
        }
        break;
    }
    std::cout << product.gotText << std::endl;
    possessions.setMoney(possessions.getMoney() - price);
    if (product.kind == Gift::Vitamins) vitaminPrice += 10;
    waitForEnter();
    if (product.kind != Gift::Medkit) delayMs(200);
}

}  // namespace

void hospital(Character& player, Possessions& possessions) {
    menuUntilLeft("Hospital",
                  {{" Buy            ", [&] { giftShop(player, possessions); }},
                   {" See the Doctor ", [&] { seeDoctor(player, possessions); }}},
                  " Leave          ");
}

void giftShop(Character& player, Possessions& possessions) {
    Array<String> choices;
    for (const GiftProduct& product : shelf) choices.append(product.option);
    choices.append(" Back      ");
    for (;;) {
        clearScreen();
        showCash(possessions);
        std::cout << "\nSteroids, Eye Drops, and Medkits cost $" << signPrice << ".\n";
        std::cout << "Vitamins cost $" << vitaminPrice << "." << std::endl;
        std::cout << "What do you want to buy?\n" << std::endl;
        const int choice = menu("Hospital Gift Shop", choices, false);
        clearScreen();
        if (choice >= shelfSize) return;
        const GiftProduct& product = shelf[choice];
        std::cout << "Are you sure you want to buy " << product.name << " for $" << priceOf(product) << "?"
                  << std::endl;
        if (!confirmed()) continue;
        if (possessions.getMoney() < priceOf(product)) notEnoughMoney();
        else sell(product, player, possessions);
    }
}

void seeDoctor(Character& player, Possessions& possessions) {
    if (player.getHp() >= player.getMaxHp()) {
        clearScreen();
        delayMs(200);
        std::cout << "You are healthy.\nCome again when you need healed!" << std::endl;
        waitForEnter();
        delayMs(300);
        return;
    }
    clearScreen();
    showCash(possessions);
    std::cout << "Your Health is " << player.getHp() << ".\n\n" << std::endl;
    std::cout << "It will cost you $" << doctorFee << " to heal you.\n\nPay the Doctor?\n" << std::endl;
    if (!confirmed("Doctor")) return;
    if (possessions.getMoney() < doctorFee) {
        notEnoughMoney();
        return;
    }
    std::cout << "\nThe Doctor has restored your health.\n" << std::endl;
    player.setHp(player.getMaxHp());
    possessions.setMoney(possessions.getMoney() - doctorFee);
    waitForEnter();
    delayMs(200);
}

void visitHospital(Character& player, Possessions& possessions) {
    clearScreen();
    hospital(player, possessions);
    clearScreen();
}
