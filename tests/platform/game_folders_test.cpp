// Where the game finds its data and keeps its saved games, on a made-up
// system in a temporary folder: an installed program in usr/bin with its data
// in usr/share/drifter, a working folder, a DRIFTER_DATA folder and a home.

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "platform/files.h"
#include "platform/game_folders.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

struct Layout {
    const char* name;
    bool dataHasMaps, hereHasMaps, installHasMaps;
    const char* drifterData;  // relative to the working folder "here"
    const char* xdgDataHome;  // "" unset, "/..." below the temporary folder, else as written
    const char* expectedData;
    const char* expectedSaves;
};

const Layout layouts[] = {
    {"DRIFTER_DATA first", true, true, true, "../data", "", "data", "here/save"},
    {"working folder before the install", false, true, true, "../data", "", "here", "here/save"},
    {"installed: XDG default", false, false, true, "", "", "usr/share/drifter", "home/.local/share/drifter/save"},
    {"DRIFTER_DATA alone: XDG_DATA_HOME", true, false, true, "../data", "/xdg", "data", "xdg/drifter/save"},
    {"a relative XDG_DATA_HOME is ignored", false, false, true, "", "xdg", "usr/share/drifter",
     "home/.local/share/drifter/save"},
};

// The made-up system of a layout below root, and what the program would be told of it.
FolderClues cluesFor(const fs::path& root, const Layout& layout) {
    if (layout.dataHasMaps) fs::create_directories(root / "data/maps");
    if (layout.hereHasMaps) fs::create_directories(root / "here/maps");
    if (layout.installHasMaps) fs::create_directories(root / "usr/share/drifter/maps");
    FolderClues clues;
    clues.drifterData = layout.drifterData;
    const std::string xdg = layout.xdgDataHome;
    clues.xdgDataHome = !xdg.empty() && xdg[0] == '/' ? root.string() + xdg : xdg;
    clues.home = (root / "home").string();
    clues.workingFolder = root / "here";
    clues.executable = root / "usr/bin/drifter";
    return clues;
}

TEST(FolderLookup, DataInOrderAndSavesBesideMapsOrUnderXdg) {
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        TempFolder root;
        const GameFolders folders = findGameFolders(cluesFor(root.path(), layout));
        EXPECT_EQ(folders.data, root / layout.expectedData);
        EXPECT_EQ(folders.saves, root / layout.expectedSaves);
        EXPECT_EQ(folders.beside, root / "usr/bin");
    }
}

TEST(FolderLookup, NoMapsAnywhereStopsWithOneLineNamingEveryFolderTried) {
    TempFolder root;
    try {
        findGameFolders(cluesFor(root.path(), {"none", false, false, false, "../data", "", "", ""}));
        FAIL() << "no data was found, yet the lookup went on";
    } catch (const std::runtime_error& e) {
        const std::string line = e.what();
        EXPECT_EQ(line.find('\n'), std::string::npos);
        for (const char* tried : {"data", "here", "usr/share/drifter"})
            EXPECT_NE(line.find((root.path() / std::filesystem::path(tried).make_preferred()).string()),
                      std::string::npos)
                << line;
    }
}

// Game file names resolve in the folders found: saves in theirs, data in its
// own, and music the build made beside the program.
TEST(FolderLookup, GameFileNamesLandInTheirFolders) {
    TempFolder root;
    root.write("share/maps/stats.map", "x");
    root.write("bin/Music/Wolfman.wav", "tune");
    root.write("bin/maps/map 1-1.map", "not the game's");
    GameFolders folders;
    folders.data = root / "share";
    folders.saves = root / "home/.local/share/drifter/save";
    folders.beside = root / "bin";
    useGameFolders(folders);
    EXPECT_TRUE(std::filesystem::equivalent(resolveGamePath("maps\\stats.map"), root / "share/maps/stats.map"));
    EXPECT_TRUE(
        std::filesystem::equivalent(resolveGamePath(".\\Music\\wolfman.wav"), root / "bin/Music/Wolfman.wav"));
    EXPECT_FALSE(fileExists(".\\Music\\battle.wav"));
    EXPECT_FALSE(fileExists("maps\\map 1-1.map")) << "maps come from the data folder alone";
    makeDirectory("save");  // the save screen makes the folder and its parents
    std::string failure;
    const bool saved = writeFileAtomically("save\\save1.sav", "1\n", failure);
    useGameFolders(GameFolders{});
    EXPECT_TRUE(saved) << failure;
    EXPECT_EQ(root.read("home/.local/share/drifter/save/save1.sav"), "1\n");
}

// A service started without HOME and XDG_DATA_HOME still has its account's
// home folder; without that too, the game plays with saving turned off.
TEST(FolderLookup, WithoutHomeTheAccountsHomeFolderOrNoSaving) {
    TempFolder root;
    FolderClues clues = cluesFor(root.path(), layouts[2]);
    clues.home.clear();
    clues.accountHome = (root / "account").string();
    EXPECT_EQ(findGameFolders(clues).saves, root / "account/.local/share/drifter/save");
    clues.accountHome.clear();
    const GameFolders folders = findGameFolders(clues);
    EXPECT_TRUE(folders.saves.empty());
    EXPECT_EQ(folders.savingOff.rfind("Saving is turned off", 0), 0u) << folders.savingOff;
    useGameFolders(folders);
    std::string failure;
    EXPECT_FALSE(writeFileAtomically("save\\save1.sav", "1\n", failure));
    useGameFolders(GameFolders{});
    EXPECT_EQ(failure, "saving is turned off");
}

}  // namespace
