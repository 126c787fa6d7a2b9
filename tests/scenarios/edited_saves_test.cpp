// Saved games edited past anything play reaches, loaded from the title on the
// shipped world: refused as damaged before they can freeze, wrap or crash the
// game, while a game at the edge of what loads plays on.

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <functional>

#include "model/enemy.h"
#include "model/save_file.h"
#include "screens/hospital.h"
#include "screens/start_up.h"
#include "support/rolls.h"
#include "support/shipped_world.h"

namespace {

using Edit = std::function<void(SavedGame&)>;

class EditedSaves : public ShippedWorldTest {
protected:
    EditedSaves() {
        folder.mirror(std::filesystem::path(DRIFTER_SOURCE_DIR) / "maps", "maps");
        newGame();
    }
    // A new game's save with the edit made, in slot 1.
    void writeSave(const Edit& edit) {
        SavedGame game = captureGame(possessions, player, state.currentMap);
        edit(game);
        folder.write("save/save1.sav", formatSavedGame(game));
    }
    // Load Game from the title, slot 1; a refused file is followed by the list's Back.
    void loadFromTitle(bool refused) {
        script.choose(1).choose(0);
        if (refused) {
            script.tap(VK::Enter);  // past the message
            script.choose(10);
        }
        EXPECT_TRUE(titleMenu(state));
    }
    ScratchFolder folder;
};

TEST_F(EditedSaves, ValuesNoGameReachesAreRefusedAsDamaged) {
    const Edit edits[] = {
        [](SavedGame& g) { g.x = g.y = 0; },
        [](SavedGame& g) { g.x = g.y = 5; },  // inside a building's wall
        [](SavedGame& g) { g.wantedLevel = 2000000000; },
        [](SavedGame& g) { g.missionNumber = INT_MAX; },
        [](SavedGame& g) { g.accuracy = INT_MAX; },
        [](SavedGame& g) { g.hp = g.maxHp + 1; },
        [](SavedGame& g) {
            g.items.push_back({"Airplane ticket", 9});
        },  // a city that does not exist
    };
    for (const Edit& edit : edits) {
        script = ScreenRecorder();
        writeSave(edit);
        loadFromTitle(true);
        EXPECT_TRUE(script.saw("This saved game is damaged and cannot be loaded."));
        EXPECT_EQ(player.getY(), 10);  // still the new game
    }
}

TEST_F(EditedSaves, AGameAtTheEdgeOfTheRangesLoadsAndPlays) {
    writeSave([](SavedGame& g) {
        g.money = g.bank = INT_MAX;
        g.missionNumber = 6;
        g.wantedLevel = 50;
        g.hp = g.maxHp = 10000000;
        g.strength = g.accuracy = 1000000;
    });
    resetToNewGame(state);
    loadFromTitle(false);
    play(500);
    // The stars stop before the accuracy beside them.
    EXPECT_EQ(row(22).substr(2, 40), "Wanted Level: *********Accuracy: 1000000");

    // Steroids, vitamins and eye drops bought at the limits leave a game that loads.
    script = ScreenRecorder();
    for (int product : {0, 1, 2}) script.choose(product).choose(0).tap(VK::Enter);
    script.choose(4);
    giftShop(player, possessions);
    SavedGame again;
    EXPECT_TRUE(parseSavedGame(formatSavedGame(captureGame(possessions, player, state.currentMap)), again));
    EXPECT_EQ(possessions.getMoney(), INT_MAX - 100 - 10 - 100);

    // A blow with the whole strength, and one back at the least hit points a
    // save holds: the sums stop at the ends of an int instead of wrapping.
    Enemy gates("Abbott Gates", 100, INT_MAX);
    ScriptedRandom rolls({999999, 0, INT_MAX - 1, 0});
    makeWeaponByName("Rocketlauncher")->use(player, gates, possessions);
    EXPECT_EQ(gates.getHp(), 100 - (100 + 999999) * 4);
    player.setHp(-10000000);
    gates.attack(player);
    EXPECT_EQ(player.getHp(), INT_MIN);
}

// Banking can leave cash, balance and loan below zero, and the format keeps
// a leading "-": such a game loads, down to the least an int holds.
TEST_F(EditedSaves, NegativeCashBalanceAndLoanLoad) {
    writeSave([](SavedGame& g) {
        g.money = -50;
        g.bank = INT_MIN;
        g.loan = -200;
    });
    loadFromTitle(false);
    EXPECT_EQ(possessions.getMoney(), -50);
    EXPECT_EQ(possessions.getBank(), INT_MIN);
    EXPECT_EQ(possessions.getLoan(), -200);
}

}  // namespace
