#include "platform/key_state.h"

#include <algorithm>

namespace {
constexpr std::size_t maxPending = 32;
}

std::int64_t KeyState::quietWindow() const { return std::max(3 * interval, minQuietMs); }

void KeyState::record(const InputEvent& e) {
    if (e.kind != InputEvent::Kind::Key) return;
    if (!exactMode || e.legacy) {
        recordEmulated(e);
        return;
    }
    Slot& s = slot(e.key);
    s.lastEvent = e.time;
    switch (e.action) {
    case KeyAction::Press:
        s.down = true;
        s.pressTaken = false;
        addPress(e.key, e.time, 0);
        break;
    case KeyAction::Repeat: s.down = true; break;
    case KeyAction::Release: s.down = false; break;
    }
}

void KeyState::recordEmulated(const InputEvent& e) {
    Slot& s = slot(e.key);
    const std::int64_t gap = e.time - s.lastEvent;
    if (e.action == KeyAction::Release) {
        s.repeating = false;
    } else {
        // An event soon after the last one is an auto-repeat when the key is
        // already repeating, or when the last event came a keyboard's repeat
        // delay after its press: that one was the first auto-repeat.
        const bool startsRepeat = s.gapBefore >= minRepeatDelayMs && s.gapBefore <= maxRepeatDelayMs;
        const bool isRepeat =
            e.action == KeyAction::Repeat || (gap < quietWindow() && (s.repeating || startsRepeat));
        if (isRepeat) {
            if (!s.repeating && startsRepeat) {
                // The first auto-repeat was taken for a press: withdraw it if
                // no view has taken it yet, and learn the keyboard's delay.
                withdrawPress(e.key, s.lastEvent);
                repeatDelay = s.gapBefore;
            }
            if (gap > 0 && gap < quietWindow()) interval = interval == 0 ? gap : (3 * interval + gap) / 4;
            s.repeating = true;
        } else {
            s.repeating = false;
            // An event just the keyboard's repeat delay after the last one may
            // be the first auto-repeat: it waits to see whether more follow.
            const bool maybeRepeat = repeatDelay > 0 && gap >= repeatDelay - repeatDelayTolerance &&
                                     gap <= repeatDelay + repeatDelayTolerance;
            addPress(e.key, e.time, maybeRepeat ? quietWindow() : 0);
        }
    }
    s.gapBefore = gap;
    s.lastEvent = e.time;
}

void KeyState::addPress(int key, std::int64_t at, std::int64_t holdBack) {
    pending.push_back(Pending{key, at, at + holdBack});
    if (pending.size() > maxPending) pending.pop_front();
}

void KeyState::withdrawPress(int key, std::int64_t at) {
    for (auto it = pending.begin(); it != pending.end(); ++it)
        if (it->key == key && it->at == at) {
            pending.erase(it);
            return;
        }
}

bool KeyState::waitsItsTurn(std::deque<Pending>::const_iterator press, std::int64_t now) const {
    for (auto it = pending.cbegin(); it != press; ++it)
        if (it->visibleAt <= now) return true;
    return false;
}

bool KeyState::takePress(int key, std::int64_t now, bool evenIfHidden) {
    // Presses come in the order they were made, so the oldest are in front.
    while (!pending.empty() && pending.front().at + pressLifetimeMs < now) pending.pop_front();
    for (auto it = pending.begin(); it != pending.end(); ++it) {
        if (it->key != key) continue;
        if (!evenIfHidden && (it->visibleAt > now || waitsItsTurn(it, now))) return false;
        pending.erase(it);
        slot(key).pressTaken = true;
        return true;
    }
    return false;
}

bool KeyState::physicallyDown(int key, std::int64_t now) const {
    const Slot& s = slot(key);
    if (exactMode && s.down) return true;
    return s.repeating && now - s.lastEvent < quietWindow();
}

bool KeyState::held(int key, std::int64_t now) {
    if (physicallyDown(key, now)) {
        takePress(key, now, true);  // the press of this same hold
        slot(key).pressTaken = true;
        return true;
    }
    return takePress(key, now, false);
}

bool KeyState::pressed(int key, std::int64_t now) {
    if (takePress(key, now, false)) return true;
    // In exact mode a key that is down is a press under way even when its
    // press is old, as long as no view has taken that press yet.
    Slot& s = slot(key);
    if (!down(key) || s.pressTaken) return false;
    s.pressTaken = true;
    return true;
}

bool KeyState::down(int key) const { return exactMode && slot(key).down; }

void KeyState::screenCleared(std::int64_t now) {
    while (!pending.empty() && pending.front().at <= now) pending.pop_front();
    for (Slot& s : slots)
        if (s.down) s.pressTaken = true;
}

void KeyState::releaseAll() {
    for (Slot& s : slots) {
        s.down = false;
        s.repeating = false;
    }
}

void KeyState::forget() {
    for (Slot& s : slots) s = Slot{};
    pending.clear();
}
