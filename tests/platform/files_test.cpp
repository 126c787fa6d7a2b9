#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "platform/files.h"
#include "support/system_reason.h"
#include "support/temp_folder.h"

namespace {

// A temporary folder that is the working folder while the test runs.
class InTempFolder : public ::testing::Test {
protected:
    ScratchFolder dir;
};
using GamePaths = InTempFolder;
using TextFiles = InTempFolder;
using AtomicWrites = InTempFolder;

TEST_F(GamePaths, BackslashesAndLetterCaseAreResolvedTheSameWayEveryTime) {
    dir.write("Music/Wolfman.wav", "x");
    EXPECT_EQ(readFile(resolveGamePath(".\\music\\WOLFMAN.WAV")), "x");
    // A missing name comes back as spelled.
    EXPECT_EQ(std::filesystem::path(resolveGamePath("maps\\map 0-2.map")), "maps/map 0-2.map");
#ifndef _WIN32
    // Where names differ by case alone (never on Windows), the smallest wins.
    EXPECT_EQ(resolveGamePath(".\\music\\WOLFMAN.WAV"), "Music/Wolfman.wav");
    dir.write("Music/b.wav", "upper");
    dir.write("Music/B.WAV", "lower");
    EXPECT_EQ(resolveGamePath("Music/b.Wav"), "Music/B.WAV");
#endif
    EXPECT_TRUE(fileExists("MUSIC\\wolfman.wav"));
    EXPECT_FALSE(fileExists("Music"));
}

TEST_F(TextFiles, ReadLikeAWindowsTextStream) {
    dir.write("a.txt", "one\r\ntwo\rthree\r\n\r\n");
    std::string text;
    ASSERT_EQ(readGameFile("a.txt", 100, text), GameFileRead::Read);
    EXPECT_EQ(text, "one\ntwo\rthree\n\n");  // a CR not before LF stays
    EXPECT_EQ(readGameFile("missing.txt", 100, text), GameFileRead::Missing);
}

TEST_F(AtomicWrites, ReplaceTheFileWholeOrLeaveItAlone) {
    makeDirectory("save");
    std::string failure;
    ASSERT_TRUE(writeFileAtomically("save\\save1.sav", "first", failure));
    ASSERT_TRUE(writeFileAtomically("save\\save1.sav", "second", failure));
    EXPECT_EQ(dir.read("save/save1.sav"), "second");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "save/save1.sav.tmp"));

    // A slot whose name is taken by a folder cannot be written: nothing is lost.
    std::filesystem::create_directories(dir.path() / "save/save2.sav/inside");
    EXPECT_FALSE(writeFileAtomically("save\\save2.sav", "data", failure));
    expectSystemReason(failure, "Is a directory");
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "save/save2.sav/inside"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "save/save2.sav.tmp"));
    EXPECT_FALSE(writeFileAtomically("nofolder\\save1.sav", "data", failure));
    expectSystemReason(failure, "No such file or directory");
}

// Two copies of the game saving one slot at once: each saves its own game
// whole or is told it failed, and neither removes the other's temporary file.
TEST_F(AtomicWrites, TwoGamesSavingOneSlotAtOnceEachSaveTheirOwn) {
    makeDirectory("save");
    const std::string games[2] = {std::string(1 << 20, 'a'), std::string(1 << 20, 'b')};
    for (int round = 0; round < 10; ++round) {
        bool saved[2] = {};
        std::string failure[2];
        std::thread other([&] { saved[1] = writeFileAtomically("save\\save1.sav", games[1], failure[1]); });
        saved[0] = writeFileAtomically("save\\save1.sav", games[0], failure[0]);
        other.join();
        EXPECT_TRUE(saved[0] && saved[1]) << failure[0] << failure[1];
        const std::string kept = dir.read("save/save1.sav");
        EXPECT_TRUE(kept == games[0] || kept == games[1]);
    }
    const auto files = std::distance(std::filesystem::directory_iterator(dir / "save"), {});
    EXPECT_EQ(files, 1) << "no temporary file is left";
}

}  // namespace
