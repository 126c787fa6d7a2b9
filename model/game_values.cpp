#include "model/game_values.h"

int currentCity = 1;
int missionNumber = 0;
bool mailWaiting = true;
int wantedLevel = 0;
int equippedWeapon = 0;
int savedEquippedWeapon = 0;
bool battleMusicPlaying = false;
bool bossMusicPlaying = false;
int vitaminPrice = 10;
Possessions baggage;

void resetGameValues() {
    currentCity = 1;
    missionNumber = 0;
    mailWaiting = true;
    wantedLevel = 0;
    equippedWeapon = 0;
    savedEquippedWeapon = 0;
    battleMusicPlaying = false;
    bossMusicPlaying = false;
    vitaminPrice = 10;
    baggage = Possessions();
}
