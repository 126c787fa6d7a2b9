#include "console/synth.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <utility>

#include "console/voice_stream.h"

namespace music {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr std::size_t block = 4096;  // frames worked on at a time

// A voice as it enters the mix: its dry sound panned, then its echoes from
// alternate sides, each a copy of the dry sound from some frames before.
class VoiceMix {
public:
    VoiceMix(const Score& score, const Voice& voice, std::uint32_t seed, std::size_t frames)
        : reverb(voice.instrument.reverb) {
        const Instrument& in = voice.instrument;
        addTap(in.pan, 0, 1.0, frames);
        const long step = std::lround(in.echo * 60.0 / score.tempo * sampleRate);
        double level = in.feedback;
        for (int k = 1; step > 0 && level > 0.02; ++k, level *= in.feedback)
            addTap(k % 2 ? -0.7 : 0.7, step * k, level, frames);
        std::size_t longest = 0;
        for (const Tap& tap : taps) longest = std::max(longest, tap.delay);
        recent.assign(longest + 1, 0.0f);
        // The stream starts as far before the loop's start as the longest
        // echo reaches back, so the first frames hear the end's echoes.
        stream.emplace(score, voice, seed, frames, frames - longest);
        for (std::size_t done = 0; done < longest; done += block) {
            const std::size_t count = std::min(block, longest - done);
            stream->fill(dry.data(), count);
            for (std::size_t i = 0; i < count; ++i) remember(dry[i]);
        }
    }

    // The next frames, three values each: the voice added into left and
    // right, its share of the hall into the send. Adds up its dry energy.
    void mix(float* values, std::size_t count, double& energy) {
        const std::size_t ring = recent.size();
        stream->fill(dry.data(), count);
        for (std::size_t i = 0; i < count; ++i, values += 3) {
            const std::size_t now = remember(dry[i]);
            for (const Tap& tap : taps) {
                const float heard = recent[now >= tap.delay ? now - tap.delay : now + ring - tap.delay];
                values[0] += heard * tap.left;
                values[1] += heard * tap.right;
            }
            values[2] += static_cast<float>(dry[i] * reverb);
            energy += static_cast<double>(dry[i]) * dry[i];
        }
    }

private:
    struct Tap {
        std::size_t delay;
        float left, right;
    };

    void addTap(double pan, long delay, double gain, std::size_t frames) {
        const double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * pi / 4.0;
        taps.push_back({static_cast<std::size_t>(delay) % frames, static_cast<float>(std::cos(angle) * gain),
                        static_cast<float>(std::sin(angle) * gain)});
    }

    // Keeps a dry sample in the ring; where it went.
    std::size_t remember(float sample) {
        const std::size_t at = head;
        recent[at] = sample;
        if (++head == recent.size()) head = 0;
        return at;
    }

    double reverb;
    std::vector<Tap> taps;
    std::vector<float> dry = std::vector<float>(block);
    std::vector<float> recent;  // the last dry samples, around a ring
    std::size_t head = 0;
    std::optional<VoiceStream> stream;
};

// A small hall (parallel combs, then allpasses), a sample at a time. A tune
// runs it twice around: the second lap starts from the echoes of the first,
// as a looping tune would.
class Hall {
public:
    explicit Hall(int spread) {
        const int combs[] = {1557, 1617, 1491, 1422}, passes[] = {556, 441};
        for (int d : combs) combLines.emplace_back(static_cast<std::size_t>(d + spread), 0.0f);
        for (int d : passes) passLines.emplace_back(static_cast<std::size_t>(d + spread), 0.0f);
    }

    float next(float send) {
        float sum = 0.0f;
        for (std::size_t c = 0; c < 4; ++c) {
            float& cell = combLines[c][combAt[c]];
            damp[c] = cell * 0.7f + damp[c] * 0.3f;
            sum += cell;
            cell = send + damp[c] * 0.82f;
            if (++combAt[c] == combLines[c].size()) combAt[c] = 0;
        }
        for (std::size_t p = 0; p < 2; ++p) {
            float& cell = passLines[p][passAt[p]];
            const float delayed = cell;
            cell = sum + delayed * 0.5f;
            sum = delayed - sum;
            if (++passAt[p] == passLines[p].size()) passAt[p] = 0;
        }
        return sum * 0.06f;
    }

private:
    std::vector<std::vector<float>> combLines, passLines;
    std::size_t combAt[4] = {}, passAt[2] = {};
    float damp[4] = {};
};

constexpr double targetLoudness = 0.18;  // RMS of the finished mix, -15 dB
constexpr double knee = 0.7, kneeTop = 0.95;

// Passes quiet samples unchanged and bends louder ones smoothly towards
// kneeTop, which they never reach.
double roundOff(double v) {
    const double size = std::fabs(v);
    if (size <= knee) return v;
    return std::copysign(knee + (kneeTop - knee) * std::tanh((size - knee) / (kneeTop - knee)), v);
}

// The passes over the stored mix, a block at a time. Each reads the block's
// frames (left, right, send) and may change them in place.
template <typename Work>
void eachBlock(MixStore& store, std::size_t frames, bool keep, Work work) {
    std::vector<float> values(3 * block);
    for (std::size_t at = 0; at < frames; at += block) {
        const std::size_t count = std::min(block, frames - at);
        store.get(at, values.data(), count);
        work(values.data(), count);
        if (keep) store.put(at, values.data(), count);
    }
}

// The voices, their echoes and the dry send to the hall, which meanwhile runs
// its first lap.
void mixVoices(const Score& score, MixStore& store, std::size_t frames, Hall (&halls)[2],
               std::vector<double>* voiceLevels) {
    std::vector<VoiceMix> voices;
    std::uint32_t seed = 1;
    for (const Voice& voice : score.voices) voices.emplace_back(score, voice, seed++, frames);
    std::vector<double> energy(voices.size(), 0.0);
    std::vector<float> values(3 * block);
    for (std::size_t at = 0; at < frames; at += block) {
        const std::size_t count = std::min(block, frames - at);
        std::fill(values.begin(), values.end(), 0.0f);
        for (std::size_t v = 0; v < voices.size(); ++v) voices[v].mix(values.data(), count, energy[v]);
        for (std::size_t i = 0; i < count; ++i)
            for (Hall& hall : halls) hall.next(values[3 * i + 2]);
        store.put(at, values.data(), count);
    }
    if (voiceLevels)
        for (double e : energy) voiceLevels->push_back(std::sqrt(e / static_cast<double>(frames)));
}

struct Offset {
    double sum[2] = {0.0, 0.0};
    void add(float left, float right) {
        sum[0] += left;
        sum[1] += right;
    }
    float mean(std::size_t channel, std::size_t frames) const {
        return static_cast<float>(sum[channel] / static_cast<double>(frames));
    }
};

}  // namespace

std::size_t framesOf(const Score& score) {
    return static_cast<std::size_t>(std::lround(score.seconds() * sampleRate));
}

void MemoryMixStore::put(std::size_t frame, const float* from, std::size_t frames) {
    std::memcpy(values.data() + 3 * frame, from, 3 * frames * sizeof(float));
}

void MemoryMixStore::get(std::size_t frame, float* to, std::size_t frames) {
    std::memcpy(to, values.data() + 3 * frame, 3 * frames * sizeof(float));
}

void render(const Score& score, MixStore& store, const MixOut& out, std::vector<double>* voiceLevels) {
    const std::size_t frames = framesOf(score);
    Hall halls[2] = {Hall(0), Hall(23)};
    mixVoices(score, store, frames, halls, voiceLevels);
    // The hall's second lap joins the mix, which then loses its DC offset.
    Offset first;
    eachBlock(store, frames, true, [&](float* v, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i, v += 3) {
            v[0] += halls[0].next(v[2]);
            v[1] += halls[1].next(v[2]);
            first.add(v[0], v[1]);
        }
    });
    const float mean[2] = {first.mean(0, frames), first.mean(1, frames)};
    // Every tune sounds about as loud as the others: the level is set by the
    // average loudness, and the few peaks above the knee are rounded off.
    double energy = 0.0, peak = 1e-9;
    eachBlock(store, frames, false, [&](float* v, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i, v += 3) {
            const float left = v[0] - mean[0], right = v[1] - mean[1];
            energy += 0.5 * (left * left + right * right);
            peak = std::max({peak, static_cast<double>(std::fabs(left)), static_cast<double>(std::fabs(right))});
        }
    });
    const double rms = std::sqrt(energy / static_cast<double>(frames)) + 1e-12;
    const double gain = std::min(targetLoudness / rms, 1.6 * kneeTop / peak);
    const auto level = [&](const float* v, std::size_t channel) {
        return static_cast<float>(roundOff((v[channel] - mean[channel]) * gain));
    };
    // Rounding off the peaks moves the offset a little: it goes too.
    Offset second;
    eachBlock(store, frames, false, [&](float* v, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i, v += 3) second.add(level(v, 0), level(v, 1));
    });
    const float after[2] = {second.mean(0, frames), second.mean(1, frames)};
    std::vector<float> left(block), right(block);
    eachBlock(store, frames, false, [&](float* v, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i, v += 3) {
            left[i] = level(v, 0) - after[0];
            right[i] = level(v, 1) - after[1];
        }
        out(left.data(), right.data(), count);
    });
    if (voiceLevels)
        for (double& l : *voiceLevels) l *= gain;
}

Stereo render(const Score& score, std::vector<double>* voiceLevels) {
    MemoryMixStore store(framesOf(score));
    Stereo whole;
    render(
        score, store,
        [&](const float* left, const float* right, std::size_t frames) {
            whole.left.insert(whole.left.end(), left, left + frames);
            whole.right.insert(whole.right.end(), right, right + frames);
        },
        voiceLevels);
    return whole;
}

std::int16_t toPcm16(float value) {
    return static_cast<std::int16_t>(std::lround(std::clamp(value, -1.0f, 1.0f) * 32767.0f));
}

std::vector<std::int16_t> toPcm16(const Stereo& sound) {
    std::vector<std::int16_t> pcm;
    pcm.reserve(sound.left.size() * 2);
    for (std::size_t i = 0; i < sound.left.size(); ++i)
        for (float v : {sound.left[i], sound.right[i]}) pcm.push_back(toPcm16(v));
    return pcm;
}

}  // namespace music
