#pragma once
// The jail, where an arrested player buys his way out: a bribe from the cash
// on hand, a loan that covers the price, or giving up.

class Possessions;

// The guard's price for this arrest, drawn from the cash and bank balance.
int jailPrice(const Possessions& possessions);

// Sets the price, clears the wanted level and offers the ways out until the
// player is free (false) or has given up (true).
bool jail(Possessions& possessions);
// Pays the price from the cash. True when the player paid.
bool bribeGuard(Possessions& possessions, int price);
// Takes out a loan of the price. True when the player took it.
bool offerLoan(Possessions& possessions, int price);
