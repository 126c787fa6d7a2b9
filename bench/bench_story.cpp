// The complete story as the playthrough test plays it: a new game from the
// title menu to the end of the credits on the shipped maps, keys only, with
// the player made of code. Reports the real time one playthrough takes (the
// test must stay under 30 seconds) and the game time it covers.

#include <filesystem>
#include <stdexcept>

#include "bench/bench_support.h"
#include "console/host.h"
#include "model/game_state.h"
#include "screens/start_up.h"
#include "tools/maps/story_goals.h"

namespace {

// One playthrough in a folder of its own (the saved game goes there), with
// the shipped maps beside it. Returns the game's own time in seconds.
double playTheStory() {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "drifter-bench-story";
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::create_directory_symlink(fs::path(DRIFTER_BENCH_SOURCE_DIR) / "maps", folder / "maps");
    const fs::path before = fs::current_path();
    fs::current_path(folder);
    GameState state;
    maptools::StoryPlayer player(state);
    maptools::StoryNotes notes;
    maptools::addWholeStory(player, state, notes);
    bindCoutToScreen();
    setHost(&player);
    try {
        startUp(state);
    } catch (const ScriptEnded&) {}
    setHost(nullptr);
    baggage = Possessions();
    fs::current_path(before);
    fs::remove_all(folder);
    if (!player.finished()) throw std::runtime_error("the story stopped on the way to " + player.goalText());
    return static_cast<double>(player.now()) / 1000.0;
}

void BM_CompletePlaythrough(benchmark::State& s) {
    double gameSeconds = 0;
    for (auto _ : s) gameSeconds = playTheStory();
    s.counters["game_minutes"] = gameSeconds / 60.0;
}
BENCHMARK(BM_CompletePlaythrough)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) { return bench::runBenchmarks(argc, argv); }
