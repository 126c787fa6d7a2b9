#include <gtest/gtest.h>

#include <climits>

#include "model/game_values.h"
#include "screens/mail.h"
#include "support/test_player.h"

namespace {

class Mail : public PlayerTest {
protected:
    void read() {
        script.tap(VK::Enter);
        checkMail(possessions);
        EXPECT_TRUE(script.scriptDone());
    }
};

TEST_F(Mail, TheMissionsArriveInTurnEachOnce) {
    for (int after : {1, 2, 3, 4, 6}) {
        mailWaiting = true;
        read();
        EXPECT_EQ(missionNumber, after);
        EXPECT_FALSE(mailWaiting);
    }
    EXPECT_EQ(possessions.getMoney(), 1900);
    EXPECT_EQ(joined(possessions.itemNames()) + joined(possessions.weaponNames()), "Medkit,Medkit,Fist,C4,");

    mailWaiting = true;  // no mail after Washington's: it returns at once
    checkMail(possessions);
    EXPECT_TRUE(mailWaiting);
    EXPECT_EQ(possessions.getMoney(), 1900);
}

TEST_F(Mail, AFullBagGetsNoMedkitAndARewardStopsAtTheMostMoneyCanHold) {
    fillBag(possessions, Possessions::MaxItems, "Y-Box");
    read();
    EXPECT_EQ(possessions.findWeapon("C4"), 1);
    EXPECT_EQ(possessions.findItem("Medkit"), -1);
    EXPECT_TRUE(script.saw("You received 2 Medkits"));
    mailWaiting = true;
    possessions.setMoney(INT_MAX - 10);
    read();
    EXPECT_EQ(possessions.getMoney(), INT_MAX);
}

}  // namespace
