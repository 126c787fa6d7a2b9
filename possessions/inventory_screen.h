#pragma once
// The inventory screen: the player's items and weapons, to use or equip.

class Character;
class Possessions;

void inventoryScreen(Character& player, Possessions& possessions);
