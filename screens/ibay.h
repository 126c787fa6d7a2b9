#pragma once
// The iBay: the internet shop where the player buys weapons and products and
// sells what he carries.

class Possessions;

// The iBay's menu, until Back.
void iBayMenu(Possessions& possessions);
