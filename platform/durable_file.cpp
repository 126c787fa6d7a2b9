#include "platform/durable_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace {

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
#endif

std::string writeToDisk(const std::string& path, const std::string& data) {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) return std::strerror(errno);
    // Created only where nothing stands, and never through a link.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) return std::strerror(errno);
    int error = 0;
    if (!writeAll(fd, data) || ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    return error == 0 ? std::string() : std::strerror(error);
}

std::string replaceFile(const std::string& source, const std::string& target) {
    if (std::rename(source.c_str(), target.c_str()) != 0) return std::strerror(errno);
#ifdef __EMSCRIPTEN__
    if (!storeSaves()) return "the browser did not store it (IndexedDB)";
#endif
    return std::string();
}
