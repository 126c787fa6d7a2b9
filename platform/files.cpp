#include "platform/files.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

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

}  // namespace

std::string resolveGamePath(const std::string& gameName) {
    std::string slashed = gameName;
    for (char& c : slashed)
        if (c == '\\') c = '/';
    const fs::path spelled = fs::u8path(slashed).lexically_normal();
    const GameFolders& folders = gameFolders();
    if (!spelled.empty() && sameIgnoringCase(spelled.begin()->string(), "save"))
        return resolveUnder(folders.saves, spelled.lexically_relative(*spelled.begin())).u8string();
    fs::path found = resolveUnder(folders.data, spelled);
    std::error_code ec;
    const bool music = !spelled.empty() && sameIgnoringCase(spelled.begin()->string(), "Music");
    if (music && !folders.beside.empty() && !fs::exists(found, ec)) {
        const fs::path built = resolveUnder(folders.beside, spelled);
        if (fs::exists(built, ec)) found = built;
    }
    return found.u8string();
}

bool readTextFile(const std::string& gameName, std::string& contents) {
    std::ifstream in(systemPath(gameName), std::ios::binary);
    if (!in) return false;
    std::ostringstream raw;
    raw << in.rdbuf();
    if (in.bad()) return false;
    const std::string data = raw.str();
    contents.clear();
    contents.reserve(data.size());
    for (std::size_t i = 0; i < data.size(); ++i)
        if (!(data[i] == '\r' && i + 1 < data.size() && data[i + 1] == '\n')) contents += data[i];
    return true;
}

bool writeFileAtomically(const std::string& gameName, const std::string& contents, std::string& failure) {
    const std::string path = resolveGamePath(gameName);
    const std::string temporary = path + ".tmp";
    failure = writeToDisk(temporary, contents);
    if (failure.empty()) failure = replaceFile(temporary, path);
    if (failure.empty()) return true;
    std::error_code ec;
    fs::remove(fs::u8path(temporary), ec);
    return false;
}

std::string folderUnreadable(const std::string& gameName) {
    std::error_code ec;
    fs::directory_iterator(systemPath(gameName), ec);
    return ec && ec != std::errc::no_such_file_or_directory ? ec.message() : std::string();
}

void makeDirectory(const std::string& gameName) {
    std::error_code ec;
    fs::create_directories(systemPath(gameName), ec);
}

bool fileExists(const std::string& gameName) {
    std::error_code ec;
    return fs::is_regular_file(systemPath(gameName), ec);
}

bool fileLargerThan(const std::string& gameName, std::uintmax_t limit) {
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(systemPath(gameName), ec);
    return !ec && size > limit;
}
