#pragma once
// World test helpers: a test folder holding maps/ that the test runs in and
// that is removed after it, and map files written as text.

#include <filesystem>
#include <string>
#include <vector>

#include "model/game_values.h"
#include "support/console_fixture.h"
#include "support/rolls.h"
#include "support/temp_folder.h"
#include "model/map.h"

class MapFolderTest : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        std::filesystem::create_directories(folder / "maps");
    }
    void writeMap(const std::string& fileName, const std::string& text) { folder.write("maps/" + fileName, text); }
    void readInto(Map& map, const std::string& text) {
        writeMap("test.map", text);
        map.loadFromFile("maps\\test.map");
    }
    // What loading the text as maps/map 0-1.map for play reports.
    std::string playableError(const std::string& text) {
        writeMap("map 0-1.map", text);
        try {
            Map().loadPlayableFromFile("maps\\map 0-1.map");
        } catch (const MapError& e) {
            return e.what();
        }
        return "(no error)";
    }

    ScratchFolder folder;
};

// A map file: name, "width height", the collision rows also as the picture,
// and the links as text and "x y" lines.
inline std::string mapText(const std::string& name, int width, int height, const std::vector<std::string>& rows,
                           const std::vector<std::pair<std::string, std::string>>& links = {}) {
    std::string text = name + "\n" + std::to_string(width) + " " + std::to_string(height) + "\n", layer;
    for (const std::string& row : rows) layer += row + "\n";
    text += layer + "end map\n" + layer + "end collision\n";
    for (const auto& link : links) text += link.first + "\n" + link.second + "\n";
    return text + "end links\n";
}

// A walled room w x h tiles, floor inside; width w - 1 and height h - 1 fit it.
inline std::vector<std::string> room(int w, int h) {
    std::vector<std::string> rows(static_cast<std::size_t>(h), std::string(static_cast<std::size_t>(w), '#'));
    for (std::size_t y = 1; y + 1 < rows.size(); ++y)
        rows[y].replace(1, static_cast<std::size_t>(w - 2), static_cast<std::size_t>(w - 2), ' ');
    return rows;
}
