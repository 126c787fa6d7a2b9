#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <string>
#include <thread>

#include "console/music.h"
#include "console/tune.h"
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
        player = std::make_unique<DeviceMusicPlayer>(std::make_unique<FakeDevice>(log), cache / "tunes");
    }
    TempFolder cache;
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

// A tune is made from its notes on the renderer's thread; the device is
// handed the file it was made into, holding the samples compose writes.
const char* const shortTune = "tempo 120\nvoice a square\na: | c4/4 e4/4 g4/4 c5/4 |\n";

// Waits, without a limit a slow machine could miss, for the tune to sound.
void awaitSound(const DeviceLog& log) {
    for (int i = 0; i < 3000 && log.sounding.empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

TEST(DeviceMusic, TunesAreMadeFromTheirNotesUnlessTheDataHoldsTheWaveFile) {
    TempFolder data;
    data.write("Music/Tune.notes", shortTune);
    data.write("Music/broken.notes", "tempo 120\nvoice a square\na: | c4/4 |\n");
    WorkingFolder inside(data.path());
    Music m;
    // What a game killed while making the tune left, and another game's work under way.
    const std::string tune = "tunes/Tune-0.wav";
    const auto killed = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(2);
    for (const char* left : {".1.part", ".2.mix"})
        std::filesystem::last_write_time(m.cache.write(tune + left, "half"), killed);
    const auto underWay = m.cache.write(tune + ".3.part", "half");
    EXPECT_TRUE(m.player->play(".\\Music\\Tune.wav")) << "a tune on its way counts as playing";
    awaitSound(m.log);
    // Named after its notes file.
    EXPECT_EQ(m.log.sounding.rfind((m.cache / "tunes" / "Tune-").string(), 0), 0u) << m.log.sounding;
    EXPECT_EQ(readFile(m.log.sounding), music::Tune::fromNotes(shortTune).waveFile());
    int files = 0;
    for (const auto& file : std::filesystem::directory_iterator(m.cache / "tunes")) files += file.is_regular_file();
    EXPECT_EQ(files, 2) << "what was kept while the tune was made is gone, and what a killed game left";
    EXPECT_TRUE(std::filesystem::exists(underWay));
    EXPECT_FALSE(m.player->play(".\\Music\\broken.wav"));
    EXPECT_TRUE(m.log.sounding.empty() && m.log.held == 0);

    m.player->play(".\\Music\\tune.wav");
    EXPECT_EQ(readFile(m.log.sounding), music::Tune::fromNotes(shortTune).waveFile())
        << "once made, starts at once";

    data.write("Music/tune.wav", "the player's own");
    m.player->play(".\\Music\\TUNE.wav");
    EXPECT_EQ(readFile(m.log.sounding), "the player's own");
}

TEST(DeviceMusic, ATuneStoppedOrReplacedBeforeItIsMadeNeverStarts) {
    TempFolder data;
    data.write("Music/one.notes", shortTune);
    data.write("Music/two.notes", shortTune);
    WorkingFolder inside(data.path());
    Music m;
    m.player->play(".\\Music\\one.wav");
    m.player->stop();
    m.player->play(".\\Music\\two.wav");
    awaitSound(m.log);
    EXPECT_NE(m.log.sounding.find("two-"), std::string::npos) << m.log.sounding;
    m.player->stop();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // long enough to make "one" as well
    EXPECT_TRUE(m.log.sounding.empty() && m.log.held == 0);
}

}  // namespace
