#include "console/score.h"

#include <cctype>
#include <cstdlib>
#include <map>
#include <sstream>

namespace music {

ScoreError::ScoreError(int l, const std::string& message) : std::runtime_error(message), line(l) {}

namespace {

struct Token {
    std::string text;
    int line;
};

using Tokens = std::vector<Token>;

int parseCount(const std::string& text, int line, const std::string& what) {
    char* end = nullptr;
    const long n = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || n < 1 || n > 10000)
        throw ScoreError(line, "'" + text + "' is not a " + what);
    return static_cast<int>(n);
}

double parseNumber(const std::string& text, int line) {
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0') throw ScoreError(line, "'" + text + "' is not a number");
    return v;
}

// "4", "8.", "8t", "2+8" -> ticks.
int parseLength(const std::string& text, int line) {
    int total = 0;
    std::stringstream parts(text);
    std::string part;
    while (std::getline(parts, part, '+')) {
        std::size_t digits = 0;
        while (digits < part.size() && std::isdigit(static_cast<unsigned char>(part[digits]))) ++digits;
        const int division = digits ? std::atoi(part.substr(0, digits).c_str()) : 0;
        const bool powerOfTwo = division > 0 && (division & (division - 1)) == 0;
        if (!powerOfTwo || ticksPerWhole % division != 0)
            throw ScoreError(line, "'" + text + "' is not a note length");
        int ticks = ticksPerWhole / division;
        for (std::size_t i = digits; i < part.size(); ++i) {
            const bool triplet = part[i] == 't', dotted = part[i] == '.';
            if ((!triplet && !dotted) || (triplet && ticks % 3) || (dotted && ticks % 2))
                throw ScoreError(line, "'" + text + "' is not a note length");
            ticks = triplet ? ticks * 2 / 3 : ticks * 3 / 2;
        }
        total += ticks;
    }
    if (total == 0) throw ScoreError(line, "'" + text + "' is not a note length");
    return total;
}

int parsePitch(const std::string& name, int line) {
    static const int steps[] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(name.empty() ? ' ' : name[0])));
    if (letter < 'a' || letter > 'g') throw ScoreError(line, "'" + name + "' is not a note");
    int pitch = steps[letter - 'a'];
    std::size_t i = 1;
    if (i < name.size() && (name[i] == '#' || name[i] == 'b')) pitch += name[i++] == '#' ? 1 : -1;
    if (i + 1 != name.size() || !std::isdigit(static_cast<unsigned char>(name[i])))
        throw ScoreError(line, "'" + name + "' is not a note (a name and an octave, like c#4)");
    return pitch + 12 * (name[i] - '0' + 1);
}

int parseDrum(const std::string& name, int line) {
    static const std::string kinds = "kshotx";
    const std::size_t at = name.size() == 1 ? kinds.find(name[0]) : std::string::npos;
    if (at == std::string::npos) throw ScoreError(line, "'" + name + "' is not a drum (k s h o t x)");
    return static_cast<int>(at);
}

void setInstrumentValue(Instrument& in, const std::string& key, double v, int line) {
    static const std::map<std::string, double Instrument::*> fields = {
        {"volume", &Instrument::volume},   {"pan", &Instrument::pan},
        {"attack", &Instrument::attack},   {"decay", &Instrument::decay},
        {"sustain", &Instrument::sustain}, {"release", &Instrument::release},
        {"gate", &Instrument::gate},       {"duty", &Instrument::duty},
        {"cutoff", &Instrument::cutoff},   {"sweep", &Instrument::sweep},
        {"vibrato", &Instrument::vibrato}, {"vibratorate", &Instrument::vibratoRate},
        {"detune", &Instrument::detune},   {"drive", &Instrument::drive},
        {"echo", &Instrument::echo},       {"feedback", &Instrument::feedback},
        {"reverb", &Instrument::reverb},
    };
    const auto field = fields.find(key);
    if (field == fields.end()) throw ScoreError(line, "unknown setting '" + key + "'");
    if (v < -1.0 || v > 20000.0) throw ScoreError(line, "'" + key + "' is out of range");
    in.*(field->second) = v;
}

Instrument parseInstrument(std::istringstream& words, int line) {
    static const std::map<std::string, Wave> waves = {
        {"sine", Wave::Sine}, {"triangle", Wave::Triangle}, {"square", Wave::Square},
        {"saw", Wave::Saw},   {"noise", Wave::Noise},       {"drums", Wave::Drums},
    };
    std::string word;
    if (!(words >> word) || !waves.count(word))
        throw ScoreError(line, "a voice needs a sound: sine, triangle, square, saw, noise or drums");
    Instrument in;
    in.wave = waves.at(word);
    while (words >> word) {
        const std::size_t eq = word.find('=');
        if (eq == std::string::npos) throw ScoreError(line, "'" + word + "' is not a setting (name=value)");
        setInstrumentValue(in, word.substr(0, eq), parseNumber(word.substr(eq + 1), line), line);
    }
    if (in.feedback >= 0.95) throw ScoreError(line, "an echo feedback near 1 never dies away");
    return in;
}

// Lays a voice's tokens end to end, following phrases.
class Expander {
public:
    Expander(const std::map<std::string, Tokens>& p, int barTicks) : phrases(p), bar(barTicks) {}

    void expand(const Tokens& tokens, Voice& voice, int depth) {
        if (depth > 16)
            throw ScoreError(tokens.empty() ? 0 : tokens[0].line, "phrases call each other in a circle");
        for (const Token& t : tokens) {
            std::string text = t.text;
            int repeat = 1;
            const std::size_t star = text.find('*');
            if (star != std::string::npos) {
                repeat = parseCount(text.substr(star + 1), t.line, "repeat count");
                text.erase(star);
            }
            if (text == "|" && repeat > 1)
                throw ScoreError(t.line, "a bar line cannot be repeated (repeat a phrase)");
            for (int i = 0; i < repeat; ++i) play(text, t.line, voice, depth);
        }
    }

    int position = 0;

private:
    void play(const std::string& text, int line, Voice& voice, int depth) {
        if (text.empty()) throw ScoreError(line, "a repeat needs something to repeat");
        if (text == "|") return barLine(line);
        if (text[0] == '@') {
            const auto phrase = phrases.find(text.substr(1));
            if (phrase == phrases.end()) throw ScoreError(line, "no phrase named '" + text.substr(1) + "'");
            return expand(phrase->second, voice, depth + 1);
        }
        std::string body = text;
        Note note;
        note.start = position;
        if (body.back() == '!' || body.back() == '?') {
            note.velocity = body.back() == '!' ? 1.25 : 0.5;
            body.pop_back();
        }
        const std::size_t slash = body.find('/');
        if (slash == std::string::npos) throw ScoreError(line, "'" + text + "' has no length (like c4/8)");
        note.length = parseLength(body.substr(slash + 1), line);
        position += note.length;
        const std::string names = body.substr(0, slash);
        if (names == "r") return;
        std::stringstream chord(names);
        std::string name;
        while (std::getline(chord, name, ','))
            note.pitches.push_back(voice.instrument.wave == Wave::Drums ? parseDrum(name, line)
                                                                        : parsePitch(name, line));
        voice.notes.push_back(note);
    }

    void barLine(int line) {
        const int length = position - lastBar;
        // Bar lines may enclose several whole bars, like a long rest.
        if (length % bar != 0) {
            std::ostringstream message;
            message << "this bar holds " << static_cast<double>(length) / ticksPerBeat << " beats, not "
                    << bar / ticksPerBeat;
            throw ScoreError(line, message.str());
        }
        lastBar = position;
    }

    const std::map<std::string, Tokens>& phrases;
    int bar;
    int lastBar = 0;
};

// A comment starts with a '#' at the start of the line or after a blank; a
// '#' inside a word is a sharp.
std::string withoutComment(const std::string& line) {
    for (std::size_t i = 0; i < line.size(); ++i)
        if (line[i] == '#' && (i == 0 || std::isspace(static_cast<unsigned char>(line[i - 1]))))
            return line.substr(0, i);
    return line;
}

}  // namespace

Score parseScore(const std::string& text) {
    Score score;
    std::map<std::string, Tokens> phrases;
    std::map<std::string, Tokens> bodies;
    std::map<std::string, int> declaredAt;
    std::istringstream lines(text);
    std::string raw;
    for (int line = 1; std::getline(lines, raw); ++line) {
        std::istringstream words(withoutComment(raw));
        std::string head;
        if (!(words >> head)) continue;
        if (head == "tempo" || head == "beats") {
            std::string value, extra;
            if (!(words >> value) || (words >> extra)) throw ScoreError(line, head + " takes one number");
            if (head == "tempo") score.tempo = parseCount(value, line, "tempo");
            else score.beatsPerBar = parseCount(value, line, "number of beats");
        } else if (head == "voice" || head == "phrase") {
            std::string name;
            if (!(words >> name)) throw ScoreError(line, head + " needs a name");
            if (declaredAt.count(name)) throw ScoreError(line, "'" + name + "' is already declared");
            declaredAt[name] = line;
            if (head == "voice") {
                score.voices.push_back(Voice{name, parseInstrument(words, line), {}});
                bodies[name];
            } else {
                phrases[name];
            }
        } else if (head.back() == ':') {
            const std::string name = head.substr(0, head.size() - 1);
            Tokens* target = phrases.count(name) ? &phrases[name] : bodies.count(name) ? &bodies[name] : nullptr;
            if (!target) throw ScoreError(line, "no voice or phrase named '" + name + "'");
            for (std::string word; words >> word;) target->push_back({word, line});
        } else {
            throw ScoreError(line, "'" + head + "' is not a statement");
        }
    }
    if (score.voices.empty()) throw ScoreError(0, "the tune has no voices");
    const int bar = score.beatsPerBar * ticksPerBeat;
    std::string first;
    for (Voice& voice : score.voices) {
        Expander expander(phrases, bar);
        expander.expand(bodies[voice.name], voice, 0);
        const int line = declaredAt[voice.name];
        if (expander.position == 0 || expander.position % bar)
            throw ScoreError(line, "voice '" + voice.name + "' does not end on a bar line");
        if (first.empty()) {
            first = voice.name;
            score.ticks = expander.position;
        } else if (expander.position != score.ticks) {
            throw ScoreError(line, "voice '" + voice.name + "' lasts " + std::to_string(expander.position / bar) +
                                       " bars, voice '" + first + "' " + std::to_string(score.ticks / bar));
        }
    }
    return score;
}

}  // namespace music
