#include "model/save_file.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>

#include "console/random.h"
#include "model/game_state.h"
#include "model/game_values.h"
#include "model/possessions.h"
#include "model/character.h"
#include "model/map.h"
#include "model/missions.h"

namespace {

struct ValueRange {
    int SavedGame::*field;
    int low;
    int high;
};

// Cash, balance and loan are not limited: banking can leave any of them below
// zero, and play's sums stop at the ends of an int.
const ValueRange valueRanges[] = {
    {&SavedGame::city, 1, 6},
    {&SavedGame::missionNumber, 0, missions().back().number},  // the mail sets them
    {&SavedGame::wantedLevel, 0, mostWantedLevel},
    {&SavedGame::maxHp, 1, mostHitPoints},
    {&SavedGame::hp, -mostHitPoints, mostHitPoints},
    {&SavedGame::strength, 0, mostSkill},
    {&SavedGame::accuracy, 0, mostSkill},
};

// The numbers of the file in their order: the city and money first; after the
// lists and the mission's two lines, the wanted level and the player.
int SavedGame::*const cityAndMoneyFields[] = {&SavedGame::city, &SavedGame::money, &SavedGame::bank,
                                              &SavedGame::loan};
int SavedGame::*const wantedAndPlayerFields[] = {
    &SavedGame::wantedLevel, &SavedGame::equippedWeapon, &SavedGame::currentMap, &SavedGame::x,       &SavedGame::y,
    &SavedGame::hp,          &SavedGame::maxHp,          &SavedGame::strength,   &SavedGame::accuracy};

bool itemsValid(const std::vector<SavedItem>& items) {
    if (items.size() > static_cast<std::size_t>(Possessions::MaxItems)) return false;
    for (const SavedItem& item : items)
        if (item.name == ticketName && (item.destination < 1 || item.destination > 6)) return false;
    return true;
}

bool withinReach(const SavedGame& game) {
    for (const ValueRange& range : valueRanges)
        if (game.*range.field < range.low || game.*range.field > range.high) return false;
    return game.hp <= game.maxHp && itemsValid(game.items) && itemsValid(game.baggageItems);
}

// Reads the file line by line, remembering whether every read succeeded.
class LineReader {
public:
    explicit LineReader(const std::string& text) : in(text) {}

    bool ok() const { return good; }

    // A name ends at a NUL, and CRs at its end are dropped: written back
    // before a line feed, one of them would be read as part of the line break
    // and the name would load different from the game that was saved.
    String line() {
        std::string s;
        if (!std::getline(in, s)) good = false;
        s.resize(std::strlen(s.c_str()));
        while (!s.empty() && s.back() == '\r') s.pop_back();
        return String(s.c_str());
    }

    // A whole line holding a decimal 32-bit number (blanks around it allowed).
    int number() {
        std::string s;
        if (!std::getline(in, s)) {
            good = false;
            return 0;
        }
        const char* start = s.c_str();
        char* end = nullptr;
        errno = 0;
        const long value = std::strtol(start, &end, 10);
        while (end && (*end == ' ' || *end == '\t')) ++end;
        if (end == start || !end || *end != '\0' || errno == ERANGE || value < INT_MIN || value > INT_MAX)
            good = false;
        return static_cast<int>(value);
    }

    // Nothing but blanks and line ends is left.
    bool atEnd() {
        in >> std::ws;
        return in.peek() == std::char_traits<char>::eof();
    }

    // A count of records that follow: never negative.
    int count() {
        const int n = number();
        if (n < 0) good = false;
        return good ? n : 0;
    }

private:
    std::istringstream in;
    bool good = true;
};

void writeLine(std::ostringstream& out, int value) { out << value << '\n'; }
void writeLine(std::ostringstream& out, const String& value) { out << value.str() << '\n'; }

// A count, then each item's name, a ticket's destination after its name.
void writeItems(std::ostringstream& out, const std::vector<SavedItem>& items) {
    writeLine(out, static_cast<int>(items.size()));
    for (const SavedItem& item : items) {
        writeLine(out, item.name);
        if (item.name == ticketName) writeLine(out, item.destination);
    }
}

void writeNames(std::ostringstream& out, const std::vector<String>& names) {
    writeLine(out, static_cast<int>(names.size()));
    for (const String& name : names) writeLine(out, name);
}

void readItems(LineReader& in, std::vector<SavedItem>& items) {
    for (int n = in.count(); in.ok() && n > 0; --n) {
        SavedItem item{in.line(), 0};
        if (item.name == ticketName) item.destination = in.number();
        items.push_back(item);
    }
}

void readNames(LineReader& in, std::vector<String>& names) {
    for (int n = in.count(); in.ok() && n > 0; --n) names.push_back(in.line());
}

// The item records as items; a ticket gets a fresh gate.
void restoreItems(const std::vector<SavedItem>& records, int city, Possessions& possessions) {
    for (const SavedItem& record : records) {
        if (record.name == ticketName)
            possessions.addItem(std::make_unique<AirplaneTicket>(city, record.destination, gameRand() % 3 + 1));
        else if (auto item = makeItemByName(record.name)) possessions.addItem(item);
    }
}

void restoreWeapons(const std::vector<String>& names, Possessions& possessions) {
    for (const String& name : names)
        if (auto weapon = makeWeaponByName(name)) possessions.addWeapon(weapon);
}

void restorePossessions(const SavedGame& game, Possessions& possessions) {
    while (possessions.itemCount() > 0) possessions.removeItem(possessions.itemCount() - 1);
    while (possessions.weaponCount() > 0) possessions.removeWeapon(possessions.weaponCount() - 1);
    while (possessions.keyItemCount() > 0) possessions.removeKeyItem(possessions.keyItemCount() - 1);

    restoreItems(game.items, game.city, possessions);
    restoreWeapons(game.weapons, possessions);
    for (const String& name : game.keyItems) possessions.addKeyItem(std::make_unique<Key>(name));
}

// Every game keeps its Fist first: a file without one (or with it elsewhere)
// gets it back at the front, and the weapon that was equipped stays equipped.
void putFistFirst(Possessions& possessions) {
    const bool equippedValid = equippedWeapon >= 0 && equippedWeapon < possessions.weaponCount();
    const String equippedName = equippedValid ? possessions.getWeapon(equippedWeapon)->getName() : String(fistName);
    std::vector<std::unique_ptr<Weapon>> others;
    while (possessions.weaponCount() > 0)
        others.insert(others.begin(), possessions.removeWeapon(possessions.weaponCount() - 1));
    possessions.addWeapon(makeWeaponByName(fistName));
    for (auto& weapon : others) possessions.addWeapon(weapon);  // a second Fist is refused
    equippedWeapon = possessions.findWeapon(equippedName);
}

// Each item's name, and a ticket's destination with it.
std::vector<SavedItem> savedItems(const Possessions& possessions) {
    std::vector<SavedItem> items;
    for (int i = 0; i < possessions.itemCount(); ++i) {
        const Item* item = possessions.getItem(i);
        const auto* ticket = dynamic_cast<const AirplaneTicket*>(item);
        items.push_back(SavedItem{item->getName(), ticket ? ticket->getDestination() : 0});
    }
    return items;
}

}  // namespace

SavedGame captureGame(const Possessions& possessions, const Character& player, int currentMap) {
    SavedGame game;
    game.city = currentCity;
    game.money = possessions.getMoney();
    game.bank = possessions.getBank();
    game.loan = possessions.getLoan();
    game.items = savedItems(possessions);
    for (int i = 0; i < possessions.weaponCount(); ++i) game.weapons.push_back(possessions.getWeapon(i)->getName());
    const Array<String> keyItems = possessions.keyItemNames();
    for (const String& name : keyItems) game.keyItems.push_back(name);
    game.missionNumber = missionNumber;
    game.mailWaiting = mailWaiting;
    game.wantedLevel = wantedLevel;
    game.equippedWeapon = equippedWeapon;
    game.currentMap = currentMap;
    game.x = player.getX();
    game.y = player.getY();
    game.hp = player.getHp();
    game.maxHp = player.getMaxHp();
    game.strength = player.getStrength();
    game.accuracy = player.getAccuracy();
    game.baggageItems = savedItems(baggage);
    for (int i = 0; i < baggage.weaponCount(); ++i)
        if (baggage.getWeapon(i)->getName() != fistName)
            game.baggageWeapons.push_back(baggage.getWeapon(i)->getName());
    game.savedEquippedWeapon = savedEquippedWeapon;
    return game;
}

std::string formatSavedGame(const SavedGame& game) {
    std::ostringstream out;
    for (int SavedGame::*field : cityAndMoneyFields) writeLine(out, game.*field);
    writeItems(out, game.items);
    writeNames(out, game.weapons);
    writeNames(out, game.keyItems);
    writeLine(out, game.missionNumber);
    writeLine(out, game.mailWaiting ? 1 : 0);
    for (int SavedGame::*field : wantedAndPlayerFields) writeLine(out, game.*field);
    writeItems(out, game.baggageItems);
    writeNames(out, game.baggageWeapons);
    writeLine(out, game.savedEquippedWeapon);
    return out.str();
}

bool parseSavedGame(const std::string& text, SavedGame& game) {
    LineReader in(text);
    SavedGame read;
    for (int SavedGame::*field : cityAndMoneyFields) read.*field = in.number();
    readItems(in, read.items);
    readNames(in, read.weapons);
    readNames(in, read.keyItems);
    read.missionNumber = in.number();
    const int mail = in.number();
    read.mailWaiting = mail == 1;
    for (int SavedGame::*field : wantedAndPlayerFields) read.*field = in.number();
    if (in.ok() && !in.atEnd()) {
        readItems(in, read.baggageItems);
        readNames(in, read.baggageWeapons);
        read.savedEquippedWeapon = in.number();
    }
    if (!in.ok() || (mail != 0 && mail != 1) || !withinReach(read)) return false;
    game = read;
    return true;
}

bool fitsWorld(const SavedGame& game, const Array<Map>& maps) {
    if (game.currentMap < 0 || game.currentMap >= static_cast<int>(maps.size())) return false;
    const Map& map = maps.at(static_cast<std::uint32_t>(game.currentMap));
    return game.x <= map.getWidth() && game.y <= map.getHeight() && map.tileAt(game.x, game.y) == ' ';
}

void restoreGame(const SavedGame& game, Possessions& possessions, Character& player, int& currentMap) {
    currentCity = game.city;
    possessions.setMoney(game.money);
    possessions.setBank(game.bank);
    possessions.setLoan(game.loan);
    restorePossessions(game, possessions);
    missionNumber = game.missionNumber;
    mailWaiting = game.mailWaiting;
    wantedLevel = game.wantedLevel;
    equippedWeapon = game.equippedWeapon;
    if (possessions.findWeapon(fistName) != 0) putFistFirst(possessions);
    if (equippedWeapon < 0 || equippedWeapon >= possessions.weaponCount()) equippedWeapon = 0;
    currentMap = game.currentMap;
    player.setX(game.x);
    player.setY(game.y);
    player.setHp(game.hp);
    player.setMaxHp(game.maxHp);
    player.setStrength(game.strength);
    player.setAccuracy(game.accuracy);
    baggage = Possessions();
    restoreItems(game.baggageItems, game.city, baggage);
    restoreWeapons(game.baggageWeapons, baggage);
    savedEquippedWeapon = game.savedEquippedWeapon;
}
