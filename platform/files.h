#pragma once
// The game's files. Names come Windows-style ("maps\map 0-1.map",
// ".\Music\Wolfman.wav") and are taken relative to the working directory.

#include <cstdint>
#include <string>

// The path of a game file name on this system: backslashes become slashes,
// and each part that does not exist as spelled is matched ignoring case.
// A name that matches nothing comes back as spelled (with slashes).
std::string resolveGamePath(const std::string& gameName);

// Reads a whole text file as a Windows text-mode stream delivers it: a CR
// before an LF is not part of the data. False when it cannot be read.
bool readTextFile(const std::string& gameName, std::string& contents);

// Writes a whole file so that it is never half written: the data goes to a
// temporary file beside it, which then replaces the old file. On failure the
// old file is left as it was and false is returned.
bool writeFileAtomically(const std::string& gameName, const std::string& contents);

// Creates the folder if it is missing (its failure shows at the next write).
void makeDirectory(const std::string& gameName);

// True when the file exists.
bool fileExists(const std::string& gameName);

// True when the file holds more than limit bytes: a loader refuses such a file
// before reading it.
bool fileLargerThan(const std::string& gameName, std::uintmax_t limit);
