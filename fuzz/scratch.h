#pragma once
// Where the checks put their inputs: the game reads maps and saves from files
// named relative to the working folder, so each input is written as a file in
// a folder of the run's own, under the system's temporary folder, and the game
// is run from there. The shipped world is read once from the source folder.

#include <filesystem>
#include <functional>
#include <string>

#include "console/array.h"
#include "console/host.h"
#include "console/text.h"
#include "model/map.h"
#include "tests/support/temp_folder.h"

// Makes the run's own folder the working folder while it lives (made on first
// use, removed when the program ends) and puts the old one back afterwards.
class InScratchFolder {
public:
    InScratchFolder();
    InScratchFolder(const InScratchFolder&) = delete;
    InScratchFolder& operator=(const InScratchFolder&) = delete;

    // Writes a file below the folder (name with forward slashes).
    void write(const std::string& name, const std::string& bytes) const;
    // Removes everything in a folder below it: what an earlier input left
    // there must not change how the next one runs.
    void empty(const std::string& folder) const;

private:
    WorkingFolder inside;
};

// Keys and time come from h while it lives; the default host afterwards.
struct HostInUse {
    explicit HostInUse(Host* h) { setHost(h); }
    ~HostInUse() { setHost(nullptr); }
};

// The shipped maps and status panel, read once as at start-up.
struct ShippedWorld {
    Array<Map> maps;
    Array<String> mapNames;
    Map statusPanel;
};
const ShippedWorld& shippedWorld();

// Runs body, turning what no player should ever meet into a FuzzFinding
// that names where it happened: the game's index and overflow errors, and any
// exception other than a FuzzFinding.
void withoutFault(const char* where, const std::function<void()>& body);
