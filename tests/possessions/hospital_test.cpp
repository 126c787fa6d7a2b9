#include <gtest/gtest.h>

#include <memory>

#include "game/game_values.h"
#include "possessions/hospital.h"
#include "possessions/possessions.h"
#include "support/console_fixture.h"
#include "support/screen_recorder.h"
#include "world/character.h"

namespace {

class Hospital : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        setHost(&script);
        resetGameValues();
        player.setHp(100);
        player.setMaxHp(500);
    }
    void TearDown() override {
        resetGameValues();
        ConsoleTest::TearDown();
    }
    // Option n (from 0) of a menu: n Downs, then Enter.
    void choose(int n) {
        for (int i = 0; i < n; ++i) script.tap(VK::Down);
        script.tap(VK::Enter);
    }
    // In the gift shop: the product, " Yes ", and Enter past the message.
    void buy(int product) {
        choose(product);
        choose(0);
        script.tap(VK::Enter);
    }
    const Shot& lastShot() const { return script.shots.back(); }

    ScreenRecorder script;
    Character player{20, 10};
    Possessions possessions;
};

constexpr int steroids = 0, vitamins = 1, eyeDrops = 2, medkit = 3, back = 4;

TEST_F(Hospital, VitaminsCostTenMoreEachTimeAndTheDoctorFillsTheNewMaximum) {
    possessions.setMoney(140);
    choose(0);  // Buy
    buy(vitamins);
    buy(vitamins);
    buy(vitamins);
    choose(back);
    choose(1);  // See the Doctor
    choose(0);
    script.tap(VK::Enter);
    choose(2);  // Leave
    hospital(player, possessions);

    EXPECT_TRUE(script.saw("Are you sure you want to buy Vitamins for $10?"));
    EXPECT_TRUE(script.saw("Are you sure you want to buy Vitamins for $20?"));
    EXPECT_TRUE(script.saw("Are you sure you want to buy Vitamins for $30?"));
    EXPECT_TRUE(script.saw("Vitamins cost $40."));
    EXPECT_EQ(vitaminPrice, 40);
    EXPECT_EQ(player.getMaxHp(), 530);
    EXPECT_EQ(player.getHp(), 530);  // the vitamins left it at 100; the doctor filled it
    EXPECT_EQ(possessions.getMoney(), 140 - 10 - 20 - 30 - 50);
    EXPECT_TRUE(script.scriptDone());
}

TEST_F(Hospital, TheShopShowsCashPricesAndItsMenuBelowThem) {
    possessions.setMoney(75);
    possessions.setBank(1000);
    choose(back);
    giftShop(player, possessions);
    const Shot& shop = script.shots.front();
    EXPECT_EQ(shop.at(0, 0, 46), "You have $75 on you and $1000 in your account.");
    EXPECT_EQ(shop.at(0, 2, 44), "Steroids, Eye Drops, and Medkits cost $100. ");
    EXPECT_EQ(shop.at(0, 3, 19), "Vitamins cost $10. ");
    EXPECT_EQ(shop.at(0, 4, 25), "What do you want to buy? ");
    EXPECT_EQ(shop.at(0, 6, 18), "Hospital Gift Shop");
    EXPECT_EQ(shop.at(0, 8, 11), " Steroids  ");
    EXPECT_EQ(shop.at(0, 12, 11), " Back      ");
}

TEST_F(Hospital, BoostsActAtOnceAndNeedTheFullPriceInCash) {
    possessions.setMoney(199);
    possessions.setBank(5000);
    buy(steroids);  // 199 -> 99
    buy(eyeDrops);  // 99 is not enough
    choose(steroids);
    choose(1);  // " No  ": nothing happens
    choose(back);
    giftShop(player, possessions);
    EXPECT_EQ(player.getStrength(), 11);
    EXPECT_EQ(player.getAccuracy(), 10);
    EXPECT_EQ(possessions.getMoney(), 99);
    EXPECT_EQ(possessions.getBank(), 5000);
    EXPECT_TRUE(script.saw("You got a Steroid."));
    EXPECT_TRUE(script.saw("You don't have enough money."));
    EXPECT_TRUE(script.scriptDone());

    possessions.setMoney(100);
    buy(eyeDrops);
    choose(back);
    giftShop(player, possessions);
    EXPECT_EQ(player.getAccuracy(), 11);
    EXPECT_EQ(possessions.getMoney(), 0);
    EXPECT_TRUE(script.saw("You got an Eye Drop."));
}

TEST_F(Hospital, AMedkitForAFullInventoryIsNotCharged) {
    possessions.setMoney(300);
    for (int i = 0; i < Possessions::MaxItems - 1; ++i) possessions.addItem(std::make_unique<Medkit>());
    buy(medkit);  // the fifteenth item
    buy(medkit);  // no room
    choose(back);
    giftShop(player, possessions);
    EXPECT_EQ(possessions.itemCount(), Possessions::MaxItems);
    EXPECT_EQ(possessions.getMoney(), 200);
    EXPECT_TRUE(script.saw("You got a Medkit."));
    EXPECT_TRUE(script.saw("Your inventory is full!"));
}

TEST_F(Hospital, TheDoctorTakesExactlyFiftyInCash) {
    possessions.setMoney(49);
    possessions.setBank(1000);
    choose(0);
    script.tap(VK::Enter);
    seeDoctor(player, possessions);
    EXPECT_EQ(player.getHp(), 100);
    EXPECT_EQ(possessions.getMoney(), 49);
    EXPECT_TRUE(lastShot().shows("You don't have enough money."));

    const Shot& question = script.shots.front();
    EXPECT_EQ(question.at(0, 0, 46), "You have $49 on you and $1000 in your account.");
    EXPECT_EQ(question.at(0, 1, 20), "Your Health is 100. ");
    EXPECT_EQ(question.at(0, 4, 34), "It will cost you $50 to heal you. ");
    EXPECT_EQ(question.at(0, 6, 16), "Pay the Doctor? ");
    EXPECT_EQ(question.at(0, 8, 6), "Doctor");

    possessions.setMoney(50);
    choose(0);
    script.tap(VK::Enter);
    seeDoctor(player, possessions);
    EXPECT_EQ(player.getHp(), 500);
    EXPECT_EQ(possessions.getMoney(), 0);
    EXPECT_EQ(possessions.getBank(), 1000);
    EXPECT_TRUE(lastShot().shows("The Doctor has restored your health."));
}

TEST_F(Hospital, AHealthyPlayerIsSentAwayFreeAndAPlayerWhoSaysNoKeepsHisMoney) {
    possessions.setMoney(500);
    player.setHp(500);
    script.tap(VK::Enter);
    seeDoctor(player, possessions);
    EXPECT_EQ(lastShot().at(0, 0, 16), "You are healthy.");
    EXPECT_EQ(lastShot().at(0, 1, 32), "Come again when you need healed!");
    EXPECT_EQ(possessions.getMoney(), 500);

    player.setHp(20);
    choose(1);
    seeDoctor(player, possessions);
    EXPECT_EQ(player.getHp(), 20);
    EXPECT_EQ(possessions.getMoney(), 500);
    EXPECT_TRUE(script.scriptDone());
}

}  // namespace
