// What the music costs. Each tune is rendered from its notes as the game
// renders it, once, on a thread of its own: the time that takes, and its
// share of the tune's length. Then the real game sits in its title menu with
// the splash tune playing through SDL's disk driver (which takes samples at
// the pace of a sound card): its CPU use and resident memory, on a first run
// (the tunes are being made) and on a later one (they are found made), and
// silent for comparison. On the first run, once every tune is made, the peak
// of its resident memory while they were made.

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <ctime>
#include <string>
#include <thread>

#include "bench/bench_support.h"
#include "console/score.h"
#include "console/synth.h"
#include "console/tune.h"
#include "platform/mix_file.h"

namespace {

std::string notesOf(const std::string& tune) {
    std::ifstream in(std::string(DRIFTER_BENCH_SOURCE_DIR) + "/Music/" + tune + ".notes", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void BM_RenderTune(benchmark::State& state, const char* tune) {
    const std::string notes = notesOf(tune);
    const double seconds = music::parseScore(notes).seconds();
    double cpu = 0.0;
    for (auto _ : state) {
        const std::clock_t start = std::clock();
        MixFile mix(std::filesystem::temp_directory_path() / ("drifter-bench-mix-" + std::to_string(::getpid())));
        std::ofstream wave("/dev/null", std::ios::binary);
        music::writeWave(music::parseScore(notes), mix, wave);
        cpu += static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    }
    const double perRender = cpu / static_cast<double>(state.iterations());
    state.counters["tune_s"] = seconds;
    state.counters["render_cpu_s"] = perRender;
    state.counters["share_of_its_length_%"] = 100.0 * perRender / seconds;
}
BENCHMARK_CAPTURE(BM_RenderTune, finaldeposit, "finaldeposit")->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RenderTune, moody2, "moody2")->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RenderTune, battle, "battle")->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RenderTune, Wolfman, "Wolfman")->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RenderTune, brighter, "brighter")->Iterations(2)->Unit(benchmark::kMillisecond);

// Files in a folder with the given extension.
int filesIn(const std::filesystem::path& folder, const std::string& extension) {
    int count = 0;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec); !ec && it != std::filesystem::directory_iterator();
         it.increment(ec))
        count += it->path().extension() == extension;
    return count;
}

// Waits for the game to make every tune into the cache, then reports the
// peak of its resident memory.
bool firstRunPeak(const std::string& cache, const std::string& pid) {
    const int tunes = filesIn(DRIFTER_BENCH_SOURCE_DIR "/Music", ".notes");
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (filesIn(cache + "/drifter", ".wav") < tunes && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const long peak = bench::statusKilobytes(pid, "VmHWM:");
    if (tunes == 0 || filesIn(cache + "/drifter", ".wav") < tunes || peak < 0) {
        std::fprintf(stderr, "first run: peak not measured: %d of %d tunes made, peak %s\n",
                     filesIn(cache + "/drifter", ".wav"), tunes, bench::megabytes(peak).c_str());
        return false;
    }
    std::printf("first run: resident peak while its %d tunes were made: %s MB (at most 16 MB wanted)\n", tunes,
                bench::megabytes(peak).c_str());
    std::fflush(stdout);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string cache =
        "/tmp/drifter-bench-cache-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
    const std::vector<bench::Step> toTheTitle = {{"Kestrel", "Escape"}, {"DRIFTER", "Escape"}, {"New Game", ""}};
    bool measured = true;
    for (const auto& [label, driver] : {std::pair{"title menu with music, first run", "disk"},
                                        std::pair{"title menu with music, tunes made", "disk"},
                                        std::pair{"title menu without a sound device", "none"}})
        measured = bench::measureIdleCpu(
                       label,
                       "env -C \"" DRIFTER_BENCH_SOURCE_DIR "\" SDL_AUDIODRIVER=" + std::string(driver) +
                           " SDL_DISKAUDIOFILE=/dev/null XDG_CACHE_HOME=" + cache + " \"" DRIFTER_GAME_BINARY "\"",
                       toTheTitle,
                       [&, first = label == std::string("title menu with music, first run")](
                           const std::string& pid) { return !first || firstRunPeak(cache, pid); }) &&
                   measured;
    std::filesystem::remove_all(cache);
    return bench::runBenchmarks(argc, argv) != 0 || !measured ? 1 : 0;
}
