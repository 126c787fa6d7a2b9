#include "console/tune.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "console/score.h"
#include "console/synth.h"

namespace music {

namespace {

void put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xffu);
}

std::string waveHeader(std::size_t samples, int channels, int rate) {
    const auto dataSize = static_cast<std::uint32_t>(samples * 2);
    const auto blockAlign = static_cast<std::uint32_t>(channels * 2);
    std::string out = "RIFF";
    put(out, 36 + dataSize, 4);
    out += "WAVEfmt ";
    put(out, 16, 4);
    put(out, 1, 2);  // plain PCM
    put(out, static_cast<std::uint32_t>(channels), 2);
    put(out, static_cast<std::uint32_t>(rate), 4);
    put(out, static_cast<std::uint32_t>(rate) * blockAlign, 4);
    put(out, blockAlign, 2);
    put(out, 16, 2);
    out += "data";
    put(out, dataSize, 4);
    return out;
}

}  // namespace

Tune Tune::fromNotes(const std::string& notes) { return Tune(toPcm16(render(parseScore(notes)))); }

Tune::Tune(std::vector<std::int16_t> interleaved) : pcm(std::move(interleaved)) {}

std::size_t Tune::fill(std::int16_t* out, std::size_t count, std::size_t position) const {
    const std::size_t loop = frames();
    if (loop == 0) {
        std::fill(out, out + 2 * count, std::int16_t{0});
        return 0;
    }
    position %= loop;
    while (count > 0) {
        const std::size_t run = std::min(count, loop - position);
        std::memcpy(out, pcm.data() + 2 * position, run * 2 * sizeof(std::int16_t));
        out += 2 * run;
        count -= run;
        position = (position + run) % loop;
    }
    return position;
}

std::string Tune::waveFile() const { return waveBytes(pcm, 2, sampleRate); }

std::string waveBytes(const std::vector<std::int16_t>& samples, int channels, int rate) {
    std::string out = waveHeader(samples.size(), channels, rate);
    out.reserve(out.size() + 2 * samples.size());
    for (std::int16_t s : samples) put(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

void writeWave(const Score& score, MixStore& store, std::ostream& out) {
    out << waveHeader(2 * framesOf(score), 2, sampleRate);
    std::string bytes;
    render(score, store, [&](const float* left, const float* right, std::size_t frames) {
        bytes.clear();
        for (std::size_t i = 0; i < frames; ++i)
            for (float v : {left[i], right[i]}) put(bytes, static_cast<std::uint16_t>(toPcm16(v)), 2);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    });
}

}  // namespace music
