#pragma once
// The turn-based fight between the player and one enemy. Each turn the player
// attacks, changes weapons, uses an item or tries to flee; attacking, using an
// item and a failed flight cost the turn and the enemy strikes back.

class Character;
class Enemy;
class Possessions;

// Fights until one side has no hit points left or the player flees. The caller
// reads the outcome from the hit points: the player at 0 or below lost (the
// final-deposit music then plays); otherwise the enemy is at 0 or below, beaten
// or fled from, and the battle music is left playing.
void battle(Character& player, Enemy& enemy, Possessions& possessions);
