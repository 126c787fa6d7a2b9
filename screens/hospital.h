#pragma once
// The hospital: a doctor who heals for a fee, and a gift shop selling
// steroids, vitamins, eye drops and medkits. Everything is paid in cash.

class Character;
class Possessions;

// The doctor's fee for healing the player to full hit points.
constexpr int doctorFee = 50;

// The hospital's menu: Buy, See the Doctor, Leave.
void hospital(Character& player, Possessions& possessions);
// The gift shop, until Back.
void giftShop(Character& player, Possessions& possessions);
// The doctor: heals for the fee, or sends a healthy player away.
void seeDoctor(Character& player, Possessions& possessions);

// The way in from the street: the hospital on a cleared screen, and the
// screen cleared again for the map.
void visitHospital(Character& player, Possessions& possessions);
