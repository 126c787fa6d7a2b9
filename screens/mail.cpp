#include "screens/mail.h"

#include <iostream>

#include "console/console.h"
#include "model/game_values.h"
#include "model/money_sums.h"
#include "model/missions.h"
#include "model/possessions.h"

namespace {

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

// The mail that sends the mission: its text, then what it hands over.
void deliver(const Mission& mission, Possessions& possessions) {
    mailWaiting = false;
    if (mission.goods) mission.goods(possessions);
    missionNumber = mission.number;
    std::cout << mission.text.heading << "\n\n";
    for (const char* line : mission.text.lines)
        if (line) std::cout << line << '\n';
    for (const char* line : mission.received)
        if (line) std::cout << line << '\n';
    std::cout << std::flush;
    possessions.setMoney(paidIn(possessions.getMoney(), mission.cash));
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
    if (const Mission* next = missionAfter(missionNumber)) deliver(*next, possessions);
}
