#include <gtest/gtest.h>

#include <filesystem>

#include "support/console_fixture.h"
#include "support/temp_folder.h"
#include "tools/maps/world.h"
#include "model/map.h"
#include "map_test_support.h"

// The shipped maps through the game's own loader, which rejects a map file it
// cannot play: every map loads, in the order and with the names the tools see.
class ShippedMapsInTheGame : public ConsoleTest {};

TEST_F(ShippedMapsInTheGame, LoadWithoutFaultInTheToolsOrder) {
    WorkingFolder inSource(DRIFTER_SOURCE_DIR);
    Array<Map> maps;
    Array<String> names;
    ASSERT_NO_THROW(loadAllMaps(maps, names));
    const maptools::World& w = maptest::shippedWorld();
    ASSERT_EQ(maps.size(), w.maps.size());
    for (std::uint32_t i = 0; i < maps.size(); ++i) EXPECT_EQ(names.at(i).str(), w.names[i]);
    Map panel;
    panel.loadFromFile("maps\\stats.map");
    EXPECT_EQ(panel.getLines().size(), 5u);
}
