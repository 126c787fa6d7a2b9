#pragma once
// The unfinished mix of a tune being made, kept in a file rather than in
// memory (a tune of a minute makes some 30 MB of it). The file goes when the
// store does; where the system allows, its name goes at once, so that even a
// game killed meanwhile leaves nothing behind.

#include <filesystem>
#include <fstream>

#include "console/synth.h"

class MixFile : public music::MixStore {
public:
    // Throws std::runtime_error when the file cannot be made.
    explicit MixFile(std::filesystem::path path);
    ~MixFile() override;
    MixFile(const MixFile&) = delete;
    MixFile& operator=(const MixFile&) = delete;

    // Both throw std::runtime_error when the disk fails them.
    void put(std::size_t frame, const float* values, std::size_t frames) override;
    void get(std::size_t frame, float* values, std::size_t frames) override;

private:
    void check(const char* doing);

    const std::filesystem::path path;
    std::fstream file;
    bool named = true;
};
