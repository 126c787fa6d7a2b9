#include <windows.h>

#include <algorithm>
#include <filesystem>

#include "platform/durable_file.h"

namespace {

std::wstring wide(const std::string& path) { return std::filesystem::u8path(path).wstring(); }

// The system's own words for the last failure, on one line.
std::string lastFailure() {
    const DWORD code = GetLastError();
    char text[256] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                                        0, text, sizeof text, nullptr);
    std::string reason(text, length);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == '.'))
        reason.pop_back();
    return reason.empty() ? "Windows error " + std::to_string(code) : reason;
}

}  // namespace

std::string writeToDisk(const std::string& path, const std::string& data) {
    if (!DeleteFileW(wide(path).c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) return lastFailure();
    const HANDLE file =
        CreateFileW(wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return lastFailure();
    std::size_t done = 0;
    bool written = true;
    while (written && done < data.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(data.size() - done, 1u << 30));
        DWORD n = 0;
        if (!WriteFile(file, data.data() + done, chunk, &n, nullptr) || n == 0) written = false;
        else done += n;
    }
    written = written && FlushFileBuffers(file);
    const std::string reason = written ? std::string() : lastFailure();
    if (!CloseHandle(file) && written) return lastFailure();
    return reason;
}

std::string replaceFile(const std::string& source, const std::string& target) {
    // The C library's rename refuses to replace an existing file on Windows,
    // which would make every second save into a slot fail.
    const bool moved = MoveFileExW(wide(source).c_str(), wide(target).c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
    return moved ? std::string() : lastFailure();
}
