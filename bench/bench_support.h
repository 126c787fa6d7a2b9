#pragma once
// What the benchmarks share: results written past the game's screen model,
// and the CPU a real program uses while it waits on a pseudo-terminal (run
// in tmux as the terminal tests run it).

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/tmux_game.h"

namespace bench {

// User plus system time of a process, in clock ticks (fields 14 and 15 of /proc/pid/stat).
inline long cpuTicks(const std::string& pid) {
    std::ifstream in("/proc/" + pid + "/stat");
    std::string stat;
    std::getline(in, stat);
    if (stat.empty()) return 0;
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14) utime = std::stol(field);
        if (i == 15) stime = std::stol(field);
    }
    return utime + stime;
}

// A figure in kB from /proc/pid/status ("VmRSS:", "VmHWM:"); -1 when missing.
inline long statusKilobytes(const std::string& pid, const std::string& key) {
    std::ifstream in("/proc/" + pid + "/status");
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string name;
        long kilobytes = -1;
        if (words >> name >> kilobytes && name == key) return kilobytes;
    }
    return -1;
}

inline std::string megabytes(long kilobytes) {
    if (kilobytes < 0) return "?";
    return std::to_string(kilobytes / 1024) + "." + std::to_string(kilobytes % 1024 * 10 / 1024);
}

// The resident memory of a process now and at its peak.
inline std::string resident(const std::string& pid) {
    return megabytes(statusKilobytes(pid, "VmRSS:")) + " MB (peak " + megabytes(statusKilobytes(pid, "VmHWM:")) +
           " MB)";
}

// One step of getting a program to where it waits: wait until the screen
// shows `text`, then send `keys` (tmux key names, may be empty).
struct Step {
    std::string text;
    std::string keys;
};

// Runs the program (a shell command) in an 80x25 tmux window as the terminal
// tests do, walks it through the steps, then reads its CPU use over 10
// seconds, then hands its process id to `then` for more figures. False,
// saying why on stderr, when something cannot be measured.
inline bool measureIdleCpu(const char* label, const std::string& program, const std::vector<Step>& steps,
                           const std::function<bool(const std::string& pid)>& then = {}) {
    if (!hasTmux()) {
        std::fprintf(stderr, "%s: not measured: tmux is not installed\n", label);
        return false;
    }
    GameInTmux game(program, 80, 25);
    for (const Step& step : steps) {
        if (!eventually([&] { return game.shows(step.text); })) {
            std::fprintf(stderr, "%s: not measured: \"%s\" never showed; the window held:\n%s\n", label,
                         step.text.c_str(), game.screen().c_str());
            return false;
        }
        if (!step.keys.empty()) game.keys(step.keys);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    std::istringstream pidFile(game.file("pid"));
    std::string pid;
    pidFile >> pid;
    const double ticksPerSecond = static_cast<double>(::sysconf(_SC_CLK_TCK));
    const long start = cpuTicks(pid);
    const auto t0 = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(10));
    const long used = cpuTicks(pid) - start;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    if (pid.empty() || !fs::exists("/proc/" + pid)) {
        std::fprintf(stderr, "%s: not measured: the program ended while it was measured\n", label);
        return false;
    }
    std::printf("%s: %.2f s of CPU in %.1f s = %.3f%% of a core; %s resident\n", label,
                static_cast<double>(used) / ticksPerSecond, seconds,
                100.0 * static_cast<double>(used) / ticksPerSecond / seconds, resident(pid).c_str());
    std::fflush(stdout);
    return !then || then(pid);
}

// Runs the registered benchmarks. std::cout may be bound to the game's screen
// model, so the results go straight to the process's standard output.
inline int runBenchmarks(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    std::ofstream out("/dev/stdout");
    benchmark::ConsoleReporter reporter;
    reporter.SetOutputStream(&out);
    reporter.SetErrorStream(&std::cerr);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

}  // namespace bench
