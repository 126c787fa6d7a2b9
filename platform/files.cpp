#include "platform/files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

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
        const std::string candidate = it->path().filename().string();
        if (sameIgnoringCase(candidate, name) && (best.empty() || candidate < best)) best = candidate;
    }
    if (best.empty()) return false;
    found = dir / best;
    return true;
}

bool writeAll(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::string resolveGamePath(const std::string& gameName) {
    std::string slashed = gameName;
    for (char& c : slashed)
        if (c == '\\') c = '/';
    const fs::path spelled = fs::path(slashed).lexically_normal();
    std::error_code ec;
    if (fs::exists(spelled, ec)) return spelled.string();
    fs::path built;
    for (const fs::path& part : spelled) {
        const fs::path exact = built / part;
        fs::path matched;
        if (fs::exists(exact, ec) || part == "." || part == "..") built = exact;
        else if (findIgnoringCase(built, part.string(), matched)) built = matched;
        else return spelled.string();
    }
    return built.string();
}

bool readTextFile(const std::string& gameName, std::string& contents) {
    std::ifstream in(resolveGamePath(gameName), std::ios::binary);
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

bool writeFileAtomically(const std::string& gameName, const std::string& contents) {
    const std::string path = resolveGamePath(gameName);
    const std::string temporary = path + ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool written = writeAll(fd, contents) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

void makeDirectory(const std::string& gameName) {
    std::error_code ec;
    fs::create_directories(resolveGamePath(gameName), ec);
}

bool fileExists(const std::string& gameName) {
    std::error_code ec;
    return fs::is_regular_file(resolveGamePath(gameName), ec);
}

bool fileLargerThan(const std::string& gameName, std::uintmax_t limit) {
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(resolveGamePath(gameName), ec);
    return !ec && size > limit;
}
