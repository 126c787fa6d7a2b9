#include "platform/tune_cache.h"

// In a browser page the page's own worker makes the tunes from their notes
// (tools/web/music_worker.cpp), and the game hands it the game's paths: this
// cache makes none, so the page's program carries no synthesizer and no thread.

TuneCache::TuneCache(std::filesystem::path cacheFolder, Made whenMade)
    : folder(std::move(cacheFolder)), whenMade(std::move(whenMade)) {}

TuneCache::~TuneCache() = default;

TuneCache::Lookup TuneCache::find(const std::string&) { return {State::Unplayable, std::string()}; }
