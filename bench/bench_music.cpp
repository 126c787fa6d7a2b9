// What the music costs. Each tune is rendered from its notes as the game
// renders it, once, on a thread of its own: the time that takes, and its
// share of the tune's length. Then the real game sits in its title menu with
// the splash tune playing through SDL's disk driver (which takes samples at
// the pace of a sound card): its CPU use and resident memory, on a first run
// (the tunes are being made) and on a later one (they are found made), and
// silent for comparison.

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <ctime>
#include <string>

#include "bench/bench_support.h"
#include "console/score.h"
#include "console/synth.h"
#include "console/tune.h"

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
        benchmark::DoNotOptimize(music::Tune::fromNotes(notes).frames());
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
                       toTheTitle) &&
                   measured;
    std::filesystem::remove_all(cache);
    return bench::runBenchmarks(argc, argv) != 0 || !measured ? 1 : 0;
}
