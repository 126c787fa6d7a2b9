// What the terminal presenter sends, and what a waiting game costs.
//
// The frame benchmarks report bytes per frame: a frame with no change (0),
// one changed cell (a figure's step is a few such cells), and a frame where
// every cell changes. Before them, the real program sits in its menu for 10
// seconds on a pseudo-terminal (tmux) and its CPU use is read from /proc.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "bench/bench_support.h"
#include "console/screen.h"
#include "platform/terminal_presenter.h"

namespace {

void fill(ScreenModel& m, int seed) {
    m.moveCursor(0, 0);
    for (int i = 0; i < ScreenModel::width * ScreenModel::height; ++i) {
        m.setAttr((i + seed) % 7 == 0 ? 0x1E : (seed % 2 ? 0x0F : 0x2A));
        m.put(static_cast<char>(seed % 2 ? 0xB0 + i % 3 : 'A' + i % 26));
    }
}

// The bytes per frame the presenter sends, once it has drawn start: each
// frame draws the screen that next() returns after changing it.
template <class Next>
void measureFrames(benchmark::State& state, const ScreenModel& start, Next next) {
    TerminalPresenter p;
    p.frame(start);
    std::size_t bytes = 0;
    for (auto _ : state) bytes += p.frame(next()).size();
    state.counters["bytes_per_frame"] =
        benchmark::Counter(static_cast<double>(bytes), benchmark::Counter::kAvgIterations);
}

void BM_FrameWithoutChange(benchmark::State& state) {
    ScreenModel m;
    fill(m, 1);
    measureFrames(state, m, [&]() -> const ScreenModel& { return m; });
}
BENCHMARK(BM_FrameWithoutChange);

void BM_FrameOneCellChanged(benchmark::State& state) {
    ScreenModel m;
    fill(m, 1);
    bool lit = false;
    measureFrames(state, m, [&]() -> const ScreenModel& {
        // One cell, far from the last one written, changes glyph and colour.
        m.moveCursor(57, 13);
        m.setAttr(lit ? 0x0E : 0x4F);
        m.put(lit ? '\x02' : '\x01');
        lit = !lit;
        return m;
    });
}
BENCHMARK(BM_FrameOneCellChanged);

void BM_FrameFigureSteps(benchmark::State& state) {
    ScreenModel m;
    fill(m, 1);
    int x = 10;
    measureFrames(state, m, [&]() -> const ScreenModel& {
        // The player steps right: his old cell gets the floor back, the next one his face.
        const Cell floor = m.cell(x + 1, 12);
        m.moveCursor(x, 12);
        m.setAttr(floor.attr);
        m.put(static_cast<char>(floor.ch));
        x = x >= 70 ? 10 : x + 1;
        m.moveCursor(x, 12);
        m.setAttr(0x0E);
        m.put('\x02');
        return m;
    });
}
BENCHMARK(BM_FrameFigureSteps);

void BM_FrameAllCellsChanged(benchmark::State& state) {
    ScreenModel a, b;
    fill(a, 1);
    fill(b, 2);
    bool flip = false;
    measureFrames(state, a, [&]() -> const ScreenModel& {
        flip = !flip;
        return flip ? b : a;
    });
}
BENCHMARK(BM_FrameAllCellsChanged);

}  // namespace

int main(int argc, char** argv) {
    const bool measured = bench::measureIdleCpu("waiting menu", "\"" DRIFTER_DEMO_BINARY "\"", {{"Quit", ""}});
    return bench::runBenchmarks(argc, argv) != 0 || !measured ? 1 : 0;
}
