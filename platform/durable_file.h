#pragma once
// The two system calls behind a save that is never half written
// (writeFileAtomically in platform/files.h), one version per system.
// Each returns the system's reason for a failure, or an empty text.

#include <string>

// Writes data to a new file at path and waits until it reached the disk. A
// file left there by a killed write is removed, not reused: it may be
// read-only now, or a link that would carry the data elsewhere.
std::string writeToDisk(const std::string& path, const std::string& data);

// Puts the file at source in the place of the file at target in one step,
// replacing it if it exists (both files stay on failure).
std::string replaceFile(const std::string& source, const std::string& target);
