#pragma once
// The lines every shop and counter shows about the player's money.

class Possessions;

// "You have $<cash> on you and $<balance> in your account." and a line end.
void showCash(const Possessions& possessions);

// "You don't have enough money." on a line of its own; waits for Enter.
void notEnoughMoney();
