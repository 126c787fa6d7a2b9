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

void BM_FrameWithoutChange(benchmark::State& state) {
    ScreenModel m;
    fill(m, 1);
    TerminalPresenter p;
    p.frame(m);
    std::size_t bytes = 0;
    for (auto _ : state) bytes += p.frame(m).size();
    state.counters["bytes_per_frame"] = benchmark::Counter(static_cast<double>(bytes), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FrameWithoutChange);

void BM_FrameOneCellChanged(benchmark::State& state) {
    ScreenModel m;
    fill(m, 1);
    TerminalPresenter p;
    p.frame(m);
    std::size_t bytes = 0;
    bool lit = false;
    for (auto _ : state) {
        // One cell, far from the last one written, changes glyph and colour.
        m.moveCursor(57, 13);
        m.setAttr(lit ? 0x0E : 0x4F);
        m.put(lit ? '\x02' : '\x01');
        lit = !lit;
        bytes += p.frame(m).size();
    }
    state.counters["bytes_per_frame"] = benchmark::Counter(static_cast<double>(bytes), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FrameOneCellChanged);

void BM_FrameFigureSteps(benchmark::State& state) {
    ScreenModel m;
    fill(m, 1);
    TerminalPresenter p;
    p.frame(m);
    std::size_t bytes = 0;
    int x = 10;
    for (auto _ : state) {
        // The player steps right: his old cell gets the floor back, the next one his face.
        const Cell floor = m.cell(x + 1, 12);
        m.moveCursor(x, 12);
        m.setAttr(floor.attr);
        m.put(static_cast<char>(floor.ch));
        x = x >= 70 ? 10 : x + 1;
        m.moveCursor(x, 12);
        m.setAttr(0x0E);
        m.put('\x02');
        bytes += p.frame(m).size();
    }
    state.counters["bytes_per_frame"] = benchmark::Counter(static_cast<double>(bytes), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FrameFigureSteps);

void BM_FrameAllCellsChanged(benchmark::State& state) {
    ScreenModel a, b;
    fill(a, 1);
    fill(b, 2);
    TerminalPresenter p;
    p.frame(a);
    std::size_t bytes = 0;
    bool flip = false;
    for (auto _ : state) {
        bytes += p.frame(flip ? a : b).size();
        flip = !flip;
    }
    state.counters["bytes_per_frame"] = benchmark::Counter(static_cast<double>(bytes), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FrameAllCellsChanged);

std::string output(const std::string& command) {
    std::string result;
    if (FILE* p = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, p)) > 0) result.append(buffer, n);
        ::pclose(p);
    }
    return result;
}

// User plus system time of a process, in clock ticks (fields 14 and 15 of /proc/pid/stat).
long cpuTicks(const std::string& pid) {
    std::ifstream in("/proc/" + pid + "/stat");
    std::string stat;
    std::getline(in, stat);
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14) utime = std::stol(field);
        if (i == 15) stime = std::stol(field);
    }
    return utime + stime;
}

// The game is built beside this program.
void measureWaitingMenu(const std::string& game) {
    if (std::system("command -v tmux > /dev/null 2>&1") != 0) {
        std::printf("waiting menu: tmux is not installed, not measured\n");
        return;
    }
    const std::string dir = "/tmp/drifter-bench-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
    const std::string tmux = "env -u TMUX LC_ALL=C.UTF-8 tmux -u -L " + dir.substr(5) + " -f /dev/null ";
    std::system(("mkdir -p " + dir).c_str());
    std::system((tmux + "new-session -d -x 80 -y 25 -s game \"sh -c 'echo \\$\\$ > " + dir + "/pid; exec " + game +
                 "'\"").c_str());
    std::string pid;
    for (int i = 0; i < 200 && output(tmux + "capture-pane -p -t game").find("Quit") == std::string::npos; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::ifstream(dir + "/pid") >> pid;
    if (pid.empty()) {
        std::printf("waiting menu: the game did not start, not measured\n");
    } else {
        const double ticksPerSecond = std::atof(output("getconf CLK_TCK").c_str());
        const long start = cpuTicks(pid);
        const auto t0 = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(10));
        const long used = cpuTicks(pid) - start;
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        std::printf("waiting menu: %.2f s of CPU in %.1f s = %.3f%% of a core\n", static_cast<double>(used) / ticksPerSecond,
                    seconds, 100.0 * static_cast<double>(used) / ticksPerSecond / seconds);
    }
    std::system((tmux + "kill-server").c_str());
    std::system(("rm -rf " + dir).c_str());
}

}  // namespace

int main(int argc, char** argv) {
    const std::string self = argv[0];
    const auto slash = self.rfind('/');
    measureWaitingMenu((slash == std::string::npos ? std::string(".") : self.substr(0, slash)) + "/drifter");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
