// What a tick of play costs on the shipped world: the bytes the terminal
// receives per tick while the player stands still (only moving enemies
// change) and while he walks, and the time from the end of the title menu to
// the first frame on the terminal (the exploration music started, one tick
// drawn and presented).

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "bench/bench_support.h"
#include "console/headless.h"
#include "console/host.h"
#include "console/music.h"
#include "console/screen.h"
#include "screens/exploration_loop.h"
#include "model/game_state.h"
#include "platform/music_device.h"
#include "platform/terminal_presenter.h"

namespace {

// A new game on the shipped world, with the start-up's Bounty Hunters.
struct World {
    World() {
        std::filesystem::current_path(DRIFTER_BENCH_SOURCE_DIR);
        bindCoutToScreen();
        setHost(&keys);
        loadAllMaps(state.maps, state.mapNames);
        spawnBountyHunters(state.maps, state.enemies);
        resetToNewGame(state);
        // A few hunters on the start map, so that standing still shows them move.
        for (int i = 0; i < 3; ++i) {
            Enemy hunter("Bounty Hunter", 150, 5);
            hunter.setMapName("Vancouver 1");
            placeOnWalkableTile(hunter, state.maps.at(1));
            state.enemies.append(hunter);
        }
    }
    HeadlessHost keys;
    GameState state;
};

// Enemies that come close would start a fight, which is not walking: they
// are sent elsewhere on the map before they get there.
void keepEnemiesAway(GameState& state) {
    const Map& map = state.maps.at(static_cast<std::uint32_t>(state.currentMap));
    const Character& p = state.player;
    auto near = [&](const Enemy& e) { return std::abs(e.getX() - p.getX()) + std::abs(e.getY() - p.getY()) <= 3; };
    for (Enemy& enemy : state.enemies) {
        if (enemy.getMapName() != map.getName()) continue;
        while (near(enemy)) {
            enemy.setX(0);
            enemy.setY(0);
            placeOnWalkableTile(enemy, map);
        }
    }
}

// Bytes per tick once the first full frame has been sent.
void ticks(benchmark::State& bench, bool walking, bool alone = false) {
    World world;
    if (alone) world.state.enemies.clear();
    TerminalPresenter presenter;
    explorationTick(world.state);
    presenter.frame(screen());
    std::size_t bytes = 0;
    int step = 0;
    for (auto _ : bench) {
        if (walking) {
            // Back and forth along the street in front of the cafe.
            Character& p = world.state.player;
            const Map& map = world.state.maps.at(static_cast<std::uint32_t>(world.state.currentMap));
            (step++ / 20) % 2 ? p.moveLeft(map) : p.moveRight(map);
        }
        keepEnemiesAway(world.state);
        explorationTick(world.state);
        bytes += presenter.frame(screen()).size();
    }
    bench.counters["bytes_per_tick"] =
        benchmark::Counter(static_cast<double>(bytes), benchmark::Counter::kAvgIterations);
}

void BM_TickStandingStill(benchmark::State& bench) { ticks(bench, false); }
BENCHMARK(BM_TickStandingStill)->Iterations(500);

void BM_TickStandingStillAlone(benchmark::State& bench) { ticks(bench, false, true); }
BENCHMARK(BM_TickStandingStillAlone)->Iterations(500);

void BM_TickWalking(benchmark::State& bench) { ticks(bench, true); }
BENCHMARK(BM_TickWalking)->Iterations(500);

// From the title menu's end to the first frame: the music switched with the
// real sound device (when the machine has one) and the first tick presented.
void BM_TitleToFirstFrame(benchmark::State& bench) {
    World world;
    const auto player = makeMusicPlayer();
    setMusicPlayer(player.get());
    std::size_t bytes = 0;
    for (auto _ : bench) {
        bench.PauseTiming();
        keepEnemiesAway(world.state);
        TerminalPresenter presenter;
        bench.ResumeTiming();
        stopSound();
        playMusic(".\\Music\\moody2.wav");
        explorationTick(world.state);
        bytes += presenter.frame(screen()).size();
    }
    stopSound();
    setMusicPlayer(nullptr);
    bench.counters["first_frame_bytes"] =
        benchmark::Counter(static_cast<double>(bytes), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_TitleToFirstFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    // The game standing in the streets of Vancouver, after the splash, the
    // title menu and the story.
    const bool measured = bench::measureIdleCpu(
        "idle in the streets", "env -C \"" DRIFTER_BENCH_SOURCE_DIR "\" \"" DRIFTER_GAME_BINARY "\"",
        {{"Kestrel", "Escape"},
         {"DRIFTER", "Escape"},
         {"New Game", "Enter"},
         {"check your mail", "Escape"},
         {"HP: 500", ""}});
    return bench::runBenchmarks(argc, argv) != 0 || !measured ? 1 : 0;
}
