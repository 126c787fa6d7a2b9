#pragma once
// The game's music is made from note files as it runs: each tune is rendered
// once, on a thread of its own, into a wave file in the cache folder, which the
// sound device then streams from the disk. Later runs find the files made.

#include <condition_variable>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <thread>

class TuneCache {
public:
    // Told on the rendering thread that the wave file of a note file is made.
    using Made = std::function<void(const std::string& notes, const std::string& wave)>;

    TuneCache(std::filesystem::path folder, Made whenMade);
    // Waits for the tune being rendered; the others are left for another run.
    ~TuneCache();
    TuneCache(const TuneCache&) = delete;
    TuneCache& operator=(const TuneCache&) = delete;

    enum class State { Made, Coming, Unplayable };
    struct Lookup {
        State state;
        std::string wave;  // the wave file, once made
    };
    // The wave file made of a note file. One not made yet is rendered next,
    // and the other note files of its folder after it.
    Lookup find(const std::string& notes);

private:
    void work();
    void make(const std::string& notes);
    void queueFolderOf(const std::string& notes);

    const std::filesystem::path folder;
    const Made whenMade;
    std::mutex lock;
    std::condition_variable wake;
    std::deque<std::string> waiting;
    std::set<std::string> unplayable;
    bool quitting = false;
    std::thread worker;
};

// The cache file of a note file's text: its name and a fingerprint of the
// text and of the synthesizer, so a changed tune is made afresh.
std::filesystem::path cachedWave(const std::filesystem::path& folder, const std::string& notes,
                                 const std::string& text);
