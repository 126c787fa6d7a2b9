#include <gtest/gtest.h>

#include "console/console.h"
#include "console/headless.h"
#include "support/console_fixture.h"

namespace {

class Script : public ConsoleTest {};

TEST_F(Script, AStepStartsWhenItsKeyIsFirstPolled) {
    keys.hold(Key::Right, 300);
    delayMs(1000);
    EXPECT_FALSE(keyPressed(Key::Left, true));  // another key does not start it
    EXPECT_TRUE(keyPressed(Key::Right, true));
    delayMs(299);
    EXPECT_TRUE(keyPressed(Key::Right, true));
    delayMs(1);
    EXPECT_FALSE(keyPressed(Key::Right, true));
}

TEST_F(Script, KeysHeldTogetherAreDownTogether) {
    keys.hold({Key::Up, Key::Left}, 200);
    EXPECT_TRUE(keyPressed(Key::Left, true));
    EXPECT_TRUE(keyPressed(Key::Up, true));
}

TEST_F(Script, AGameWaitingPastTheScriptFailsFast) {
    keys.tap(Key::Enter);
    keys.setIdleLimit(5000);
    waitForEnter();
    EXPECT_THROW(waitForEnter(), ScriptEnded);
    EXPECT_LT(keys.now(), 6000);

    HeadlessHost stalled;
    setHost(&stalled);
    stalled.tap(Key::Escape);
    EXPECT_THROW(waitForEnter(), ScriptEnded);  // Escape is never polled
}

TEST_F(Script, PollingWithoutWaitingIsCaught) {
    EXPECT_THROW(
        for (;;) keyPressed(Key::Enter, true), ScriptEnded);
}

}  // namespace
