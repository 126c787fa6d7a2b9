#include <gtest/gtest.h>

#include "console/console.h"
#include "console/headless.h"
#include "support/console_fixture.h"

namespace {

class Script : public ConsoleTest {};

TEST_F(Script, AGameWaitingPastTheScriptFailsFast) {
    keys.tap(VK::Enter);
    keys.setIdleLimit(5000);
    waitForEnter();
    EXPECT_THROW(waitForEnter(), ScriptEnded);
    EXPECT_LT(keys.now(), 6000);
}

TEST_F(Script, PollingWithoutWaitingIsCaught) { EXPECT_THROW(for (;;) keyPressed(VK::Enter, true), ScriptEnded); }

}  // namespace
