#include "platform/key_file.h"

#include <fstream>
#include <sstream>

#include "console/key_bindings.h"

namespace fs = std::filesystem;

fs::path keysFilePath(const FolderClues& clues) {
#ifdef _WIN32
    const fs::path folder = clues.executable.empty() ? clues.workingFolder : clues.executable.parent_path();
    return folder / "keys.conf";
#else
    // A relative XDG_CONFIG_HOME is not used, as the base directory rules say.
    const fs::path xdg = clues.xdgConfigHome;
    if (xdg.is_absolute()) return xdg / "drifter" / "keys.conf";
    const std::string home = playerHome(clues);
    if (home.empty()) return {};
    return fs::path(home) / ".config" / "drifter" / "keys.conf";
#endif
}

void readKeysFile(const fs::path& file) {
    std::error_code ec;
    if (file.empty() || !fs::exists(file, ec)) return;  // no file: the built-in keys
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in || in.bad()) {
        keyFileProblems().push_back(file.string() + " cannot be read; the built-in keys are used");
        return;
    }
    const auto problems = keyBindings().read(text.str(), file.string());
    keyFileProblems().insert(keyFileProblems().end(), problems.begin(), problems.end());
}
