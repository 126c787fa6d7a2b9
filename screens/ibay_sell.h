#pragma once
// Selling on the iBay: one weapon or one item at a time, for a fixed price per
// kind, paid in cash at once.

class Possessions;

// The sell menu, until Back.
void iBaySellMenu(Possessions& possessions);
// Offers one weapon for sale; the equipped weapon stays equipped unless sold.
void sellWeapons(Possessions& possessions);
// Offers items for sale until one is sold or the player goes Back.
void sellItems(Possessions& possessions);
