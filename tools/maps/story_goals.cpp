#include "tools/maps/story_goals.h"

#include <string>

#include "model/city_places.h"
#include "model/game_values.h"

namespace maptools {
namespace {

MenuAnswer always(const char* option) {
    return [option](const ShownMenu&) { return std::string(option); };
}

// One option or the other, as the condition stands when the menu shows.
template <typename Condition>
MenuAnswer either(Condition condition, const char* yes, const char* no) {
    return [=](const ShownMenu&) { return std::string(condition() ? yes : no); };
}

// What the goals look at while the game runs; copied into each of them.
struct Look {
    GameState* state;
    StoryNotes* notes;

    bool holds(const char* keyItem) const { return state->possessions.findKeyItem(keyItem) != -1; }
    bool holdsWeapon(const char* name) const { return state->possessions.findWeapon(name) != -1; }
    int money() const { return state->possessions.getMoney(); }
    int hp() const { return state->player.getHp(); }
    bool healed() const { return hp() == state->player.getMaxHp(); }
    bool at(int x, int y) const { return state->player.getX() == x && state->player.getY() == y; }
    int medkits() const {
        int n = 0;
        for (const String& item : state->possessions.itemNames()) n += item == "Medkit" ? 1 : 0;
        return n;
    }
    const AirplaneTicket* ticket() const {
        const int i = state->possessions.findItem("Airplane ticket");
        return i < 0 ? nullptr : dynamic_cast<const AirplaneTicket*>(state->possessions.getItem(i));
    }
};

class Story {
public:
    Story(StoryPlayer& p, GameState& s, StoryNotes& n) : player(p), look{&s, &n} {}

    void add() {
        Goal first = mail(1);
        first.menus["DRIFTER"] = always("New Game");
        player.add(first);
        player.add(objective("level 1 bomb", "level 1 bomb"));
        player.add(mail(2));
        saveBuyAndLoad();
        fly(2, 250);
        player.add(objective("map 2 key", "map 2 key"));
        player.add(objective("boom", "shuttle plans"));
        player.add(mail(3));
        fly(3, 300);
        for (const char* item : {"map 3 switch 1", "map 3 switch 2", "map 3 keycard 1", "map 3 keycard 2",
                                 "map 3 keycard 3", "map 3 master key", "map 3 mod chip"})
            player.add(objective(item, item));
        player.add(mail(4));
        fly(4, 350);
        for (const char* item : {"map 4 power 1", "map 4 power 2", "map 4 power 3", "map 4 data disk"})
            player.add(objective(item, item));
        player.add(Goal{"map 4 railgun", {}, [l = look] { return l.holdsWeapon("Railgun"); }, {}});
        player.add(mail(6));
        fly(6, 500);
        stockUp(6);
        player.add(Goal{"abbott gates",
                        {},
                        [] { return missionNumber == 0; },
                        {{"Reply?", always("No, won't sink to his level")}}});
    }

private:
    Goal objective(const char* link, const char* keyItem) {
        return Goal{link, {}, [l = look, keyItem] { return l.holds(keyItem); }, {}};
    }

    // The next mission's mail, at the nearest cafe.
    Goal mail(int mission) {
        return Goal{"internetcafemenu",
                    {},
                    [mission] { return missionNumber == mission; },
                    {{"Internet Cafe", either([] { return mailWaiting; }, "Send\\Receive", "Exit")}}};
    }

    // Bar fights until the cash reaches the amount, with the doctor between them.
    Goal earn(int amount) {
        const Look l = look;
        const auto low = [l] { return l.hp() < 250; };
        const auto fight = [l, low, amount] { return l.money() < amount && (!low() || l.money() < 50); };
        return Goal{"barmenu",
                    [l, low] { return low() && l.money() >= 50 ? "hospitalmenu" : "barmenu"; },
                    [l, amount] { return l.money() >= amount; },
                    {{"Bar", either(fight, "Pick a fight", "Leave")}}};
    }

    // The fare earned, a ticket bought, the gate on the ticket, the greeting
    // and the baggage claim on arrival.
    void fly(int city, int fare) {
        player.add(earn(fare));
        const auto toCity = [city](const ShownMenu& m) {
            for (const std::string& option : m.options)
                if (option.rfind(cityName(city), 0) == 0) return option;
            return std::string();
        };
        const Look l = look;
        player.add(
            Goal{"buyticketmenu", {}, [l] { return l.ticket() != nullptr; }, {{"Airport Ticket Counter", toCity}}});
        player.add(Goal{"gate",
                        [l] { return l.ticket() ? "gate" + std::to_string(l.ticket()->getGate()) : ""; },
                        [city] { return currentCity == city; },
                        {}});
        player.add(Goal{"airportcity", {}, [l] { return l.at(airportHall.x, airportHall.y); }, {}});
        player.add(Goal{"baggage", {}, [] { return baggage.itemCount() == 0 && baggage.weaponCount() <= 1; }, {}});
    }

    // Saved at the cafe, a bat bought on the iBay, then the save loaded: the
    // money comes back and the bat is gone.
    void saveBuyAndLoad() {
        const Look l = look;
        const auto saved = [l] { return l.notes->savedMoney >= 0; };
        const auto hasBat = [l] { return l.holdsWeapon("Baseballbat"); };
        const auto saveInSlot1 = [l, saved](const ShownMenu&) {
            if (saved()) return std::string("Back");
            l.notes->savedMoney = l.money();
            return std::string("Save 1: Empty");
        };
        player.add(Goal{"internetcafemenu",
                        {},
                        saved,
                        {{"Internet Cafe", either(saved, "Exit", "Save Game")},
                         {"Save Game", saveInSlot1},
                         {"", always("Yes")}}});
        player.add(earn(40));
        player.add(Goal{"internetcafemenu",
                        {},
                        hasBat,
                        {{"Internet Cafe", either(hasBat, "Exit", "iBay")},
                         {"iBay", either(hasBat, "Back", "Buy")},
                         {"iBay Buy", either(hasBat, "Back", "Baseball Bat")}}});
        const auto loadOnceBought = [l, hasBat](const ShownMenu&) {
            if (!hasBat() && l.notes->moneyAfterLoad < 0) l.notes->moneyAfterLoad = l.money();
            return std::string(hasBat() ? "Load Game" : "Exit");
        };
        player.add(Goal{"internetcafemenu",
                        {},
                        [l] { return l.notes->moneyAfterLoad >= 0; },
                        {{"Internet Cafe", loadOnceBought},
                         {"Save Game", [](const ShownMenu& m) { return m.options.front(); }}}});
    }

    // Healed and stocked up on medkits for the last fight, as far as the money goes.
    void stockUp(int wanted) {
        const Look l = look;
        const auto stocked = [l, wanted] { return l.medkits() >= wanted || l.money() < 100; };
        const auto hospital = [l, stocked](const ShownMenu&) {
            return std::string(!l.healed() && l.money() >= 50 ? "See the Doctor" : !stocked() ? "Buy" : "Leave");
        };
        player.add(Goal{"hospitalmenu",
                        {},
                        [l, stocked] { return stocked() && l.healed(); },
                        {{"Hospital", hospital}, {"Hospital Gift Shop", either(stocked, "Back", "Medkit")}}});
    }

    StoryPlayer& player;
    Look look;
};

}  // namespace

void addWholeStory(StoryPlayer& player, GameState& state, StoryNotes& notes) { Story(player, state, notes).add(); }

}  // namespace maptools
