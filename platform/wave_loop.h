#pragma once
// A wave file played as an endless loop, read from the disk a block at a time
// so that a tune of any length costs only the few blocks in flight. Hands out
// the samples in the file's own format; after the last sample of the data
// come the first ones again, with nothing in between, so the joint is not heard.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

class WaveLoop {
public:
    // Reads the file's format and finds its samples; false for anything but a
    // RIFF/WAVE file with a format and at least one whole block of samples.
    bool open(const std::filesystem::path& file);

    // The format chunk as a WAVEFORMATEX lays it out (always at least its 18
    // bytes), ready for a sound output that takes the file's own format.
    const std::string& format() const { return formatBytes; }
    std::uint16_t channels() const { return channelCount; }
    std::uint32_t sampleRate() const { return rate; }
    // Bytes of one frame (one sample of every channel), or of one compressed block.
    std::uint16_t blockAlign() const { return block; }
    std::uint64_t dataBytes() const { return dataSize; }

    // The size of a buffer holding about a tenth of a second, in whole blocks,
    // at most 64 KB whatever the rate.
    std::size_t bufferBytes() const;

    // Fills out with the next bytes of the loop, at most size, in whole
    // blocks. Returns how many it wrote: size rounded down to whole blocks,
    // fewer only when the file can no longer be read.
    std::size_t next(char* out, std::size_t size);
    // Back to the first sample, for the loop to be played again from its start.
    void rewind() { position = 0; }

private:
    bool readChunks();
    bool readFormat(std::uint32_t size);

    std::ifstream in;
    std::string formatBytes;
    std::uint16_t channelCount = 0;
    std::uint32_t rate = 0;
    std::uint32_t bytesPerSecond = 0;
    std::uint16_t block = 0;
    std::uint64_t dataStart = 0;
    std::uint64_t dataSize = 0;
    std::uint64_t position = 0;  // within the data
};
