// mapc: compiles the map sources (maps/src) into the map files the game reads.
//   mapc SOURCE_DIR OUT_DIR            writes every map file that changed
//   mapc --verify SOURCE_DIR MAPS_DIR  exit status 1 when a file differs or is missing

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "console/printable.h"
#include "tools/maps/source.h"

using maptools::readAll;

int main(int argc, char** argv) {
    const bool verify = argc == 4 && std::string(argv[1]) == "--verify";
    if (argc != 3 && !verify) {
        std::cerr << "usage: mapc SOURCE_DIR OUT_DIR | mapc --verify SOURCE_DIR MAPS_DIR\n";
        return 2;
    }
    const std::string sources = argv[verify ? 2 : 1];
    const std::filesystem::path out = argv[verify ? 3 : 2];
    std::map<std::string, std::string> files;
    std::string error;
    if (!maptools::compileFolder(sources, files, error)) {
        std::cerr << printable(error) << "\n";  // it may quote a damaged source
        return 1;
    }
    int differing = 0, written = 0;
    for (const auto& [name, text] : files) {
        std::string old;
        const bool same = readAll(out / name, old) && old == text;
        if (same) continue;
        if (verify) {
            std::cerr << (out / name).string() << ": differs from what its source compiles to\n";
            ++differing;
            continue;
        }
        std::ofstream o(out / name, std::ios::binary);
        o << text;
        if (!o) {
            std::cerr << (out / name).string() << ": cannot be written\n";
            return 1;
        }
        ++written;
    }
    if (verify) {
        if (differing) return 1;
        std::cout << files.size() << " map files match their sources\n";
    } else {
        std::cout << files.size() << " map files compiled, " << written << " written\n";
    }
    return 0;
}
