#include "platform/asciicast.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "console/screen.h"

namespace {

// A JSON string of the bytes. The presenter sends UTF-8, which is kept as it
// is; control bytes are escaped.
std::string jsonString(std::string_view bytes) {
    std::string out = "\"";
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20 || c == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

}  // namespace

std::string asciicastHeader(int width, int height, std::int64_t unixTime, const std::string& term) {
    return "{\"version\": 2, \"width\": " + std::to_string(width) + ", \"height\": " + std::to_string(height) +
           ", \"timestamp\": " + std::to_string(unixTime) + ", \"env\": {\"TERM\": " + jsonString(term) + "}}";
}

std::string asciicastEvent(double seconds, std::string_view bytes) {
    char time[32];
    std::snprintf(time, sizeof time, "%.6f", seconds);
    return "[" + std::string(time) + ", \"o\", " + jsonString(bytes) + "]";
}

bool AsciicastWriter::open(const std::string& name, std::int64_t unixTime, const std::string& term) {
    path = name;
    errno = 0;
    file.open(name, std::ios::binary | std::ios::trunc);
    if (!file.is_open()) {
        problem = name + " cannot be created: " + (errno ? std::strerror(errno) : "unknown reason");
        return false;
    }
    // A header that cannot be written stops the recording, not the game.
    writeLine(asciicastHeader(ScreenModel::width, ScreenModel::height, unixTime, term));
    return true;
}

void AsciicastWriter::add(double seconds, std::string_view bytes) {
    if (recording() && !bytes.empty()) writeLine(asciicastEvent(seconds, bytes));
}

void AsciicastWriter::writeLine(const std::string& line) {
    errno = 0;
    // Flushed at once, so a game that ends any way at all leaves the file whole.
    file << line << '\n' << std::flush;
    if (file) return;
    problem =
        "the recording to " + path + " stopped: " + (errno ? std::strerror(errno) : "the file cannot be written");
    file.close();
}
