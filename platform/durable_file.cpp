#include "platform/durable_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

bool writeToDisk(const std::string& path, const std::string& data) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    std::size_t done = 0;
    bool written = true;
    while (written && done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n <= 0) written = false;
        else done += static_cast<std::size_t>(n);
    }
    written = written && ::fsync(fd) == 0;
    return ::close(fd) == 0 && written;
}

bool replaceFile(const std::string& source, const std::string& target) {
    return std::rename(source.c_str(), target.c_str()) == 0;
}
