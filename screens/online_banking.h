#pragma once
// Online banking at the cafe: cash to and from the account, one loan at a
// time and its repayment. No fees, no interest.

class Possessions;

// The banking menu, until Back.
void onlineBanking(Possessions& possessions);

// One transaction each. A refused one says why, waits for Enter and changes
// nothing; an accepted one returns at once.
void deposit(Possessions& possessions);
void withdraw(Possessions& possessions);
void takeLoan(Possessions& possessions);
void repayLoan(Possessions& possessions);
