#pragma once
// The system calls behind the game's files (platform/files.h), one version
// per system. Paths are the system's own (already resolved).

#include <cstdint>
#include <string>

#include "platform/files.h"

// Reads the file at path whole, without ever blocking on what is not an
// ordinary file: a FIFO, a device or a folder is refused (NotAFile), and so
// is a last link where noLinks is set; at most limit + 1 bytes are read, and
// a file of more than limit bytes is TooLarge. Line ends are left as they are.
GameFileRead readFileBytes(const std::string& path, bool noLinks, std::uintmax_t limit, std::string& data);

// Replaces the file at path by one holding data, in one step: the data goes
// to a temporary file of this process alone beside it ("NAME.XXXXXX.tmp"),
// which reaches the disk and is then renamed over the old file. A temporary
// file is marked as in use while it is written, so another game never takes
// it for a leftover. The system's reason for a failure, or an empty text;
// on failure the old file stays and no temporary file is left.
std::string replaceFileWith(const std::string& path, const std::string& data);

// Removes the temporary file at path unless a running game is writing it.
void removeUnlessInUse(const std::string& path);

#ifdef __EMSCRIPTEN__
// Copies the save folder, held in the page's memory, to the browser's
// IndexedDB, where it lasts beyond this visit; false when the browser did not
// take it. The program waits for it, unless the page is being left.
bool storeSaveFolder();

// While the page is being left nothing may wait: the program is suspended
// where it last waited and the page goes away. Files are then written to the
// folder in memory only, and the page carries them over (tools/web/saves.js).
void setPageLeaving(bool leaving);
#endif
