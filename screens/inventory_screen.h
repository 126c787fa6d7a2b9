#pragma once
// The inventory screen of the pause menu: change the equipped weapon or use a
// carried item outside battle, with the player's status beside the menu.

class Character;
class Possessions;

// Runs until the player picks Exit (at once when he has no hit points left).
void inventoryScreen(Character& player, Possessions& possessions);
