#pragma once
// A turn-based fight of the player against one enemy.

class Character;
class Enemy;
class Possessions;

void battle(Character& player, Enemy& enemy, Possessions& possessions);
