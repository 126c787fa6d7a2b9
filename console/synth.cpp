#include "console/synth.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace music {

namespace {

constexpr double pi = 3.14159265358979323846;

// A small repeatable noise source, so every build makes the same files.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state(seed * 2654435761u + 1u) {}
    double next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t state;
};

// Rounds off the corners of a stepped wave so high notes do not alias.
double blep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double oscillator(const Instrument& in, double phase, double dt, Noise& noise) {
    switch (in.wave) {
    case Wave::Sine: return std::sin(2.0 * pi * phase);
    case Wave::Triangle: return phase < 0.25 ? 4.0 * phase : phase < 0.75 ? 2.0 - 4.0 * phase : 4.0 * phase - 4.0;
    case Wave::Square: {
        double v = phase < in.duty ? 1.0 : -1.0;
        v += blep(phase, dt) - blep(std::fmod(phase + 1.0 - in.duty, 1.0), dt);
        return v - (2.0 * in.duty - 1.0);  // a narrow pulse is centred on zero
    }
    case Wave::Saw: return 2.0 * phase - 1.0 - blep(phase, dt);
    case Wave::Noise:
    case Wave::Drums: return noise.next();
    }
    return 0.0;
}

// Attack, decay to the sustain level, hold until the gate closes, release.
// Worked out sample by sample; the level is exactly zero when the release ends.
class Envelope {
public:
    Envelope(const Instrument& in, long gateSamples)
        : attack(std::max(1.0, in.attack * sampleRate)),
          sustain(in.sustain),
          fallStep(std::exp(-3.0 / std::max(1.0, in.decay * sampleRate))),
          gate(gateSamples),
          release(std::max(1.0, in.release * sampleRate)) {}

    long length() const { return gate + static_cast<long>(release); }

    double at(long i) {
        if (i < gate) {
            if (static_cast<double>(i) < attack) return held = static_cast<double>(i) / attack;
            fall *= fallStep;
            return held = sustain + (1.0 - sustain) * fall;
        }
        const double r = 1.0 - static_cast<double>(i - gate) / release;
        return r <= 0.0 ? 0.0 : held * r * r;
    }

private:
    double attack, sustain, fallStep;
    long gate;
    double release;
    double fall = 1.0, held = 0.0;
};

// Adds into a circular buffer: what runs past the end wraps to the start.
void addAt(std::vector<float>& out, long index, double value) {
    const long n = static_cast<long>(out.size());
    out[static_cast<std::size_t>(((index % n) + n) % n)] += static_cast<float>(value);
}

double advance(double phase, double dt) {
    phase += dt;
    return phase >= 1.0 ? phase - std::floor(phase) : phase;
}

void renderTone(const Instrument& in, int pitch, long start, double gate, double gain, Noise& noise,
                std::vector<float>& out) {
    const double frequency = 440.0 * std::pow(2.0, (pitch - 69) / 12.0);
    const double ratio = std::pow(2.0, in.detune / 1200.0);
    Envelope envelope(in, std::lround(gate * sampleRate));
    const long samples = envelope.length();
    double phase = 0.0, phase2 = 0.25, low1 = 0.0, low2 = 0.0;
    const double driveNorm = in.drive > 0 ? std::tanh(in.drive) : 1.0;
    auto lowPass = [](double corner) {
        return 1.0 - std::exp(-2.0 * pi * std::min(corner, 0.45 * sampleRate) / sampleRate);
    };
    const double fixedLowPass = lowPass(in.cutoff);
    for (long i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double env = envelope.at(i);
        double f = frequency;
        if (in.vibrato > 0)
            f *=
                std::pow(2.0, in.vibrato / 12.0 * std::sin(2.0 * pi * in.vibratoRate * t) * std::min(1.0, t / 0.3));
        const double dt = f / sampleRate;
        double v = oscillator(in, phase, dt, noise);
        if (in.detune != 0.0) v = 0.5 * (v + oscillator(in, phase2, dt * ratio, noise));
        phase = advance(phase, dt);
        phase2 = advance(phase2, dt * ratio);
        if (in.cutoff > 0) {
            const double a = in.sweep > 0 ? lowPass(in.cutoff * (1.0 + in.sweep * env)) : fixedLowPass;
            low1 += a * (v - low1);
            low2 += a * (low1 - low2);
            v = low2;
        }
        if (in.drive > 0) v = std::tanh(in.drive * v) / driveNorm;
        addAt(out, start + i, v * env * gain);
    }
}

void renderDrum(int kind, long start, double gain, Noise& noise, std::vector<float>& out) {
    const double seconds[] = {0.45, 0.3, 0.08, 0.4, 0.5, 1.6};
    const long samples = static_cast<long>(seconds[kind] * sampleRate);
    double phase = 0.0, last = 0.0, band = 0.0;
    for (long i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double fadeIn = std::min(1.0, t / 0.001);
        const double fadeOut = 1.0 - static_cast<double>(i) / static_cast<double>(samples);  // closes every hit
        const double white = noise.next();
        const double bright = white - last;  // a first difference keeps the hiss
        last = white;
        double v = 0.0;
        switch (kind) {
        case Kick:
            phase += (45.0 + 120.0 * std::exp(-t / 0.035)) / sampleRate;
            v = std::sin(2.0 * pi * phase) * std::exp(-t / 0.22);
            break;
        case Snare:
            band += 0.5 * (white - band);
            phase += 190.0 / sampleRate;
            v = 0.55 * band * std::exp(-t / 0.1) + 0.45 * std::sin(2.0 * pi * phase) * std::exp(-t / 0.05);
            break;
        case Hat: v = 0.5 * bright * std::exp(-t / 0.02); break;
        case OpenHat: v = 0.4 * bright * std::exp(-t / 0.12); break;
        case Tom:
            phase += (90.0 + 60.0 * std::exp(-t / 0.08)) / sampleRate;
            v = std::sin(2.0 * pi * phase) * std::exp(-t / 0.18);
            break;
        case Crash: v = 0.35 * bright * std::exp(-t / 0.5); break;
        }
        addAt(out, start + i, v * gain * fadeIn * fadeOut);
    }
}

// One voice, dry, on its own circle.
std::vector<float> renderVoice(const Score& score, const Voice& voice, std::size_t frames, std::uint32_t seed) {
    std::vector<float> dry(frames, 0.0f);
    const Instrument& in = voice.instrument;
    Noise noise(seed);
    const double secondsPerTick = score.secondsPerTick();
    for (const Note& note : voice.notes) {
        const long start = std::lround(note.start * secondsPerTick * sampleRate);
        const double gain = in.volume * note.velocity;
        for (int pitch : note.pitches) {
            if (in.wave == Wave::Drums) renderDrum(pitch, start, gain, noise, dry);
            else
                renderTone(in, pitch, start, std::max(note.length * secondsPerTick * in.gate, 0.005), gain, noise,
                           dry);
        }
    }
    return dry;
}

void panInto(Stereo& mix, const std::vector<float>& dry, double pan, long delay, double gain) {
    const double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * pi / 4.0;
    const auto l = static_cast<float>(std::cos(angle) * gain), r = static_cast<float>(std::sin(angle) * gain);
    const std::size_t n = dry.size();
    std::size_t to = static_cast<std::size_t>(delay) % n;
    for (std::size_t i = 0; i < n; ++i, ++to) {
        if (to == n) to = 0;
        mix.left[to] += dry[i] * l;
        mix.right[to] += dry[i] * r;
    }
}

// A small hall (parallel combs, then allpasses) run twice around the circle:
// the second lap starts from the echoes of the first, as a looping tune would.
std::vector<float> hall(const std::vector<float>& send, int spread) {
    const int combs[] = {1557, 1617, 1491, 1422}, passes[] = {556, 441};
    std::vector<std::vector<float>> combLines, passLines;
    for (int d : combs) combLines.emplace_back(static_cast<std::size_t>(d + spread), 0.0f);
    for (int d : passes) passLines.emplace_back(static_cast<std::size_t>(d + spread), 0.0f);
    std::vector<std::size_t> combAt(4, 0), passAt(2, 0);
    std::vector<float> damp(4, 0.0f), out(send.size(), 0.0f);
    for (int lap = 0; lap < 2; ++lap) {
        for (std::size_t i = 0; i < send.size(); ++i) {
            float sum = 0.0f;
            for (std::size_t c = 0; c < 4; ++c) {
                float& cell = combLines[c][combAt[c]];
                damp[c] = cell * 0.7f + damp[c] * 0.3f;
                sum += cell;
                cell = send[i] + damp[c] * 0.82f;
                if (++combAt[c] == combLines[c].size()) combAt[c] = 0;
            }
            for (std::size_t p = 0; p < 2; ++p) {
                float& cell = passLines[p][passAt[p]];
                const float delayed = cell;
                cell = sum + delayed * 0.5f;
                sum = delayed - sum;
                if (++passAt[p] == passLines[p].size()) passAt[p] = 0;
            }
            out[i] = sum * 0.06f;
        }
    }
    return out;
}

constexpr double targetLoudness = 0.18;  // RMS of the finished mix, -15 dB
constexpr double knee = 0.7, kneeTop = 0.95;

// Passes quiet samples unchanged and bends louder ones smoothly towards
// kneeTop, which they never reach.
double roundOff(double v) {
    const double size = std::fabs(v);
    if (size <= knee) return v;
    return std::copysign(knee + (kneeTop - knee) * std::tanh((size - knee) / (kneeTop - knee)), v);
}

void removeOffset(Stereo& mix) {
    for (std::vector<float>* channel : {&mix.left, &mix.right}) {
        double sum = 0.0;
        for (float v : *channel) sum += v;
        const auto mean = static_cast<float>(sum / static_cast<double>(channel->size()));
        for (float& v : *channel) v -= mean;
    }
}

}  // namespace

Stereo render(const Score& score, std::vector<double>* voiceLevels) {
    const std::size_t frames = static_cast<std::size_t>(std::lround(score.seconds() * sampleRate));
    Stereo mix{std::vector<float>(frames, 0.0f), std::vector<float>(frames, 0.0f)};
    std::vector<float> send(frames, 0.0f);
    std::uint32_t seed = 1;
    for (const Voice& voice : score.voices) {
        const Instrument& in = voice.instrument;
        const std::vector<float> dry = renderVoice(score, voice, frames, seed++);
        if (voiceLevels) {
            double energy = 0.0;
            for (float v : dry) energy += static_cast<double>(v) * v;
            voiceLevels->push_back(std::sqrt(energy / static_cast<double>(frames)));
        }
        panInto(mix, dry, in.pan, 0, 1.0);
        // Echoes answer from alternate sides.
        const long step = std::lround(in.echo * 60.0 / score.tempo * sampleRate);
        double level = in.feedback;
        for (int k = 1; step > 0 && level > 0.02; ++k, level *= in.feedback)
            panInto(mix, dry, k % 2 ? -0.7 : 0.7, step * k, level);
        for (std::size_t i = 0; i < frames; ++i) send[i] += static_cast<float>(dry[i] * in.reverb);
    }
    // One side's hall at a time: the game renders tunes as it runs, so the
    // peak of memory counts.
    for (auto [channel, spread] : {std::pair{&mix.left, 0}, std::pair{&mix.right, 23}}) {
        const std::vector<float> reverberated = hall(send, spread);
        for (std::size_t i = 0; i < frames; ++i) (*channel)[i] += reverberated[i];
    }
    removeOffset(mix);
    // Every tune sounds about as loud as the others: the level is set by the
    // average loudness, and the few peaks above the knee are rounded off.
    double energy = 0.0, peak = 1e-9;
    for (std::size_t i = 0; i < frames; ++i) {
        energy += 0.5 * (mix.left[i] * mix.left[i] + mix.right[i] * mix.right[i]);
        peak = std::max(
            {peak, static_cast<double>(std::fabs(mix.left[i])), static_cast<double>(std::fabs(mix.right[i]))});
    }
    const double rms = std::sqrt(energy / static_cast<double>(frames)) + 1e-12;
    const double gain = std::min(targetLoudness / rms, 1.6 * kneeTop / peak);
    for (std::vector<float>* channel : {&mix.left, &mix.right})
        for (float& v : *channel) v = static_cast<float>(roundOff(v * gain));
    removeOffset(mix);
    if (voiceLevels)
        for (double& level : *voiceLevels) level *= gain;
    return mix;
}

std::vector<std::int16_t> toPcm16(const Stereo& sound) {
    std::vector<std::int16_t> pcm;
    pcm.reserve(sound.left.size() * 2);
    for (std::size_t i = 0; i < sound.left.size(); ++i)
        for (float v : {sound.left[i], sound.right[i]})
            pcm.push_back(static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f)));
    return pcm;
}

}  // namespace music
