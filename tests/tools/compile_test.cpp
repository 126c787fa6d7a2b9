#include <gtest/gtest.h>

#include <filesystem>

#include "tools/maps/cp437.h"
#include "tools/maps/picture.h"
#include "tools/maps/source.h"
#include "map_test_support.h"

using namespace maptools;

namespace {

Legend testLegend() {
    Legend l;
    std::string error;
    parseLegend(
        "colour W 0F\ncolour ~ 19\nglyph space 07 walk\nglyph · 08 walk\nglyph ≈ 19 wall\n"
        "glyph █ 07 wall\n",
        "legend", l, error);
    return l;
}

bool compileText(const std::string& source, std::string& out, std::string& error) {
    MapSource src;
    if (!parseSource(source, "test.txt", src, error)) return false;
    return compileMap(src, testLegend(), out, error);
}

std::string compiled(const std::string& source) {
    std::string out, error;
    EXPECT_TRUE(compileText(source, out, error)) << error;
    return out;
}

std::string failure(const std::string& source) {
    std::string out, error;
    EXPECT_FALSE(compileText(source, out, error)) << out;
    return error;
}

const char* kRoom =
    "file: map 9-1\nname: Test Room\n"
    "@picture\n"
    "█████\n"
    "█ · █\n"
    "█≈≈ █\n"
    "█████\n"
    "@colours\n"
    "\n"
    " W\n"
    "@collision\n"
    "\n"
    "   0\n"
    "@links\n"
    "0 map 9-2 -> 2 1\n"
    "+ map 9-3 -> 3 3\n";

}  // namespace

// Colours are written as escapes only where they change: a blank keeps the
// colour in force, and the glyphs read back in their own colours.
TEST(MapCompiler, CompiledMapsReadBackToTheirPictureAndColours) {
    EXPECT_NE(compiled(kRoom).find("\n\xDB %C08\xFA %C07\xDB\n"), std::string::npos);
    TempFolder folder;
    const std::string path = folder.write("map 9-1.map", compiled(kRoom)).string();
    Map m;
    m.loadFromFile(path.c_str());
    EXPECT_TRUE(m.getName() == "Test Room");
    EXPECT_EQ(m.getWidth(), 4);
    ASSERT_EQ(m.getLinks().size(), 2u);
    EXPECT_TRUE(m.linkAt(3, 1) == "map 9-2");
    EXPECT_EQ(m.linkIndex("map 9-3"), 1);
    const auto rows = renderRows(m.getLines());
    EXPECT_EQ(bytesToUtf8(std::string(1, static_cast<char>(rows[2][1].ch))), "≈");
    EXPECT_EQ(rows[2][1].attr, 0x19);
    EXPECT_EQ(rows[1][2].attr, 0x08);
    EXPECT_EQ(rows[3][4].attr, 0x07);
}

// Each glyph of the code page leads back to its own byte: no two bytes look
// the same on the screen, the blanks (0, space and 255) aside.
TEST(CodePage, EveryByteHasAGlyphOfItsOwn) {
    for (int b = 1; b < 255; ++b) {
        std::u32string glyph;
        std::size_t bad = 0;
        ASSERT_TRUE(decodeUtf8(cp437ToUtf8(static_cast<unsigned char>(b)), glyph, bad) && glyph.size() == 1) << b;
        if (b != ' ') {
            EXPECT_EQ(unicodeToCp437(glyph[0]), b);
        }
    }
}

TEST(MapCompiler, RejectsSourcesTheGameCouldNotShowOrUse) {
    const std::string head = "file: map 9-1\nname: T\n@picture\n";
    EXPECT_NE(failure(head + "█☃█\n").find("not in code page 437"), std::string::npos);
    EXPECT_NE(failure(head + "█%█\n").find("cannot stand in a map row"), std::string::npos);
    EXPECT_NE(failure(head + "███\n@colours\n?\n").find("not in the legend"), std::string::npos);
    EXPECT_NE(failure(head + "█ █\n@collision\n 3\n").find("has no link"), std::string::npos);
    EXPECT_NE(failure(head + "█ █\n@collision\n 1\n@links\n1 a\n").find("without gaps"), std::string::npos);
    EXPECT_NE(failure(head + "█ █\n@links\n0 a\n").find("has no tile"), std::string::npos);
    EXPECT_NE(failure("file: a\nname: T\nsize: 2 5\n@picture\n███\n").find("picture rows"), std::string::npos);
    std::string tall = head;
    for (int i = 0; i < 21; ++i) tall += "█\n";
    EXPECT_NE(failure(tall).find("21 rows"), std::string::npos);
    MapSource src;
    std::string error;
    EXPECT_FALSE(parseSource("name: T\n@picture\n█\n", "x", src, error));
    EXPECT_FALSE(parseSource("file: a\nname: T\n@picture\n█\n@links\n0 a -> 1\n", "x", src, error));
}

TEST(MapCompiler, PanelEndsInItsTextColourAndHasNoLayers) {
    const std::string out = compiled("file: stats\nname: panel\nkind: panel\ntext: 1F\n@picture\n███\n█ █\n");
    EXPECT_EQ(out, "panel\n2 1\n%C07\xDB\xDB\xDB\n\xDB \xDB%C1F\nend map\nend collision\nend links\n");
}

TEST(MapCompiler, ShippedMapsAreWhatTheirSourcesCompileTo) {
    namespace fs = std::filesystem;
    const fs::path maps = fs::path(DRIFTER_SOURCE_DIR) / "maps";
    std::map<std::string, std::string> files;
    std::string error;
    ASSERT_TRUE(compileFolder((maps / "src").string(), files, error)) << error;
    for (const auto& [name, text] : files) {
        EXPECT_EQ(readFile(maps / name), text) << name << " is missing or stale: run mapc maps/src maps";
    }
    for (const auto& entry : fs::directory_iterator(maps)) {
        if (entry.path().extension() != ".map") continue;
        EXPECT_TRUE(files.count(entry.path().filename().string()))
            << entry.path().filename() << " has no source in maps/src";
    }
}
