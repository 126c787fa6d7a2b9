#include <climits>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "console/console.h"
#include "screens/ibay.h"
#include "screens/ibay_catalogue.h"
#include "screens/ibay_sell.h"
#include "support/test_player.h"

namespace {

class IBay : public PlayerTest {
protected:
    // From the iBay menu: Buy, the catalogue's weapon, and " Yes  ".
    void buy(int weapon) { script.choose(weapon).choose(0); }
    void leaveCatalogue() { script.choose(catalogueSize).choose(2); }
};

constexpr int bat = 0, grenade = 4, desertEagle = 6, shotgun = 8, uzi = 10, c4 = 15;

TEST_F(IBay, CashPaysAndTheBankIsNeverCharged) {
    possessions.setMoney(1020);
    possessions.setBank(5000);
    script.choose(0);
    buy(c4);
    buy(bat);  // exactly the $20 left
    buy(bat);  // owned and unaffordable: the money is the first refusal
    script.tap(VK::Enter);
    leaveCatalogue();
    iBayMenu(possessions);
    EXPECT_EQ(possessions.getMoney(), 0);
    EXPECT_EQ(possessions.getBank(), 5000);
    EXPECT_EQ(joined(possessions.weaponNames()), "Fist,C4,Baseballbat,");
    EXPECT_TRUE(script.saw("You don't have enough money!"));
    EXPECT_TRUE(script.saw("You have $20 on you and $5000 in your account."));
    EXPECT_TRUE(script.scriptDone());
}

TEST_F(IBay, ReusableWeaponsAreSoldOnceAndDisposablesAgainAndAgain) {
    possessions.setMoney(INT_MAX);
    give(possessions, {"Shotgun"});
    script.choose(0);
    buy(shotgun);
    script.tap(VK::Enter);
    buy(grenade);
    buy(grenade);
    script.choose(uzi).choose(1);  // " Back " at the question
    buy(desertEagle);
    leaveCatalogue();
    iBayMenu(possessions);
    EXPECT_TRUE(script.saw("You already have that reusable weapon!"));
    EXPECT_EQ(joined(possessions.weaponNames()), "Fist,Shotgun,Grenade,Grenade,Deserteagle,");
    EXPECT_EQ(possessions.getMoney(), INT_MAX - 200 - 300);
}

// Every page: the picture lies on the screen, every mark of it survives the
// texts written after it, and none stands beside a text.
TEST_F(IBay, EveryPictureKeepsClearOfTheTexts) {
    possessions.setMoney(INT_MAX);
    possessions.setBank(INT_MAX);
    for (int page = 0; page < catalogueSize; ++page) script.choose(page).choose(1);
    script.choose(catalogueSize);
    iBayBuy(possessions);
    std::vector<Shot> pages;
    for (const Shot& shot : script.shots)
        if (shot.key == VK::Down && shot.shows("Confirmation")) pages.push_back(shot);
    ASSERT_EQ(pages.size(), static_cast<std::size_t>(catalogueSize));

    for (int page = 0; page < catalogueSize; ++page) {
        SCOPED_TRACE(catalogue[page].option);
        const WeaponPicture& picture = pictures[page];
        int lines = 0;
        for (; lines < maxPictureLines && picture.lines[lines]; ++lines)
            EXPECT_LE(picture.column + static_cast<int>(std::strlen(picture.lines[lines])), ScreenModel::width);
        EXPECT_LE(picture.top + lines, ScreenModel::height);

        clearScreen();
        drawPicture(picture);
        const std::vector<std::string> drawing = Shot(0, 0).rows, &shown = pages[page].rows;
        const auto isText = [&](std::size_t x, std::size_t y) {
            return x < drawing[y].size() && shown[y][x] != ' ' && drawing[y][x] == ' ';
        };
        for (std::size_t y = 0; y < drawing.size(); ++y)
            for (std::size_t x = 0; x < drawing[y].size(); ++x) {
                if (drawing[y][x] == ' ') continue;
                EXPECT_EQ(shown[y][x], drawing[y][x]) << "written over at " << x << "," << y;
                EXPECT_FALSE(isText(x - 1, y) || isText(x + 1, y)) << "touches a text at " << x << "," << y;
            }
    }
}

class IBaySale : public IBay {
protected:
    void SetUp() override {
        IBay::SetUp();
        give(possessions, {"Baseballbat", "Shotgun", "Grenade", "C4"});
    }
    String equipped() { return possessions.getWeapon(equippedWeapon)->getName(); }
};

TEST_F(IBaySale, TheEquippedWeaponStaysInHandAndTheCashStopsAtTheTop) {
    possessions.setMoney(INT_MAX - 950);
    equippedWeapon = 3;  // Fist, Baseballbat, Shotgun, Grenade, C4
    script.choose(2).choose(0);
    sellWeapons(possessions);  // before the equipped one
    EXPECT_TRUE(script.shots.back().shows("Are you sure you want to sell your Shotgun for $150?"));
    EXPECT_EQ(equipped(), "Grenade");

    script.choose(1).choose(1);  // " Back " sells nothing
    sellWeapons(possessions);
    script.choose(2).choose(0);
    sellWeapons(possessions);  // the equipped one: the weapon before it is taken up
    EXPECT_EQ(equipped(), "Baseballbat");
    script.choose(2).choose(0);
    sellWeapons(possessions);  // after it
    EXPECT_EQ(equipped(), "Baseballbat");
    EXPECT_EQ(possessions.weaponNames().size(), 2u);
    EXPECT_EQ(possessions.getMoney(), INT_MAX);
}

TEST_F(IBaySale, FistsPointySticksAndTicketsAreNotForSale) {
    give(possessions, {"Pointy Stick"});
    possessions.addItem(std::make_unique<AirplaneTicket>(1, 2, 3));
    give(possessions, {"Medkit"});
    script.choose(1).choose(0).choose(0).tap(VK::Enter);  // Sell, Sell Weapons, the Fist
    script.choose(0).choose(5).tap(VK::Enter);            // the Pointy Stick
    script.choose(1).choose(0).tap(VK::Enter);            // Sell Items, the ticket
    script.choose(1).choose(1).choose(1);                 // the Medkit, " Back ": the list again
    script.choose(1).choose(0).choose(2).choose(2);       // the Medkit sold; out
    iBayMenu(possessions);
    EXPECT_TRUE(script.at(VK::Enter, 3).shows("You can't sell your fists!"));
    EXPECT_TRUE(script.at(VK::Enter, 6).shows("You are a moron..."));
    EXPECT_TRUE(script.at(VK::Enter, 9).shows("If you do not use an airplane ticket you will lose you baggage!"));
    EXPECT_EQ(possessions.weaponNames().size(), 6u);
    EXPECT_EQ(joined(possessions.itemNames()), "Airplane ticket,");
    EXPECT_EQ(possessions.getMoney(), 100);
    EXPECT_TRUE(script.scriptDone());
}

}  // namespace
