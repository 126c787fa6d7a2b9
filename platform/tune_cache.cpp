#include "platform/tune_cache.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <new>
#include <random>
#include <sstream>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "console/score.h"
#include "console/synth.h"
#include "console/tune.h"
#include "platform/mix_file.h"

namespace fs = std::filesystem;

namespace {

bool readWhole(const std::string& path, std::string& text) {
    std::ifstream in(fs::u8path(path), std::ios::binary);
    if (!in) return false;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    text = bytes.str();
    return !in.bad();
}

// Reading a score takes a moment; rendering it takes about a second.
bool parses(const std::string& text) {
    try {
        music::parseScore(text);
        return true;
    } catch (const music::ScoreError&) {
        return false;
    }
}

std::string stemOf(const std::string& notes) { return fs::u8path(notes).stem().u8string(); }

// Whether a file of the tune's stem is a half-made tune or mix that a game
// killed while making it left. Making a tune takes about a second; a younger
// file may be another game's at work.
bool leftBehind(const fs::directory_entry& file, fs::file_time_type before) {
    const fs::path extension = file.path().extension();
    if (extension != ".part" && extension != ".mix") return false;
    std::error_code ec;
    const fs::file_time_type written = file.last_write_time(ec);
    return !ec && written < before;
}

// Tunes made of an older version of a note file are of no more use, nor what
// a killed game left of one.
void removeOlderVersions(const fs::path& folder, const fs::path& kept, const std::string& stem) {
    const fs::file_time_type before = fs::file_time_type::clock::now() - std::chrono::minutes(1);
    std::error_code ec;
    std::vector<fs::path> old;
    for (fs::directory_iterator it(folder, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().u8string();
        if (it->path() == kept || name.rfind(stem + "-", 0) != 0) continue;
        if (it->path().extension() == ".wav" || leftBehind(*it, before)) old.push_back(it->path());
    }
    for (const fs::path& file : old) fs::remove(file, ec);
}

// A name of this writer's own beside a file.
fs::path besides(const fs::path& file, const char* kind) {
    return file.u8string() + "." + std::to_string(std::random_device()()) + kind;
}

// Renders a score into its wave file whole under a name of this writer's own,
// then renames it: a game started meanwhile never finds half a tune, and two
// games making the same tune at once do not mix their bytes. The mix being
// made waits in a file of its own, so the tune never sits whole in memory.
// The reason of a failure, or "".
std::string keep(const fs::path& wave, const music::Score& score) {
    std::error_code ec;
    fs::create_directories(wave.parent_path(), ec);
    const fs::path part = besides(wave, ".part");
    std::string failure;
    try {
        MixFile mix(besides(wave, ".mix"));
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        music::writeWave(score, mix, out);
        if (out.close(), !out) failure = std::make_error_code(std::errc::io_error).message();
    } catch (const std::bad_alloc&) {
        failure = "out of memory";
    } catch (const std::runtime_error& e) {
        failure = e.what();
    }
    if (failure.empty()) fs::rename(part, wave, ec);
    if (ec) failure = ec.message();
    std::error_code ignored;
    if (!failure.empty()) fs::remove(part, ignored);
    return failure;
}

// Hands what the render allocated back to the system at once.
void returnFreedMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

// Requests made together (the start-up touches every tune just before the
// splash asks for its own) are taken in as one before the next is chosen.
constexpr std::chrono::milliseconds settle{20};

}  // namespace

fs::path cachedWave(const fs::path& folder, const std::string& notes, const std::string& text) {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (unsigned char c : text + '\n' + std::to_string(music::synthRevision)) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    std::ostringstream name;
    name << stemOf(notes) << '-' << std::hex << hash << ".wav";
    return folder / fs::u8path(name.str());
}

TuneCache::TuneCache(fs::path f, Made made) : folder(std::move(f)), whenMade(std::move(made)) {}

TuneCache::~TuneCache() {
    {
        std::lock_guard<std::mutex> hold(lock);
        quitting = true;
    }
    wake.notify_all();
    if (worker.joinable()) worker.join();
}

TuneCache::Lookup TuneCache::find(const std::string& notes) {
    std::string text;
    if (!readWhole(notes, text) || !parses(text)) return {State::Unplayable, ""};
    const fs::path wave = cachedWave(folder, notes, text);
    std::error_code ec;
    if (fs::is_regular_file(wave, ec)) return {State::Made, wave.u8string()};
    std::lock_guard<std::mutex> hold(lock);
    if (unplayable.count(notes)) return {State::Unplayable, ""};
    waiting.erase(std::remove(waiting.begin(), waiting.end(), notes), waiting.end());
    waiting.push_front(notes);
    if (!worker.joinable()) {
        queueFolderOf(notes);
        worker = std::thread(&TuneCache::work, this);
    }
    wake.notify_all();
    return {State::Coming, ""};
}

void TuneCache::queueFolderOf(const std::string& notes) {
    std::vector<std::string> others;
    std::error_code ec;
    const fs::path dir = fs::u8path(notes).parent_path();
    for (fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec); !ec && it != fs::directory_iterator();
         it.increment(ec))
        if (it->path().extension() == ".notes" && it->path() != fs::u8path(notes))
            others.push_back(it->path().u8string());
    std::sort(others.begin(), others.end());
    waiting.insert(waiting.end(), others.begin(), others.end());
}

void TuneCache::work() {
    std::unique_lock<std::mutex> hold(lock);
    while (true) {
        wake.wait(hold, [this] { return quitting || !waiting.empty(); });
        if (wake.wait_for(hold, settle, [this] { return quitting; })) return;
        if (waiting.empty()) continue;
        const std::string notes = waiting.front();
        waiting.pop_front();
        hold.unlock();
        make(notes);
        hold.lock();
    }
}

// Renders one note file into the cache; a tune that cannot be read, has a
// mistake or cannot be kept stays silent for the rest of the run.
void TuneCache::make(const std::string& notes) {
    std::string text, failure = "unreadable";
    const fs::path wave = readWhole(notes, text) ? cachedWave(folder, notes, text) : fs::path();
    std::error_code ec;
    if (!wave.empty() && fs::is_regular_file(wave, ec)) {
        failure.clear();
    } else if (!wave.empty()) {
        try {
            failure = keep(wave, music::parseScore(text));
        } catch (const music::ScoreError& e) {
            failure = e.what();
        }
        returnFreedMemory();
        if (failure.empty()) removeOlderVersions(folder, wave, stemOf(notes));
    }
    if (failure.empty()) {
        whenMade(notes, wave.u8string());
        return;
    }
    std::lock_guard<std::mutex> hold(lock);
    unplayable.insert(notes);
}
