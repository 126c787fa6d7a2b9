#include "model/item.h"

#include <iostream>

#include "console/console.h"
#include "model/character.h"

String Item::getName() const { return name; }

bool Medkit::use(Character&, Character& target, Possessions&) {
    // A target at (or somehow above) full health keeps the medkit: it would
    // otherwise be spent for nothing, or even cost hit points.
    if (target.getHp() >= target.getMaxHp()) return false;
    target.setHp(target.getMaxHp());
    return true;
}

bool Key::use(Character&, Character&, Possessions&) { return true; }

bool MacroCorpItem::use(Character&, Character&, Possessions&) { return true; }

const char* ticketCityText(int city) {
    static const char* const cities[] = {"Vancouver, BC", "Cape Kennedy, FL", "Silicon Valley, CA",
                                         "Roswell, NM",   "Redmond, WA",      "Washington DC"};
    return (city >= 1 && city <= 6) ? cities[city - 1] : "";
}

bool AirplaneTicket::use(Character&, Character&, Possessions&) {
    clearScreen();
    delayMs(250);
    std::cout << "This is an airplane ticket from " << ticketCityText(origin) << " to "
              << ticketCityText(destination) << "." << '\n';
    std::cout << "This flight departs from Gate " << gate << "." << '\n';
    return false;
}

namespace {

template <typename Kind>
std::unique_ptr<Item> make() {
    return std::make_unique<Kind>();
}

struct NamedItem {
    const char* name;
    std::unique_ptr<Item> (*create)();
};

const NamedItem namedItems[] = {
    {"Medkit", make<Medkit>},
    {"Y-Box", make<YBox>},
    {"WordScribble", make<WordScribble>},
    {"Hindsight Express", make<HindsightExpress>},
    {"MisManager Pro", make<MisManagerPro>},
    {"MS-POS", make<MsPos>},
    {"Internet Exploder", make<InternetExploder>},
    {"Ventanas FT OS", make<VentanasFtOs>},
    {"Obfusicater Studio .not", make<ObfusicaterStudio>},
    {"C-Flat", make<CFlat>},
    {"Visual Complex", make<VisualComplex>},
    {"FlowerPoint", make<FlowerPoint>},
};

}  // namespace

std::unique_ptr<Item> makeItemByName(const String& name) {
    for (const NamedItem& entry : namedItems)
        if (name == entry.name) return entry.create();
    return nullptr;
}
