#include "console/voice_stream.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

#include "console/synth.h"

namespace music {

namespace {

constexpr double pi = 3.14159265358979323846;

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

double advance(double phase, double dt) {
    phase += dt;
    return phase >= 1.0 ? phase - std::floor(phase) : phase;
}

double lowPass(double corner) {
    return 1.0 - std::exp(-2.0 * pi * std::min(corner, 0.45 * sampleRate) / sampleRate);
}

long lengthOf(const Strike& strike) {
    return std::visit([](const auto& s) { return s.length(); }, strike);
}

double nextOf(Strike& strike) {
    return std::visit([](auto& s) { return s.next(); }, strike);
}

}  // namespace

Envelope::Envelope(const Instrument& in, long gateSamples)
    : attack(std::max(1.0, in.attack * sampleRate)),
      sustain(in.sustain),
      fallStep(std::exp(-3.0 / std::max(1.0, in.decay * sampleRate))),
      gate(gateSamples),
      release(std::max(1.0, in.release * sampleRate)) {}

double Envelope::at(long i) {
    if (i < gate) {
        if (static_cast<double>(i) < attack) return held = static_cast<double>(i) / attack;
        fall *= fallStep;
        return held = sustain + (1.0 - sustain) * fall;
    }
    const double r = 1.0 - static_cast<double>(i - gate) / release;
    return r <= 0.0 ? 0.0 : held * r * r;
}

Tone::Tone(const Instrument& instrument, int pitch, double gateSeconds, double g, Noise n)
    : in(&instrument),
      noise(n),
      envelope(instrument, std::lround(gateSeconds * sampleRate)),
      frequency(440.0 * std::pow(2.0, (pitch - 69) / 12.0)),
      ratio(std::pow(2.0, instrument.detune / 1200.0)),
      gain(g),
      driveNorm(instrument.drive > 0 ? std::tanh(instrument.drive) : 1.0),
      fixedLowPass(lowPass(instrument.cutoff)) {}

long Tone::draws() const {
    if (in->wave != Wave::Noise) return 0;
    return in->detune != 0.0 ? 2 * length() : length();
}

double Tone::next() {
    const double t = static_cast<double>(i) / sampleRate;
    const double env = envelope.at(i++);
    double f = frequency;
    if (in->vibrato > 0)
        f *= std::pow(2.0, in->vibrato / 12.0 * std::sin(2.0 * pi * in->vibratoRate * t) * std::min(1.0, t / 0.3));
    const double dt = f / sampleRate;
    double v = oscillator(*in, phase, dt, noise);
    if (in->detune != 0.0) v = 0.5 * (v + oscillator(*in, phase2, dt * ratio, noise));
    phase = advance(phase, dt);
    phase2 = advance(phase2, dt * ratio);
    if (in->cutoff > 0) {
        const double a = in->sweep > 0 ? lowPass(in->cutoff * (1.0 + in->sweep * env)) : fixedLowPass;
        low1 += a * (v - low1);
        low2 += a * (low1 - low2);
        v = low2;
    }
    if (in->drive > 0) v = std::tanh(in->drive * v) / driveNorm;
    return v * env * gain;
}

DrumHit::DrumHit(int k, double g, Noise n) : kind(k), gain(g), noise(n) {
    const double seconds[] = {0.45, 0.3, 0.08, 0.4, 0.5, 1.6};
    samples = static_cast<long>(seconds[kind] * sampleRate);
}

double DrumHit::next() {
    const double t = static_cast<double>(i) / sampleRate;
    const double fadeIn = std::min(1.0, t / 0.001);
    const double fadeOut = 1.0 - static_cast<double>(i++) / static_cast<double>(samples);  // closes every hit
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
    return v * gain * fadeIn * fadeOut;
}

VoiceStream::VoiceStream(const Score& score, const Voice& voice, std::uint32_t seed, std::size_t frames,
                         std::size_t from)
    : loop(frames), position(from % frames) {
    const Instrument& in = voice.instrument;
    Noise noise(seed);  // each strike takes up its values where the one before left off
    const double secondsPerTick = score.secondsPerTick();
    for (const Note& note : voice.notes) {
        const long start = std::lround(note.start * secondsPerTick * sampleRate);
        const double gain = in.volume * note.velocity;
        for (int pitch : note.pitches) {
            Strike strike =
                in.wave == Wave::Drums
                    ? Strike(DrumHit(pitch, gain, noise))
                    : Strike(Tone(in, pitch, std::max(note.length * secondsPerTick * in.gate, 0.005), gain, noise));
            noise.skip(std::visit([](const auto& s) { return s.draws(); }, strike));
            add(std::move(strike), start);
        }
    }
    byBegin.resize(pieces.size());
    std::iota(byBegin.begin(), byBegin.end(), std::size_t{0});
    std::stable_sort(byBegin.begin(), byBegin.end(),
                     [this](std::size_t a, std::size_t b) { return pieces[a].begin < pieces[b].begin; });
}

// Cuts a strike's life at the loop's end, once for each lap it reaches into.
void VoiceStream::add(Strike strike, long start) {
    const long n = static_cast<long>(loop), end = start + lengthOf(strike);
    long lap = start / n, at = start;
    while (at < end) {
        const long lapEnd = (lap + 1) * n;
        pieces.push_back({static_cast<std::size_t>(at - lap * n),
                          static_cast<std::size_t>(std::min(end, lapEnd) - lap * n), strike});
        for (; at < lapEnd && lapEnd < end; ++at) nextOf(strike);
        at = lapEnd;
        ++lap;
    }
}

// Sets off the pieces that begin here. A stream that starts inside a piece
// plays that piece's beginning silently.
void VoiceStream::startPieces() {
    while (nextToBegin < byBegin.size() && pieces[byBegin[nextToBegin]].begin <= position) {
        const std::size_t number = byBegin[nextToBegin++];
        const Piece& piece = pieces[number];
        if (piece.end <= position) continue;
        Sounding started{number, piece.end, piece.start};
        for (std::size_t k = piece.begin; k < position; ++k) nextOf(started.strike);
        const auto later = std::find_if(sounding.begin(), sounding.end(),
                                        [number](const Sounding& s) { return s.piece > number; });
        sounding.insert(later, std::move(started));
    }
}

void VoiceStream::addSounding(float* out, std::size_t run) {
    for (Sounding& s : sounding)
        std::visit(
            [out, run](auto& strike) {
                for (std::size_t i = 0; i < run; ++i) out[i] += static_cast<float>(strike.next());
            },
            s.strike);
}

void VoiceStream::fill(float* out, std::size_t count) {
    std::fill(out, out + count, 0.0f);
    while (count > 0) {
        if (position == loop) {
            position = 0;
            nextToBegin = 0;
        }
        startPieces();
        // A run of frames where the same pieces sound.
        std::size_t until = nextToBegin < byBegin.size() ? pieces[byBegin[nextToBegin]].begin : loop;
        for (const Sounding& s : sounding) until = std::min(until, s.end);
        const std::size_t run = std::min(count, until - position);
        addSounding(out, run);
        out += run;
        count -= run;
        position += run;
        sounding.erase(std::remove_if(sounding.begin(), sounding.end(),
                                      [this](const Sounding& s) { return s.end <= position; }),
                       sounding.end());
    }
}

}  // namespace music
