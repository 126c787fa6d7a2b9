// The whole story, played as a person would: a new game from the title menu,
// every mail read at a cafe, every flight booked at a counter, every
// objective walked to on the shipped maps, money earned in fights and spent
// on the doctor, medkits, a weapon and tickets, a game saved and loaded, the
// final fight won and the credits watched. Keys are the only input; the
// player made of code finds its own way over the maps.

#include <gtest/gtest.h>

#include <filesystem>

#include "model/city_places.h"
#include "model/game_state.h"
#include "screens/start_up.h"
#include "support/screen_recorder.h"
#include "support/temp_folder.h"
#include "tools/maps/story_player.h"

namespace {

using maptools::Goal;
using maptools::ShownMenu;

// An answer that always picks the same option.
maptools::MenuAnswer always(const char* option) {
    return [option](const ShownMenu&) { return std::string(option); };
}

class Playthrough : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        std::filesystem::create_directory_symlink(std::filesystem::path(DRIFTER_SOURCE_DIR) / "maps", folder / "maps");
        setHost(&player);
    }
    void TearDown() override {
        baggage = Possessions();
        ScreenTest::TearDown();
    }

    bool holds(const char* keyItem) const { return state.possessions.findKeyItem(keyItem) != -1; }
    int money() const { return state.possessions.getMoney(); }
    int medkits() const {
        int n = 0;
        for (const String& item : state.possessions.itemNames()) n += item == "Medkit" ? 1 : 0;
        return n;
    }

    Goal objective(const char* link, const char* keyItem) {
        return Goal{link, {}, [this, keyItem] { return holds(keyItem); }, {}};
    }
    // The next mission's mail, at the nearest cafe.
    Goal mail(int mission) {
        return Goal{"internetcafemenu", {}, [mission] { return missionNumber == mission; },
                    {{"Internet Cafe", [](const ShownMenu&) { return std::string(mailWaiting ? "Send\\Receive" : "Exit"); }}}};
    }
    // Bar fights until the cash reaches the amount, with the doctor between them.
    Goal earn(int amount) {
        const auto low = [this] { return state.player.getHp() < 250; };
        return Goal{"barmenu", [this, low] { return low() && money() >= 50 ? "hospitalmenu" : "barmenu"; },
                    [this, amount] { return money() >= amount; },
                    {{"Bar", [this, amount, low](const ShownMenu&) {
                          return std::string(money() < amount && (!low() || money() < 50) ? "Pick a fight" : "Leave");
                      }}}};
    }
    // The fare earned, a ticket bought, the gate on the ticket, the greeting
    // and the baggage claim on arrival.
    void fly(int city, int fare) {
        player.add(earn(fare));
        player.add(Goal{"buyticketmenu", {}, [this] { return ticket() != nullptr; },
                        {{"Airport Ticket Counter", [city](const ShownMenu& m) {
                              for (const std::string& o : m.options)
                                  if (o.rfind(cityName(city), 0) == 0) return o;
                              return std::string();
                          }}}});
        player.add(Goal{"", [this] { return ticket() ? "gate" + std::to_string(ticket()->getGate()) : ""; },
                        [city] { return currentCity == city; }, {}});
        player.add(Goal{"airportcity", {}, [this] { return state.player.getX() == 31 && state.player.getY() == 9; }, {}});
        player.add(Goal{"baggage", {}, [] { return baggage.itemCount() == 0 && baggage.weaponCount() <= 1; }, {}});
    }
    const AirplaneTicket* ticket() const {
        const int i = state.possessions.findItem("Airplane ticket");
        return i < 0 ? nullptr : dynamic_cast<const AirplaneTicket*>(state.possessions.getItem(i));
    }

    TempFolder folder;
    WorkingFolder inFolder{folder.path()};
    RecordingMusic music;
    GameState state;
    maptools::StoryPlayer player{state};
};

TEST_F(Playthrough, ANewGameToTheEndOfTheCredits) {
    int savedMoney = -1, moneyAfterLoad = -1;
    const auto hasBat = [this] { return state.possessions.findWeapon("Baseballbat") != -1; };
    Goal first = mail(1);
    first.menus["DRIFTER"] = always("New Game");
    player.add(first);
    player.add(objective("level 1 bomb", "level 1 bomb"));
    player.add(mail(2));
    // Saved at the cafe, then a bat bought on the iBay, then the save loaded:
    // the money comes back and the bat is gone.
    player.add(Goal{"internetcafemenu", {}, [&] { return savedMoney >= 0; },
                    {{"Internet Cafe", [&](const ShownMenu&) { return std::string(savedMoney < 0 ? "Save Game" : "Exit"); }},
                     {"Save Game", [&](const ShownMenu&) {
                          if (savedMoney >= 0) return std::string("Back");
                          savedMoney = money();
                          return std::string("Save 1: Empty");
                      }},
                     {"", always("Yes")}}});
    player.add(earn(40));
    player.add(Goal{"internetcafemenu", {}, hasBat,
                    {{"Internet Cafe", [&](const ShownMenu&) { return std::string(hasBat() ? "Exit" : "iBay"); }},
                     {"iBay", [&](const ShownMenu&) { return std::string(hasBat() ? "Back" : "Buy"); }},
                     {"iBay Buy", [&](const ShownMenu&) { return std::string(hasBat() ? "Back" : "Baseball Bat"); }}}});
    player.add(Goal{"internetcafemenu", {}, [&] { return moneyAfterLoad >= 0; },
                    {{"Internet Cafe", [&](const ShownMenu&) {
                          if (!hasBat() && moneyAfterLoad < 0) moneyAfterLoad = money();
                          return std::string(hasBat() ? "Load Game" : "Exit");
                      }},
                     {"Save Game", [](const ShownMenu& m) { return m.options.front(); }}}});
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
    player.add(Goal{"map 4 railgun", {}, [this] { return state.possessions.findWeapon("Railgun") != -1; }, {}});
    player.add(mail(6));
    fly(6, 500);
    // Stocked up on medkits for the last fight.
    const auto stocked = [this] { return medkits() >= 6 || money() < 100; };
    const auto healed = [this] { return state.player.getHp() == state.player.getMaxHp(); };
    player.add(Goal{"hospitalmenu", {}, [=] { return stocked() && healed(); },
                    {{"Hospital", [=](const ShownMenu&) {
                          return std::string(!healed() && money() >= 50 ? "See the Doctor" : !stocked() ? "Buy" : "Leave");
                      }},
                     {"Hospital Gift Shop", [this](const ShownMenu&) { return std::string(medkits() < 6 && money() >= 100 ? "Medkit" : "Back"); }}}});
    player.add(Goal{"abbott gates", {}, [] { return missionNumber == 0; }, {{"Reply?", always("No, won't sink to his level")}}});

    EXPECT_THROW(startUp(state), ScriptEnded);  // the player stops once the story is over
    ASSERT_TRUE(player.finished()) << player.goalText();
    EXPECT_EQ(moneyAfterLoad, savedMoney);
    EXPECT_TRUE(player.saw("You:       Have a nice day..."));
    EXPECT_EQ(state.currentMap, 1);
    EXPECT_EQ(currentCity, 1);
    EXPECT_NE(state.possessions.findWeapon("Pointy Stick"), -1);
}

}  // namespace
