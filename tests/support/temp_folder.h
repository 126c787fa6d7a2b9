#pragma once
// A fresh empty folder under the system's temporary folder, removed with
// everything in it when the test ends; a ScratchFolder is also the working
// folder meanwhile. The fuzz checks use them too.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

// The bytes of a file; empty when it cannot be read.
inline std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class TempFolder {
public:
    TempFolder() {
        // create_directory refuses a name that exists, so the folder is ours alone.
        std::random_device random;
        for (int attempt = 0; attempt < 100 && root.empty(); ++attempt) {
            const auto candidate = std::filesystem::temp_directory_path() / ("drifter-" + std::to_string(random()));
            std::error_code ec;
            if (std::filesystem::create_directory(candidate, ec)) root = candidate;
        }
    }
    ~TempFolder() {
        std::error_code ec;
        if (!root.empty()) std::filesystem::remove_all(root, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return root; }
    std::filesystem::path operator/(const std::string& name) const { return root / name; }

    // Writes a file below the folder, making its folders.
    std::filesystem::path write(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path file = root / std::filesystem::u8path(name);  // names are UTF-8
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }
    std::string read(const std::string& name) const { return readFile(root / std::filesystem::u8path(name)); }
    // Makes the folder at source appear below this one as name: a link where
    // the system allows it, otherwise a copy (Windows wants a privilege for links).
    void mirror(const std::filesystem::path& source, const std::string& name) const {
        std::error_code ec;
        std::filesystem::create_directory_symlink(source, root / name, ec);
        if (ec) std::filesystem::copy(source, root / name, std::filesystem::copy_options::recursive);
    }

private:
    std::filesystem::path root;
};

// Runs the test from another working folder and comes back afterwards.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::filesystem::path& folder) : saved(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~WorkingFolder() {
        std::error_code ec;
        std::filesystem::current_path(saved, ec);
    }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    std::filesystem::path saved;
};

// A TempFolder that is the working folder while it lives: the game reads maps
// and writes saves relative to it.
class ScratchFolder : public TempFolder {
public:
    ScratchFolder() : inside(path()) {}

private:
    WorkingFolder inside;
};
