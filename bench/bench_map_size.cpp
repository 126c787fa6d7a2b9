// Time to read a map file far larger than any the game ships, just under the
// size the loader accepts: one very long row, and a great many short rows.
// Reading time grows in step with the file's size.

#include "bench/bench_support.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "model/map.h"

namespace {

namespace fs = std::filesystem;

// One map file in a temporary folder, removed after the run.
class MapFile {
public:
    explicit MapFile(const std::string& rows) {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        path = fs::temp_directory_path() / ("drifter-bench-map-" + std::to_string(stamp) + ".map");
        std::ofstream(path) << "map big\n1 1\n" << rows << "end map\nend collision\nend links\n";
    }
    ~MapFile() {
        std::error_code ignored;
        fs::remove(path, ignored);
    }
    std::string name() const { return path.string(); }

private:
    fs::path path;
};

void readMap(benchmark::State& state, const std::string& rows, std::uint32_t expectedRows) {
    const MapFile file(rows);
    for (auto _ : state) {
        Map map;
        map.loadFromFile(file.name().c_str());
        if (map.getLines().size() != expectedRows) state.SkipWithError("the rows were not read");
        benchmark::DoNotOptimize(map);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(rows.size()));
}

// A row of n characters (up to 1,000,000).
void BM_ReadLongRow(benchmark::State& state) {
    readMap(state, std::string(static_cast<std::size_t>(state.range(0)), '#') + "\n", 1);
}
BENCHMARK(BM_ReadLongRow)->Arg(250000)->Arg(500000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// n rows of two characters (up to 40,000).
void BM_ReadManyRows(benchmark::State& state) {
    std::string rows;
    for (std::int64_t i = 0; i < state.range(0); ++i) rows += "##\n";
    readMap(state, rows, static_cast<std::uint32_t>(state.range(0)));
}
BENCHMARK(BM_ReadManyRows)->Arg(10000)->Arg(20000)->Arg(40000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::runBenchmarks(argc, argv); }
