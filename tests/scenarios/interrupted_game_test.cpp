// The game in play when the terminal hangs up, the machine shuts down or
// Ctrl+C is pressed: the real program on a pseudo-terminal keeps it in
// save/interrupted.sav, the next start offers it once beside the ten slots,
// and the player's own Quit keeps nothing. A battle is kept as it was before
// it began.

#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <functional>

#include "console/interruption.h"
#include "model/save_file.h"
#include "support/pseudo_terminal.h"
#include "screens/interrupted_game.h"
#include "screens/save_screens.h"
#include "screens/start_up.h"
#include "support/rolls.h"
#include "support/shipped_world.h"

namespace {

namespace fs = std::filesystem;

const char* const downArrow = "\x1b[B";

class InterruptedGame : public ShippedWorldTest {
protected:
    InterruptedGame() {
        folder.mirror(fs::path(DRIFTER_SOURCE_DIR) / "maps", "maps");
        newGame();
        // A game with money, items and weapons, on the airport's hall (no
        // hunter walks there) with floor below the player.
        possessions.setMoney(54);
        possessions.setBank(1200);
        give(possessions, {"Medkit", "Y-Box", "Shotgun", "C4"});
        equippedWeapon = 1;
        state.currentMap = mapIndex("map airport");
        standAboveFloor();
        folder.write("save/save1.sav", summary());
    }
    void standAboveFloor() {
        for (int y = 1; y + 1 < map().getHeight(); ++y)
            for (int x = 1; x < map().getWidth(); ++x)
                if (map().tileAt(x, y) == ' ' && map().tileAt(x, y + 1) == ' ') {
                    player.setX(x);
                    player.setY(y);
                    return;
                }
    }
    std::string summary() { return formatSavedGame(captureGame(possessions, player, state.currentMap)); }
    // The saved game one step further down: what walking kept.
    std::string walkedDown() {
        player.setY(player.getY() + 1);
        const std::string walked = summary();
        player.setY(player.getY() - 1);
        return walked;
    }

    // Starts the game in the folder, loads slot 1 from the title, walks down
    // one tile, then does what ends play; the program's exit status.
    int playThen(const std::function<void(PseudoTerminal&)>& end) {
        PseudoTerminal game("/usr/bin/env", 80, 25, {"LC_ALL=C.UTF-8"},
                            {"-C", folder.path().string(), DRIFTER_GAME_BINARY});
        // Each key once the screen it is meant for stands, at a person's pace.
        const auto key = [&](const char* bytes, const char* shown) {
            EXPECT_TRUE(game.waitFor(shown, 6000)) << shown << ": " << game.sinceLastMatch();
            game.type(bytes);
            game.drain(250);
        };
        key("\x1b", "[Kestrel Mill]");
        key("\x1b", "DRIFTER");
        key(downArrow, "Quit");
        key("\r", "Load Game");
        key("\r", "Save 1: Vancouver, $54");
        key(downArrow, "HP: 500/500");
        end(game);
        const int status = game.waitForExit(3000);
        EXPECT_NE(status, -1) << "still running after the end of play";
        return status;
    }
    bool kept() { return fs::exists(folder / "save/interrupted.sav"); }

    TempFolder folder;
    WorkingFolder inFolder{folder.path()};
};

TEST_F(InterruptedGame, AHangUpKeepsTheGameWalkedAndTheNextStartOffersItOnce) {
    EXPECT_EQ(playThen([](PseudoTerminal& game) { game.hangUp(); }), 128 + SIGHUP);
    ASSERT_EQ(folder.read("save/interrupted.sav"), walkedDown());

    // The next start lists it after the ten slots, in the slot line's format.
    const std::string walked = walkedDown();
    resetGameValues();
    resetToNewGame(state);
    EXPECT_EQ(saveSlotList(true)[10].str(), "Interrupted: Vancouver, $54");
    EXPECT_EQ(saveSlotList().size(), 11u) << "never a target for saving";
    script.choose(1).choose(10);  // " Load Game ", the interrupted game
    EXPECT_TRUE(titleMenu(state));
    EXPECT_EQ(summary(), walked) << "map, position, money, items and weapons";
    EXPECT_FALSE(kept()) << "one interruption gives one resume";
    EXPECT_EQ(saveSlotList(true).size(), 11u);
}

// Each a test of its own, so that the three games run side by side.
TEST_F(InterruptedGame, AShutdownKeepsItToo) {
    EXPECT_EQ(playThen([](PseudoTerminal& game) { game.signal(SIGTERM); }), 128 + SIGTERM);
    EXPECT_EQ(folder.read("save/interrupted.sav"), walkedDown());
}

TEST_F(InterruptedGame, CtrlCKeepsItToo) {
    EXPECT_EQ(playThen([](PseudoTerminal& game) { game.type("\x03"); }), 128 + SIGINT);
    EXPECT_EQ(folder.read("save/interrupted.sav"), walkedDown());
}

TEST_F(InterruptedGame, QuitGameKeepsNothing) {
    EXPECT_EQ(playThen([](PseudoTerminal& game) {
                  game.type("\x1b");
                  EXPECT_TRUE(game.waitFor("PAUSED", 4000));
                  for (int i = 0; i < 4; ++i) {
                      game.type(downArrow);
                      game.drain(150);  // at a person's pace
                  }
                  game.type("\r");
              }),
              0);
    EXPECT_FALSE(kept());
}

// A host that is interrupted once the screen shows the text, as the terminal's
// host is by a signal: it keeps the game from its poll, then ends play.
class InterruptedWhenShown : public ScreenRecorder {
public:
    explicit InterruptedWhenShown(const char* shown) : text(shown) {}
    bool keyDown(int key) override {
        for (int y = 0; y < ScreenModel::height; ++y)
            if (screen().rowText(y).find(text) != std::string::npos)
                throw PlayInterrupted{SIGHUP, keepGameInPlay()};
        return ScreenRecorder::keyDown(key);
    }

private:
    std::string text;
};

TEST_F(InterruptedGame, InABattleTheGameBeforeItIsKept) {
    Enemy hunter("Bounty Hunter", 1000, 20);
    hunter.setMapName(map().getName());
    hunter.setX(player.getX());
    hunter.setY(player.getY());
    state.enemies.append(hunter);
    const std::string before = summary();
    ZeroRolls rolls;
    InterruptedWhenShown interrupting("You were dealt");
    interrupting.choose(0).tap(VK::Enter);  // attack, read the blow; the hunter strikes back
    setHost(&interrupting);
    const GameInPlay inPlay(state);
    EXPECT_THROW(explorationLoop(state), PlayInterrupted);
    EXPECT_LT(player.getHp(), 500);
    EXPECT_EQ(folder.read("save/interrupted.sav"), before);
}

}  // namespace
