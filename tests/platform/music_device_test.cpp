#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "console/music.h"
#include "platform/music_device.h"
#include "support/temp_folder.h"

namespace {

// What a fake sound device went through; the test keeps it while the player
// owns the device.
struct DeviceLog {
    bool openWorks = true, playWorks = true;
    std::string unreadable;  // the path load() refuses
    std::string sounding;    // what the output plays ("" is silence)
    int held = 0;            // tracks loaded and not yet freed
    int calls = 0;           // device calls after open()
};

class FakeDevice : public SoundDevice {
public:
    explicit FakeDevice(DeviceLog& l) : log(l) {}
    bool open() override { return log.openWorks; }
    Track load(const std::string& path) override {
        ++log.calls;
        if (path == log.unreadable) return nullptr;
        ++log.held;
        return &names.emplace_back(path);
    }
    bool playLooping(Track track) override {
        ++log.calls;
        if (log.playWorks) log.sounding = *static_cast<std::string*>(track);
        return log.playWorks;
    }
    void halt() override {
        ++log.calls;
        log.sounding.clear();
    }
    void free(Track) override {
        ++log.calls;
        --log.held;
    }

private:
    DeviceLog& log;
    std::deque<std::string> names;
};

struct Music {
    explicit Music(bool deviceOpens = true) {
        log.openWorks = deviceOpens;
        player = std::make_unique<DeviceMusicPlayer>(std::make_unique<FakeDevice>(log));
    }
    DeviceLog log;
    std::unique_ptr<DeviceMusicPlayer> player;
};

// One tune at a time: a new one replaces the old, a file that cannot play
// leaves silence with nothing held, and music comes back with a good file.
TEST(DeviceMusic, ANewTuneReplacesTheOldOneAndAFailedOneLeavesSilence) {
    Music m;
    m.log.unreadable = "gone.wav";
    EXPECT_TRUE(m.player->play("a.wav"));
    EXPECT_TRUE(m.player->play("b.wav"));
    EXPECT_TRUE(m.player->play("b.wav"));  // the same tune again starts afresh
    EXPECT_EQ(m.log.sounding, "b.wav");
    EXPECT_EQ(m.log.held, 1);
    EXPECT_FALSE(m.player->play("gone.wav"));
    EXPECT_EQ(m.log.sounding, "");
    EXPECT_EQ(m.log.held, 0);

    m.player->play("a.wav");
    m.log.playWorks = false;
    EXPECT_FALSE(m.player->play("b.wav"));
    EXPECT_EQ(m.log.sounding, "") << "a tune that would not start is released";
    EXPECT_EQ(m.log.held, 0);
    m.log.playWorks = true;
    EXPECT_TRUE(m.player->play("a.wav"));
}

TEST(DeviceMusic, StopAndClosingSilenceAndWithoutADeviceNothingIsTouched) {
    Music m;
    m.player->play("a.wav");
    m.player->stop();
    EXPECT_EQ(m.log.sounding, "");
    EXPECT_EQ(m.log.held, 0);
    m.player->play("b.wav");
    m.player.reset();
    EXPECT_EQ(m.log.sounding, "") << "closing the player silences it";
    EXPECT_EQ(m.log.held, 0);

    Music none(false);
    EXPECT_FALSE(none.player->available());
    EXPECT_FALSE(none.player->play("a.wav"));
    none.player->stop();
    EXPECT_EQ(none.log.calls, 0);
}

TEST(DeviceMusic, GamePathsFindTheFileWhateverTheCaseOfItsName) {
    ScratchFolder tmp;
    tmp.write("music/wolfman.wav", "x");
    Music m;
    setMusicPlayer(m.player.get());
    playMusic(".\\Music\\Wolfman.wav");
    setMusicPlayer(nullptr);
    EXPECT_EQ(readFile(m.log.sounding), "x");
}

}  // namespace
