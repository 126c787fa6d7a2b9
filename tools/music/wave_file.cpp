#include "tools/music/wave_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace music {

bool writeWaveFile(const std::string& path, const std::function<void(std::ostream&)>& write) {
    std::error_code ec;
    const std::filesystem::path target(path);
    if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ec);
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        write(out);
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
