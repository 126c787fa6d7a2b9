#include "screens/battle.h"

#include <iostream>

#include "console/console.h"
#include "console/dialogs.h"
#include "console/menu.h"
#include "console/music.h"
#include "console/random.h"
#include "model/game_values.h"
#include "model/money_sums.h"
#include "screens/fight_menus.h"
#include "screens/interrupted_game.h"
#include "model/possessions.h"
#include "model/enemy.h"

namespace {

enum Action { Attack, ChangeWeapon, UseItem, Flee };

Array<String> battleOptions(const Enemy& enemy) {
    Array<String> choices = options({" Attack        ", " Change Weapon ", " Use Item      "});
    // There is no running from the final fight.
    if (enemy.getName() != "Abbott Gates") choices.append(" Flee          ");
    return choices;
}

// Puts equippedWeapon back on the Fist at 0 when it is off the list, and
// returns the weapon the player strikes with; a list without any weapon
// leaves him his bare fists.
Weapon& equipListedWeapon(const Possessions& possessions) {
    static Fist bareFists;
    if (possessions.weaponCount() == 0) return bareFists;
    if (equippedWeapon < 0 || equippedWeapon >= possessions.weaponCount()) equippedWeapon = 0;
    return *possessions.getWeapon(equippedWeapon);
}

void attack(Character& player, Enemy& enemy, Possessions& possessions) {
    clearScreen();
    const int hpBefore = enemy.getHp();
    Weapon& weapon = equipListedWeapon(possessions);
    std::cout << '\n' << "You Attack " << enemy.getName() << " with " << weapon.getName() << '\n';
    const bool spent = weapon.use(player, enemy, possessions);
    std::cout << "You deal " << hpBefore - enemy.getHp() << " damage of HP." << '\n';
    if (spent) {
        std::cout << weapon.getName() << " was disposable, new weapon is ";
        removeSpentWeapon(possessions, equippedWeapon);
        std::cout << equipListedWeapon(possessions).getName() << "." << '\n';
    }
    waitForEnter();
    delayMs(300);
}

// The roll to get away: more than half the time with good aim. A player
// without any accuracy cannot get away at all.
bool getsAway(const Character& player) {
    const int accuracy = player.getAccuracy();
    if (accuracy <= 0) return false;
    return gameRand() % accuracy <= accuracy / 2;
}

void payReward(const Enemy& enemy, Possessions& possessions) {
    clearScreen();
    const int share = enemy.getMaxHp() / 3;
    const int reward = share > 0 ? gameRand() % share + 10 : 10;
    std::cout << "You defeated " << enemy.getName() << "!" << '\n';
    std::cout << "You received $" << reward << "!" << '\n';
    possessions.setMoney(paidIn(possessions.getMoney(), reward));
    waitForEnter();
    clearScreen();
}

void enemyStrikes(Character& player, Enemy& enemy) {
    const int hpBefore = player.getHp();
    enemy.attack(player);
    std::cout << "You were Attacked by " << enemy.getName() << '\n';
    std::cout << "You were dealt " << hpBefore - player.getHp() << " damage of HP." << '\n';
    waitForEnter();
    delayMs(300);
}

}  // namespace

void battle(Character& player, Enemy& enemy, Possessions& possessions) {
    const GameBeforeThis notResumable;
    // The bar and the final fight play their own music through their fights.
    if (!battleMusicPlaying && !bossMusicPlaying) {
        stopSound();
        playMusic(".\\Music\\battle.wav");
    }
    const Array<String> choices = battleOptions(enemy);
    clearScreen();
    delayMs(200);

    while (player.getHp() > 0 && enemy.getHp() > 0) {
        clearScreen();
        setColor(0, 15);
        drawFighterStatus(player);
        gotoXY(2, 2);
        switch (menu("Battle!", choices, false)) {
        case Attack: attack(player, enemy, possessions); break;
        case ChangeWeapon:
            // Changing weapons costs no turn, whatever was chosen.
            changeWeaponMenu(possessions);
            continue;
        case UseItem: {
            const int item = chooseItem(possessions);
            if (item < 0) continue;  // backing out of the list costs no turn
            useItem(player, possessions, item);
            delayMs(100);
            clearScreen();
            break;
        }
        case Flee:
        default:
            clearScreen();
            if (getsAway(player)) {
                enemy.setHp(0);
                return;
            }
            std::cout << "You couldn't flee!" << '\n' << '\n';
            break;
        }

        if (enemy.getHp() <= 0) {
            payReward(enemy, possessions);
            return;
        }
        enemyStrikes(player, enemy);
    }

    // Lost: the final fight's music ends with the player.
    stopSound();
    bossMusicPlaying = false;
    playMusic(".\\Music\\finaldeposit.wav");
    clearScreen();
}
