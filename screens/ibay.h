#pragma once
// The iBay: the internet shop where the player buys weapons and sells what
// he carries.

class Possessions;

// The iBay's menu, until Back.
void iBayMenu(Possessions& possessions);
// The catalogue of weapons for sale, until Back. Purchases are paid in cash;
// the bank balance is shown but never charged.
void iBayBuy(Possessions& possessions);
