#pragma once
// The bar: a place to pick fights with tough Bounty Hunters for their reward,
// to the bar's own music, which runs on through every fight.

class Character;
class Possessions;

// Fights until the player leaves or loses a fight.
void barMenu(Character& player, Possessions& possessions);

// The way in from the street: the bar on a cleared screen, then the street's
// music again and the screen cleared for the map.
void visitBar(Character& player, Possessions& possessions);
