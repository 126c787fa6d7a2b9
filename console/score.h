#pragma once
// A tune as the composer writes it: a tempo, instruments, and voices of notes.
//
// The note files (Music/*.notes) are plain text, one statement a line,
// a '#' after a blank starting a comment:
//
//   tempo 96                      quarter notes a minute
//   beats 4                       quarter notes a bar
//   voice lead square volume=0.3 pan=-0.2 attack=0.01 release=0.2 ...
//   phrase hook                   a named run of notes to reuse
//   hook: | e5/8 g5/8 a5/4 r/2 |  appends notes to a phrase or a voice
//   lead: @hook*2 | c5,e5,g5/1 |  plays a phrase twice, then a chord
//
// A note is a name with octave (c4 is middle C, c#4 or db4 a semitone up), a
// drum (k kick, s snare, h hat, o open hat, t tom, x crash) or r for a rest,
// then '/' and a length: 1 whole, 2 half, 4 quarter, 8, 16, 32; 't' after the
// number makes it a triplet, '.' dots it, '+' ties lengths (2+8). Then '!'
// accents it or '?' plays it softly, and '*N' repeats it. '|' marks a bar end:
// what lies between two bar lines must make whole bars, and every voice must
// last the same whole number of bars, so the tune loops cleanly.

#include <stdexcept>
#include <string>
#include <vector>

namespace music {

// Ticks of a whole note: sixty-fourths and triplets come out whole.
constexpr int ticksPerWhole = 192;
constexpr int ticksPerBeat = ticksPerWhole / 4;

enum class Wave { Sine, Triangle, Square, Saw, Noise, Drums };
enum Drum { Kick, Snare, Hat, OpenHat, Tom, Crash };

struct Instrument {
    Wave wave = Wave::Sine;
    double volume = 0.5;
    double pan = 0.0;      // -1 left .. 1 right
    double attack = 0.01;  // seconds
    double decay = 0.1;    // seconds to fall to the sustain level
    double sustain = 0.8;  // share of the peak
    double release = 0.1;  // seconds after the note ends
    double gate = 1.0;     // share of its written length a note is held
    double duty = 0.5;     // high share of a square wave's cycle
    double cutoff = 0.0;   // low-pass corner in Hz, 0 for none
    double sweep = 0.0;    // how far the envelope opens the low-pass
    double vibrato = 0.0;  // depth in semitones
    double vibratoRate = 5.0;
    double detune = 0.0;    // cents of a second oscillator, 0 for none
    double drive = 0.0;     // distortion, 0 for none
    double echo = 0.0;      // delay of an echo in beats, 0 for none
    double feedback = 0.3;  // loudness of each echo against the one before
    double reverb = 0.15;   // share sent to the hall
};

struct Note {
    int start = 0;             // ticks from the start of the tune
    int length = 0;            // ticks
    std::vector<int> pitches;  // MIDI numbers (a4 = 69), or Drum kinds
    double velocity = 1.0;
};

struct Voice {
    std::string name;
    Instrument instrument;
    std::vector<Note> notes;
};

struct Score {
    double tempo = 120.0;
    int beatsPerBar = 4;
    int ticks = 0;  // length of the whole tune
    std::vector<Voice> voices;

    int bars() const { return ticks / (beatsPerBar * ticksPerBeat); }
    double secondsPerTick() const { return 60.0 / tempo / ticksPerBeat; }
    double seconds() const { return ticks * secondsPerTick(); }
};

// A mistake in a note file, with the line it is on (0: the file as a whole).
class ScoreError : public std::runtime_error {
public:
    ScoreError(int line, const std::string& message);
    int line;
};

// Reads a note file's text; throws ScoreError on the first mistake.
Score parseScore(const std::string& text);

}  // namespace music
