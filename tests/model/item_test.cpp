#include <gtest/gtest.h>

#include "model/possessions.h"
#include "support/console_fixture.h"
#include "model/character.h"

namespace {

// Healing and keeping it at full health are proven through the inventory.
TEST(Items, AMedkitAboveTheMaximumIsNeitherSpentNorLowersTheHitPoints) {
    Character player;
    Possessions owner;
    player.setMaxHp(500);
    player.setHp(510);
    EXPECT_FALSE(Medkit().use(player, player, owner));
    EXPECT_EQ(player.getHp(), 510);
}

TEST(Items, EveryKindIsRebuiltFromItsNameAndProductsAreUsedUp) {
    Character player;
    Possessions owner;
    player.setHp(40);
    for (const char* name : {"Y-Box", "Obfusicater Studio .not", "FlowerPoint", "Ventanas FT OS"}) {
        auto item = makeItemByName(name);
        ASSERT_NE(item, nullptr) << name;
        EXPECT_TRUE(item->use(player, player, owner)) << name;
    }
    EXPECT_EQ(player.getHp(), 40);
    EXPECT_EQ(makeItemByName("Airplane ticket"), nullptr);  // a ticket is read with its cities
}

using TicketScreen = ConsoleTest;

TEST_F(TicketScreen, ShowsBothCitiesAndTheGateAndStays) {
    Character player;
    Possessions owner;
    owner.addItem(std::make_unique<AirplaneTicket>(2, 4, 3));
    auto& ticket = dynamic_cast<AirplaneTicket&>(*owner.getItem(0));
    gotoXY(10, 10);
    std::cout << "old text";
    EXPECT_FALSE(ticket.use(player, player, owner));
    EXPECT_GE(keys.now(), 250);
    EXPECT_NE(row(0).find("from Cape Kennedy, FL to Roswell, NM."), std::string::npos);
    EXPECT_NE(row(1).find("Gate 3."), std::string::npos);
    EXPECT_EQ(row(10).find("old text"), std::string::npos);

    AirplaneTicket(0, 7, 1).use(player, player, owner);  // no such cities: no city text
    EXPECT_NE(row(0).find("from  to . "), std::string::npos);
}

}  // namespace
