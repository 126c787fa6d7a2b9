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

// Reads a whole text file as a Windows text-mode stream delivers it: a CR
// before an LF is not part of the data. False when it cannot be read.
bool readTextFile(const std::string& gameName, std::string& contents);

// Writes a whole file so that it is never half written: the data goes to a
// temporary file beside it (name + ".tmp", replacing one that an interrupted
// write left behind), which then replaces the old file. On failure the old
// file is left as it was, no temporary file stays, false is returned and
// failure holds the system's reason.
bool writeFileAtomically(const std::string& gameName, const std::string& contents, std::string& failure);

// The system's reason why the folder cannot be listed (it is a file, or it
// may not be read); empty when it can be, or when it does not exist.
std::string folderUnreadable(const std::string& gameName);

// Creates the folder if it is missing (its failure shows at the next write).
void makeDirectory(const std::string& gameName);

// True when the file exists.
bool fileExists(const std::string& gameName);

// True when the file holds more than limit bytes: a loader refuses such a file
// before reading it.
bool fileLargerThan(const std::string& gameName, std::uintmax_t limit);
