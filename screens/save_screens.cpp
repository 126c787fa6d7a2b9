#include "screens/save_screens.h"

#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "model/save_file.h"
#include "console/console.h"
#include "console/dialogs.h"
#include "console/menu.h"
#include "platform/files.h"
#include "platform/game_folders.h"
#include "model/map.h"

const char* const interruptedGameFile = "save\\interrupted.sav";

namespace {

constexpr int slotCount = 10;

// How a used slot names its city, before the cash.
const char* const slotCityTexts[] = {": Vancouver, $", ": Cape Kennedy, $", ": Silicon Valley, $",
                                     ": Roswell, $",   ": Redmond, $",      ": Washington, DC, $"};

// A file the screens list, and the label its line starts with.
struct SaveFile {
    String label;
    std::string name;
};

String slotFileName(int slot) {
    String name("save\\save");
    name += slot;
    name += ".sav";
    return name;
}

// The ten slots, then the interrupted game while something stands in its place.
std::vector<SaveFile> listedFiles(bool withInterrupted) {
    std::vector<SaveFile> files;
    for (int slot = 1; slot <= slotCount; ++slot) {
        String label("Save ");
        label += slot;
        files.push_back({label, slotFileName(slot).str()});
    }
    std::string text;
    if (withInterrupted && readGameFile(interruptedGameFile, maxSaveFileBytes, text) != GameFileRead::Missing)
        files.push_back({"Interrupted", interruptedGameFile});
    return files;
}

// A number at the start of a line, as a formatted read takes it.
bool leadingNumber(const std::string& line, int& value) {
    char* end = nullptr;
    const long n = std::strtol(line.c_str(), &end, 10);
    if (end == line.c_str()) return false;
    value = static_cast<int>(n);
    return true;
}

// A file that cannot be opened is an empty slot; one that is no ordinary
// file, or larger than any save the game writes, is damage and is never read.
String fileLine(const SaveFile& file) {
    String line = file.label;
    std::string text;
    switch (readGameFile(file.name, maxSaveFileBytes, text)) {
    case GameFileRead::Read: break;
    case GameFileRead::Missing:
    case GameFileRead::Unreadable: return line + ": Empty";
    default: return line + ": Damaged";
    }
    std::istringstream in(text);
    std::string cityLine, cashLine;
    std::getline(in, cityLine);
    std::getline(in, cashLine);
    int city = 0, cash = 0;
    if (!leadingNumber(cityLine, city) || !leadingNumber(cashLine, cash)) return line + ": Damaged";
    if (city >= 1 && city <= 6) line += slotCityTexts[city - 1];
    line += cash;
    return line;
}

Array<String> listLines(const std::vector<SaveFile>& files) {
    Array<String> lines;
    for (const SaveFile& file : files) lines.append(fileLine(file));
    lines.append("Back");
    return lines;
}

// Shows the list; the index of the chosen file, or -1 for "Back".
int chooseFile(const std::vector<SaveFile>& files) {
    const Array<String> lines = listLines(files);
    clearScreen();
    const int choice = menu("Save Game", lines, true);
    clearScreen();
    return choice < static_cast<int>(files.size()) ? choice : -1;
}

// A message on a clear screen that waits for Enter.
void warn(const std::string& message) {
    clearScreen();
    tell(String((message + "\n").c_str()));
}

// Without a folder for saved games the player is told so, and the screen closes.
bool savingOn() {
    const std::string& off = gameFolders().savingOff;
    if (off.empty()) return true;
    warn(off);
    return false;
}

// A save folder that cannot be listed would show every slot as empty; the
// player is told why instead. True when the slots can be shown. What killed
// writes left there is cleared away.
bool saveFolderReadable() {
    const std::string reason = folderUnreadable("save");
    if (!reason.empty()) {
        warn("The save folder cannot be read.\n" + reason);
        return false;
    }
    removeLeftoverWrites("save");
    return true;
}

// A folder that cannot be made is named, so the player can see to it.
bool saveFolderMade() {
    const std::string reason = makeDirectory("save");
    if (reason.empty()) return true;
    warn("The save folder cannot be made:\n" + resolveGamePath("save") + "\n" + reason);
    return false;
}

const std::string damaged = "This saved game is damaged";

// The game in a file the player chose, or why it cannot be loaded (empty when
// the slot is empty, and the list comes back without a word).
bool readChosen(const SaveFile& file, const Array<Map>& maps, SavedGame& game, std::string& refusal) {
    std::string text;
    switch (readGameFile(file.name, maxSaveFileBytes, text)) {
    case GameFileRead::Read: break;
    case GameFileRead::TooLarge: refusal = shownGameName(file.name) + " is larger than any saved game"; break;
    case GameFileRead::NotAFile: refusal = damaged; break;
    default: return false;
    }
    if (refusal.empty() && parseSavedGame(text, game) && fitsWorld(game, maps)) return true;
    refusal = (refusal.empty() ? damaged : refusal) + " and cannot be loaded.";
    return false;
}

}  // namespace

Array<String> saveSlotList(bool withInterrupted) { return listLines(listedFiles(withInterrupted)); }

void saveGameScreen(Possessions& possessions, Character& player, int currentMap) {
    if (!savingOn() || !saveFolderReadable() || !saveFolderMade()) return;
    const std::vector<SaveFile> slots = listedFiles(false);
    for (;;) {
        const int chosen = chooseFile(slots);
        if (chosen < 0) return;
        const int slot = chosen + 1;
        const std::string& file = slots[static_cast<std::size_t>(chosen)].name;
        if (fileExists(file)) std::cout << "Would you like to OVERWRITE slot " << slot << "?\n";
        else std::cout << "Would you like to save to slot " << slot << "?\n";
        if (!confirmed("")) continue;
        const std::string text = formatSavedGame(captureGame(possessions, player, currentMap));
        std::string reason;
        if (!writeFileAtomically(file, text, reason)) warn("The game could not be saved.\n" + reason);
    }
}

void loadGameScreen(Possessions& possessions, Character& player, int& currentMap, const Array<Map>& maps) {
    if (!savingOn() || !saveFolderReadable()) return;
    for (;;) {
        const std::vector<SaveFile> files = listedFiles(true);
        const int chosen = chooseFile(files);
        if (chosen < 0) return;
        const SaveFile& file = files[static_cast<std::size_t>(chosen)];
        SavedGame game;
        std::string refusal;
        if (!readChosen(file, maps, game, refusal)) {
            if (!refusal.empty()) warn(refusal);
            continue;
        }
        restoreGame(game, possessions, player, currentMap);
        if (file.name == interruptedGameFile) removeGameFile(file.name);
        return;
    }
}
