#pragma once
// The player's keys file, keys.conf (console/key_bindings.h says what it
// holds): in $XDG_CONFIG_HOME/drifter (by default ~/.config/drifter), on
// Windows beside the program.

#include <filesystem>

#include "platform/game_folders.h"

// Where the keys file is looked for; empty when no folder can be told.
std::filesystem::path keysFilePath(const FolderClues& clues);

// Reads the keys file into the bindings in force, when there is one; what
// cannot be read is noted in keyFileProblems() and leaves the defaults.
void readKeysFile(const std::filesystem::path& file);
