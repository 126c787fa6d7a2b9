// Flying on the shipped airport map, driven by keys through the exploration
// loop: the counter, the check-in, the gates, the arrival and the claim.

#include <gtest/gtest.h>

#include "model/game_state.h"
#include "screens/airport.h"
#include "screens/exploration_loop.h"
#include "support/rolls.h"
#include "support/screen_recorder.h"
#include "support/temp_folder.h"

namespace {

std::string joined(const Array<String>& names) {
    std::string text;
    for (const String& name : names) text += name.str() + ",";
    return text;
}

bool blank(const Shot& shot) {
    for (const std::string& row : shot.rows)
        if (row.find_first_not_of(' ') != std::string::npos) return false;
    return true;
}

class Airport : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        loadAllMaps(state.maps, state.mapNames);
        resetToNewGame(state);
        state.currentMap = state.mapNames.indexOf(String("map airport"));
    }
    void TearDown() override {
        baggage = Possessions();
        ScreenTest::TearDown();
    }
    const Map& map() { return state.maps.at(static_cast<std::uint32_t>(state.currentMap)); }

    // Puts the player beside the first tile of the link, on the side it is
    // meant to be approached from (the hall's side of a gate), and walks into it.
    void walkInto(const char* link) {
        static const struct { int dx, dy, key; } sides[] = {
            {-1, 0, VK::Right}, {1, 0, VK::Left}, {0, 1, VK::Up}, {0, -1, VK::Down}};
        const Map& m = map();
        for (int y = 0; y <= m.getHeight(); ++y)
            for (int x = 0; x <= m.getWidth(); ++x) {
                if (m.linkAt(x, y) != link) continue;
                for (const auto& side : sides)
                    if (m.isWalkable(x + side.dx, y + side.dy)) {
                        state.player.setX(x + side.dx);
                        state.player.setY(y + side.dy);
                        script.tap(side.key);
                        return;
                    }
            }
        ADD_FAILURE() << "no way to the link " << link;
    }
    void play() {
        script.setIdleLimit(1000);
        EXPECT_THROW(explorationLoop(state), ScriptEnded);
    }
    const AirplaneTicket* ticket() {
        const int i = state.possessions.findItem("Airplane ticket");
        return i < 0 ? nullptr : dynamic_cast<const AirplaneTicket*>(state.possessions.getItem(i));
    }
    const Shot& lastEnter() {
        for (auto shot = script.shots.rbegin(); shot != script.shots.rend(); ++shot)
            if (shot->key == VK::Enter) return *shot;
        throw std::out_of_range("no Enter pressed");
    }

    WorkingFolder inSource{DRIFTER_SOURCE_DIR};
    RecordingMusic music;
    ZeroRolls zeroRolls;  // gate 1, nothing lost
    GameState state;
};

constexpr int toRoswell = 2;  // from Vancouver: the other cities in order

TEST_F(Airport, ATicketFliesThePlayerAndHisBaggageFollowsHimToTheClaim) {
    Possessions& p = state.possessions;
    p.setMoney(1000);
    p.addItem(std::make_unique<Medkit>());
    p.addWeapon(makeWeaponByName("Uzi"));
    p.addWeapon(makeWeaponByName("C4"));
    equippedWeapon = 1;
    wantedLevel = 2;

    walkInto("buyticketmenu");
    script.choose(toRoswell).choose(0).tap(VK::Enter);
    play();
    EXPECT_TRUE(lastEnter().shows("Your plane will be departing shortly from gate 1."));
    ASSERT_NE(ticket(), nullptr);
    EXPECT_EQ(ticket()->getOrigin(), 1);
    EXPECT_EQ(ticket()->getDestination(), 4);
    EXPECT_EQ(ticket()->getGate(), 1);
    EXPECT_EQ(p.getMoney(), 650);
    EXPECT_EQ(p.itemCount(), 1);  // the ticket alone
    EXPECT_EQ(p.weaponCount(), 1);
    EXPECT_EQ(equippedWeapon, 0);
    EXPECT_EQ(baggage.itemCount(), 1);
    EXPECT_EQ(baggage.weaponCount(), 3);

    walkInto("gate2");  // the wrong gate stays shut
    const int x = state.player.getX();
    play();
    EXPECT_NE(ticket(), nullptr);
    EXPECT_EQ(currentCity, 1);
    EXPECT_EQ(state.player.getX(), x);

    walkInto("gate1");
    play();
    EXPECT_EQ(ticket(), nullptr);
    EXPECT_EQ(currentCity, 4);
    EXPECT_EQ(state.player.getX(), 59);  // through the gate, in its lounge

    walkInto("airportcity");
    script.tap(VK::Enter);
    play();
    EXPECT_TRUE(lastEnter().shows("Welcome to Roswell, NM."));
    EXPECT_TRUE(lastEnter().shows("Please pickup your luggage from baggage claim."));
    EXPECT_EQ(state.player.getX(), 31);
    EXPECT_EQ(state.player.getY(), 9);
    EXPECT_EQ(wantedLevel, 0);

    walkInto("baggage");
    script.tap(VK::Enter);
    play();
    EXPECT_TRUE(lastEnter().shows("It looks like everything is here!"));
    EXPECT_EQ(p.itemCount(), 1);
    EXPECT_EQ(p.weaponCount(), 3);
    EXPECT_EQ(equippedWeapon, 1);
    EXPECT_TRUE(p.getWeapon(equippedWeapon)->getName() == "Uzi");

    walkInto("airportcity");
    script.tap(VK::Enter);
    play();
    EXPECT_TRUE(lastEnter().shows("Have a pleasant day!"));
    EXPECT_FALSE(lastEnter().shows("Please pickup"));
    walkInto("baggage");
    script.tap(VK::Enter);
    play();
    EXPECT_TRUE(lastEnter().shows("Then you realize you have no luggage!"));
}

TEST_F(Airport, TheCounterSellsForCashOnlyAndOneTicketAtATime) {
    Possessions& p = state.possessions;
    p.setMoney(349);
    p.setBank(5000);
    script.choose(toRoswell).choose(0).tap(VK::Enter);
    visitTicketCounter(p);
    // Vancouver's label for Silicon Valley is one blank short: so is its highlight.
    EXPECT_NE(script.at(VK::Down, 1).attrAt(19, 5), script.at(VK::Down, 1).attrAt(20, 5));
    EXPECT_EQ(script.at(VK::Down, 1).attrAt(20, 5), script.at(VK::Down, 1).attrAt(20, 6));
    EXPECT_TRUE(script.at(VK::Enter, 1).shows("Are you sure you want to purchase a ticket to Rosswel, NM. for $350?"));
    EXPECT_TRUE(lastEnter().shows("insufficient funds"));
    EXPECT_EQ(ticket(), nullptr);

    p.setMoney(350);
    p.addWeapon(makeWeaponByName("Uzi"));
    script.choose(toRoswell).choose(1).tap(VK::Enter);  // " No  " prints nothing
    visitTicketCounter(p);
    EXPECT_TRUE(blank(lastEnter()));
    EXPECT_EQ(ticket(), nullptr);
    EXPECT_EQ(p.weaponCount(), 2);  // no ticket, no check-in

    script.choose(toRoswell).choose(0).tap(VK::Enter);
    script.tap(VK::Enter);
    visitTicketCounter(p);
    visitTicketCounter(p);
    EXPECT_EQ(p.getMoney(), 0);
    EXPECT_EQ(p.itemCount(), 1);
    EXPECT_TRUE(lastEnter().rows[0].find("You already have a ticket to fly!") == 0);
    EXPECT_TRUE(lastEnter().rows[1].find("I cannot currently help you...") == 0);
    EXPECT_FALSE(lastEnter().shows("Airport Ticket Counter"));
}

TEST_F(Airport, NothingVanishesAtTheCheckInOrTheClaimButTheRareLoss) {
    Possessions& p = state.possessions;
    for (int i = 1; i < Possessions::MaxItems; ++i) baggage.addItem(std::make_unique<Medkit>());
    baggage.addWeapon(makeWeaponByName("Uzi"));
    p.addItem(std::make_unique<AirplaneTicket>(1, 2, 1));
    p.addItem(std::make_unique<YBox>());
    p.addItem(std::make_unique<CFlat>());
    p.addWeapon(makeWeaponByName("Uzi"));
    p.addWeapon(makeWeaponByName("Shotgun"));
    checkInBaggage(p);  // a second check-in before the claim: room for one item and the Shotgun
    EXPECT_EQ(baggage.itemCount(), Possessions::MaxItems);
    EXPECT_EQ(joined(p.itemNames()), "Airplane ticket,C-Flat,");
    EXPECT_EQ(joined(p.weaponNames()), "Fist,Uzi,");

    p.removeItem(0);  // flown
    while (p.itemCount() < Possessions::MaxItems) p.addItem(std::make_unique<Medkit>());
    script.tap(VK::Enter);
    claimBaggage(p);  // no room for any item, and an Uzi is held already
    EXPECT_TRUE(lastEnter().shows("You cannot carry the rest"));
    EXPECT_EQ(baggage.itemCount(), Possessions::MaxItems);
    EXPECT_EQ(joined(p.weaponNames()), "Fist,Uzi,Shotgun,");
    EXPECT_EQ(joined(baggage.weaponNames()), "Fist,Uzi,");

    while (p.itemCount() > 0) p.removeItem(0);
    p.removeWeapon(1);
    equippedWeapon = 0;
    savedEquippedWeapon = 2;
    std::vector<int> rolls(Possessions::MaxItems + 1, 0);
    rolls[0] = 38;  // the first Medkit is lost
    ScriptedRandom losing(rolls);
    script.tap(VK::Enter);
    claimBaggage(p);
    EXPECT_TRUE(lastEnter().shows("They seem to have lost your Medkit"));
    EXPECT_FALSE(lastEnter().shows("everything is here"));
    EXPECT_EQ(p.itemCount(), Possessions::MaxItems - 1);
    EXPECT_EQ(p.weaponCount(), 3);
    EXPECT_EQ(equippedWeapon, 0);
    EXPECT_EQ(baggage.itemCount() + baggage.weaponCount(), 1);  // its own Fist
    EXPECT_TRUE(losing.allUsed());
}

}  // namespace
