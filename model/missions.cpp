#include "model/missions.h"

#include <memory>

#include "model/item.h"
#include "model/possessions.h"
#include "model/weapon.h"

namespace {

// The first mission's kit. A medkit that finds the bag full is not given.
void giveVancouverKit(Possessions& possessions) {
    possessions.addWeapon(makeWeaponByName("C4"));
    possessions.addItem(std::make_unique<Medkit>());
    possessions.addItem(std::make_unique<Medkit>());
}

// Redmond has no mission: Roswell's mail sends the player on to Washington.
std::vector<Mission> makeMissions() {
    return {
        {1,
         15,
         {"Mission Info: Vancouver",
          {"Infiltrate the Canadian MacroCorp Headquarters.",
           "Once inside you must plant C4, and destroy the building.",
           "Just remember MSA Agents will be looking for you!"}},
         {"You received C4!", "You received 2 Medkits"},
         0,
         giveVancouverKit},
        {2,
         9,
         {"Mission Info: Cape Kennedy",
          {"NASA has been working on top secret shuttle design.",
           "Your job, steal the plans that are in the secured area.",
           "Return with the plans, and scan in the data."}},
         {"You received $200!"},
         200,
         nullptr},
        {3,
         16,
         {"Mission Info: Silicon Valley",
          {"MacroCorp has created a state-of prototype mod chip.",
           "This chip could be used to create horrible weapons of destruction.",
           "Your objective is to steal this chip by any means necessary."}},
         {"You received $300!"},
         300,
         nullptr},
        {4,
         14,
         {"Mission Info: Roswell",
          {"Your objective is to find the reknowned Area 51.",
           "Once you have found the facility, you must steal a data disk",
           "located somewhere deep inside the facility."}},
         {"You received $400!"},
         400,
         nullptr},
        {6,
         1,
         {"Misssion Info: Washington", {"All that's left is to head to Washington and defeat Abbott Gates!"}},
         {"You received $1000!"},
         1000,
         nullptr},
    };
}

}  // namespace

const std::vector<Mission>& missions() {
    static const std::vector<Mission> all = makeMissions();
    return all;
}

const Mission* missionAfter(int number) {
    const std::vector<Mission>& all = missions();
    if (number == 0) return &all.front();
    for (std::size_t i = 0; i + 1 < all.size(); ++i)
        if (all[i].number == number) return &all[i + 1];
    return nullptr;
}

const Mission* missionNumbered(int number) {
    for (const Mission& m : missions())
        if (m.number == number) return &m;
    return nullptr;
}
