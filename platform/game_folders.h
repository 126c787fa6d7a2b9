#pragma once
// Where the game's files live. The game names its files Windows-style and
// relative ("maps\map 0-1.map", ".\Music\Wolfman.wav", "save\save1.sav");
// these folders say what such a name is relative to.

#include <filesystem>
#include <string>

struct GameFolders {
    // maps/ and Music/; empty: the working folder.
    std::filesystem::path data;
    // The folder that holds the saved games ("save\..." names); empty when
    // there is none to be had, and saving is turned off.
    std::filesystem::path saves = "save";
    // Why saving is turned off, for the save screens to say.
    std::string savingOff;
    // Music missing from the data folder is looked for here: the program's
    // own folder.
    std::filesystem::path beside;
    // Where the tunes made from the note files are kept between runs.
    std::filesystem::path cache;
};

// What the lookup is told about the system; an empty text is an unset value.
struct FolderClues {
    std::string drifterData;    // $DRIFTER_DATA
    std::string xdgDataHome;    // $XDG_DATA_HOME
    std::string xdgConfigHome;  // $XDG_CONFIG_HOME
    std::string xdgCacheHome;   // $XDG_CACHE_HOME
    std::string localAppData;   // %LOCALAPPDATA% (Windows)
    std::string home;           // $HOME
    std::string accountHome;    // the home folder of the player's account
    std::filesystem::path workingFolder;
    std::filesystem::path executable;  // the program file itself
};

// The player's home folder: $HOME, else the account's; empty when there is none.
inline std::string playerHome(const FolderClues& clues) {
    return !clues.home.empty() ? clues.home : clues.accountHome;
}

// The clues of this process: its environment, working folder and program file.
FolderClues systemClues();

// The data folder is the first of $DRIFTER_DATA, the working folder and the
// program's ../share/drifter that holds maps/. Games are saved in save/ of the
// working folder when it holds maps/, else in $XDG_DATA_HOME/drifter/save
// (~/.local/share/drifter/save, where ~ is $HOME or else the account's home
// folder); without any of these, saving is turned off. The cache of the music
// is $XDG_CACHE_HOME/drifter (~/.cache/drifter), on Windows
// %LOCALAPPDATA%\drifter, else cache/ beside the saves folder; none without
// that. Throws std::runtime_error with one line naming the folders tried when
// none holds maps/.
GameFolders findGameFolders(const FolderClues& clues);

// The folders that game file names resolve in from now on, and those in use.
// Until set, everything is relative to the working folder.
void useGameFolders(const GameFolders& folders);
const GameFolders& gameFolders();
