// The tests' entry: std::cout writes into the screen model as in the game,
// and every test starts from a new game's program-wide values and baggage.

#include <gtest/gtest.h>

#include "console/host.h"
#include "console/key_bindings.h"
#include "model/game_values.h"

namespace {

struct NewGameForEachTest : ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        resetGameValues();
        keyBindings() = KeyBindings();
        keyFileProblems().clear();
    }
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    bindCoutToScreen();
    ::testing::UnitTest::GetInstance()->listeners().Append(new NewGameForEachTest);
    return RUN_ALL_TESTS();
}
