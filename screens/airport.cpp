#include "screens/airport.h"

#include <iostream>
#include <memory>
#include <utility>
#include <vector>

#include "console/console.h"
#include "console/dialogs.h"
#include "console/menu.h"
#include "console/random.h"
#include "model/character.h"
#include "model/game_state.h"
#include "model/item.h"
#include "model/map.h"
#include "model/possessions.h"
#include "model/city_places.h"

namespace {

// What a flight to each city costs (index: city - 1).
const int fares[] = {300, 250, 300, 350, 400, 500};

// The counter's menu label for each destination.
const char* const labels[] = {" Vancouver, B.C.     ", " Cape Kennedy, FL.   ", " Silicon Valley, CA. ",
                              " Roswell, NM.        ", " Redmond, WA.        ", " Washington D.C.     "};
const char* const backLabel = " Back                ";

// Counters whose sign reads differently from the others.
struct LabelVariant {
    int city;
    int destination;
    const char* label;
};
const LabelVariant labelVariants[] = {
    {1, 3, " Silicon Valley, CA."},
    {5, 6, " Washington, D.C.    "},
};

// The end of the question at each counter (row: current city, column: destination).
const char* const promptEnds[6][6] = {
    {nullptr, "Cape Kennedy, FL. for $250?", "Silicon Valley, CA. for $300?", "Rosswel, NM. for $350?",
     "Redmond, WA. for $400?", "Washington D.C. for $500?"},
    {"Vancouver B.C. for $300?", nullptr, "Silicon Valley, CA. for $300?", "Rosswel, NM. for $350?",
     "Redmond, WA. for $400?", "Washington D.C. for $500?"},
    {"Vancouver B.C. for $300?", "Cape Kennedy FL. for $250?", nullptr, "Rosswel, NM. for $350?",
     "Redmond, WA. for $400?", "Washington D.C. for $500?"},
    {"Vancouver B.C. for $300?", "Cape Kennedy, FL. for $250?", "Silicon Valley, CA. for $300?", nullptr,
     "Redmond, WA. for $400?", "Washington D.C. for $500?"},
    {"Vancouver B.C. for $300?", "Cape Kennedy FL. for $250?", "Silicon Valley CA. for $300?",
     "Roswell NM. for $350?", nullptr, "Washington D.C. for $500?"},
    {"Vancouver B.C for $300?", "Cape Kennedy, FL. for $250?", "Silicon Valley, CA. for $300?",
     "Roswell, NM. for $350?", "Redmond, WA. for $400?", nullptr},
};
const char* const promptStart = "Are you sure you want to purchase a ticket to ";
// The Vancouver clerk's question about Washington, typo and all.
const char* const vancouverToWashington = "Are yuo sure you want to purchase a ticket to Washington D.C. for $500?";

// How the arrival hall greets the traveller (index: city - 1).
const char* const welcomes[] = {"Vancouver, BC.", "Cape Kennedy, FL.", "Silicon Valley, CA.",
                                "Roswell, NM.",   "Redmond, WA.",      "Washington, DC."};

bool isCity(int city) { return city >= 1 && city <= 6; }

const char* labelFor(int destination) {
    for (const LabelVariant& variant : labelVariants)
        if (variant.city == currentCity && variant.destination == destination) return variant.label;
    return labels[destination - 1];
}

void askAboutTicket(int destination) {
    if (currentCity == 1 && destination == 6) std::cout << vancouverToWashington << std::endl;
    else std::cout << promptStart << promptEnds[currentCity - 1][destination - 1] << std::endl;
}

AirplaneTicket* heldTicket(const Possessions& possessions) {
    const int index = possessions.findItem(ticketName);
    return index < 0 ? nullptr : dynamic_cast<AirplaneTicket*>(possessions.getItem(index));
}

// Anything waiting at the claim; the store's own Fist does not count.
bool baggageWaiting() { return baggage.itemCount() > 0 || baggage.weaponCount() > 1; }

// Moves every item but the ticket into the baggage, in order, while it has room.
void checkInItems(Possessions& possessions) {
    for (int i = 0; i < possessions.itemCount();) {
        if (possessions.getItem(i)->getName() == ticketName || baggage.itemCount() >= Possessions::MaxItems) {
            ++i;
            continue;
        }
        std::unique_ptr<Item> item = possessions.removeItem(i);
        baggage.addItem(item);
    }
}

// Moves every weapon but the Fist into the baggage, in order; one the baggage
// refuses (it holds one of that name already) stays with the player.
void checkInWeapons(Possessions& possessions) {
    std::vector<std::unique_ptr<Weapon>> taken;
    for (int i = possessions.weaponCount() - 1; i >= 0; --i)
        if (possessions.getWeapon(i)->getName() != fistName)
            taken.insert(taken.begin(), possessions.removeWeapon(i));
    for (auto& weapon : taken)
        if (!baggage.addWeapon(weapon)) possessions.addWeapon(weapon);
}

bool give(Possessions& to, std::unique_ptr<Item>& item) { return to.addItem(item); }
bool give(Possessions& to, std::unique_ptr<Weapon>& weapon) { return to.addWeapon(weapon); }

// Hands what was taken from the baggage back, in order, each with a 1 in 100
// chance of being lost; what the player has no room for (or holds already)
// goes back into the baggage. True when one was lost.
template <class Thing>
bool claim(std::vector<std::unique_ptr<Thing>> taken, Possessions& possessions) {
    bool lost = false;
    for (auto& thing : taken) {
        if (gameRand() % 100 == 38) {
            std::cout << "They seem to have lost your " << thing->getName() << std::endl;
            lost = true;
        } else if (!give(possessions, thing)) {
            give(baggage, thing);
        }
    }
    return lost;
}

bool claimItems(Possessions& possessions) {
    std::vector<std::unique_ptr<Item>> taken;
    while (baggage.itemCount() > 0) taken.push_back(baggage.removeItem(0));
    return claim(std::move(taken), possessions);
}

// The baggage's own Fist stays.
bool claimWeapons(Possessions& possessions) {
    std::vector<std::unique_ptr<Weapon>> taken;
    while (baggage.weaponCount() > 1) taken.push_back(baggage.removeWeapon(1));
    return claim(std::move(taken), possessions);
}

}  // namespace

void visitTicketCounter(Possessions& possessions) {
    ticketCounter(possessions);
    checkInBaggage(possessions);
    clearScreen();
}

void ticketCounter(Possessions& possessions) {
    clearScreen();
    setColor(0, 15);
    if (possessions.findItem(ticketName) >= 0) {
        std::cout << "You already have a ticket to fly!" << std::endl;
        std::cout << "I cannot currently help you..." << std::endl;
        waitForEnter();
        return;
    }
    std::cout << "Hello Sir, and welcome to Air America.  Servicing the U.S. and Canada." << std::endl;
    std::cout << "Where would you like to go today?" << std::endl;
    // The other five cities in order; a counter outside the six cities (a
    // damaged state) sells nothing.
    Array<String> choices;
    int destinations[6] = {};
    int count = 0;
    if (isCity(currentCity))
        for (int city = 1; city <= 6; ++city)
            if (city != currentCity) {
                choices.append(labelFor(city));
                destinations[count++] = city;
            }
    choices.append(backLabel);
    const int choice = menu("Airport Ticket Counter", choices, false);
    clearScreen();
    if (choice >= count) return;
    const int destination = destinations[choice];
    askAboutTicket(destination);
    buyTicket(possessions, destination, fares[destination - 1]);
    waitForEnter();
}

void buyTicket(Possessions& possessions, int destination, int fare) {
    // The gate is drawn before the traveller answers.
    const int gate = gameRand() % 3 + 1;
    const bool yes = confirmed();
    clearScreen();
    if (!yes) return;
    if (possessions.getMoney() < fare) {
        std::cout << "We're sorry sir, but it appears you have insufficient funds to purchase a ticket to that "
                     "destination."
                  << std::endl;
        return;
    }
    auto ticket = std::make_unique<AirplaneTicket>(currentCity, destination, gate);
    if (!possessions.addItem(ticket)) {
        std::cout << "Your inventory is full!" << std::endl;
        return;
    }
    possessions.setMoney(possessions.getMoney() - fare);
    std::cout << "Thank you for choosing Air America." << std::endl;
    std::cout << "Your plane will be departing shortly from gate " << gate << ".\n";
    std::cout << "I've taken the liberty of checking your baggage sir.\n";
    std::cout << "Have a pleasant flight." << std::endl;
}

void checkInBaggage(Possessions& possessions) {
    if (possessions.findItem(ticketName) < 0) return;
    // A second visit with the ticket in hand finds the Fist in hand: the
    // weapon to give back at the claim is still the one held at the first.
    if (equippedWeapon != 0 || !baggageWaiting()) savedEquippedWeapon = equippedWeapon;
    checkInItems(possessions);
    checkInWeapons(possessions);
    equippedWeapon = 0;
}

void claimBaggage(Possessions& possessions) {
    clearScreen();
    setColor(0, 15);
    if (!baggageWaiting() || possessions.findItem(ticketName) >= 0) {
        std::cout << "You wait at the baggage claim for an hour... " << std::endl;
        std::cout << "Then you realize you have no luggage!" << std::endl;
        waitForEnter();
        return;
    }
    std::cout << "You picked up your baggage..." << std::endl;
    const bool itemLost = claimItems(possessions);
    const bool weaponLost = claimWeapons(possessions);
    if (!itemLost && !weaponLost) {
        std::cout << "It looks like everything is here!" << std::endl;
        const bool savedValid = savedEquippedWeapon >= 0 && savedEquippedWeapon < possessions.weaponCount();
        equippedWeapon = savedValid ? savedEquippedWeapon : 0;
    }
    if (baggageWaiting()) std::cout << "You cannot carry the rest: it waits here for you." << std::endl;
    waitForEnter();
}

bool passGate(int gate, Character& player, const Map& map, Possessions& possessions) {
    const AirplaneTicket* ticket = heldTicket(possessions);
    if (!ticket || ticket->getGate() != gate) return false;
    currentCity = ticket->getDestination();
    possessions.removeItem(possessions.findItem(ticketName));
    player.moveTo(map, player.getX() + 2, player.getY());
    return true;
}

void greetArrival(Character& player, const Map& map) {
    clearScreen();
    setColor(0, 15);
    std::cout << "Welcome to " << (isCity(currentCity) ? welcomes[currentCity - 1] : "") << std::endl;
    std::cout << "Thanking for choosing Air America!" << std::endl;
    if (baggageWaiting()) std::cout << "Please pickup your luggage from baggage claim." << std::endl;
    std::cout << "Have a pleasant day!" << std::endl;
    player.moveTo(map, airportHall.x, airportHall.y);
    wantedLevel = 0;
    waitForEnter();
}
