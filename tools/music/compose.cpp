// The music maker: reads a note file and writes the looping wave file the game
// would make of it as it plays, to listen to or to take the tune elsewhere.
//   compose Music/battle.notes battle.wav
//   compose --levels Music/battle.notes     (how loud each voice is)

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

#include "console/score.h"
#include "console/synth.h"
#include "console/tune.h"
#include "tools/music/wave_file.h"

namespace {

void printLevels(const music::Score& score) {
    std::vector<double> levels;
    const music::Stereo mix = music::render(score, &levels);
    double energy = 0.0;
    for (std::size_t i = 0; i < mix.left.size(); ++i)
        energy += 0.5 * (mix.left[i] * mix.left[i] + mix.right[i] * mix.right[i]);
    std::printf("%-10s %6.1f dB\n", "(all)",
                20.0 * std::log10(std::sqrt(energy / static_cast<double>(mix.left.size()))));
    for (std::size_t v = 0; v < levels.size(); ++v)
        std::printf("%-10s %6.1f dB\n", score.voices[v].name.c_str(), 20.0 * std::log10(levels[v] + 1e-12));
    std::printf("%.1f s, %d bars\n", score.seconds(), score.bars());
}

}  // namespace

int main(int argc, char** argv) {
    const bool levels = argc == 3 && std::strcmp(argv[1], "--levels") == 0;
    if (argc != 3) {
        std::cerr << "usage: compose NOTES-FILE WAVE-FILE\n       compose --levels NOTES-FILE\n";
        return 2;
    }
    const char* notes = levels ? argv[2] : argv[1];
    std::ifstream in(notes, std::ios::binary);
    if (!in) {
        std::cerr << notes << ": cannot be read\n";
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    try {
        const music::Score score = music::parseScore(text.str());
        if (levels) {
            printLevels(score);
            return 0;
        }
        music::MemoryMixStore store(music::framesOf(score));
        if (!music::writeWaveFile(argv[2], [&](std::ostream& out) { music::writeWave(score, store, out); })) {
            std::cerr << argv[2] << ": cannot be written\n";
            return 1;
        }
    } catch (const music::ScoreError& e) {
        std::cerr << notes << ":" << e.line << ": " << e.what() << "\n";
        return 1;
    }
    return 0;
}
