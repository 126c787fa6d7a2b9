#include "platform/game_folders.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

GameFolders inUse;

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool holdsMaps(const fs::path& folder) {
    std::error_code ec;
    return !folder.empty() && fs::is_directory(folder / "maps", ec);
}

struct Candidate {
    fs::path folder;
    const char* why;  // how the player can tell where it came from
};

// The places the data may be, in the order they are tried.
std::vector<Candidate> dataCandidates(const FolderClues& clues) {
    std::vector<Candidate> candidates;
    if (!clues.drifterData.empty())
        candidates.push_back({(clues.workingFolder / clues.drifterData).lexically_normal(), "DRIFTER_DATA"});
    if (!clues.workingFolder.empty()) candidates.push_back({clues.workingFolder, "the working folder"});
    if (!clues.executable.empty())
        candidates.push_back({(clues.executable.parent_path() / ".." / "share" / "drifter").lexically_normal(),
                              "the installed data"});
    return candidates;
}

std::string notFound(const std::vector<Candidate>& tried) {
    std::string line = "the game's data was not found: no maps/ folder in ";
    for (std::size_t i = 0; i < tried.size(); ++i) {
        if (i > 0) line += i + 1 == tried.size() ? " or " : ", ";
        line += tried[i].folder.string() + " (" + tried[i].why + ")";
    }
    return line + "; set DRIFTER_DATA to the folder that holds maps/";
}

// The per-user data folder; a relative XDG_DATA_HOME is not used, as the
// base directory rules say. Empty when there is none.
fs::path userSaves(const FolderClues& clues) {
    const fs::path xdg = clues.xdgDataHome;
    if (xdg.is_absolute()) return xdg / "drifter" / "save";
    const std::string home = playerHome(clues);
    if (home.empty()) return fs::path();
    return fs::path(home) / ".local" / "share" / "drifter" / "save";
}

// A service started without HOME still has an account, and its home folder.
std::string accountHome() {
#ifdef _WIN32
    return std::string();
#else
    const passwd* account = ::getpwuid(::getuid());
    return account && account->pw_dir ? account->pw_dir : "";
#endif
}

fs::path userCache(const FolderClues& clues, const fs::path& saves) {
    const fs::path xdg = clues.xdgCacheHome;
    if (xdg.is_absolute()) return xdg / "drifter";
    if (!clues.home.empty()) return fs::path(clues.home) / ".cache" / "drifter";
    if (!clues.localAppData.empty()) return fs::u8path(clues.localAppData) / "drifter";
    if (!clues.accountHome.empty()) return fs::path(clues.accountHome) / ".cache" / "drifter";
    return saves.empty() ? fs::path() : saves.parent_path() / "cache";
}

}  // namespace

FolderClues systemClues() {
    FolderClues clues;
    clues.drifterData = environment("DRIFTER_DATA");
    clues.xdgDataHome = environment("XDG_DATA_HOME");
    clues.xdgConfigHome = environment("XDG_CONFIG_HOME");
    clues.xdgCacheHome = environment("XDG_CACHE_HOME");
    clues.localAppData = environment("LOCALAPPDATA");
    clues.home = environment("HOME");
    clues.accountHome = accountHome();
    std::error_code ec;  // a folder that cannot be told is not tried
    clues.workingFolder = fs::current_path(ec);
    clues.executable = fs::read_symlink("/proc/self/exe", ec);
    return clues;
}

GameFolders findGameFolders(const FolderClues& clues) {
    const std::vector<Candidate> candidates = dataCandidates(clues);
    const auto chosen = std::find_if(candidates.begin(), candidates.end(),
                                     [](const Candidate& candidate) { return holdsMaps(candidate.folder); });
    if (chosen == candidates.end()) throw std::runtime_error(notFound(candidates));
    GameFolders folders;
    folders.data = chosen->folder;
    folders.saves = holdsMaps(clues.workingFolder) ? clues.workingFolder / "save" : userSaves(clues);
    if (folders.saves.empty())
        folders.savingOff =
            "Saving is turned off: there is no folder for saved games\n"
            "(HOME and XDG_DATA_HOME are not set, and the account has no home folder).";
    if (!clues.executable.empty()) folders.beside = clues.executable.parent_path();
    folders.cache = userCache(clues, folders.saves);
    return folders;
}

void useGameFolders(const GameFolders& folders) { inUse = folders; }

const GameFolders& gameFolders() { return inUse; }
