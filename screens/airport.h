#pragma once
// The airport: the ticket counter, the baggage check-in and claim, the gates
// and the greeting in the city of arrival. One airport map serves every city.

class Character;
class Map;
class Possessions;

// The way in at "buyticketmenu": the counter, then the check-in, and the
// screen cleared for the map.
void visitTicketCounter(Possessions& possessions);
// The counter: one purchase attempt or Back.
void ticketCounter(Possessions& possessions);
// The question's answer for one destination: with yes and the fare in cash,
// a ticket for a random gate 1 to 3.
void buyTicket(Possessions& possessions, int destination, int fare);
// With a ticket held, the player's belongings (but the ticket and the Fist)
// go into the baggage until the claim.
void checkInBaggage(Possessions& possessions);
// The baggage claim: the belongings come back, each with a small chance of
// being lost; or the player is told he has no luggage.
void claimBaggage(Possessions& possessions);
// A gate: with a ticket for this gate the player flies (true: he steps
// through the gate on map); otherwise the gate stays shut (false).
bool passGate(int gate, Character& player, const Map& map, Possessions& possessions);
// The greeting in the city of arrival; the player is put in the hall of map.
void greetArrival(Character& player, const Map& map);
