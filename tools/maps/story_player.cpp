#include "tools/maps/story_player.h"

#include <stdexcept>

#include "console/keys.h"
#include "console/screen.h"
#include "model/game_values.h"
#include "model/weapon.h"

namespace maptools {
namespace {

constexpr int highlight = 0x27;  // a menu's chosen option: grey on green
constexpr int dangerHp = 160;    // a blow of the strongest MSA Agent takes at most 151

std::string trimmed(const std::string& s) {
    const auto from = s.find_first_not_of(' ');
    if (from == std::string::npos) return "";
    return s.substr(from, s.find_last_not_of(' ') - from + 1);
}

std::string screenText() {
    std::string all;
    for (int y = 0; y < ScreenModel::height; ++y) all += trimmed(screen().rowText(y)) + "\n";
    return all;
}

// The menu on the screen, found by its highlighted option; the options stand
// one per row below the title and a blank row.
bool readMenu(ShownMenu& shown) {
    const ScreenModel& s = screen();
    for (int y = 0; y < ScreenModel::height; ++y)
        for (int x = 0; x < ScreenModel::width; ++x) {
            if (s.attrAt(x, y) != highlight) continue;
            std::size_t width = 0;
            while (x + static_cast<int>(width) < ScreenModel::width &&
                   s.attrAt(x + static_cast<int>(width), y) == highlight)
                ++width;
            auto at = [&](int row) { return trimmed(s.rowText(row).substr(static_cast<std::size_t>(x), width)); };
            int first = y;
            while (first > 0 && !at(first - 1).empty()) --first;
            if (first < 2) return false;
            // The title ends where a wide gap begins: texts beside the menu are no part of it.
            const std::string title = trimmed(s.rowText(first - 2).substr(static_cast<std::size_t>(x)));
            shown.title = title.substr(0, title.find("  "));
            shown.selected = y - first;
            for (int row = first; row < ScreenModel::height && !at(row).empty(); ++row)
                shown.options.push_back(at(row));
            return true;
        }
    return false;
}

bool onTheStreets() {
    const std::string panel = screen().rowText(21);
    return panel.compare(2, 4, "HP: ") == 0 && panel.find("Current Money:") != std::string::npos;
}

// A weapon's worth in a fight: its damage as often as it lands.
int worth(const Weapon& w) { return w.getDamage() * std::min(100, w.getAccuracy() + 10); }

}  // namespace

StoryPlayer::StoryPlayer(GameState& s) : state(s) { setIdleLimit(2000); }

std::string StoryPlayer::goalText() const {
    if (goals.empty()) return "(no goal)";
    return goals.front().linkNow ? goals.front().linkNow() : goals.front().link;
}

bool StoryPlayer::saw(const std::string& text) const {
    for (const std::string& m : messages)
        if (m.find(text) != std::string::npos) return true;
    return false;
}

bool StoryPlayer::keyHeld(int virtualKey) {
    if (scriptDone()) polled.insert(virtualKey);
    return HeadlessHost::keyHeld(virtualKey);
}

bool StoryPlayer::keyDown(int virtualKey) {
    if (scriptDone()) polled.insert(virtualKey);
    return HeadlessHost::keyDown(virtualKey);
}

void StoryPlayer::waitUntil(std::int64_t deadline) {
    if (deadline > timeLimitMs)
        throw std::runtime_error("still on the way to \"" + goalText() + "\" after " +
                                 std::to_string(timeLimitMs / 60000) + " minutes of play:\n" + screenText());
    if (scriptDone() && !polled.empty()) decide();
    polled.clear();
    HeadlessHost::waitUntil(deadline);
}

void StoryPlayer::decide() {
    if (polled.count(VK::Up) && polled.count(VK::Down) && polled.count(VK::Enter)) {
        ShownMenu shown;
        if (!readMenu(shown)) throw std::runtime_error("a menu without a highlight:\n" + screenText());
        readFirst = false;
        answer(shown);
    } else if (polled.count(VK::Left) && onTheStreets()) {
        walk();
    } else if (polled.count(VK::Enter) && polled.size() == 1 && !readFirst && showsMenu()) {
        // A menu just walked into reads no arrows at first: the player reads it.
        readFirst = true;
        pause(250);
    } else if (polled.count(VK::Enter) && polled.size() == 1) {
        readFirst = false;
        messages.push_back(screenText());
        tap(VK::Enter);
    } else if (polled.count(VK::Escape) && polled.size() == 1) {
        pause(500);  // the credits, watched to the end
    }
}

bool StoryPlayer::showsMenu() const {
    ShownMenu shown;
    return readMenu(shown);
}

void StoryPlayer::walk() {
    while (!goals.empty() && goals.front().reached()) {
        diary.push_back(goals.front().link);
        goals.erase(goals.begin());
        route.clear();
    }
    if (goals.empty()) return;  // the script ends here: the game waits on
    const Character& p = state.player;
    const bool onRoute = routeAt < route.size() && route[routeAt].map == state.currentMap &&
                         route[routeAt].x == p.getX() && route[routeAt].y == p.getY();
    if (!onRoute) {
        Passage passage;
        passage.city = currentCity;
        passage.mission = missionNumber;
        for (const String& k : state.possessions.keyItemNames()) passage.keyItems.insert(k.str());
        passage.holdsC4 = state.possessions.findWeapon("C4") != -1;
        route = findRoute(state.maps, state.mapNames, state.currentMap, p.getX(), p.getY(), goalText(), passage);
        routeAt = 0;
        if (route.empty())
            throw std::runtime_error("no way to \"" + goalText() + "\" from " +
                                     state.maps.at(static_cast<std::uint32_t>(state.currentMap)).getName().str());
    }
    const RouteStep& step = route[routeAt++];
    floorChoice = step.floor;
    useC4 = step.useC4;
    tap(step.key);
}

void StoryPlayer::answer(const ShownMenu& shown) {
    std::string option;
    if (!goals.empty()) {
        const auto own = goals.front().menus.find(shown.title);
        if (own != goals.front().menus.end()) option = own->second(shown);
    }
    if (option.empty()) option = habit(shown);
    if (option.empty())
        throw std::runtime_error("no answer to the menu \"" + shown.title + "\" on the way to \"" + goalText() +
                                 "\":\n" + screenText());
    choose(shown, option);
}

void StoryPlayer::choose(const ShownMenu& shown, const std::string& option) {
    const int n = static_cast<int>(shown.options.size());
    for (int i = 0; i < n; ++i)
        if (shown.options[static_cast<std::size_t>(i)] == option) {
            for (int d = (i - shown.selected + n) % n; d > 0; --d) tap(VK::Down);
            tap(VK::Enter);
            return;
        }
    throw std::runtime_error("the menu \"" + shown.title + "\" has no option \"" + option + "\":\n" + screenText());
}

// What the player does wherever his goal says nothing.
std::string StoryPlayer::habit(const ShownMenu& shown) {
    const Character& p = state.player;
    const Possessions& own = state.possessions;
    int medkits = 0;
    for (const String& item : own.itemNames()) medkits += item == "Medkit" ? 1 : 0;
    const std::string& t = shown.title;
    if (t == "Battle!") return battleChoice(shown);
    if (t == "Use Item") return "Medkit";
    if (t == "Change Weapon") {
        int best = 0;
        for (int i = 1; i < own.weaponCount(); ++i)
            if (!isDisposableWeapon(own.getWeapon(i)->getName()) &&
                worth(*own.getWeapon(i)) > worth(*own.getWeapon(best)))
                best = i;
        return trimmed(own.getWeapon(best)->getName().str());
    }
    if (t == "Hospital") {
        if (p.getHp() < p.getMaxHp() && own.getMoney() >= 50) return "See the Doctor";
        if (medkits < medkitsWanted && own.getMoney() >= 100) return "Buy";
        return "Leave";
    }
    if (t == "Hospital Gift Shop") return medkits < medkitsWanted && own.getMoney() >= 100 ? "Medkit" : "Back";
    if (t == "Confirmation" || t == "Doctor") return "Yes";
    if (t.rfind("Floor ", 0) == 0)
        return shown.options.at(floorChoice < 0 ? 2 : static_cast<std::size_t>(floorChoice));
    if (t == "Use?") return useC4 ? "Yes" : "No";
    return "";
}

// Heal when a blow could end it, flee when nothing heals, fight with the
// best weapon otherwise.
std::string StoryPlayer::battleChoice(const ShownMenu& shown) {
    const Possessions& own = state.possessions;
    const bool canFlee = shown.options.size() == 4;
    if (state.player.getHp() < dangerHp) {
        if (own.findItem("Medkit") != -1) return "Use Item";
        if (canFlee) return "Flee";
    }
    for (int i = 1; i < own.weaponCount(); ++i)
        if (!isDisposableWeapon(own.getWeapon(i)->getName()) &&
            worth(*own.getWeapon(i)) > worth(*own.getWeapon(equippedWeapon)))
            return "Change Weapon";
    return "Attack";
}

}  // namespace maptools
