#include <string>
#include <vector>

#include "screens/ending.h"
#include "support/screen_recorder.h"

namespace {

// Keeps each new picture the credits show while they poll Escape.
class CreditsWatcher : public ScreenRecorder {
public:
    bool keyHeld(int key) override {
        Shot frame(key, now());
        if (key == VK::Escape && !frame.rows[10].empty() && frame.rows[10] != std::string(80, ' ') &&
            (frames.empty() || frames.back().rows != frame.rows))
            frames.push_back(frame);
        return ScreenRecorder::keyHeld(key);
    }
    std::vector<Shot> frames;
};

class Ending : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        setHost(&watcher);
    }
    // When the credits began: the release of the scene's last Enter.
    std::int64_t creditsStart() const { return watcher.shots.back().time + 30; }

    CreditsWatcher watcher;
    RecordingMusic music;
};

TEST_F(Ending, TheSceneTakesEightEntersAndAHeldEnterCountsOnce) {
    watcher.hold(VK::Enter, 1500);
    for (int i = 0; i < 7; ++i) watcher.tap(VK::Enter);
    endingSequence();
    ASSERT_EQ(watcher.shots.size(), 8u);
    const Shot& last = watcher.shots.back();
    EXPECT_EQ(last.rows[20].find("You:       Have a nice day..."), 0u);
    for (int y : {0, 12, 16}) EXPECT_EQ(last.attrs[y][0], 0x0F) << y;  // narration
    for (int y : {6, 14, 20}) EXPECT_EQ(last.attrs[y][0], 0x08) << y;  // speech
    EXPECT_EQ(music.calls, (std::vector<std::string>{"stop", "play .\\Music\\brighter.wav"}));
}

TEST_F(Ending, TheCreditsFadeTenScreensWithEachNameUnderItsRole) {
    for (int i = 0; i < 8; ++i) watcher.tap(VK::Enter);
    endingSequence();
    EXPECT_EQ(watcher.now() - creditsStart(), 9 * (3000 + 1200) + (4000 + 1200));
    ASSERT_EQ(watcher.frames.size(), 10u);
    EXPECT_EQ(watcher.frames[0].rows[10].find("THE END"), 36u);
    // Each name stands under the middle of its role (a blank row would miss it by far).
    const auto middleTwice = [](const std::string& row) {
        return static_cast<long>(row.find_first_not_of(' ') + row.find_last_not_of(' '));
    };
    for (std::size_t i = 2; i < 9; ++i) {
        const std::string& role = watcher.frames[i].rows[10];
        EXPECT_LE(std::labs(middleTwice(role) - middleTwice(watcher.frames[i].rows[11])), 1L) << role;
    }
}

TEST_F(Ending, HoldingEscapeSkipsEveryRemainingScreen) {
    for (int i = 0; i < 8; ++i) watcher.tap(VK::Enter);
    watcher.pause(9000);  // THE END and CREDITS run their course; PRODUCER has begun
    watcher.hold(VK::Escape, 10000);
    endingSequence();
    EXPECT_GE(watcher.now(), creditsStart() + 9000);
    EXPECT_LT(watcher.now(), creditsStart() + 9050);
    ASSERT_EQ(watcher.frames.size(), 3u);
    EXPECT_EQ(watcher.frames[2].rows[10].find("PRODUCER"), 36u);
}

}  // namespace
