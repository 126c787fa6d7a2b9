#include "screens/save_screens.h"

#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

#include "model/save_file.h"
#include "console/console.h"
#include "console/dialogs.h"
#include "console/menu.h"
#include "platform/files.h"
#include "model/map.h"

namespace {

constexpr int slotCount = 10;

// How a used slot names its city, before the cash.
const char* const slotCityTexts[] = {": Vancouver, $", ": Cape Kennedy, $", ": Silicon Valley, $",
                                     ": Roswell, $",   ": Redmond, $",      ": Washington, DC, $"};

String slotFileName(int slot) {
    String name("save\\save");
    name += slot;
    name += ".sav";
    return name;
}

// A number at the start of a line, as a formatted read takes it.
bool leadingNumber(const std::string& line, int& value) {
    char* end = nullptr;
    const long n = std::strtol(line.c_str(), &end, 10);
    if (end == line.c_str()) return false;
    value = static_cast<int>(n);
    return true;
}

// A slot file larger than any save the game writes is damage, and is never read.
bool oversized(int slot) { return fileLargerThan(slotFileName(slot).str(), maxSaveFileBytes); }

String slotLine(int slot) {
    String line("Save ");
    line += slot;
    std::string text;
    if (oversized(slot)) return line + ": Damaged";
    if (!readTextFile(slotFileName(slot).str(), text)) return line + ": Empty";
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

int chooseSlot() {
    const Array<String> slots = saveSlotList();
    clearScreen();
    const int choice = menu("Save Game", slots, true);
    clearScreen();
    return choice < slotCount ? choice + 1 : 0;
}

// A message on a clear screen that waits for Enter.
void warn(const std::string& message) {
    clearScreen();
    tell(String((message + "\n").c_str()));
}

// A save folder that cannot be listed would show every slot as empty; the
// player is told why instead. True when the slots can be shown.
bool saveFolderReadable() {
    const std::string reason = folderUnreadable("save");
    if (reason.empty()) return true;
    warn("The save folder cannot be read.\n" + reason);
    return false;
}

}  // namespace

Array<String> saveSlotList() {
    Array<String> slots;
    for (int slot = 1; slot <= slotCount; ++slot) slots.append(slotLine(slot));
    slots.append("Back");
    return slots;
}

void saveGameScreen(Possessions& possessions, Character& player, int currentMap) {
    makeDirectory("save");
    if (!saveFolderReadable()) return;
    for (;;) {
        const int slot = chooseSlot();
        if (slot == 0) return;
        const String file = slotFileName(slot);
        if (fileExists(file.str())) std::cout << "Would you like to OVERWRITE slot " << slot << "?\n";
        else std::cout << "Would you like to save to slot " << slot << "?\n";
        if (!confirmed("")) continue;
        const std::string text = formatSavedGame(captureGame(possessions, player, currentMap));
        std::string reason;
        if (!writeFileAtomically(file.str(), text, reason)) warn("The game could not be saved.\n" + reason);
    }
}

void loadGameScreen(Possessions& possessions, Character& player, int& currentMap, const Array<Map>& maps) {
    if (!saveFolderReadable()) return;
    for (;;) {
        const int slot = chooseSlot();
        if (slot == 0) return;
        std::string text;
        if (oversized(slot)) {
            warn("save/save" + std::to_string(slot) + ".sav is larger than any saved game and cannot be loaded.");
            continue;
        }
        if (!readTextFile(slotFileName(slot).str(), text)) continue;
        SavedGame game;
        if (!parseSavedGame(text, game) || !fitsWorld(game, maps)) {
            warn("This saved game is damaged and cannot be loaded.");
            continue;
        }
        restoreGame(game, possessions, player, currentMap);
        return;
    }
}
