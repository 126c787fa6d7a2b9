#include "platform/durable_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace {

// Closes the descriptor when it goes out of scope.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

bool writeAll(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n == 0) errno = EIO;  // no progress and no reason given
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

GameFileRead openFailure(int error) {
    if (error == ENOENT || error == ENOTDIR) return GameFileRead::Missing;
    // ELOOP: a link where none may be; ENXIO: a socket.
    if (error == ELOOP || error == ENXIO) return GameFileRead::NotAFile;
    return GameFileRead::Unreadable;
}

// Reads up to limit + 1 bytes: enough to tell a file that is too large.
GameFileRead readUpTo(int fd, std::uintmax_t limit, std::string& data) {
    data.clear();
    char buffer[65536];
    while (data.size() <= limit) {
        const std::uintmax_t want = std::min<std::uintmax_t>(sizeof buffer, limit + 1 - data.size());
        const ssize_t n = ::read(fd, buffer, static_cast<std::size_t>(want));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return GameFileRead::Unreadable;
        if (n == 0) break;
        data.append(buffer, static_cast<std::size_t>(n));
    }
    return data.size() > limit ? GameFileRead::TooLarge : GameFileRead::Read;
}

// The written file is on the disk. A browser page's folder is in memory: it
// reaches the disk when the whole folder is stored, after the rename.
bool reachedDisk(int fd) {
#ifdef __EMSCRIPTEN__
    static_cast<void>(fd);
    return true;
#else
    return ::fsync(fd) == 0;
#endif
}

}  // namespace

#ifdef __EMSCRIPTEN__
// In a browser page the save folder is held in memory and copied to the
// browser's IndexedDB (tools/web/saves.js): a save has reached the disk only
// once the copy is done. 1 when it is.
// clang-format off
EM_ASYNC_JS(int, storeSaves, (), {
    return await new Promise((resolve) => Module.storeSaves((stored) => resolve(stored ? 1 : 0)));
});
// clang-format on

namespace {
bool pageLeaving = false;
}

bool storeSaveFolder() { return pageLeaving || storeSaves(); }

void setPageLeaving(bool leaving) { pageLeaving = leaving; }
#endif

GameFileRead readFileBytes(const std::string& path, bool noLinks, std::uintmax_t limit, std::string& data) {
    // Without O_NONBLOCK, opening a FIFO would wait for a writer forever.
    const int flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (noLinks ? O_NOFOLLOW : 0);
    const Descriptor file{::open(path.c_str(), flags)};
    if (file.fd < 0) return openFailure(errno);
    struct stat about {};
    if (::fstat(file.fd, &about) != 0) return GameFileRead::Unreadable;
    if (!S_ISREG(about.st_mode)) return GameFileRead::NotAFile;
    if (static_cast<std::uintmax_t>(about.st_size) > limit) return GameFileRead::TooLarge;
    return readUpTo(file.fd, limit, data);
}

std::string replaceFileWith(const std::string& path, const std::string& data) {
    const std::string suffix = ".tmp";
    std::string pattern = path + ".XXXXXX" + suffix;
    const Descriptor file{::mkostemps(&pattern[0], static_cast<int>(suffix.size()), O_CLOEXEC)};
    if (file.fd < 0) return std::strerror(errno);
    // Held until the file is renamed or gone: a game that finds it meanwhile
    // leaves it alone. Newly made, nobody else can hold it.
    ::flock(file.fd, LOCK_EX | LOCK_NB);
    int error = 0;
    if (!writeAll(file.fd, data) || !reachedDisk(file.fd)) error = errno;
    if (error == 0 && std::rename(pattern.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(pattern.c_str());
        return std::strerror(error);
    }
#ifdef __EMSCRIPTEN__
    if (!storeSaveFolder()) return "the browser did not store it (IndexedDB)";
#endif
    return std::string();
}

void removeUnlessInUse(const std::string& path) {
    const Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC)};
    // The writer's lock ends with the writer, killed or not.
    if (file.fd >= 0 && ::flock(file.fd, LOCK_EX | LOCK_NB) == 0) ::unlink(path.c_str());
}
