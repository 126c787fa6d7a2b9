#pragma once
// What the benchmarks share: results written past the game's screen model,
// and the CPU a real program uses while it waits on a pseudo-terminal.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace bench {

inline std::string output(const std::string& command) {
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

// The resident memory of a process now and at its peak, from /proc/pid/status.
inline std::string resident(const std::string& pid) {
    std::ifstream in("/proc/" + pid + "/status");
    std::string now = "?", peak = "?";
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string key;
        long kilobytes = 0;
        words >> key >> kilobytes;
        const std::string megabytes =
            std::to_string(kilobytes / 1024) + "." + std::to_string(kilobytes % 1024 * 10 / 1024);
        if (key == "VmRSS:") now = megabytes;
        if (key == "VmHWM:") peak = megabytes;
    }
    return now + " MB (peak " + peak + " MB)";
}

// One step of getting a program to where it waits: wait until the screen
// shows `text`, then send `keys` (tmux key names, may be empty).
struct Step {
    std::string text;
    std::string keys;
};

// Runs the program (a shell command, started in folder) in an 80x25 tmux
// window, walks it through the steps, then reads its CPU use over 10 seconds.
inline void measureIdleCpu(const char* label, const std::string& program, const std::string& folder,
                           const std::vector<Step>& steps) {
    if (std::system("command -v tmux > /dev/null 2>&1") != 0) {
        std::printf("%s: tmux is not installed, not measured\n", label);
        return;
    }
    const std::string dir =
        "/tmp/drifter-bench-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
    const std::string tmux = "env -u TMUX LC_ALL=C.UTF-8 tmux -u -L " + dir.substr(5) + " -f /dev/null ";
    std::system(("mkdir -p " + dir).c_str());
    std::system((tmux + "new-session -d -x 80 -y 25 -s game \"cd '" + folder + "' && sh -c 'echo \\$\\$ > " + dir +
                 "/pid; exec " + program + "'\"")
                    .c_str());
    bool reached = true;
    for (const Step& step : steps) {
        int tries = 0;
        while (output(tmux + "capture-pane -p -t game").find(step.text) == std::string::npos && ++tries < 500)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        reached = reached && tries < 500;
        if (!step.keys.empty()) std::system((tmux + "send-keys -t game " + step.keys).c_str());
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    std::string pid;
    std::ifstream(dir + "/pid") >> pid;
    if (pid.empty() || !reached) {
        std::printf("%s: the program did not get there, not measured\n", label);
    } else {
        const double ticksPerSecond = std::atof(output("getconf CLK_TCK").c_str());
        const long start = cpuTicks(pid);
        const auto t0 = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(10));
        const long used = cpuTicks(pid) - start;
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        std::printf("%s: %.2f s of CPU in %.1f s = %.3f%% of a core; %s resident\n", label,
                    static_cast<double>(used) / ticksPerSecond, seconds,
                    100.0 * static_cast<double>(used) / ticksPerSecond / seconds, resident(pid).c_str());
    }
    std::fflush(stdout);
    std::system((tmux + "kill-server").c_str());
    std::system(("rm -rf " + dir).c_str());
}

// The folder of this program (the other programs are built beside it).
inline std::string folderOf(const char* argv0) {
    const std::string self = argv0;
    const auto slash = self.rfind('/');
    return slash == std::string::npos ? std::string(".") : self.substr(0, slash);
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
