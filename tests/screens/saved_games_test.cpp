#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#ifndef _WIN32
#include <sys/file.h>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>
#endif

#include "model/game_state.h"
#include "model/save_file.h"
#include "screens/save_screens.h"
#include "model/possessions.h"
#include "model/character.h"
#include "support/screen_recorder.h"
#include "support/system_reason.h"
#include "model/world_support.h"
#include "platform/game_folders.h"

namespace {

// The example of a player in Roswell, as the file's first fourteen lines.
const char* const roswellStart =
    "4\n350\n1200\n0\n3\nMedkit\nMedkit\nAirplane ticket\n5\n2\nFist\nShotgun\n1\nmap 4 data disk\n";
const char* const roswellEnd = "4\n0\n2\n1\n1\n7\n8\n420\n500\n12\n15\n";
const std::string roswell = std::string(roswellStart) + roswellEnd;

class SavedGames : public MapFolderTest {
protected:
    void SetUp() override {
        MapFolderTest::SetUp();
        setHost(&script);
        for (int i = 0; i < 3; ++i) {
            maps.append(Map());
            writeMap("world.map", mapText("map " + std::to_string(i), 20, 10, room(21, 11)));
            maps[static_cast<std::uint32_t>(i)].loadPlayableFromFile("maps\\world.map");
        }
    }
    void writeSlot(int slot, const std::string& text) { folder.write(slotFile(slot), text); }
    std::string readSlot(int slot) { return folder.read(slotFile(slot)); }
    static std::string slotFile(int slot) { return "save/save" + std::to_string(slot) + ".sav"; }
    // Chooses slot n (1-11) in the slot menu: n - 1 Downs and Enter.
    void chooseSlot(int n) { script.choose(n - 1); }
    void load() { loadGameScreen(possessions, player, currentMap, maps); }
    void save() { saveGameScreen(possessions, player, currentMap); }

    ScreenRecorder script;
    Array<Map> maps;
    Possessions possessions;
    Character player{10, 5};
    int currentMap = 1;
};

TEST_F(SavedGames, TheSlotListShowsCityAndCashOrEmpty) {
    writeSlot(2, "6\n-5\n");
    writeSlot(3, "9\n77\n");
    writeSlot(4, "not a number\n");
    EXPECT_EQ(joined(saveSlotList(), "|"),
              "Save 1: Empty|Save 2: Washington, DC, $-5|Save 377|Save 4: Damaged|"
              "Save 5: Empty|Save 6: Empty|Save 7: Empty|Save 8: Empty|Save 9: Empty|"
              "Save 10: Empty|Back|");  // no city text outside 1 to 6
}

TEST_F(SavedGames, AFailedOrInterruptedSaveLeavesTheOldSlotIntact) {
    writeSlot(1, roswell);
    // A save cut short after writing its temporary file left it behind.
    folder.write("save/save1.sav.tmp", "1\n12");
    EXPECT_EQ(saveSlotList()[0], "Save 1: Roswell, $350");

    // A saved game is written over only after a second question; a slot that
    // cannot be written (a folder took its name) is reported: nothing is lost.
    std::filesystem::create_directories(folder / "save" / "save2.sav" / "kept");
    chooseSlot(1);
    script.choose(1);  // " No  "
    chooseSlot(2);
    script.tap(VK::Enter);  // " Yes "
    script.tap(VK::Enter);  // past the message
    chooseSlot(11);
    save();
    EXPECT_TRUE(script.at(VK::Down, 0).shows("Would you like to OVERWRITE slot 1?"));
    const Shot& told = script.at(VK::Enter, 4);
    EXPECT_EQ(told.text(0, 0, 28), "The game could not be saved.");
    expectSystemReason(told.text(0, 1, 30), "Is a directory");  // on the next line
    EXPECT_EQ(readSlot(1), roswell);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "save/save2.sav/kept"));
}

// A save that was killed left its temporary file; it never blocks the next
// save of the slot, and whatever it became (here a link to another file) is
// removed once no running game can be writing it.
TEST_F(SavedGames, ALeftoverTemporaryFileNeverBlocksNorLingers) {
    const std::filesystem::path tmp = folder / "save/save4.sav.tmp";
    std::filesystem::create_directories(tmp.parent_path());
#ifdef _WIN32
    folder.write("elsewhere.txt", "not a save");
    folder.write("save/save4.sav.tmp", "half a save");  // links need rights Windows seldom gives
    std::filesystem::last_write_time(tmp, std::filesystem::file_time_type::clock::now() - std::chrono::minutes(2));
#else
    std::filesystem::create_symlink(folder.write("elsewhere.txt", "not a save"), tmp);
#endif
    chooseSlot(4);
    script.tap(VK::Enter);  // " Yes "
    chooseSlot(11);
    save();
    EXPECT_EQ(readSlot(4), formatSavedGame(captureGame(possessions, player, currentMap)));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(tmp)));
    EXPECT_FALSE(std::filesystem::is_symlink(folder / "save/save4.sav"));
    EXPECT_EQ(folder.read("elsewhere.txt"), "not a save");
}

// A save folder that cannot be listed (here a file stands in its place, which
// stops root as well) is named with the reason instead of ten empty slots.
TEST_F(SavedGames, AnUnreadableSaveFolderIsNamedNotShownEmpty) {
    folder.write("save", "");
    script.tap(VK::Enter);  // past the message
    load();
    script.tap(VK::Enter);
    save();
    for (std::size_t i : {0, 1}) {
        const Shot& told = script.at(VK::Enter, i);
        EXPECT_EQ(told.text(0, 0, 31), "The save folder cannot be read.") << i;
        EXPECT_EQ(told.text(0, 1, 15), "Not a directory") << i;
    }
    EXPECT_FALSE(script.saw("Empty"));
}

// Saves killed half way left their temporary files; opening the save folder
// removes those no game can still be writing: older than a minute, and not
// marked in use by a save under way.
TEST_F(SavedGames, LeftoversOfKilledSavesGoWhenTheFolderIsOpened) {
    const auto age = [&](const char* name, int minutes) {
        folder.write(std::string("save/") + name, "half a save");
        std::filesystem::last_write_time(
            folder / "save" / name, std::filesystem::file_time_type::clock::now() - std::chrono::minutes(minutes));
    };
    for (const char* name : {"save1.sav.tmp", "save2.sav.Ab3dEf.tmp", "interrupted.sav.x0Y9zz.tmp"}) age(name, 8);
    age("save3.sav.Qw12Er.tmp", 0);  // a save that may be under way
    age("notes.tmp", 8);             // not the game's
#ifndef _WIN32
    age("save4.sav.Zx98Yu.tmp", 8);  // written by a game that is slow, not killed
    const int inUse = ::open((folder / "save/save4.sav.Zx98Yu.tmp").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(inUse, LOCK_EX), 0);
#endif
    chooseSlot(11);
    load();
#ifndef _WIN32
    ::close(inUse);
    EXPECT_TRUE(std::filesystem::exists(folder / "save/save4.sav.Zx98Yu.tmp"));
#endif
    EXPECT_FALSE(std::filesystem::exists(folder / "save/save1.sav.tmp"));
    EXPECT_FALSE(std::filesystem::exists(folder / "save/save2.sav.Ab3dEf.tmp"));
    EXPECT_FALSE(std::filesystem::exists(folder / "save/interrupted.sav.x0Y9zz.tmp"));
    EXPECT_TRUE(std::filesystem::exists(folder / "save/save3.sav.Qw12Er.tmp"));
    EXPECT_TRUE(std::filesystem::exists(folder / "save/notes.tmp"));
}

#ifndef _WIN32
// A FIFO would hang the list and the save, a linked device grow memory until
// the game died: neither is read, both are listed as damaged, and a save
// puts a saved game in the FIFO's place.
TEST_F(SavedGames, SlotsThatAreNoOrdinaryFilesAreDamagedAndNeverWaitedFor) {
    std::filesystem::create_directories(folder / "save");
    ASSERT_EQ(::mkfifo((folder / "save/save1.sav").c_str(), 0644), 0);
    std::filesystem::create_symlink("/dev/zero", folder / "save/save2.sav");
    std::filesystem::create_symlink("/dev/urandom", folder / "save/save3.sav");
    writeSlot(4, roswell);
    std::filesystem::create_symlink(folder / "save/save4.sav", folder / "save/save5.sav");
    EXPECT_EQ(
        joined(saveSlotList(), "|")
            .rfind("Save 1: Damaged|Save 2: Damaged|Save 3: Damaged|Save 4: Roswell, $350|Save 5: Damaged|", 0),
        0u);
    for (int slot : {1, 2, 5}) {
        chooseSlot(slot);
        script.tap(VK::Enter);  // past the message
    }
    chooseSlot(11);
    load();
    EXPECT_EQ(possessions.getMoney(), 0);
    EXPECT_TRUE(script.at(VK::Enter, 3).shows("This saved game is damaged and cannot be loaded."));
    chooseSlot(1);
    script.tap(VK::Enter);  // " Yes "
    chooseSlot(11);
    save();
    EXPECT_EQ(readSlot(1), formatSavedGame(captureGame(possessions, player, currentMap)));
}
#endif

// Without any folder for saved games the game plays on with saving turned off
// and says so; a folder that cannot be made is named.
TEST_F(SavedGames, NoFolderForSavesIsExplainedOnTheSaveScreens) {
    GameFolders none;
    none.saves.clear();
    none.savingOff = "Saving is turned off: there is no folder for saved games";
    useGameFolders(none);
    script.tap(VK::Enter).tap(VK::Enter);
    save();
    load();
    GameFolders blocked;
    folder.write("home", "a file where a folder belongs");
    blocked.saves = folder / "home" / "drifter" / "save";
    useGameFolders(blocked);
    script.tap(VK::Enter);
    save();
    useGameFolders(GameFolders{});
    EXPECT_TRUE(script.at(VK::Enter, 0).shows("Saving is turned off: there is no folder for saved games"));
    EXPECT_TRUE(script.at(VK::Enter, 1).shows("Saving is turned off"));
    const Shot& named = script.at(VK::Enter, 2);
    EXPECT_EQ(named.rows[0].substr(0, 31), "The save folder cannot be made:");
    EXPECT_EQ(named.rows[1].substr(0, blocked.saves.string().size()), blocked.saves.string());
    expectSystemReason(named.rows[2], "Not a directory");
    EXPECT_FALSE(script.saw("Save 1"));
}

TEST_F(SavedGames, TheExampleFileLoadsLineByLineWithEitherLineEnd) {
    std::string crlf;
    for (char c : roswell) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string& file : {roswell, crlf}) {
        writeSlot(7, file);
        possessions.addItem(std::make_unique<YBox>());  // replaced by the file's items
        chooseSlot(7);
        load();
        // Written back, the loaded game is the file line for line, and an empty
        // baggage after it: no items, no weapons, the Fist to hold on return.
        EXPECT_EQ(formatSavedGame(captureGame(possessions, player, currentMap)), roswell + "0\n0\n0\n");
    }
    // The file keeps the ticket's destination; its gate is drawn afresh.
    const auto* ticket = dynamic_cast<AirplaneTicket*>(possessions.getItem(2));
    ASSERT_NE(ticket, nullptr);
    EXPECT_TRUE(ticket->getGate() >= 1 && ticket->getGate() <= 3);
}

TEST_F(SavedGames, UnknownItemsAreSkippedAndAFileWithoutTheFistGetsItBackFirst) {
    writeSlot(1,
              "1\n0\n0\n0\n3\nInternet Exploder\nPogo Stick\nC-Flat\n2\nShotgun\nUzi\n0\n"
              "0\n1\n0\n1\n1\n5\n5\n500\n500\n10\n10\n");
    writeSlot(2, "1\n0\n0\n0\n0\n1\nFist\n0\n0\n1\n0\n9\n1\n5\n5\n500\n500\n10\n10\n");
    chooseSlot(1);
    load();
    EXPECT_EQ(joined(possessions.itemNames()) + joined(possessions.weaponNames()),
              "Internet Exploder,C-Flat,Fist,Shotgun,Uzi,");
    EXPECT_EQ(equippedWeapon, 2);  // still the Uzi
    chooseSlot(2);
    load();
    EXPECT_EQ(equippedWeapon, 0);  // an index past the end
}

TEST_F(SavedGames, EmptyAndDamagedSlotsChangeNothing) {
    const std::string damaged[] = {
        "\n",                                                                     // an empty line
        roswell.substr(0, roswell.size() - 3),                                    // truncated
        std::string(roswellStart) + "4\nyes\n2\n1\n1\n7\n8\n420\n500\n12\n15\n",  // mail flag
        "7" + roswell.substr(1),                                                  // city outside 1 to 6
        std::string(roswellStart) + "4\n0\n2\n1\n3\n7\n8\n420\n500\n12\n15\n",    // map 3 of 3
        std::string(roswellStart) + "4\n0\n2\n1\n1\n21\n8\n420\n500\n12\n15\n",   // off the map
        "4\n350\n1200\n0\n-1\n2\nFist\nShotgun\n",                                // negative count
        "4\n350\n12x0\n" + roswell.substr(11),                                    // text for a number
    };
    possessions.setMoney(99);
    player.setX(3);
    const std::string before = formatSavedGame(captureGame(possessions, player, currentMap));
    for (const std::string& text : damaged) {
        writeSlot(2, text);
        script = ScreenRecorder();
        script.tap(VK::Enter);  // slot 1: empty, the list comes back
        chooseSlot(2);
        script.tap(VK::Enter);  // past the message
        chooseSlot(11);
        load();
        EXPECT_EQ(formatSavedGame(captureGame(possessions, player, currentMap)), before) << text;
        EXPECT_TRUE(script.saw("This saved game is damaged and cannot be loaded.")) << text;
    }
}

// Blank lines after the fields are allowed, but not a file larger than any save.
TEST_F(SavedGames, AFileLargerThanAnySaveIsRefusedByName) {
    writeSlot(4, roswell + std::string(300 * 1024, '\n'));
    EXPECT_EQ(saveSlotList()[3], "Save 4: Damaged");
    chooseSlot(4);
    script.tap(VK::Enter);  // past the message
    chooseSlot(11);
    load();
    EXPECT_TRUE(script.saw("save/save4.sav is larger than any saved game and cannot be loaded."));
    EXPECT_EQ(possessions.getMoney(), 0);
}

TEST_F(SavedGames, TheCheckedBaggageFollowsTheGameAndOlderFilesHaveNone) {
    baggage.addItem(std::make_unique<InternetExploder>());
    baggage.addWeapon(makeWeaponByName("Uzi"));
    savedEquippedWeapon = 2;
    const std::string text = formatSavedGame(captureGame(possessions, player, currentMap));
    EXPECT_EQ(text.substr(text.size() - 28), "1\nInternet Exploder\n1\nUzi\n2\n");  // after the 21 fields
    writeSlot(1, text);
    writeSlot(2, text.substr(0, text.size() - 6));  // cut short inside the baggage
    writeSlot(7, roswell);
    baggage = Possessions();
    chooseSlot(1);
    load();
    EXPECT_EQ(baggage.itemCount() + baggage.weaponCount(), 3);
    EXPECT_EQ(savedEquippedWeapon, 2);
    chooseSlot(2);
    script.tap(VK::Enter);  // past the message: the file is damaged
    chooseSlot(11);
    load();
    chooseSlot(7);
    load();
    EXPECT_EQ(currentCity, 4);
    EXPECT_EQ(baggage.itemCount() + baggage.weaponCount(), 1);  // its own Fist
    EXPECT_TRUE(script.saw("This saved game is damaged"));
}

}  // namespace
