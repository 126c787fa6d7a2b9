// The synthesizer of the game's music inside a worker of the browser page
// (music_worker.js): a tune's note file goes in, one loop of its samples
// comes out, left and right, at music::sampleRate.

#include <emscripten.h>

#include <exception>

#include "console/synth.h"

namespace {
music::Stereo rendered;
}

// Renders the note file's text; the number of samples per side, 0 when the
// text is no tune.
extern "C" EMSCRIPTEN_KEEPALIVE int renderTune(const char* notes) {
    try {
        rendered = music::render(music::parseScore(notes));
    } catch (const std::exception&) {
        rendered = music::Stereo{};
    }
    return static_cast<int>(rendered.left.size());
}

extern "C" EMSCRIPTEN_KEEPALIVE const float* tuneLeft() { return rendered.left.data(); }
extern "C" EMSCRIPTEN_KEEPALIVE const float* tuneRight() { return rendered.right.data(); }
extern "C" EMSCRIPTEN_KEEPALIVE int tuneRate() { return music::sampleRate; }
