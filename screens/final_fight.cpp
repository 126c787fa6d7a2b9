#include "screens/final_fight.h"

#include "model/city_places.h"

#include <iostream>
#include <memory>

#include "console/console.h"
#include "console/menu.h"
#include "console/music.h"
#include "model/game_values.h"
#include "model/weapon.h"
#include "screens/battle.h"
#include "screens/ending.h"
#include "screens/interrupted_game.h"

namespace {

// The player's answer sets how hard Gates fights back.
struct Reply {
    const char* text;
    int hp;
    int strength;
};

const Reply replies[] = {
    {" You're the one who's gonna pay! ", 10000, 100},
    {" Is that smell you?              ", 10000, 120},
    {" No, won't sink to his level     ", 9000, 100},
};

// The story is over: the missions, the city and the streets' hunters start
// again, and the player with everything he owns stands where a new game begins.
void restartWorld(Scene& s) {
    missionNumber = 0;
    mailWaiting = false;
    wantedLevel = 0;
    currentCity = 1;
    s.enemies.clear();
    spawnBountyHunters(s.maps, s.enemies);
    s.currentMap = newGameMapIndex;
    s.player.setX(newGameStart.x);
    s.player.setY(newGameStart.y);
}

}  // namespace

EventOutcome finalFight(Scene& s) {
    // Neither the fight nor the ending that follows can be taken up half way.
    const GameBeforeThis notResumable;
    clearScreen();
    bossMusicPlaying = true;
    stopSound();
    playMusic(".\\Music\\wolfman.wav");
    std::cout << "Abbott Gates: I've been waiting for you... Now you'll pay!\n\n";
    Array<String> choices;
    for (const Reply& r : replies) choices.append(r.text);
    const Reply& reply = replies[menu("Reply?", choices, false)];
    Enemy gates("Abbott Gates", reply.hp, reply.strength);
    battle(s.player, gates, s.possessions);
    if (s.player.getHp() > 0) {
        endingSequence();
        stopSound();
        playMusic(".\\Music\\moody2.wav");
        s.possessions.addWeapon(std::make_unique<PointyStick>());
        restartWorld(s);
    }
    return EventOutcome::ScreenKept;
}
