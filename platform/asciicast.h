#pragma once
// A recording of what the game sends to the terminal, in the asciicast v2
// format that asciinema plays: a header line (width, height, start time,
// TERM), then one line per write with its time in seconds since the start.
// A write that fails stops the recording for good and keeps why; the game
// never notices.

#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>

// The header line (without its line end).
std::string asciicastHeader(int width, int height, std::int64_t unixTime, const std::string& term);
// One output event's line (without its line end).
std::string asciicastEvent(double seconds, std::string_view bytes);

class AsciicastWriter {
public:
    // Creates the file and writes the header; false (with why()) when the
    // file cannot be created.
    bool open(const std::string& path, std::int64_t unixTime, const std::string& term);
    // Adds one write of the game made at that time.
    void add(double seconds, std::string_view bytes);
    // Whether the recording still runs, and why it stopped when not.
    bool recording() const { return file.is_open() && problem.empty(); }
    const std::string& why() const { return problem; }

private:
    void writeLine(const std::string& line);

    std::ofstream file;
    std::string path;
    std::string problem;
};
