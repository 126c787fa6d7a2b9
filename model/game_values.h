#pragma once
// The program-wide values of one game. Screens read and change them directly;
// resetGameValues() gives all of them, the baggage too, a new game's values
// (a new game and every test start from it).

#include "model/possessions.h"

extern int currentCity;          // 1 Vancouver ... 6 Washington D.C.
extern int missionNumber;        // 0 before the first mail, up to 6
extern bool mailWaiting;         // a mission mail waits at the internet cafe
extern int wantedLevel;          // police attention, shown as '*'s
extern int equippedWeapon;       // index into the possessions' weapons
extern int savedEquippedWeapon;  // equippedWeapon remembered at baggage check-in
extern bool battleMusicPlaying;  // the bar's music is on: battles keep it
extern bool bossMusicPlaying;    // the final fight's music is on: battles keep it
extern int vitaminPrice;         // the hospital shop's rising price
extern Possessions baggage;      // checked in at the airport until the baggage claim

// The wanted level never passes this (play reaches 8), and a save beyond it is
// damaged.
constexpr int mostWantedLevel = 50;

void resetGameValues();
