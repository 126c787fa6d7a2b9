#pragma once
// Everything the player can carry is an Item: a name, and two operations:
// use it, and tell its name. The name an item gives is its identity in every
// lookup, shop, refusal and saved game. Weapons (weapon.h) are items too.

#include <memory>

#include "console/text.h"

class Character;
class Possessions;

class Item {
public:
    Item(const Item&) = delete;
    Item& operator=(const Item&) = delete;

    // Applies the item. True means it is used up: the caller removes it from
    // the owner's items. Screens call it as use(player, player, possessions).
    virtual bool use(Character& user, Character& target, Possessions& owner) = 0;
    virtual String getName() const;
    virtual ~Item() = default;

protected:
    explicit Item(const String& itemName) : name(itemName) {}

    String name;
};

// Heals its target to full hit points in one go; a target already at full
// health keeps the medkit.
class Medkit : public Item {
public:
    Medkit() : Item("Medkit") {}
    bool use(Character& user, Character& target, Possessions& owner) override;
};

// A progress marker ("map 2 key", "shuttle plans", ...), kept among the key
// items.
class Key : public Item {
public:
    explicit Key(const String& markerName) : Item(markerName) {}
    bool use(Character& user, Character& target, Possessions& owner) override;
};

// MacroCorp's software range: the products differ only in their names, and
// using one simply uses it up.
class MacroCorpItem : public Item {
public:
    bool use(Character& user, Character& target, Possessions& owner) override;

protected:
    explicit MacroCorpItem(const String& productName) : Item(productName) {}
};

// One line a kind, so that the list reads as a table.
// clang-format off
class YBox : public MacroCorpItem { public: YBox() : MacroCorpItem("Y-Box") {} };
class WordScribble : public MacroCorpItem { public: WordScribble() : MacroCorpItem("WordScribble") {} };
class HindsightExpress : public MacroCorpItem { public: HindsightExpress() : MacroCorpItem("Hindsight Express") {} };
class MisManagerPro : public MacroCorpItem { public: MisManagerPro() : MacroCorpItem("MisManager Pro") {} };
class MsPos : public MacroCorpItem { public: MsPos() : MacroCorpItem("MS-POS") {} };
class InternetExploder : public MacroCorpItem { public: InternetExploder() : MacroCorpItem("Internet Exploder") {} };
class VentanasFtOs : public MacroCorpItem { public: VentanasFtOs() : MacroCorpItem("Ventanas FT OS") {} };
class ObfusicaterStudio : public MacroCorpItem { public: ObfusicaterStudio() : MacroCorpItem("Obfusicater Studio .not") {} };
class CFlat : public MacroCorpItem { public: CFlat() : MacroCorpItem("C-Flat") {} };
class VisualComplex : public MacroCorpItem { public: VisualComplex() : MacroCorpItem("Visual Complex") {} };
class FlowerPoint : public MacroCorpItem { public: FlowerPoint() : MacroCorpItem("FlowerPoint") {} };
// clang-format on

// The name every airplane ticket carries.
inline constexpr const char* ticketName = "Airplane ticket";

// A flight from one city (1 to 6) to another, leaving from gate 1 to 3.
// Using it shows the ticket; it stays with the player.
class AirplaneTicket : public Item {
public:
    AirplaneTicket(int fromCity, int toCity, int gateNumber)
        : Item(ticketName), destination(toCity), gate(gateNumber), origin(fromCity) {}
    bool use(Character& user, Character& target, Possessions& owner) override;

    int getDestination() const { return destination; }
    int getGate() const { return gate; }
    int getOrigin() const { return origin; }

private:
    int destination;
    int gate;
    int origin;
};

// How a ticket names a city: "Vancouver, BC" for 1 ... "Washington DC" for 6,
// and "" for any other number.
const char* ticketCityText(int city);

// A new medkit or MacroCorp product of the given name, or nullptr when no such
// item exists. Key items and tickets carry more than a name and are built with
// their own constructors.
std::unique_ptr<Item> makeItemByName(const String& name);
