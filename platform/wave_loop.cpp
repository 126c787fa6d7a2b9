#include "platform/wave_loop.h"

#include <algorithm>

namespace {

constexpr std::uint16_t plainPcm = 1;
// A format chunk longer than this is no wave file a player would make.
constexpr std::uint32_t longestFormat = 4096;
constexpr std::size_t largestBuffer = 64 * 1024;

std::uint32_t little(const std::string& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

std::string readBytes(std::istream& in, std::size_t count) {
    std::string bytes(count, '\0');
    if (!in.read(&bytes[0], static_cast<std::streamsize>(count))) bytes.clear();
    return bytes;
}

}  // namespace

bool WaveLoop::open(const std::filesystem::path& file) {
    in.open(file, std::ios::binary);
    if (!in || !readChunks()) {
        in.close();
        return false;
    }
    rewind();
    return true;
}

bool WaveLoop::readChunks() {
    in.seekg(0, std::ios::end);
    const auto fileSize = static_cast<std::uint64_t>(in.tellg());
    in.seekg(0);
    const std::string riff = readBytes(in, 12);
    if (riff.size() != 12 || riff.compare(0, 4, "RIFF") != 0 || riff.compare(8, 4, "WAVE") != 0) return false;
    for (std::string chunk = readBytes(in, 8); chunk.size() == 8; chunk = readBytes(in, 8)) {
        const std::uint32_t size = little(chunk, 4, 4);
        if (chunk.compare(0, 4, "data") == 0) {
            if (formatBytes.empty()) return false;  // samples of no known format
            dataStart = static_cast<std::uint64_t>(in.tellg());
            // A file cut short (or written by a recorder that never came back
            // to set the size) plays what it holds, in whole blocks.
            dataSize = std::min<std::uint64_t>(size, fileSize - dataStart);
            dataSize -= dataSize % block;
            return dataSize > 0;
        }
        const bool read =
            chunk.compare(0, 4, "fmt ") == 0 ? readFormat(size) : static_cast<bool>(in.seekg(size, std::ios::cur));
        if (!read) return false;
        if (size % 2 != 0) in.seekg(1, std::ios::cur);  // chunks keep an even length
    }
    return false;
}

bool WaveLoop::readFormat(std::uint32_t size) {
    if (size < 16 || size > longestFormat) return false;
    std::string bytes = readBytes(in, size);
    if (bytes.empty()) return false;
    const auto tag = static_cast<std::uint16_t>(little(bytes, 0, 2));
    channelCount = static_cast<std::uint16_t>(little(bytes, 2, 2));
    rate = little(bytes, 4, 4);
    block = static_cast<std::uint16_t>(little(bytes, 12, 2));
    if (channelCount == 0 || rate == 0 || block == 0) return false;
    // Plain PCM needs no more than its first 16 bytes; what some writers put
    // after them would be taken for the size of extra format data.
    if (tag == plainPcm) {
        bytes.resize(16);
        bytes += std::string(2, '\0');
    } else if (size < 18 || 18 + little(bytes, 16, 2) > size) {
        return false;
    } else {
        bytes.resize(18 + little(bytes, 16, 2));
    }
    bytesPerSecond = tag == plainPcm ? 0 : little(bytes, 8, 4);
    formatBytes = bytes;
    return true;
}

std::size_t WaveLoop::bufferBytes() const {
    const std::uint64_t perSecond = bytesPerSecond != 0 ? bytesPerSecond : std::uint64_t{rate} * block;
    std::size_t bytes = static_cast<std::size_t>(std::min<std::uint64_t>(perSecond / 10, largestBuffer));
    bytes -= bytes % block;
    return std::max<std::size_t>(bytes, block);
}

std::size_t WaveLoop::next(char* out, std::size_t size) {
    if (dataSize == 0) return 0;
    size -= size % block;
    std::size_t written = 0;
    in.clear();
    in.seekg(static_cast<std::streamoff>(dataStart + position));
    while (written < size) {
        if (position == dataSize) {
            position = 0;
            in.seekg(static_cast<std::streamoff>(dataStart));
        }
        const auto run = static_cast<std::size_t>(std::min<std::uint64_t>(size - written, dataSize - position));
        in.read(out + written, static_cast<std::streamsize>(run));
        const auto got = static_cast<std::size_t>(in.gcount());
        written += got;
        position += got;
        if (got < run) {
            // Only whole blocks go out; the next call reads the broken one again.
            position -= got % block;
            return written - got % block;
        }
    }
    return written;
}
