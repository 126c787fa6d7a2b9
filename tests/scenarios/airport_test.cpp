// Flying from the shipped airport map through the exploration loop: the
// counter, the check-in, the gates, the arrival and the baggage claim.

#include <gtest/gtest.h>

#include <utility>

#include "screens/airport.h"
#include "support/beside_link.h"
#include "support/rolls.h"
#include "support/shipped_world.h"

namespace {

class Airport : public ShippedWorldTest {
protected:
    void SetUp() override {
        ShippedWorldTest::SetUp();
        newGame();
        state.currentMap = mapIndex("map airport");
    }
    // Walks into the link's first tile from beside it, then makes the menu
    // choices (0 is a plain Enter); the screen at the last key.
    const Shot& walkInto(const char* link, std::initializer_list<int> choices = {}) {
        script.tap(besideLink(state, link));
        for (int choice : choices) script.choose(choice);
        play(1000);
        if (!script.scriptDone()) throw std::logic_error("keys left unread");
        return script.shots.back();
    }
    const AirplaneTicket* ticket() {
        const int i = possessions.findItem("Airplane ticket");
        return i < 0 ? nullptr : dynamic_cast<const AirplaneTicket*>(possessions.getItem(i));
    }

    ZeroRolls zeroRolls;  // gate 1, nothing lost
};

constexpr int toRoswell = 2;  // from Vancouver: the other cities in order

TEST_F(Airport, ATicketFliesThePlayerAndHisBaggageFollowsHimToTheClaim) {
    possessions.setMoney(1000);
    give(possessions, {"Medkit", "Uzi", "C4"});
    equippedWeapon = 1;
    wantedLevel = 2;
    EXPECT_TRUE(walkInto("buyticketmenu", {toRoswell, 0, 0}).shows("departing shortly from gate 1."));
    ASSERT_NE(ticket(), nullptr);
    EXPECT_EQ(std::make_pair(ticket()->getOrigin(), ticket()->getDestination()), std::make_pair(1, 4));
    EXPECT_EQ(possessions.getMoney(), 650);
    EXPECT_EQ(joined(possessions.itemNames()) + joined(possessions.weaponNames()), "Airplane ticket,Fist,");
    EXPECT_EQ(equippedWeapon, 0);
    EXPECT_EQ(joined(baggage.itemNames()) + joined(baggage.weaponNames()), "Medkit,Fist,Uzi,C4,");
    EXPECT_TRUE(walkInto("buyticketmenu", {0}).shows("You already have a ticket to fly!"));  // checks in again

    walkInto("gate2");  // the wrong gate stays shut
    EXPECT_NE(ticket(), nullptr);
    EXPECT_EQ(std::make_pair(currentCity, player.getX()), std::make_pair(1, 57));
    walkInto("gate1");
    EXPECT_EQ(ticket(), nullptr);
    EXPECT_EQ(std::make_pair(currentCity, player.getX()), std::make_pair(4, 59));  // through the gate

    const Shot& greeting = walkInto("airportcity", {0});
    EXPECT_TRUE(greeting.shows("Welcome to Roswell, NM."));
    EXPECT_TRUE(greeting.shows("Please pickup your luggage from baggage claim."));
    EXPECT_EQ(std::make_pair(player.getX(), player.getY()), std::make_pair(31, 9));
    EXPECT_EQ(wantedLevel, 0);

    EXPECT_TRUE(walkInto("baggage", {0}).shows("It looks like everything is here!"));
    EXPECT_EQ(joined(possessions.itemNames()) + joined(possessions.weaponNames()), "Medkit,Fist,Uzi,C4,");
    EXPECT_EQ(equippedWeapon, 1);

    EXPECT_FALSE(walkInto("airportcity", {0}).shows("Please pickup"));
    EXPECT_TRUE(walkInto("baggage", {0}).shows("Then you realize you have no luggage!"));
}

TEST_F(Airport, TheCounterSellsForCashOnlyAndOneTicketAtATime) {
    possessions.setMoney(349);
    possessions.setBank(5000);
    script.choose(toRoswell).choose(0).tap(VK::Enter);
    visitTicketCounter(possessions);
    EXPECT_TRUE(script.shots.back().shows("insufficient funds"));
    EXPECT_EQ(ticket(), nullptr);

    possessions.setMoney(350);
    script.choose(toRoswell).choose(1).tap(VK::Enter);  // " No  " prints nothing
    visitTicketCounter(possessions);
    EXPECT_EQ(script.shots.back().rows[0], std::string(80, ' '));
    script.choose(toRoswell).choose(0).tap(VK::Enter).tap(VK::Enter);
    visitTicketCounter(possessions);
    visitTicketCounter(possessions);  // refused before any menu
    EXPECT_EQ(possessions.getMoney(), 0);
    EXPECT_EQ(possessions.itemCount(), 1);
    EXPECT_EQ(script.shots.back().rows[1].find("I cannot currently help you..."), 0u);
    EXPECT_FALSE(script.shots.back().shows("Airport Ticket Counter"));
}

TEST_F(Airport, NothingVanishesAtTheCheckInOrTheClaimButTheRareLoss) {
    fillBag(baggage, Possessions::MaxItems - 1);
    give(baggage, {"Uzi"});
    possessions.addItem(std::make_unique<AirplaneTicket>(1, 2, 1));
    give(possessions, {"Y-Box", "C-Flat", "Uzi", "Shotgun"});
    checkInBaggage(possessions);  // a second check-in before the claim: room for one item and the Shotgun
    EXPECT_EQ(joined(possessions.itemNames()) + joined(possessions.weaponNames()),
              "Airplane ticket,C-Flat,Fist,Uzi,");

    possessions.removeItem(0);  // flown
    fillBag(possessions);
    script.tap(VK::Enter);
    claimBaggage(possessions);  // no room for an item, and an Uzi is held already
    EXPECT_TRUE(script.shots.back().shows("You cannot carry the rest"));
    EXPECT_EQ(baggage.itemCount(), Possessions::MaxItems);
    EXPECT_EQ(joined(possessions.weaponNames()) + joined(baggage.weaponNames()), "Fist,Uzi,Shotgun,Fist,Uzi,");

    while (possessions.itemCount() > 0) possessions.removeItem(0);
    possessions.removeWeapon(1);
    savedEquippedWeapon = 2;
    std::vector<int> rolls(Possessions::MaxItems + 1, 0);
    rolls[0] = 38;  // the first Medkit is lost
    ScriptedRandom losing(rolls);
    script.tap(VK::Enter);
    claimBaggage(possessions);
    EXPECT_TRUE(script.shots.back().shows("They seem to have lost your Medkit"));
    EXPECT_EQ(std::make_pair(possessions.itemCount(), possessions.weaponCount()), std::make_pair(14, 3));
    EXPECT_EQ(equippedWeapon, 0);  // the weapon is not given back into the hand after a loss
    EXPECT_EQ(baggage.itemCount() + baggage.weaponCount(), 1);  // its own Fist
    EXPECT_TRUE(losing.allUsed());
}

}  // namespace
