#include "screens/bar.h"

#include "console/console.h"
#include "console/dialogs.h"
#include "console/menu.h"
#include "console/music.h"
#include "console/random.h"
#include "model/game_values.h"
#include "screens/battle.h"
#include "model/enemy.h"

void barMenu(Character& player, Possessions& possessions) {
    stopSound();
    playMusic(".\\Music\\battle.wav");
    battleMusicPlaying = true;
    const Array<String> choices = options({" Pick a fight ", " Leave        "});
    for (;;) {
        clearScreen();
        if (menu("Bar", choices, false) != 0) break;
        // A bar brawler hits harder and lasts longer than a hunter in the street.
        const int strength = gameRand() % 5 + 5;
        const int hp = gameRand() % 100 + 250;
        Enemy opponent("Bounty Hunter", hp, strength);
        battle(player, opponent, possessions);
        if (player.getHp() <= 0) break;
    }
    battleMusicPlaying = false;
}

void visitBar(Character& player, Possessions& possessions) {
    clearScreen();
    barMenu(player, possessions);
    stopSound();
    playMusic(".\\Music\\moody2.wav");
    clearScreen();
}
