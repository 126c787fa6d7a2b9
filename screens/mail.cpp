#include "screens/mail.h"

#include <iostream>
#include <memory>

#include "console/console.h"
#include "model/game_values.h"
#include "model/money_sums.h"
#include "model/possessions.h"

namespace {

// The first mission's kit. A medkit that finds the bag full is not given.
void giveVancouverKit(Possessions& possessions) {
    possessions.addWeapon(makeWeaponByName("C4"));
    possessions.addItem(std::make_unique<Medkit>());
    possessions.addItem(std::make_unique<Medkit>());
}

// One mission mail, read while missionNumber holds its index.
struct Mail {
    const char* heading;
    const char* body[5];          // up to five lines, the unused ones null
    int cash;                     // paid on reading
    void (*goods)(Possessions&);  // handed over on reading, if any
    int nextMission;
};

// Roswell's mail opens Washington: no mission waits in Redmond.
const Mail mails[] = {
    {"Mission Info: Vancouver",
     {"Infiltrate the Canadian MacroCorp Headquarters.", "Once inside you must plant C4, and destroy the building.",
      "Just remember MSA Agents will be looking for you!", "You received C4!", "You received 2 Medkits"},
     0,
     giveVancouverKit,
     1},
    {"Mission Info: Cape Kennedy",
     {"NASA has been working on top secret shuttle design.",
      "Your job, steal the plans that are in the secured area.", "Return with the plans, and scan in the data.",
      "You received $200!"},
     200,
     nullptr,
     2},
    {"Mission Info: Silicon Valley",
     {"MacroCorp has created a state-of prototype mod chip.",
      "This chip could be used to create horrible weapons of destruction.",
      "Your objective is to steal this chip by any means necessary.", "You received $300!"},
     300,
     nullptr,
     3},
    {"Mission Info: Roswell",
     {"Your objective is to find the reknowned Area 51.",
      "Once you have found the facility, you must steal a data disk", "located somewhere deep inside the facility.",
      "You received $400!"},
     400,
     nullptr,
     4},
    {"Misssion Info: Washington",
     {"All that's left is to head to Washington and defeat Abbott Gates!", "You received $1000!"},
     1000,
     nullptr,
     6},
};
constexpr int mailCount = static_cast<int>(sizeof mails / sizeof mails[0]);

constexpr int percentColumn = 13;  // just after "Processing..."

// The download, counted in place from 0% to 100% in about half a second.
void download() {
    std::cout << "Processing..." << std::endl;
    for (int percent = 0; percent <= 100; ++percent) {
        gotoXY(percentColumn, 0);
        delayMs(5);
        std::cout << percent << '%' << std::flush;
    }
    gotoXY(percentColumn, 0);
    std::cout << "Transfer Complete!" << std::endl;
    gotoXY(0, 1);
}

void deliver(const Mail& mail, Possessions& possessions) {
    mailWaiting = false;
    if (mail.goods) mail.goods(possessions);
    missionNumber = mail.nextMission;
    std::cout << mail.heading << "\n\n";
    for (const char* line : mail.body)
        if (line) std::cout << line << '\n';
    std::cout << std::flush;
    possessions.setMoney(cappedMoney(static_cast<std::int64_t>(possessions.getMoney()) + mail.cash));
    waitForEnter();
}

}  // namespace

void checkMail(Possessions& possessions) {
    clearScreen();
    if (!mailWaiting) {
        std::cout << "Your mailbox is empty." << std::endl;
        waitForEnter();
        delayMs(200);
        return;
    }
    download();
    // After the last mail nothing more arrives, and the flag is left as it is.
    if (missionNumber >= 0 && missionNumber < mailCount) deliver(mails[missionNumber], possessions);
}
