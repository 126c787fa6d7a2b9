#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
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

// Closes the handle when it goes out of scope.
struct Handle {
    HANDLE h;
    ~Handle() {
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
};

bool writeAll(HANDLE file, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(data.size() - done, 1u << 30));
        DWORD n = 0;
        if (!WriteFile(file, data.data() + done, chunk, &n, nullptr) || n == 0) return false;
        done += n;
    }
    return FlushFileBuffers(file) != FALSE;
}

// Reads up to limit + 1 bytes: enough to tell a file that is too large.
GameFileRead readUpTo(HANDLE file, std::uintmax_t limit, std::string& data) {
    data.clear();
    char buffer[65536];
    while (data.size() <= limit) {
        const DWORD want = static_cast<DWORD>(std::min<std::uintmax_t>(sizeof buffer, limit + 1 - data.size()));
        DWORD n = 0;
        if (!ReadFile(file, buffer, want, &n, nullptr)) return GameFileRead::Unreadable;
        if (n == 0) break;
        data.append(buffer, n);
    }
    return data.size() > limit ? GameFileRead::TooLarge : GameFileRead::Read;
}

// A new temporary file beside path that this process alone has open: no other
// game can open, delete or reuse it while it is written.
HANDLE createTemporary(const std::string& path, std::string& temporary) {
    static std::atomic<unsigned> count{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        char tag[16];
        std::snprintf(tag, sizeof tag, "%06x",
                      static_cast<unsigned>((GetCurrentProcessId() * 40503u + count++) & 0xFFFFFFu));
        temporary = path + "." + tag + ".tmp";
        const HANDLE file = CreateFileW(wide(temporary).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    return INVALID_HANDLE_VALUE;
}

// The C library's rename refuses to replace an existing file on Windows,
// which would make every second save into a slot fail. While another game
// replaces the same file, Windows refuses for a moment: tried again a few times.
bool moveOver(const std::string& source, const std::string& target) {
    for (int attempt = 0; attempt < 40; ++attempt) {
        if (MoveFileExW(wide(source).c_str(), wide(target).c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        const DWORD error = GetLastError();
        if (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) return false;
        Sleep(25);
        SetLastError(error);
    }
    return false;
}

}  // namespace

GameFileRead readFileBytes(const std::string& path, bool noLinks, std::uintmax_t limit, std::string& data) {
    const DWORD flags = FILE_ATTRIBUTE_NORMAL | (noLinks ? FILE_FLAG_OPEN_REPARSE_POINT : 0);
    const Handle file{CreateFileW(wide(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  flags, nullptr)};
    if (file.h == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return missing ? GameFileRead::Missing : GameFileRead::Unreadable;
    }
    // Devices (NUL, CON, COM1) and pipes are no files on disk; links and
    // folders are no ordinary files.
    BY_HANDLE_FILE_INFORMATION about{};
    if (GetFileType(file.h) != FILE_TYPE_DISK || !GetFileInformationByHandle(file.h, &about) ||
        (about.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
        return GameFileRead::NotAFile;
    const std::uintmax_t size = (std::uintmax_t{about.nFileSizeHigh} << 32) | about.nFileSizeLow;
    if (size > limit) return GameFileRead::TooLarge;
    return readUpTo(file.h, limit, data);
}

std::string replaceFileWith(const std::string& path, const std::string& data) {
    std::string temporary;
    const HANDLE file = createTemporary(path, temporary);
    if (file == INVALID_HANDLE_VALUE) return lastFailure();
    std::string reason = writeAll(file, data) ? std::string() : lastFailure();
    if (!CloseHandle(file) && reason.empty()) reason = lastFailure();
    if (reason.empty() && !moveOver(temporary, path)) reason = lastFailure();
    if (!reason.empty()) DeleteFileW(wide(temporary).c_str());
    return reason;
}

void removeUnlessInUse(const std::string& path) {
    // A file a running game writes is open without sharing: Windows refuses.
    DeleteFileW(wide(path).c_str());
}
