#pragma once
// The two system calls behind a save that is never half written
// (writeFileAtomically in platform/files.h), one version per system.

#include <string>

// Writes data to a new file at path (replacing any file there) and waits
// until it reached the disk; false on any failure.
bool writeToDisk(const std::string& path, const std::string& data);

// Puts the file at source in the place of the file at target in one step,
// replacing it if it exists; false on failure (both files then stay).
bool replaceFile(const std::string& source, const std::string& target);
