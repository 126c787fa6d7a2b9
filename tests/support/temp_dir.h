#pragma once
// A fresh temporary folder that becomes the working directory for one test
// (the game reads maps/, Music/ and save/ relative to it), removed afterwards.

#include <filesystem>
#include <fstream>
#include <string>

class TempDir {
public:
    TempDir() : previous(std::filesystem::current_path()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "drifter-XXXXXX").string();
        path = std::filesystem::path(mkdtempOrThrow(pattern));
        std::filesystem::current_path(path);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::current_path(previous, ec);
        std::filesystem::remove_all(path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Writes a file (relative to the folder), creating its parent folders.
    void write(const std::string& name, const std::string& contents) const {
        const auto file = path / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << contents;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(path / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::filesystem::path path;

private:
    static std::string mkdtempOrThrow(std::string pattern);
    std::filesystem::path previous;
};
