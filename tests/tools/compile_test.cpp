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

// Why the source does not compile ("" when it does).
std::string failure(const std::string& source) {
    MapSource src;
    std::string out, error;
    if (parseSource(source, "test.txt", src, error)) compileMap(src, testLegend(), out, error);
    return error;
}

}  // namespace

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
