#include <gtest/gtest.h>

#include "model/game_state.h"
#include "screens/start_up.h"
#include "support/screen_recorder.h"
#include "support/temp_folder.h"

namespace {

// Notes the colour of the loading screen whenever the game waits on it.
struct LoadingWatcher : HeadlessHost {
    void waitUntil(std::int64_t deadline) override {
        if (screen().rowText(0).find("Starting up...100%") != std::string::npos)
            loadingAttr = screen().attrAt(0, 0);
        HeadlessHost::waitUntil(deadline);
    }
    int loadingAttr = -1;
};

TEST_F(ScreenTest, TheLoadingScreenIsWhiteOnBlackWhetherTheSplashIsSkippedOrFadesOut) {
    WorkingFolder inSource{DRIFTER_SOURCE_DIR};
    RecordingMusic music;
    for (bool skipped : {true, false}) {
        LoadingWatcher watcher;
        if (skipped) watcher.hold(VK::Escape, 500);
        watcher.setIdleLimit(30000);  // the whole splash; then the title menu waits
        setHost(&watcher);
        GameState state;
        EXPECT_THROW(startUp(state), ScriptEnded);
        setHost(&script);
        EXPECT_EQ(watcher.loadingAttr, 0x0F) << (skipped ? "skipped" : "faded out");
    }
}

}  // namespace
