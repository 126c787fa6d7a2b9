#include <windows.h>

#include <algorithm>
#include <filesystem>

#include "platform/durable_file.h"

namespace {

std::wstring wide(const std::string& path) { return std::filesystem::u8path(path).wstring(); }

}  // namespace

bool writeToDisk(const std::string& path, const std::string& data) {
    const HANDLE file =
        CreateFileW(wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    std::size_t done = 0;
    bool written = true;
    while (written && done < data.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(data.size() - done, 1u << 30));
        DWORD n = 0;
        if (!WriteFile(file, data.data() + done, chunk, &n, nullptr) || n == 0) written = false;
        else done += n;
    }
    written = written && FlushFileBuffers(file);
    return CloseHandle(file) && written;
}

bool replaceFile(const std::string& source, const std::string& target) {
    // The C library's rename refuses to replace an existing file on Windows,
    // which would make every second save into a slot fail.
    return MoveFileExW(wide(source).c_str(), wide(target).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}
