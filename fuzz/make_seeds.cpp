// Writes the fuzz targets' first inputs below the folder it is given, one
// folder per target: the shipped maps; saves written by the game's own save
// format at each step of the whole story, played by the player made of code;
// those saves with keys for the streets; and the bytes terminals send.
//
//   fuzz_seeds OUTPUT_FOLDER

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "console/host.h"
#include "model/save_file.h"
#include "screens/start_up.h"
#include "tools/maps/story_goals.h"

namespace fs = std::filesystem;

namespace {

void writeSeed(const fs::path& folder, const std::string& name, const std::string& bytes) {
    fs::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary) << bytes;
}

// The keys that follow a save in a play input, after the NUL that ends the
// save: walks in every direction, a pause, the pause menu and Enter (the play
// check's key table, by the byte modulo 9).
const std::string streetKeys("\0\x01\x0a\x13\x03\x00\x02\x08\x06\x07\x05\x04", 12);

// The story player that notes the game as the save screen would write it
// each time it reaches a goal.
class SavingStoryPlayer : public maptools::StoryPlayer {
public:
    SavingStoryPlayer(GameState& s, fs::path out) : StoryPlayer(s), game(s), folder(std::move(out)) {}
    void waitUntil(std::int64_t deadline) override {
        if (diary.size() > goalsSaved) {
            goalsSaved = diary.size();
            const std::string save = formatSavedGame(captureGame(game.possessions, game.player, game.currentMap));
            const std::string name = "story-" + std::to_string(goalsSaved);
            writeSeed(folder / "save", name, save);
            writeSeed(folder / "play", name, save + streetKeys);
        }
        StoryPlayer::waitUntil(deadline);
    }

private:
    GameState& game;
    fs::path folder;
    std::size_t goalsSaved = 0;
};

void saveSeeds(const fs::path& out, const fs::path& source) {
    const fs::path scratch = fs::temp_directory_path() / "drifter-fuzz-seeds";
    fs::remove_all(scratch);
    fs::create_directories(scratch);
    fs::create_directory_symlink(source / "maps", scratch / "maps");
    fs::current_path(scratch);
    GameState state;
    SavingStoryPlayer player(state, out);
    setHost(&player);
    maptools::StoryNotes notes;
    maptools::addWholeStory(player, state, notes);
    try {
        startUp(state);
    } catch (const ScriptEnded&) {
        // the player stops once the story is over
    }
    setHost(nullptr);
    fs::current_path(source);
    fs::remove_all(scratch);
}

// What terminals send for the keys the game reads, in legacy, kitty and
// win32-input-mode encodings, with the replies to the start-up queries. The first byte of a
// key input chooses the key state's mode, each later one a read's length.
const char* const terminalBytes[] = {
    "\x1b[A\x1b[B\x1b[C\x1b[D",
    "\x1bOA\x1bOD\r\n\x7f\x08",
    "\x1b[1;5A\x1b[1;2C0123456789",
    "\x1b[38;1:1u\x1b[38;1:2u\x1b[38;1:3u",
    "\x1b[13u\x1b[27u\x1b[57414;1:3u\x1b[57417u",
    "\x1b[?1u\x1b[?62;22c\x1b[O\x1b[I",
    "\x1b\x1b[A\x1b",
    "\x1b]11;rgb:0000/0000/0000\x1b\\\x1bP1$r0m\x1b\\",
    "\x1b[40;80;0;1;256;1_\x1b[40;80;0;1;256;1_\x1b[40;80;0;0;256;1_",
    "\x1b[16;42;0;1;16;1_\x1b[191;53;63;1;16;1_\x1b[191;53;0;0;16;1_\x1b[13;28;13;1;0;1_\x1b[_",
};

void keySeeds(const fs::path& out) {
    int n = 0;
    for (const char* bytes : terminalBytes) {
        const std::string text(bytes);
        for (char mode : {'\0', '\x01'}) {
            std::string input(1, mode);
            for (std::size_t at = 0; at < text.size(); at += 4) input += '\x23' + text.substr(at, 4);
            writeSeed(out / "key", "terminal-" + std::to_string(n++), input);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: fuzz_seeds OUTPUT_FOLDER\n";
        return 2;
    }
    bindCoutToScreen();
    const fs::path out = fs::absolute(argv[1]);
    const fs::path source = DRIFTER_FUZZ_SHIPPED_DIR;
    fs::create_directories(out / "map");
    for (const auto& map : fs::directory_iterator(source / "maps"))
        if (map.path().extension() == ".map")
            fs::copy_file(map.path(), out / "map" / map.path().filename(), fs::copy_options::overwrite_existing);
    saveSeeds(out, source);
    keySeeds(out);
    return 0;
}
