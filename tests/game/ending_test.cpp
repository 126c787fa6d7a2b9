#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/ending.h"
#include "support/console_fixture.h"
#include "support/screen_recorder.h"

namespace {

// Also keeps every credits screen: each new picture the fades show while
// they poll Escape.
class CreditsWatcher : public ScreenRecorder {
public:
    bool keyHeld(int key) override {
        if (key == VK::Escape) {
            Shot frame = takeShot(key, now());
            const bool blank = frame.rows == std::vector<std::string>(25, std::string(80, ' '));
            if (!blank && (frames.empty() || frames.back().rows != frame.rows)) frames.push_back(frame);
        }
        return ScreenRecorder::keyHeld(key);
    }
    std::vector<Shot> frames;
};

class Ending : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        setHost(&script);
    }
    // Enter for every step of the scene.
    void walkThroughTheScene() {
        for (int i = 0; i < 8; ++i) script.tap(VK::Enter);
    }
    // When the credits began: the release of the scene's last Enter.
    std::int64_t creditsStart() const { return script.shots.back().time + 30; }

    CreditsWatcher script;
    RecordingMusic music;
};

const std::string nothing(80, ' ');
// A whole row holding the text.
std::string line(const std::string& text) { return text + std::string(80 - text.size(), ' '); }

TEST_F(Ending, TheSceneTakesEightEntersAndAHeldEnterCountsOnce) {
    script.hold(VK::Enter, 1500);
    for (int i = 0; i < 7; ++i) script.tap(VK::Enter);
    endingSequence();
    ASSERT_EQ(script.shots.size(), 8u);
    EXPECT_TRUE(script.scriptDone());

    // The line each step ends with, where it stands; the next step's first
    // row is still empty when Enter is pressed.
    struct Step {
        int row;
        const char* text;
        int nextRow;
    };
    const Step steps[] = {
        {0, "Gates has passed out from blood loss...", 2},
        {2, "News crews bust in the door, followed by paramedics.", 4},
        {4, "The news crews are frantically asking questions...", 6},
        {8, "You:       What's Gates condition?", 10},
        {10, "Paramedic: He's critical but he should make a full recovery.", 12},
        {12, "You grab Gates by the head, and drag him into the center of the room.", 14},
        {16, "You shoot Gates in the head...", 18},
        {20, "You:       Have a nice day...", 21},
    };
    for (std::size_t i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        const Shot& shot = script.shots[i];
        EXPECT_EQ(shot.rows[static_cast<std::size_t>(steps[i].row)], line(steps[i].text));
        EXPECT_EQ(shot.rows[static_cast<std::size_t>(steps[i].nextRow)], nothing);
    }

    const Shot& last = script.shots.back();
    EXPECT_EQ(last.rows[6], line("You:       Don't worry, I believe in this country. It will be restored to"));
    EXPECT_EQ(last.rows[7], line("           its previous democratic state!"));
    EXPECT_EQ(last.rows[18], line("You:       I am employing a $1,000,000 bounty on all MacroCorp employees,"));
    EXPECT_EQ(last.rows[19], line("           who remain loyal to Gates."));
    EXPECT_EQ(last.rows[14], line("You:       This is what happens to traitors to the United States."));
    // Narration in white, speech in dark grey.
    for (int y : {0, 2, 4, 12, 16}) EXPECT_EQ(last.attrAt(0, y), 0x0F) << y;
    for (int y : {6, 7, 8, 10, 14, 18, 19, 20}) EXPECT_EQ(last.attrAt(0, y), 0x08) << y;

    EXPECT_EQ(music.calls, (std::vector<std::string>{"stop", "play .\\Music\\brighter.wav"}));
}

TEST_F(Ending, TheCreditsFadeTenScreensWithEveryNameUnderItsRole) {
    walkThroughTheScene();
    endingSequence();
    EXPECT_EQ(script.now() - creditsStart(), 9 * (3000 + 1200) + (4000 + 1200));

    const auto& frames = script.frames;
    ASSERT_EQ(frames.size(), 10u);
    const char* const roles[] = {"THE END", "CREDITS", "PRODUCER", "DESIGNER", "TECHNICAL DIRECTOR",
                                 "PRODUCT MANAGER", "ART DIRECTOR", "MUSIC", "TESTER", "THANKS"};
    const int roleColumns[] = {36, 36, 36, 36, 32, 34, 36, 40, 39, 39};
    std::vector<std::string> names;
    for (std::size_t i = 0; i < 10; ++i) {
        SCOPED_TRACE(roles[i]);
        const Shot& frame = frames[i];
        for (int y = 0; y < 10; ++y) EXPECT_EQ(frame.rows[static_cast<std::size_t>(y)], nothing);
        const std::string role = roles[i];
        EXPECT_EQ(frame.rows[10].find(role), static_cast<std::size_t>(roleColumns[i]));
        if (i < 2 || i == 9) continue;
        const std::string& nameRow = frame.rows[11];
        const std::size_t start = nameRow.find_first_not_of(' ');
        const std::size_t end = nameRow.find_last_not_of(' ') + 1;
        ASSERT_NE(start, std::string::npos);
        // The middle of the name under the middle of the role, within half a column.
        const long twiceRoleMiddle = 2L * roleColumns[i] + static_cast<long>(role.size());
        EXPECT_LE(std::labs(static_cast<long>(start + end) - twiceRoleMiddle), 1L);
        names.push_back(nameRow.substr(start, end - start));
        EXPECT_EQ(frame.rows[12], nothing);
    }
    for (std::size_t i = 0; i < names.size(); ++i)
        for (std::size_t j = i + 1; j < names.size(); ++j) EXPECT_NE(names[i], names[j]);
    EXPECT_EQ(frames[9].rows[11].find("Coffee"), 39u);
    EXPECT_EQ(frames[9].rows[12].find("Caffeine"), 38u);
    EXPECT_EQ(frames[9].rows[13].find("Extensions"), 37u);
}

TEST_F(Ending, HoldingEscapeSkipsEveryRemainingScreen) {
    walkThroughTheScene();
    script.pause(9000);  // THE END and CREDITS run their course; PRODUCER has begun
    script.hold(VK::Escape, 10000);
    endingSequence();
    const std::int64_t skippedAt = creditsStart() + 9000;
    EXPECT_GE(script.now(), skippedAt);
    EXPECT_LT(script.now(), skippedAt + 50);
    ASSERT_EQ(script.frames.size(), 3u);
    EXPECT_EQ(script.frames[2].rows[10].find("PRODUCER"), 36u);
}

}  // namespace
