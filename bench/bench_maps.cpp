// Time of the start-up map load: loadAllMaps over 80 full-size maps (80 x 20
// tiles, coloured pictures, ten links each), written to a temporary folder.

#include "bench/bench_support.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "model/map.h"

namespace {

namespace fs = std::filesystem;

std::string generatedMap(int city, int number) {
    const int columns = 80, rows = 20;
    std::string text = "map " + std::to_string(city) + "-" + std::to_string(number) + "\n";
    text += std::to_string(columns - 1) + " " + std::to_string(rows - 1) + "\n";
    std::string layer;
    for (int y = 0; y < rows; ++y) {
        std::string row(columns, '#');
        if (y > 0 && y < rows - 1)
            for (int x = 1; x < columns - 1; ++x)
                row[static_cast<std::size_t>(x)] = (x * 7 + y * 3) % 11 == 0 ? '#' : ' ';
        if (y == 0)
            for (int d = 0; d < 10; ++d) row[static_cast<std::size_t>(4 + d * 7)] = static_cast<char>('0' + d);
        layer += row + "\n";
        // The picture: the same shapes in two colours, as the game's maps are drawn.
        std::string picture;
        for (int x = 0; x < columns; x += 20)
            picture += (x % 40 == 0 ? "%C08" : "%C02") + row.substr(static_cast<std::size_t>(x), 20);
        text += picture + "\n";
    }
    text += "end map\n" + layer + "end collision\n";
    for (int d = 0; d < 10; ++d)
        text += "map " + std::to_string(city) + "-" + std::to_string(d + 1) + "\n" + std::to_string(4 + d) + " 1\n";
    return text + "end links\n";
}

class MapFolder {
public:
    MapFolder() {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        folder = fs::temp_directory_path() / ("drifter-bench-maps-" + std::to_string(stamp));
        fs::create_directories(folder / "maps");
        // 80 maps: cities 0 to 6 with 12, 12, 12, 11, 11, 11 and 11 maps.
        int made = 0;
        for (int city = 0; city <= 6; ++city)
            for (int number = 1; number <= (city < 3 ? 12 : 11); ++number, ++made)
                std::ofstream(folder / "maps" /
                              ("map " + std::to_string(city) + "-" + std::to_string(number) + ".map"))
                    << generatedMap(city, number);
        previous = fs::current_path();
        fs::current_path(folder);
    }
    ~MapFolder() {
        fs::current_path(previous);
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

private:
    fs::path folder, previous;
};

void BM_LoadAllMaps(benchmark::State& state) {
    MapFolder folder;
    for (auto _ : state) {
        Array<Map> maps;
        Array<String> names;
        loadAllMaps(maps, names);
        if (maps.size() != 80) state.SkipWithError("expected 80 maps");
        benchmark::DoNotOptimize(maps);
    }
}
BENCHMARK(BM_LoadAllMaps)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::runBenchmarks(argc, argv); }
