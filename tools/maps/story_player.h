#pragma once
// A player made of code: it plays the game through the headless console with
// keys alone, as a person at the keyboard would. Between the game's polls it
// reads the screen: on the streets it walks the route to its next goal, one
// arrow at a time; in a menu it reads the title and the options and picks
// one; a message waiting for Enter gets Enter; the credits get Escape. Its
// goals say which link to walk into next, when the goal is reached, and how
// to answer the menus of the screens behind that link.

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "console/headless.h"
#include "model/game_state.h"
#include "model/route.h"

namespace maptools {

// A menu as the screen shows it: the title, the options (without their
// surrounding blanks) and the highlighted one.
struct ShownMenu {
    std::string title;
    std::vector<std::string> options;
    int selected = 0;
};

// Picks the option to choose (its text without the surrounding blanks); an
// empty answer leaves the menu to the player's general habits.
using MenuAnswer = std::function<std::string(const ShownMenu&)>;

struct Goal {
    std::string link;                         // walk into the link of this text
    std::function<std::string()> linkNow;     // when set, names the link instead (a gate read off the ticket)
    std::function<bool()> reached;            // the goal is over once this holds
    std::map<std::string, MenuAnswer> menus;  // answers by menu title, for the screens behind the link
};

class StoryPlayer : public HeadlessHost {
public:
    explicit StoryPlayer(GameState& state);

    void add(Goal goal) { goals.push_back(std::move(goal)); }
    bool finished() const { return goals.empty(); }
    // The goal it works on, for messages.
    std::string goalText() const;
    // Medkits it keeps for hard fights, bought at the hospital when it goes there.
    int medkitsWanted = 4;
    // A story that takes longer than this (in the game's time) has gone astray.
    std::int64_t timeLimitMs = 60 * 60 * 1000;
    // Each goal reached, in order.
    std::vector<std::string> diary;
    // True when a message it read before pressing Enter held the text.
    bool saw(const std::string& text) const;

    bool keyHeld(int virtualKey) override;
    bool keyDown(int virtualKey) override;
    void waitUntil(std::int64_t deadline) override;

private:
    void decide();
    void walk();
    void answer(const ShownMenu& shown);
    std::string habit(const ShownMenu& shown);
    std::string battleChoice(const ShownMenu& shown);
    void choose(const ShownMenu& shown, const std::string& option);
    bool showsMenu() const;
    bool readFirst = false;  // waited once for a menu that polled Enter alone

    GameState& state;
    std::vector<Goal> goals;
    std::vector<std::string> messages;  // the screens it pressed Enter on
    std::set<int> polled;               // keys the game asked for since it last waited
    std::vector<RouteStep> route;       // the way to the goal's link, as last found
    std::size_t routeAt = 0;
    int floorChoice = -1;  // the elevator floor the route goes through
    bool useC4 = false;    // the route opens the crack
};

}  // namespace maptools
