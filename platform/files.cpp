#include "platform/files.h"

#include <chrono>
#include <filesystem>

#include "platform/durable_file.h"
#include "platform/game_folders.h"

namespace fs = std::filesystem;

namespace {

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// The entry of dir whose name matches name ignoring case; the smallest such
// name when several differ only in case, so the choice never varies.
bool findIgnoringCase(const fs::path& dir, const std::string& name, fs::path& found) {
    std::error_code ec;
    fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec);
    std::string best;
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string candidate = it->path().filename().u8string();
        if (sameIgnoringCase(candidate, name) && (best.empty() || candidate < best)) best = candidate;
    }
    if (best.empty()) return false;
    found = dir / best;
    return true;
}

// base/relative, where each part of relative that does not exist as spelled
// is matched ignoring case; as spelled when a part matches nothing.
fs::path resolveUnder(const fs::path& base, const fs::path& relative) {
    const fs::path spelled = relative == "." ? base : base / relative;
    std::error_code ec;
    if (fs::exists(spelled, ec)) return spelled;
    fs::path built = base;
    for (const fs::path& part : relative) {
        const fs::path exact = built / part;
        fs::path matched;
        if (fs::exists(exact, ec) || part == "." || part == "..") built = exact;
        else if (findIgnoringCase(built, part.u8string(), matched)) built = matched;
        else return spelled;
    }
    return built;
}

}  // namespace

namespace {

// Paths travel as UTF-8 text; Windows would read a plain string in its ANSI
// code page, so a player's name with an accent in the folder would be lost.
fs::path systemPath(const std::string& gameName) { return fs::u8path(resolveGamePath(gameName)); }

// The name with slashes, as the system reads it, without "." parts.
fs::path spelledPath(const std::string& gameName) {
    std::string slashed = gameName;
    for (char& c : slashed)
        if (c == '\\') c = '/';
    return fs::u8path(slashed).lexically_normal();
}

bool firstPartIs(const fs::path& spelled, const char* folder) {
    return !spelled.empty() && sameIgnoringCase(spelled.begin()->string(), folder);
}

// A CR before an LF is part of the line end, as a Windows text stream reads it.
std::string withoutCrBeforeLf(const std::string& data) {
    std::string text;
    text.reserve(data.size());
    for (std::size_t i = 0; i < data.size(); ++i)
        if (!(data[i] == '\r' && i + 1 < data.size() && data[i + 1] == '\n')) text += data[i];
    return text;
}

// "save1.sav.Xq3ZpA.tmp", or "save1.sav.tmp" as earlier versions named them.
bool isTemporaryName(const std::string& name) {
    const std::string ending = ".tmp";
    return name.size() > ending.size() && name.compare(name.size() - ending.size(), ending.size(), ending) == 0 &&
           name.find(".sav.") != std::string::npos;
}

}  // namespace

std::string resolveGamePath(const std::string& gameName) {
    const fs::path spelled = spelledPath(gameName);
    const GameFolders& folders = gameFolders();
    if (firstPartIs(spelled, "save")) {
        // With saving turned off, no save name leads anywhere.
        if (folders.saves.empty()) return std::string();
        return resolveUnder(folders.saves, spelled.lexically_relative(*spelled.begin())).u8string();
    }
    fs::path found = resolveUnder(folders.data, spelled);
    std::error_code ec;
    if (firstPartIs(spelled, "Music") && !folders.beside.empty() && !fs::exists(found, ec)) {
        const fs::path built = resolveUnder(folders.beside, spelled);
        if (fs::exists(built, ec)) found = built;
    }
    return found.u8string();
}

std::string shownGameName(std::string gameName) {
    for (char& c : gameName)
        if (c == '\\') c = '/';
    return gameName;
}

GameFileRead readGameFile(const std::string& gameName, std::uintmax_t limit, std::string& contents) {
    const std::string path = resolveGamePath(gameName);
    if (path.empty()) return GameFileRead::Missing;
    std::string data;
    const GameFileRead outcome = readFileBytes(path, firstPartIs(spelledPath(gameName), "save"), limit, data);
    if (outcome == GameFileRead::Read) contents = withoutCrBeforeLf(data);
    return outcome;
}

bool writeFileAtomically(const std::string& gameName, const std::string& contents, std::string& failure) {
    const std::string path = resolveGamePath(gameName);
    failure = path.empty() ? "saving is turned off" : replaceFileWith(path, contents);
    return failure.empty();
}

void removeLeftoverWrites(const std::string& gameFolder) {
    const std::string folder = resolveGamePath(gameFolder);
    if (folder.empty()) return;
    // A write takes far less than a minute; a younger file may be one under way.
    const auto leftBefore = fs::file_time_type::clock::now() - std::chrono::minutes(1);
    std::error_code ec;
    for (fs::directory_iterator it(fs::u8path(folder), ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        if (!isTemporaryName(it->path().filename().u8string())) continue;
        std::error_code status;
        // Games write their temporary files as new ordinary files, never as
        // links: a link of that name is no write under way.
        if (it->is_symlink(status)) fs::remove(it->path(), status);
        else if (it->is_regular_file(status) && it->last_write_time(status) < leftBefore && !status)
            removeUnlessInUse(it->path().u8string());
    }
}

bool removeGameFile(const std::string& gameName) {
    std::error_code ec;
    const std::string path = resolveGamePath(gameName);
    const bool removed = !path.empty() && fs::remove(fs::u8path(path), ec) && !ec;
#ifdef __EMSCRIPTEN__
    // Gone for good once the browser's copy of the folder is gone too.
    if (removed) storeSaveFolder();
#endif
    return removed;
}

std::string folderUnreadable(const std::string& gameName) {
    std::error_code ec;
    // Where nothing stands at the name (a folder above it may be missing or a
    // file), there is nothing to read: the folder is still to be made.
    if (!fs::exists(fs::symlink_status(systemPath(gameName), ec))) return std::string();
    fs::directory_iterator(systemPath(gameName), ec);
    return ec && ec != std::errc::no_such_file_or_directory ? ec.message() : std::string();
}

std::string makeDirectory(const std::string& gameName) {
    const fs::path folder = systemPath(gameName);
    if (folder.empty()) return "saving is turned off";
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) return ec.message();
    // create_directories reports success when a file stands at the name.
    return fs::is_directory(folder, ec) ? std::string()
                                        : std::make_error_code(std::errc::not_a_directory).message();
}

bool fileExists(const std::string& gameName) {
    std::error_code ec;
    return fs::is_regular_file(systemPath(gameName), ec);
}
