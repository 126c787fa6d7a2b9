#include "tools/music/wave_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace music {

namespace {

void put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xffu);
}

}  // namespace

std::string waveBytes(const std::vector<std::int16_t>& samples, int channels, int rate) {
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    const auto blockAlign = static_cast<std::uint32_t>(channels * 2);
    std::string out = "RIFF";
    put(out, 36 + dataSize, 4);
    out += "WAVEfmt ";
    put(out, 16, 4);
    put(out, 1, 2);  // plain PCM
    put(out, static_cast<std::uint32_t>(channels), 2);
    put(out, static_cast<std::uint32_t>(rate), 4);
    put(out, static_cast<std::uint32_t>(rate) * blockAlign, 4);
    put(out, blockAlign, 2);
    put(out, 16, 2);
    out += "data";
    put(out, dataSize, 4);
    out.reserve(out.size() + dataSize);
    for (std::int16_t s : samples) put(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

bool writeWaveFile(const std::string& path, const std::string& bytes) {
    std::error_code ec;
    const std::filesystem::path target(path);
    if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ec);
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    std::filesystem::rename(temporary, target, ec);
    if (ec) std::remove(temporary.c_str());
    return !ec;
}

}  // namespace music
