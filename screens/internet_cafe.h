#pragma once
// The internet cafe: mail with the missions, the iBay, online banking, and
// saving and loading the game.

class Character;
class Possessions;

// The way in from the street: the cafe on a cleared screen, and the screen
// cleared again for the map.
void visitInternetCafe(Possessions& possessions, Character& player, int& currentMap);
// The cafe's menu, until the player chooses Exit.
void internetCafe(Possessions& possessions, Character& player, int& currentMap);
