// Terminal bytes: however a terminal's bytes are split between reads, the
// decoder finds the same keys, and it only ever reports keys the game polls.

#include <vector>

#include "console/keys.h"
#include "fuzz/fuzz_checks.h"
#include "platform/key_decoder.h"
#include "platform/key_state.h"

namespace {

bool isGameKey(int key) {
    return key == VK::Backspace || key == VK::Enter || key == VK::Escape || (key >= VK::Left && key <= VK::Down) ||
           (key >= VK::Digit0 && key <= VK::Digit9) || (key >= 'A' && key <= 'Z') || key == VK::Question ||
           key == VK::F1;
}

// What an event says, without the moment it was read.
bool sameEvent(const InputEvent& a, const InputEvent& b) {
    return a.kind == b.kind && a.key == b.key && a.action == b.action && a.mods == b.mods && a.legacy == b.legacy &&
           a.flags == b.flags;
}

// The bytes cut into reads: each piece starts with a byte giving its length
// (1 to 16) and how many ms after the last read it came (0 to 150).
struct Read {
    std::string bytes;
    std::int64_t gapMs;
};
std::vector<Read> readsOf(const std::string& input) {
    std::vector<Read> reads;
    for (std::size_t at = 0; at < input.size();) {
        const auto head = static_cast<unsigned char>(input[at++]);
        const std::size_t length = head % 16 + 1;
        reads.push_back({input.substr(at, length), (head / 16) * 10});
        at += length;
    }
    return reads;
}

// All bytes read at one moment: no timeout can settle anything between them.
std::vector<InputEvent> decodedAtOnce(const std::vector<Read>& reads, bool inPieces) {
    KeyDecoder decoder;
    std::vector<InputEvent> events;
    std::string all;
    for (const Read& r : reads) {
        if (inPieces) decoder.feed(r.bytes, 0, events);
        else all += r.bytes;
    }
    if (!inPieces) decoder.feed(all, 0, events);
    return events;
}

// The reads at their moments, settled as the terminal's input loop settles
// them, the keys taken in and polled as the game's views poll them.
void playReads(const std::vector<Read>& reads, bool exact) {
    KeyDecoder decoder;
    KeyState state;
    state.setExact(exact);
    std::int64_t now = 0;
    for (const Read& r : reads) {
        std::vector<InputEvent> events;
        const std::int64_t due = decoder.deadline();
        if (due >= 0 && due <= now + r.gapMs) decoder.expire(due, events);
        now += r.gapMs;
        decoder.feed(r.bytes, now, events);
        for (const InputEvent& e : events) {
            if (e.kind == InputEvent::Kind::Key && !isGameKey(e.key))
                throw FuzzFinding("the decoder reported key " + std::to_string(e.key));
            state.record(e);
        }
        for (int key : {VK::Enter, VK::Escape, VK::Left, VK::Up, VK::Right, VK::Down, VK::Digit0}) {
            state.held(key, now);
            state.pressed(key, now);
        }
        const std::int64_t interval = state.repeatInterval(now);
        const std::int64_t delay = state.repeatDelay(now);
        if (interval < KeyState::minRepeatIntervalMs || interval > KeyState::maxRepeatIntervalMs ||
            delay < KeyState::minRepeatDelayMs || delay > KeyState::maxRepeatDelayMs)
            throw FuzzFinding("a learned repeat figure left the keyboards' range");
    }
}

}  // namespace

void checkKeyBytes(const std::string& bytes) {
    if (bytes.empty()) return;
    const std::vector<Read> reads = readsOf(bytes.substr(1));
    const std::vector<InputEvent> whole = decodedAtOnce(reads, false);
    const std::vector<InputEvent> pieces = decodedAtOnce(reads, true);
    bool same = whole.size() == pieces.size();
    for (std::size_t i = 0; same && i < whole.size(); ++i) same = sameEvent(whole[i], pieces[i]);
    if (!same) throw FuzzFinding("the keys depend on how the bytes were split between reads");
    playReads(reads, (bytes[0] & 1) != 0);
}
