#pragma once
// The game's files. Names come Windows-style ("maps\map 0-1.map",
// ".\Music\Wolfman.wav"): "save\..." names are taken relative to the save
// folder, all others relative to the data folder (platform/game_folders.h).

#include <cstdint>
#include <string>

// The path of a game file name on this system: backslashes become slashes,
// and each part that does not exist as spelled is matched ignoring case.
// Music missing from the data folder is looked for beside the program.
// A name that matches nothing comes back as spelled (with slashes).
std::string resolveGamePath(const std::string& gameName);

// The name as messages show it, with forward slashes: "save/save4.sav".
std::string shownGameName(std::string gameName);

// What reading a game file found.
enum class GameFileRead {
    Read,
    Missing,     // nothing stands at the name
    Unreadable,  // it may not be read, or the reading failed
    NotAFile,    // a FIFO, a device, a folder: never opened in a way that could block
    TooLarge,    // more than the limit: damage, read no further than that
};

// Reads a whole game file as a Windows text-mode stream delivers it: a CR
// before an LF is not part of the data. Anything that is not an ordinary file
// is refused without blocking, and no more than limit + 1 bytes are read.
// Files of the save folder are never read through a link: the game makes
// none there, and one could lead to a device.
GameFileRead readGameFile(const std::string& gameName, std::uintmax_t limit, std::string& contents);

// Writes a whole file so that it is never half written: the data goes to a
// temporary file of this process beside it, which then replaces the old file.
// Two games saving to one file at once each either save their own data or
// fail. On failure the old file is left as it was, no temporary file stays,
// false is returned and failure holds the system's reason.
bool writeFileAtomically(const std::string& gameName, const std::string& contents, std::string& failure);

// Removes what writes killed half way left in the folder: temporary files
// older than a minute that no running game is writing.
void removeLeftoverWrites(const std::string& gameFolder);

// Removes the file; true when it was there and is gone.
bool removeGameFile(const std::string& gameName);

// The system's reason why the folder cannot be listed (it is a file, or it
// may not be read); empty when it can be, or when it does not exist.
std::string folderUnreadable(const std::string& gameName);

// Creates the folder and the folders above it if they are missing. The
// system's reason when it does not exist afterwards, else an empty text.
std::string makeDirectory(const std::string& gameName);

// True when the file exists.
bool fileExists(const std::string& gameName);
