#include "screens/mail.h"

#include <iostream>
#include <memory>

#include "console/console.h"
#include "model/game_values.h"
#include "model/money_sums.h"
#include "model/possessions.h"
#include "screens/mission_texts.h"

namespace {

// The first mission's kit. A medkit that finds the bag full is not given.
void giveVancouverKit(Possessions& possessions) {
    possessions.addWeapon(makeWeaponByName("C4"));
    possessions.addItem(std::make_unique<Medkit>());
    possessions.addItem(std::make_unique<Medkit>());
}

// One mission mail, read while missionNumber holds its index: the mission's
// text, then what it hands over.
struct Mail {
    const MissionText& text;
    const char* received[2];      // up to two lines, the unused one null
    int cash;                     // paid on reading
    void (*goods)(Possessions&);  // handed over on reading, if any
    int nextMission;
};

// Roswell's mail opens Washington: no mission waits in Redmond.
const Mail mails[] = {
    {missionTexts[0], {"You received C4!", "You received 2 Medkits"}, 0, giveVancouverKit, 1},
    {missionTexts[1], {"You received $200!"}, 200, nullptr, 2},
    {missionTexts[2], {"You received $300!"}, 300, nullptr, 3},
    {missionTexts[3], {"You received $400!"}, 400, nullptr, 4},
    {missionTexts[4], {"You received $1000!"}, 1000, nullptr, 6},
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
    std::cout << mail.text.heading << "\n\n";
    for (const char* line : mail.text.lines)
        if (line) std::cout << line << '\n';
    for (const char* line : mail.received)
        if (line) std::cout << line << '\n';
    std::cout << std::flush;
    possessions.setMoney(paidIn(possessions.getMoney(), mail.cash));
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
