#pragma once
// Test helpers for the world: a temporary game folder holding maps/, entered
// for the test and removed after it, and a random source that plays a script.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "console/random.h"
#include "game/game_values.h"
#include "support/console_fixture.h"
#include "world/map.h"

// Values handed out in order; running out fails the test instead of looping.
class ScriptedRandom : public RandomSource {
public:
    ScriptedRandom(std::initializer_list<int> v) : values(v) { setRandomSource(this); }
    explicit ScriptedRandom(std::vector<int> v) : values(std::move(v)) { setRandomSource(this); }
    ~ScriptedRandom() override { setRandomSource(nullptr); }
    ScriptedRandom(const ScriptedRandom&) = delete;
    ScriptedRandom& operator=(const ScriptedRandom&) = delete;

    int next() override {
        if (used >= values.size()) throw std::runtime_error("the random script ran out");
        return values[used++];
    }
    bool allUsed() const { return used == values.size(); }

private:
    std::vector<int> values;
    std::size_t used = 0;
};

// A ConsoleTest that runs in a fresh folder with an empty maps/ in it.
class MapFolderTest : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        resetGameValues();
        namespace fs = std::filesystem;
        static int serial = 0;
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        folder = fs::temp_directory_path() /
                 ("drifter-world-" + std::to_string(stamp) + "-" + std::to_string(++serial));
        fs::create_directories(folder / "maps");
        previous = fs::current_path();
        fs::current_path(folder);
    }
    void TearDown() override {
        std::filesystem::current_path(previous);
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        resetGameValues();
        ConsoleTest::TearDown();
    }

    // Writes maps/<fileName> with exactly these bytes.
    void writeMap(const std::string& fileName, const std::string& text) {
        std::ofstream out(folder / "maps" / fileName, std::ios::binary);
        out << text;
    }
    // Writes maps/test.map and reads it with loadFromFile.
    void readInto(Map& map, const std::string& text) {
        writeMap("test.map", text);
        map.loadFromFile("maps\\test.map");
    }
    // The message of the MapError that loading maps/<fileName> as a playable map throws.
    std::string playableError(const std::string& text) {
        writeMap("map 0-1.map", text);
        Map map;
        try {
            map.loadPlayableFromFile("maps\\map 0-1.map");
        } catch (const MapError& e) {
            return e.what();
        }
        return "(no error)";
    }

    std::filesystem::path folder;
    std::filesystem::path previous;
};

// The text of a map file: the name, "width height", one display row per
// collision row, the collision rows, and the links as text / "x y" pairs.
inline std::string mapText(const std::string& name, int width, int height,
                           const std::vector<std::string>& collision,
                           const std::vector<std::pair<std::string, std::string>>& links = {}) {
    std::string text = name + "\n" + std::to_string(width) + " " + std::to_string(height) + "\n";
    for (const std::string& row : collision) text += row + "\n";
    text += "end map\n";
    for (const std::string& row : collision) text += row + "\n";
    text += "end collision\n";
    for (const auto& link : links) text += link.first + "\n" + link.second + "\n";
    text += "end links\n";
    return text;
}

// A walled room of w x h tiles (floor inside), collision w x h characters,
// so width = w - 1 and height = h - 1 cover it exactly.
inline std::vector<std::string> room(int w, int h) {
    std::vector<std::string> rows;
    for (int y = 0; y < h; ++y) {
        std::string row(static_cast<std::size_t>(w), '#');
        if (y > 0 && y < h - 1)
            for (int x = 1; x < w - 1; ++x) row[static_cast<std::size_t>(x)] = ' ';
        rows.push_back(row);
    }
    return rows;
}
