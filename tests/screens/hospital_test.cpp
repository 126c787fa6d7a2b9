#include "screens/hospital.h"
#include "support/test_player.h"

namespace {

class Hospital : public PlayerTest {
protected:
    void SetUp() override {
        PlayerTest::SetUp();
        player.setHp(100);
    }
    // In the gift shop: the product, " Yes ", and Enter past the message.
    void buy(int product) { script.choose(product).choose(0).tap(VK::Enter); }
};

constexpr int vitamins = 1, medkit = 3, back = 4;

TEST_F(Hospital, VitaminsCostTenMoreEachTimeAndTheDoctorFillsTheNewMaximum) {
    possessions.setMoney(140);
    script.choose(0);  // Buy
    for (int i = 0; i < 3; ++i) buy(vitamins);
    script.choose(back).choose(1).choose(0).tap(VK::Enter);  // See the Doctor, " Yes "
    script.choose(2);                                        // Leave
    hospital(player, possessions);
    EXPECT_TRUE(script.saw("Are you sure you want to buy Vitamins for $30?"));
    EXPECT_TRUE(script.saw("Vitamins cost $40."));
    EXPECT_EQ(player.getMaxHp(), 530);
    EXPECT_EQ(player.getHp(), 530);  // the vitamins left it at 100; the doctor filled it
    EXPECT_EQ(possessions.getMoney(), 140 - 10 - 20 - 30 - 50);
    EXPECT_TRUE(script.scriptDone());
}

TEST_F(Hospital, TheDoctorTakesFiftyInCashOnlyFromTheSick) {
    possessions.setBank(1000);
    possessions.setMoney(49);
    script.choose(0).tap(VK::Enter);
    seeDoctor(player, possessions);
    EXPECT_EQ(player.getHp(), 100);
    EXPECT_TRUE(script.shots.back().shows("You don't have enough money."));

    possessions.setMoney(50);
    script.choose(0).tap(VK::Enter);
    seeDoctor(player, possessions);
    EXPECT_EQ(player.getHp(), 500);
    EXPECT_EQ(possessions.getMoney(), 0);
    EXPECT_EQ(possessions.getBank(), 1000);

    script.tap(VK::Enter);  // healthy: no question, no fee
    seeDoctor(player, possessions);
    EXPECT_EQ(script.shots.back().rows[1].find("Come again when you need healed!"), 0u);
    EXPECT_EQ(possessions.getMoney(), 0);
}

TEST_F(Hospital, AMedkitForAFullInventoryIsNotCharged) {
    possessions.setMoney(300);
    fillBag(possessions, Possessions::MaxItems - 1);
    buy(medkit);  // the fifteenth item
    buy(medkit);  // no room
    script.choose(back);
    giftShop(player, possessions);
    EXPECT_EQ(possessions.itemCount(), Possessions::MaxItems);
    EXPECT_EQ(possessions.getMoney(), 200);
    EXPECT_TRUE(script.saw("Your inventory is full!"));
}

}  // namespace
