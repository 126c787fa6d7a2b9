#include "platform/mix_file.h"

#include <stdexcept>

namespace {

constexpr std::streamoff bytesPerFrame = 3 * sizeof(float);

}  // namespace

MixFile::MixFile(std::filesystem::path p) : path(std::move(p)) {
    file.open(path, std::ios::in | std::ios::out | std::ios::binary | std::ios::trunc);
    check("made");
    std::error_code ec;
    named = !std::filesystem::remove(path, ec);  // refused on Windows while open: done on closing
}

MixFile::~MixFile() {
    file.close();
    std::error_code ec;
    if (named) std::filesystem::remove(path, ec);
}

void MixFile::put(std::size_t frame, const float* values, std::size_t frames) {
    file.seekp(static_cast<std::streamoff>(frame) * bytesPerFrame);
    file.write(reinterpret_cast<const char*>(values), static_cast<std::streamsize>(frames) * bytesPerFrame);
    check("written");
}

void MixFile::get(std::size_t frame, float* values, std::size_t frames) {
    file.seekg(static_cast<std::streamoff>(frame) * bytesPerFrame);
    file.read(reinterpret_cast<char*>(values), static_cast<std::streamsize>(frames) * bytesPerFrame);
    check("read");
}

void MixFile::check(const char* doing) {
    if (!file) throw std::runtime_error("the mix could not be " + std::string(doing) + " in " + path.u8string());
}
