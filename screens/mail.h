#pragma once
// The cafe's mail: each mission arrives as a mail with its reward.

class Possessions;

// Shows the waiting mail for the current mission, pays its reward and opens
// the next mission; or tells the player the mailbox is empty.
void checkMail(Possessions& possessions);
