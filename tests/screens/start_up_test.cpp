// The start-up screens as the player sees them.

#include <gtest/gtest.h>

#include "model/game_state.h"
#include "screens/start_up.h"
#include "support/screen_recorder.h"
#include "support/temp_folder.h"

namespace {

// Notes the colour of the loading screen's first line whenever the game waits on it.
struct LoadingWatcher : HeadlessHost {
    void waitUntil(std::int64_t deadline) override {
        if (screen().rowText(0).find("Starting up...100%") != std::string::npos) loadingAttr = screen().attrAt(0, 0);
        HeadlessHost::waitUntil(deadline);
    }
    int loadingAttr = -1;
};

class StartUp : public ScreenTest {
protected:
    WorkingFolder inSource{DRIFTER_SOURCE_DIR};
    RecordingMusic music;
};

TEST_F(StartUp, TheLoadingScreenIsWhiteOnBlackWhetherTheSplashIsSkippedOrNot) {
    for (bool skipped : {true, false}) {
        LoadingWatcher watcher;
        if (skipped) watcher.hold(VK::Escape, 500);
        watcher.setIdleLimit(30000);  // the whole splash, then the title menu waits
        setHost(&watcher);
        GameState state;
        EXPECT_THROW(startUp(state), ScriptEnded);
        setHost(&script);
        EXPECT_EQ(watcher.loadingAttr, 0x0F) << (skipped ? "skipped" : "faded out");
    }
}

}  // namespace
