#include "platform/recording.h"

#if defined(_WIN32) || defined(__EMSCRIPTEN__)

bool startRecording(const std::string&, std::string& why) {
    why = "recordings are made of a terminal's output, and the game has no terminal here";
    return false;
}

std::string stopRecording() { return ""; }

#else

#include <chrono>
#include <cstdlib>
#include <memory>

#include "platform/asciicast.h"
#include "platform/terminal.h"

namespace {

std::unique_ptr<AsciicastWriter> writer;
std::chrono::steady_clock::time_point started;

void take(std::string_view bytes) {
    const std::chrono::duration<double> since = std::chrono::steady_clock::now() - started;
    writer->add(since.count(), bytes);
}

}  // namespace

bool startRecording(const std::string& file, std::string& why) {
    writer = std::make_unique<AsciicastWriter>();
    const char* term = std::getenv("TERM");
    const auto unixTime =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
            .count();
    started = std::chrono::steady_clock::now();
    if (!writer->open(file, unixTime, term ? term : "")) {
        why = writer->why();
        writer.reset();
        return false;
    }
    copyTerminalOutput(take);
    return true;
}

std::string stopRecording() {
    copyTerminalOutput(nullptr);
    const std::string why = writer ? writer->why() : "";
    writer.reset();
    return why;
}

#endif
