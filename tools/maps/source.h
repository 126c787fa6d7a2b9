#pragma once
// The editable source of one map (or of the status panel), kept in maps/src/.
//
//   # a comment
//   file: map 0-2              the file it compiles to (maps/map 0-2.map)
//   name: Vancouver 1          the name the game finds it by
//   size: 79 19                width and height (default: columns - 1, rows - 1)
//   kind: panel                only for the status panel (no collision, no links)
//   text: 1F                   panel only: the colour the status texts are written in
//   @legend                    optional: extra colour letters and glyph rules
//   colour ~ 19                  colour letter ~ names background 1, foreground 9
//   glyph ░ 2A walk              glyph ░ is floor, drawn light green on green
//   @picture                   the rows as drawn, in UTF-8 with the real glyphs
//   @colours                   optional: one colour letter per cell, blank = the glyph's colour
//   @collision                 optional: '#' wall, '.' floor, a digit a link, blank = from the glyph
//   @links                     one line per link: digit (or '+' for an entry no tile
//   0 internetcafemenu           uses), the text, and "-> x y" for the arrival position
//   1 map 1-1 -> 5 17
//
// Layers after @picture hold one line per picture row (an empty line leaves
// that row to the defaults); a missing cell counts as blank. The global legend
// (maps/src/legend.txt) is read first, a map's own @legend adds to it.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace maptools {

struct GlyphRule {
    int attr = 0x07;
    bool walk = false;
};

struct Legend {
    std::map<char32_t, int> colours;  // colour letter -> attribute (background * 16 + foreground)
    std::map<char32_t, GlyphRule> glyphs;
};

struct LinkSource {
    int digit = -1;  // -1: an entry that no tile uses (an elevator's destination list)
    std::string text;
    int x = 0;
    int y = 0;
};

struct MapSource {
    std::string origin;  // where it came from, for messages
    std::string file;
    std::string name;
    int width = -1;
    int height = -1;
    bool panel = false;
    int textAttr = -1;
    Legend legend;
    std::vector<std::u32string> picture;
    std::vector<std::u32string> colours;
    std::vector<std::u32string> collision;
    std::vector<LinkSource> links;
};

// Reads legend lines ("colour X 4E", "glyph ▒ 4C wall", "glyph space 07 walk")
// into the legend. False with a message naming origin and line on a fault.
bool parseLegend(const std::string& text, const std::string& origin, Legend& legend, std::string& error);

bool parseSource(const std::string& text, const std::string& origin, MapSource& out, std::string& error);

// The map file the game reads. False with a message when the source breaks a
// rule of the format (a glyph code page 437 lacks, a colour letter not in the
// legend, a digit without its link, rows outside the screen...).
bool compileMap(const MapSource& source, const Legend& global, std::string& out, std::string& error);

// The bytes of a file, as they are; false when it cannot be read.
bool readAll(const std::filesystem::path& file, std::string& text);

// Compiles every *.txt of sourceDir (legend.txt is the legend) into
// file name -> contents. False with the first fault.
bool compileFolder(const std::string& sourceDir, std::map<std::string, std::string>& files, std::string& error);

}  // namespace maptools
